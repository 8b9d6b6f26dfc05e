#include "gui/controls/HyperLinkOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <cerrno>

namespace sonara::gui {

namespace {

bool isFileOrUrlCode(QChar code) {
    return code == 'u' || code == 'U' || code == 'f' || code == 'F';
}

struct Token {
    QString text;
    bool quoted = false;
};

// Splits an Exec value into arguments: blanks separate, double quotes group
// and inside them a backslash escapes the next character.
QList<Token> splitExec(const QString& line) {
    QList<Token> tokens;
    Token current;
    bool inToken = false;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (inQuotes) {
            if (c == '\\' && i + 1 < line.size()) {
                current.text += line[++i];
            } else if (c == '"') {
                inQuotes = false;
            } else {
                current.text += c;
            }
        } else if (c == '"') {
            inQuotes = true;
            inToken = true;
            current.quoted = true;
        } else if (c == ' ' || c == '\t') {
            if (inToken) {
                tokens.append(current);
                current = {};
                inToken = false;
            }
        } else {
            current.text += c;
            inToken = true;
        }
    }
    if (inToken) {
        tokens.append(current);
    }
    return tokens;
}

// The desktop-entry string escapes: \s \n \t \r \\.
QString unescapeValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == 's') {
            out += ' ';
        } else if (next == 'n') {
            out += '\n';
        } else if (next == 't') {
            out += '\t';
        } else if (next == 'r') {
            out += '\r';
        } else {
            out += next;
        }
    }
    return out;
}

std::optional<QString> readExec(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    QTextStream stream(&file);
    bool inEntry = false;
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (line.startsWith('[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
        } else if (inEntry && line.startsWith(QLatin1String("Exec"))) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0 && line.left(equals).trimmed() == QLatin1String("Exec")) {
                return unescapeValue(line.mid(equals + 1).trimmed());
            }
        }
    }
    return std::nullopt;
}

}  // namespace

OpenOutcome outcomeForErrno(int error) {
    switch (error) {
        case ENOENT:
            return OpenOutcome::failed(OpenOutcome::FileNotFound);
        case ENOTDIR:
            return OpenOutcome::failed(OpenOutcome::PathNotFound);
        case EACCES:
        case EPERM:
            return OpenOutcome::failed(OpenOutcome::AccessDenied);
        case ENOMEM:
            return OpenOutcome::failed(OpenOutcome::OutOfMemory);
        default:
            return OpenOutcome::failed(OpenOutcome::Unknown, error);
    }
}

QString openFailureReason(const OpenOutcome& outcome) {
    switch (outcome.kind) {
        case OpenOutcome::Opened:
            return {};
        case OpenOutcome::OutOfMemory:
            return QStringLiteral("There was not enough memory to complete the operation.");
        case OpenOutcome::FileNotFound:
            return QStringLiteral("The specified file was not found.");
        case OpenOutcome::PathNotFound:
            return QStringLiteral("The specified path was not found.");
        case OpenOutcome::AccessDenied:
            return QStringLiteral("The operating system denied\naccess to the specified file.");
        case OpenOutcome::NoAssociation:
            return QStringLiteral(
                "There is no application associated\nwith the given filename extension.");
        case OpenOutcome::Unknown:
            break;
    }
    return QStringLiteral("Unknown Error (%1) occurred.").arg(outcome.code);
}

std::optional<QStringList> handlerCommand(const QString& execLine, const QString& target) {
    QStringList command;
    bool placed = false;
    for (const Token& token : splitExec(execLine)) {
        QString argument;
        for (qsizetype i = 0; i < token.text.size(); ++i) {
            const QChar c = token.text[i];
            if (c != '%' || i + 1 == token.text.size()) {
                argument += c;
                continue;
            }
            const QChar code = token.text[++i];
            if (code == '%') {
                argument += '%';
            } else if (isFileOrUrlCode(code)) {
                placed = true;
                break;
            }
            // Any other field code (%i, %c, %k, the deprecated ones) is dropped.
        }
        if (placed) {
            // "--url=%u" keeps its prefix joined to the target.
            if (!argument.isEmpty()) {
                command.append(argument + target);
            } else {
                command.append(target);
            }
            break;
        }
        if (!argument.isEmpty() || token.quoted) {
            command.append(argument);
        }
    }
    if (!placed) {
        command.append(target);
    }
    if (command.size() < 2 || command.front().isEmpty()) {
        return std::nullopt;
    }
    return command;
}

std::optional<QString> desktopEntryExec(const QString& desktopId, const QStringList& dataDirs) {
    if (desktopId.isEmpty() || desktopId.contains('/')) {
        return std::nullopt;
    }
    // "vendor-app.desktop" may also live as "vendor/app.desktop".
    QStringList relative{desktopId};
    QString nested = desktopId;
    for (qsizetype dash = nested.indexOf('-'); dash > 0; dash = nested.indexOf('-', dash + 1)) {
        nested[dash] = '/';
        relative.append(nested);
    }
    for (const QString& dir : dataDirs) {
        for (const QString& name : relative) {
            const QString path = dir + QStringLiteral("/applications/") + name;
            if (QFileInfo::exists(path)) {
                return readExec(path);
            }
        }
    }
    return std::nullopt;
}

QStringList xdgDataDirs() {
    QStringList dirs;
    const QString home = qEnvironmentVariable("XDG_DATA_HOME");
    dirs.append(home.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : home);
    QString system = qEnvironmentVariable("XDG_DATA_DIRS");
    if (system.isEmpty()) {
        system = QStringLiteral("/usr/local/share:/usr/share");
    }
    for (const QString& dir : system.split(':', Qt::SkipEmptyParts)) {
        dirs.append(dir);
    }
    return dirs;
}

OpenOutcome SystemDesktopOpener::openUrl(const QUrl& url) {
    if (url.isLocalFile()) {
        const QFileInfo info(url.toLocalFile());
        if (!info.exists()) {
            return OpenOutcome::failed(info.dir().exists() ? OpenOutcome::FileNotFound
                                                           : OpenOutcome::PathNotFound);
        }
        if (!info.isReadable()) {
            return OpenOutcome::failed(OpenOutcome::AccessDenied);
        }
    }
    return QDesktopServices::openUrl(url) ? OpenOutcome::opened()
                                          : OpenOutcome::failed(OpenOutcome::NoAssociation);
}

std::optional<QString> SystemDesktopOpener::htmlHandlerExec() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        query.kill();
        return std::nullopt;
    }
    const QString desktopId = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    return desktopEntryExec(desktopId, xdgDataDirs());
}

OpenOutcome SystemDesktopOpener::startDetached(const QString& program,
                                               const QStringList& arguments) {
    // Found first, so a missing or unusable program gets its own reason.
    const QString path = program.contains('/') ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return OpenOutcome::failed(OpenOutcome::FileNotFound);
    }
    if (!QFileInfo(path).isExecutable()) {
        return OpenOutcome::failed(OpenOutcome::AccessDenied);
    }
    errno = 0;
    if (!QProcess::startDetached(path, arguments)) {
        return errno != 0 ? outcomeForErrno(errno) : OpenOutcome::failed(OpenOutcome::Unknown);
    }
    return OpenOutcome::opened();
}

}  // namespace sonara::gui
