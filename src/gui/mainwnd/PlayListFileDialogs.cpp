#include "gui/mainwnd/PlayListFileDialogs.h"

#include <QDir>
#include <QFileDialog>

#include "core/app/StringTable.h"

namespace sonara::gui {

namespace {

QString text(TextId id) {
    return QString::fromStdString(stringText(id));
}

std::optional<std::string> chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

PlayListFileDialogs::PlayListFileDialogs(QWidget* parent, QString folder)
    : parent_(parent), folder_(std::move(folder)) {}

std::optional<std::string> PlayListFileDialogs::fileToOpen() {
    QFileDialog dialog(parent_, text(TextId::MenuFileOpen), folder_,
                       text(TextId::PlayListOpenFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("mp3"));
    return chosen(dialog);
}

std::optional<std::string> PlayListFileDialogs::fileToSave(const std::string& proposed) {
    QFileDialog dialog(parent_, text(TextId::MenuFileSave), folder_,
                       text(TextId::PlayListSaveFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("snl"));
    dialog.selectFile(QDir(folder_).filePath(QString::fromStdString(proposed)));
    return chosen(dialog);
}

}  // namespace sonara::gui
