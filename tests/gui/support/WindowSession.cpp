#include "support/WindowSession.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "core/library/Library.h"
#include "core/library/RecordFactory.h"
#include "skin/DefaultSkin.h"
#include "support/Mp3Fixture.h"

namespace sonara::gui::test {

void WindowSession::start(const std::function<void(AppSession&)>& prepare) {
    app = std::make_unique<AppSession>(paths, skin::defaultSkin(), skin::bundledSkins());
    app->prompter().setScript([this](const PromptRequest& request) {
        seen.push_back(request);
        if (request.buttons == Buttons::Ok) {
            return Answer::Ok;
        }
        return answer ? answer(request) : Answer::Yes;
    });
    QVERIFY(app->startUp().ok());
    if (prepare) {
        prepare(*app);
    }
    window = std::make_unique<MainWindow>(app->services());
    window->show();
    window->open({}, false);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    seen.clear();
}

WindowSession::~WindowSession() {
    window.reset();
    if (app) {
        (void)app->shutDown();
    }
}

bool WindowSession::told(const std::string& part) const {
    for (const PromptRequest& request : seen) {
        if (request.text.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

void WindowSession::addSongs(int count) {
    for (int i = 0; i < count; ++i) {
        const std::string song =
            home.filePath(QString("Artist %1 - Title %1.mp3").arg(i)).toStdString();
        sonara::testing::writeMp3(song, sonara::testing::songSpec(2));
        (void)app->library().addSong(song, "", app->services().recordFactory);
    }
}

bool whileModal(const std::function<void()>& open, const std::function<void(QDialog&)>& act,
                int timeoutMs) {
    bool acted = false;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible()) {
            poll.stop();
            acted = true;
            act(*dialog);
            return;
        }
        if (waited.elapsed() > timeoutMs) {
            poll.stop();
            if (dialog != nullptr) {
                dialog->QDialog::done(QDialog::Rejected);
            }
        }
    });
    poll.start();
    open();
    return acted;
}

}  // namespace sonara::gui::test
