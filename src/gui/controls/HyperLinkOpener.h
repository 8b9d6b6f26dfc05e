#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

// How a hyperlink reaches the desktop: the desktop's own opener first, then
// the default web browser's command line. An interface, so tests can make
// each step fail.
namespace sonara::gui {

// Why opening failed, in the terms the failure message uses.
struct OpenOutcome {
    enum Kind {
        Opened,
        OutOfMemory,
        FileNotFound,
        PathNotFound,
        AccessDenied,
        NoAssociation,
        Unknown,
    };
    Kind kind = Opened;
    int code = 0;  // the system's error number, for Unknown

    bool ok() const { return kind == Opened; }
    static OpenOutcome opened() { return {}; }
    static OpenOutcome failed(Kind kind, int code = 0) { return {kind, code}; }
};

// The outcome for a system error number (errno).
OpenOutcome outcomeForErrno(int error);
// The reason line of the failure message.
QString openFailureReason(const OpenOutcome& outcome);

class DesktopOpener {
  public:
    virtual ~DesktopOpener() = default;
    // The desktop's own way of opening a URL or file.
    virtual OpenOutcome openUrl(const QUrl& url) = 0;
    // The Exec line of the default handler for text/html, if there is one.
    virtual std::optional<QString> htmlHandlerExec() = 0;
    // Starts a program without a shell and without waiting for it.
    virtual OpenOutcome startDetached(const QString& program, const QStringList& arguments) = 0;
};

// The real desktop: QDesktopServices, xdg-mime and the XDG data folders.
class SystemDesktopOpener : public DesktopOpener {
  public:
    OpenOutcome openUrl(const QUrl& url) override;
    std::optional<QString> htmlHandlerExec() override;
    OpenOutcome startDetached(const QString& program, const QStringList& arguments) override;
};

// The program and arguments that open `target` with a desktop entry's Exec
// line: the line is cut where its first file or URL placeholder (%u %U %f
// %F) begins, other field codes are dropped, and the target is appended as
// an argument of its own. Nothing when the line has no program.
std::optional<QStringList> handlerCommand(const QString& execLine, const QString& target);

// The Exec line of desktop entry `desktopId` (e.g. "firefox.desktop"),
// looked up in "<dir>/applications" of each data folder in order.
std::optional<QString> desktopEntryExec(const QString& desktopId, const QStringList& dataDirs);
// $XDG_DATA_HOME (or ~/.local/share) followed by $XDG_DATA_DIRS (or
// /usr/local/share:/usr/share).
QStringList xdgDataDirs();

}  // namespace sonara::gui
