#pragma once

// What the editor dialogs' tests share: the window on a temporary home with
// songs, the first library row selected, and pictures of a dialog in each
// bundled skin when SONARA_SHOTS names a folder.
#include <QDialog>
#include <QItemSelectionModel>
#include <QTest>
#include <functional>
#include <memory>

#include "core/library/Library.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/settings/PreferenceStore.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/mainwnd/LibraryListModel.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "skin/DefaultSkin.h"
#include "support/WindowSession.h"

namespace sonara::gui::test::editors {

// `songs` records of real files, dialogs opening at full size at once.
inline void startWithSongs(WindowSession& session, int songs) {
    session.start([&session, songs](AppSession& app) {
        app.prefs().values().dlgEffects = 0;
        session.addSongs(songs);
        // Where the program would have found them: in the path cache.
        for (size_t i = 0; i < app.library().count(); ++i) {
            const std::string name(app.library().at(i)->fileName());
            (void)app.services().pathCache.addFile(
                session.home.filePath(QString::fromStdString(name)).toStdString());
        }
    });
}

inline void selectFirstRow(WindowSession& session) {
    LibraryPane* pane = session.window->panes().library();
    QVERIFY(pane->model().rowCount() > 0);
    pane->list()->selectionModel()->setCurrentIndex(
        pane->model().index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

inline void saveShots(WindowSession& session, const QString& name,
                      const std::function<std::unique_ptr<QDialog>()>& make) {
    const QByteArray folder = qgetenv("SONARA_SHOTS");
    if (folder.isEmpty()) {
        return;
    }
    for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
        const std::string skinName(bundled.name);
        QVERIFY(session.app->skinSwitcher().select(skinName, session.window.get()));
        std::unique_ptr<QDialog> dialog = make();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->grab().save(QString::fromUtf8(folder) + "/" + name + "-" +
                            QString::fromStdString(skinName) + ".png");
        dialog->QDialog::done(QDialog::Rejected);
    }
}

}  // namespace sonara::gui::test::editors
