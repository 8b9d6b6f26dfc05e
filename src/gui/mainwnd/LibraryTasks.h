#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "gui/mainwnd/MainServices.h"

class QWidget;

namespace sonara {
class Drives;
}

namespace sonara::gui {

// "Name|*.a;*.b|Other|*.c||" as QFileDialog takes it; upper-case patterns
// are added beside lower-case ones.
QString qtFileFilter(const std::string& filter);

// The library's own commands that need no dialog of their own: adding
// files and folders (through the standard file dialogs), updating the
// library from its sources (F5) and checking which files are present (F6).
// Each saves the data files it changed and reports what it could not do.
// Borrows the services; user-interface thread only.
class LibraryTasks {
  public:
    // Where the user picks files and folders; tests give their own.
    struct Choosers {
        std::function<QStringList(QWidget*, const QString& startFolder)> files;
        std::function<QString(QWidget*, const QString& startFolder)> folder;
    };

    // `changing` runs before records may be added or removed, `changed`
    // after: the lists hold record pointers.
    LibraryTasks(QWidget& window, MainServices& services, std::function<void()> changing,
                 std::function<void()> changed);
    ~LibraryTasks();
    void setChoosers(Choosers choosers) { choosers_ = std::move(choosers); }
    // The standard file dialogs "Add Songs" and "Add Folder".
    static Choosers standardChoosers();

    void addByFile();
    void addByFolder();
    // A folder tree into the library, as "By Folder" does after its dialog.
    // False when the user cancelled.
    bool addFolder(const std::string& folder);
    // Songs into the library, one by one, with `mediaName`; the number
    // added. Stops at the first song that cannot be made a record.
    int addFiles(const std::vector<std::string>& files, const std::string& mediaName = {});
    void updateLibrary();
    // Runs work that may add records some other way (opened songs), with
    // the lists told before and after.
    void aroundChange(const std::function<void()>& work);
    // "Finished checking availability" only with `showMessage` (the menu,
    // not the start-up check or the one after choosing a removable medium).
    void checkAvailability(bool showMessage = true);

    Drives& drives();

  private:
    void saveAfterChange();
    void rememberFolder(const std::string& folder);

    QWidget& window_;
    MainServices& services_;
    std::function<void()> changing_;
    std::function<void()> changed_;
    Choosers choosers_;
    std::unique_ptr<Drives> drives_;
};

}  // namespace sonara::gui
