#include "gui/app/QtProcessLauncher.h"

#include <QProcess>
#include <QStringList>

namespace sonara::gui {

Status QtProcessLauncher::startDetached(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return Status::failure(ErrorKind::Invalid, "no program to start");
    }
    QStringList arguments;
    for (size_t i = 1; i < argv.size(); ++i) {
        arguments << QString::fromStdString(argv[i]);
    }
    const QString program = QString::fromStdString(argv.front());
    if (!QProcess::startDetached(program, arguments)) {
        return Status::failure(ErrorKind::Absent, "unable to start " + argv.front());
    }
    return Status::success();
}

}  // namespace sonara::gui
