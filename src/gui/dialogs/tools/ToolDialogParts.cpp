#include "gui/dialogs/tools/ToolDialogParts.h"

#include <QCursor>
#include <QFileDialog>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/mainwnd/MenuPreparation.h"
#include "core/settings/PreferenceStore.h"
#include "core/settings/WindowPlacement.h"
#include "core/skin/SkinFiles.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/mainwnd/SkinPopupMenu.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

QString browseForFolder(QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(
        parent, QString::fromStdString(stringText(TextId::BrowseForFolder)), start);
}

SkinCaptionButton* makeCaptionButton(SkinContext& context, const QString& text, int row,
                                     QWidget* parent) {
    auto* button = new SkinCaptionButton(context, parent);
    button->setText(text);
    button->setSkin(skin::kLargeButton, std::nullopt, row);
    // The strip's cell is the button: a layout must not stretch it.
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

std::optional<Command> askSearchStart(MainWindow& window) {
    const Menu menu = prepareMenu(MenuId::DuplicateFinder, window.menuContext());
    return SkinPopupMenu::exec(window.services().skin, menu, QCursor::pos());
}

void reportSave(const Status& saved, Prompter& prompter) {
    if (!saved) {
        prompter.message(saved.error(), Icon::Exclamation);
    }
}

void restoreToolSize(QWidget& dialog, const PreferenceStore& store, std::string_view key) {
    if (const std::optional<WindowPlacement> placed = store.windowPlacement(key)) {
        const QSize size(placed->right - placed->left, placed->bottom - placed->top);
        if (size.width() > 0 && size.height() > 0) {
            dialog.resize(size.expandedTo(dialog.minimumSizeHint()));
        }
    }
}

void storeToolPlacement(const QWidget& dialog, const PreferenceStore& store, std::string_view key,
                        Prompter& prompter) {
    const QRect frame = dialog.geometry();
    WindowPlacement placement;
    placement.showCommand = 1;
    placement.left = frame.left();
    placement.top = frame.top();
    placement.right = frame.left() + frame.width();
    placement.bottom = frame.top() + frame.height();
    reportSave(store.setWindowPlacement(key, placement), prompter);
}

}  // namespace sonara::gui
