#include "gui/mainwnd/LibraryTasks.h"

#include <QFileDialog>
#include <QFileInfo>

#include "core/app/DataFileSaver.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/FolderAdd.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/MediaName.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"
#include "core/settings/PreferenceStore.h"
#include "gui/mainwnd/DesktopActions.h"
#include "platform/LinuxDrives.h"

namespace sonara::gui {

namespace {

QStringList chooseFiles(QWidget* parent, const QString& start) {
    return QFileDialog::getOpenFileNames(parent,
                                         QString::fromStdString(stringText(TextId::AddSongsTitle)),
                                         start, qtFileFilter(stringText(TextId::Mp3FileFilter)));
}

QString chooseFolder(QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(
        parent, QString::fromStdString(stringText(TextId::AddFolderTitle)), start);
}

// The desktop's own readers of the library paused while a scan works on it
// off the user-interface thread.
class ReadersHeld {
  public:
    explicit ReadersHeld(DesktopActions* desktop) : desktop_(desktop) {
        if (desktop_ != nullptr) {
            desktop_->holdLibraryReaders(true);
        }
    }
    ~ReadersHeld() {
        if (desktop_ != nullptr) {
            desktop_->holdLibraryReaders(false);
        }
    }
    ReadersHeld(const ReadersHeld&) = delete;
    ReadersHeld& operator=(const ReadersHeld&) = delete;

  private:
    DesktopActions* desktop_;
};

}  // namespace

QString qtFileFilter(const std::string& filter) {
    // "Name|*.a;*.b|Other|*.c||" pairs a name with its patterns.
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;
        }
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        // Linux names keep their case: "*.mp3" alone would hide SONG.MP3.
        const qsizetype count = patterns.size();
        for (qsizetype p = 0; p < count; ++p) {
            if (patterns[p].toUpper() != patterns[p]) {
                patterns.append(patterns[p].toUpper());
            }
        }
        filters.append(parts[i].trimmed() + " (" + patterns.join(' ') + ")");
    }
    return filters.join(";;");
}

LibraryTasks::LibraryTasks(QWidget& window, MainServices& services, std::function<void()> changing,
                           std::function<void()> changed)
    : window_(window),
      services_(services),
      changing_(std::move(changing)),
      changed_(std::move(changed)),
      choosers_(standardChoosers()) {}

LibraryTasks::Choosers LibraryTasks::standardChoosers() {
    return {chooseFiles, chooseFolder};
}

LibraryTasks::~LibraryTasks() = default;

Drives& LibraryTasks::drives() {
    if (!drives_) {
        drives_ = std::make_unique<platform::LinuxDrives>();
    }
    return *drives_;
}

void LibraryTasks::saveAfterChange() {
    services_.saver.saveDataFiles();
    changed_();
}

void LibraryTasks::rememberFolder(const std::string& folder) {
    services_.skin.prefs.values().lastUsedFolder = folder;
}

int LibraryTasks::addFiles(const std::vector<std::string>& files, const std::string& mediaName) {
    int added = 0;
    for (const std::string& file : files) {
        const AddResult result =
            services_.library.addSong(file, mediaName, services_.recordFactory);
        if (result.status == AddStatus::Added) {
            services_.pathCache.addFile(file);
            ++added;
        } else if (result.status != AddStatus::AlreadyPresent) {
            services_.prompter.message(formatText(TextId::UnableToAddSong, file),
                                       Icon::Exclamation);
            break;
        }
    }
    return added;
}

void LibraryTasks::addByFile() {
    const QString start = QString::fromStdString(services_.skin.prefs.values().lastUsedFolder);
    const QStringList chosen = choosers_.files(&window_, start);
    if (chosen.isEmpty()) {
        return;
    }
    std::vector<std::string> files;
    for (const QString& file : chosen) {
        files.push_back(file.toStdString());
    }
    const std::string folder = QFileInfo(chosen.front()).absolutePath().toStdString();
    rememberFolder(folder);
    std::string mediaName;
    if (isRemovable(drives(), files.front())) {
        // Cancel adds the songs without a medium name.
        mediaName = askRemovableMediaName(services_.prompter, "", false, services_.sources)
                        .value_or(std::string());
    }
    changing_();
    const int added = addFiles(files, mediaName);
    (void)services_.sources.add(files.front(), "");
    if (added > 0) {
        saveAfterChange();
    } else {
        changed_();
    }
    checkAvailability(false);
}

void LibraryTasks::addByFolder() {
    const QString start = QString::fromStdString(services_.skin.prefs.values().lastUsedFolder);
    const QString chosen = choosers_.folder(&window_, start);
    if (chosen.isEmpty()) {
        return;
    }
    rememberFolder(chosen.toStdString());
    addFolder(chosen.toStdString());
}

bool LibraryTasks::addFolder(const std::string& folder) {
    LibraryScope scope{services_.library,       services_.sources, services_.pathCache,
                       services_.recordFactory, drives(),          services_.prompter};
    changing_();
    FolderAddResult result;
    const bool promptForName = services_.skin.prefs.values().promptForCollectionName != 0;
    services_.prompter.runProgress(
        stringText(TextId::AddingSongsTitle), formatText(TextId::AddingSongsText, folder),
        [&](Progress& progress) {
            result = addFolderToLibrary(folder, scope, promptForName, progress);
            return result.ok;
        });
    if (result.incomplete) {
        services_.prompter.message(formatText(TextId::FoldersUnreadable, folder),
                                   Icon::Exclamation);
    }
    if (result.added > 0 && !result.cancelled) {
        saveAfterChange();
    } else {
        changed_();
    }
    return !result.cancelled;
}

void LibraryTasks::aroundChange(const std::function<void()>& work) {
    changing_();
    work();
    changed_();
}

void LibraryTasks::updateLibrary() {
    LibraryScope scope{services_.library,       services_.sources, services_.pathCache,
                       services_.recordFactory, drives(),          services_.prompter};
    changing_();
    LibraryUpdateResult result;
    {
        const ReadersHeld held(services_.desktop);
        result = runLibraryUpdate(scope);
    }
    saveAfterChange();
    for (const std::string& folder : result.unreachable) {
        services_.prompter.message(formatText(TextId::SourceUnreachable, folder),
                                   Icon::Exclamation);
    }
    if (result.finished) {
        services_.prompter.message(libraryUpdateText(result), Icon::Information);
    }
}

void LibraryTasks::checkAvailability(bool showMessage) {
    LibraryScope scope{services_.library,       services_.sources, services_.pathCache,
                       services_.recordFactory, drives(),          services_.prompter};
    AvailabilityResult result;
    {
        const ReadersHeld held(services_.desktop);
        result = sonara::checkAvailability(
            scope, services_.skin.prefs.values().checkRemovableMediaOnly != 0);
    }
    saveAfterChange();
    if (result.finished && showMessage) {
        services_.prompter.message(stringText(TextId::AvailabilityCheckFinished),
                                   Icon::Information);
    }
}

}  // namespace sonara::gui
