#include "gui/app/HelpPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "gui/controls/HyperLinkOpener.h"

namespace sonara::gui {

namespace {

QString installedFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/sonara/help");
}

}  // namespace

HelpPages::HelpPages(DesktopOpener& opener, Prompter& prompter, QStringList folders)
    : opener_(opener), prompter_(prompter), folders_(std::move(folders)) {}

QStringList HelpPages::searchFolders() {
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("SONARA_HELP_DIR");
    if (!fromEnvironment.isEmpty()) {
        folders << fromEnvironment;
    }
    folders << installedFolder();
#ifdef SONARA_SOURCE_HELP_DIR
    folders << QStringLiteral(SONARA_SOURCE_HELP_DIR);
#endif
    return folders;
}

std::optional<QString> HelpPages::findIndex(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo index(QDir(folder).filePath("index.html"));
        if (index.isFile() && index.isReadable()) {
            return index.absoluteFilePath();
        }
    }
    return std::nullopt;
}

bool HelpPages::open() {
    const std::optional<QString> index = findIndex(folders_);
    if (!index) {
        prompter_.message(formatText(TextId::HelpNotFound, installedFolder().toStdString()),
                          Icon::Exclamation);
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(*index);
    OpenOutcome outcome = opener_.openUrl(url);
    if (!outcome.ok()) {
        if (const std::optional<QString> exec = opener_.htmlHandlerExec()) {
            if (const std::optional<QStringList> command = handlerCommand(*exec, url.toString())) {
                outcome = opener_.startDetached(command->front(), command->mid(1));
            }
        }
    }
    if (!outcome.ok()) {
        prompter_.message(
            formatText(TextId::HelpOpenFailed, openFailureReason(outcome).toStdString()),
            Icon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace sonara::gui
