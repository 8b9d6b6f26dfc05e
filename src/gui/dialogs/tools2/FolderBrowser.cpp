#include "gui/dialogs/tools2/FolderBrowser.h"

#include <QFileDialog>

namespace sonara::gui {

std::optional<std::string> browseForFolder(QWidget* parent, const QString& title,
                                           const std::string& start) {
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, title, QString::fromStdString(start));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

}  // namespace sonara::gui
