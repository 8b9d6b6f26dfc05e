#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace sonara {
class Prompter;
}

namespace sonara::gui {

class DesktopOpener;

// The bundled HTML help, opened in the desktop's web browser. The opener and
// the prompter must outlive this object. User-interface thread only.
class HelpPages {
  public:
    // Looks for the pages in `folders`, in order.
    HelpPages(DesktopOpener& opener, Prompter& prompter, QStringList folders = searchFolders());

    // Where the pages are looked for, in order: $SONARA_HELP_DIR when set,
    // the installed folder beside the program (<exe>/../share/sonara/help),
    // then the source tree's pages, for a program run from its build folder.
    static QStringList searchFolders();
    // index.html of the first of `folders` that has one.
    static std::optional<QString> findIndex(const QStringList& folders);

    // Opens the index page: the desktop's opener, else the default web
    // browser. False, after telling the user why, when no page is found or
    // nothing could open it.
    bool open();

  private:
    DesktopOpener& opener_;
    Prompter& prompter_;
    QStringList folders_;
};

}  // namespace sonara::gui
