#include "gui/app/DialogPicture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QTreeView>
#include <memory>

#include "gui/app/ModalDialogWatch.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"

namespace sonara::gui {

namespace {

// Long enough for a dialog's first layout and fill to show; a wizard's or a
// scan's own progress is waited out by the watch.
constexpr int kSettleMs = 150;
constexpr int kTimeoutMs = 20000;
// After the command returned without a dialog, how long one may still come
// (a dialog posted by the command).
constexpr int kLateDialogMs = 1000;
constexpr int kSettleRounds = 8;

void settlePostedWork() {
    for (int round = 0; round < kSettleRounds; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void selectFirstLibraryRow(MainWindow& window) {
    QTreeView* list = window.panes().libraryList();
    if (list == nullptr || list->model() == nullptr || list->model()->rowCount() == 0) {
        return;
    }
    const QModelIndex first = list->model()->index(0, 0);
    list->setCurrentIndex(first);
    list->selectionModel()->select(first,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// The window with the dialog where it stands over it, on a canvas wide
// enough for both.
QImage compose(QWidget& window, QDialog& dialog) {
    const QRect windowRect = window.geometry();
    const QRect dialogRect(dialog.mapToGlobal(QPoint(0, 0)), dialog.size());
    const QRect all = windowRect.united(dialogRect);
    QImage image(all.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(48, 48, 48));
    QPainter painter(&image);
    painter.drawPixmap(windowRect.topLeft() - all.topLeft(), window.grab());
    painter.drawPixmap(dialogRect.topLeft() - all.topLeft(), dialog.grab());
    return image;
}

struct PictureRun {
    QImage image;
    bool commandReturned = false;
    bool reported = false;
    std::function<void(const QImage&)> finished;
    QPointer<ModalDialogWatch> watch;

    void reportOnce() {
        if (!reported) {
            reported = true;
            finished(image);
        }
    }
};

}  // namespace

void renderDialogPicture(MainWindow& window, const NamedDialog& dialog,
                         std::function<void(const QImage&)> finished, bool withWindow) {
    auto run = std::make_shared<PictureRun>();
    run->finished = std::move(finished);
    run->watch = new ModalDialogWatch(
        [run, &window, withWindow](QDialog* shown) {
            if (shown != nullptr) {
                run->image = withWindow ? compose(window, *shown) : shown->grab().toImage();
            } else {
                // Whatever still runs (a search that never ends) is given up.
                shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            }
            if (shown != nullptr) {
                // The base class's close: a wizard's "are you sure" is for users.
                shown->QDialog::done(QDialog::Rejected);
            }
            if (run->commandReturned) {
                run->reportOnce();
            }
            run->watch->deleteLater();
        },
        kSettleMs, kTimeoutMs, &window);
    const Command command = dialog.command;
    const bool onSelection = dialog.onSelection;
    QTimer::singleShot(0, &window, [run, &window, command, onSelection] {
        settlePostedWork();
        if (onSelection) {
            selectFirstLibraryRow(window);
        }
        run->watch->start();
        window.runCommand(command);
        run->commandReturned = true;
        if (!run->watch || !run->watch->isWatching()) {
            run->reportOnce();
            return;
        }
        QTimer::singleShot(kLateDialogMs, &window, [run] {
            if (run->watch && run->watch->isWatching()) {
                // No dialog came: the command showed its message instead.
                run->watch->deleteLater();
                run->reportOnce();
            }
        });
    });
}

}  // namespace sonara::gui
