#include "gui/mainwnd/LibraryTasks.h"

#include <QFileDialog>
#include <QFileInfo>

#include "core/app/DataFileSaver.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/FolderAdd.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/settings/PreferenceStore.h"
#include "platform/LinuxDrives.h"

namespace sonara::gui {

namespace {

QStringList chooseFiles(QWidget* parent, const QString& start) {
    return QFileDialog::getOpenFileNames(parent,
                                         QString::fromStdString(stringText(TextId::AddSongsTitle)),
                                         start, "MP3 files (*.mp3 *.MP3)");
}

QString chooseFolder(QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(
        parent, QString::fromStdString(stringText(TextId::AddFolderTitle)), start);
}

}  // namespace

LibraryTasks::LibraryTasks(QWidget& window, MainServices& services, std::function<void()> changing,
                           std::function<void()> changed)
    : window_(window),
      services_(services),
      changing_(std::move(changing)),
      changed_(std::move(changed)),
      choosers_{chooseFiles, chooseFolder} {}

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

int LibraryTasks::addFiles(const std::vector<std::string>& files) {
    int added = 0;
    for (const std::string& file : files) {
        const AddResult result = services_.library.addSong(file, "", services_.recordFactory);
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
    changing_();
    std::vector<std::string> files;
    for (const QString& file : chosen) {
        files.push_back(file.toStdString());
    }
    rememberFolder(QFileInfo(chosen.front()).absolutePath().toStdString());
    if (addFiles(files) > 0) {
        saveAfterChange();
    } else {
        changed_();
    }
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
    const LibraryUpdateResult result = runLibraryUpdate(scope);
    saveAfterChange();
    for (const std::string& folder : result.unreachable) {
        services_.prompter.message(formatText(TextId::SourceUnreachable, folder),
                                   Icon::Exclamation);
    }
    if (result.finished) {
        services_.prompter.message(libraryUpdateText(result), Icon::Information);
    }
}

void LibraryTasks::checkAvailability(bool finishedMessage) {
    LibraryScope scope{services_.library,       services_.sources, services_.pathCache,
                       services_.recordFactory, drives(),          services_.prompter};
    const AvailabilityResult result = sonara::checkAvailability(
        scope, services_.skin.prefs.values().checkRemovableMediaOnly != 0);
    saveAfterChange();
    if (result.finished && finishedMessage) {
        services_.prompter.message(stringText(TextId::AvailabilityCheckFinished),
                                   Icon::Information);
    }
}

}  // namespace sonara::gui
