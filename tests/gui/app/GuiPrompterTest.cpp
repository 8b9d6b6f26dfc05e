// The desktop's message boxes, questions, progress dialog and media-name dialog,
// answered by a simulated user, and the scripted answers that replace them.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "core/settings/PreferenceStore.h"
#include "gui/app/GuiPrompter.h"
#include "gui/app/ProgressDialog.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/dialogs/sources/MediumNameDialog.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

// Acts on each new modal window as it appears, one action per window, in
// order: the user in front of the screen.
class ModalUser {
  public:
    using Action = std::function<void(QWidget*)>;
    explicit ModalUser(std::vector<Action> actions) : actions_(std::move(actions)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
        poll_.start(10);
    }
    size_t acted() const { return next_; }

  private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last_ || next_ >= actions_.size() || !modal->isVisible()) {
            return;
        }
        last_ = modal;
        actions_[next_++](modal);
    }

    std::vector<Action> actions_;
    QTimer poll_;
    QPointer<QWidget> last_;
    size_t next_ = 0;
};

void press(QWidget* box, QMessageBox::StandardButton button) {
    auto* message = qobject_cast<QMessageBox*>(box);
    QVERIFY(message != nullptr);
    QCOMPARE(message->windowTitle(), QString("Sonara"));
    message->button(button)->click();
}

void typeAndAccept(QWidget* window, const QString& text) {
    auto* dialog = qobject_cast<MediumNameDialog*>(window);
    QVERIFY(dialog != nullptr);
    dialog->nameField()->setText(text);
    // Pressed from the event loop, where a refusal's message box then runs.
    QTimer::singleShot(0, dialog->okButton(), &QAbstractButton::click);
}

struct Skin {
    QTemporaryDir home;
    std::unique_ptr<PreferenceStore> prefs;
    SkinRecord record;
    std::unique_ptr<SkinSwitcher> switcher;

    Skin() {
        prefs = std::make_unique<PreferenceStore>(home.filePath("Sonara.ini").toStdString(),
                                                  home.path().toStdString());
        (void)prefs->loadAll();
        switcher = std::make_unique<SkinSwitcher>(SkinContext{record, *prefs}, skin::defaultSkin(),
                                                  skin::bundledSkins());
        (void)switcher->startUp();
    }
    SkinContext context() { return {record, *prefs}; }
};

}  // namespace

class GuiPrompterTest : public QObject {
    Q_OBJECT
  private slots:
    void questionsReturnTheButtonPressedAndCancelWhenClosed() {
        Skin skin;
        GuiPrompter prompter(skin.context());
        ModalUser user({[](QWidget* box) { press(box, QMessageBox::No); },
                        [](QWidget* box) { press(box, QMessageBox::Yes); },
                        [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); },
                        [](QWidget* box) { press(box, QMessageBox::Ok); }});
        QCOMPARE(prompter.ask("Delete?", Buttons::YesNo), Answer::No);
        QCOMPARE(prompter.ask("Save?", Buttons::YesNoCancel, Icon::Exclamation), Answer::Yes);
        QCOMPARE(prompter.ask("Save?", Buttons::YesNoCancel), Answer::Cancel);
        prompter.message("Done.", Icon::Information);
        QCOMPARE(user.acted(), size_t(4));
    }

    void cancelInTheProgressDialogEndsTheWorkAndReportsIt() {
        Skin skin;
        GuiPrompter prompter(skin.context());
        int files = 0;
        QString shownName;
        const bool finished =
            prompter.runProgress("Scanning", "Looking for MP3 files", [&](Progress& progress) {
                auto* dialog = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget());
                if (dialog == nullptr) {
                    return true;  // the test fails below: no dialog shown
                }
                for (; files < 100 && !progress.cancelled(); ++files) {
                    progress.show("song" + std::to_string(files) + ".mp3", "/music/a");
                    if (files == 3) {
                        shownName = dialog->fileNameText();
                        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
                    }
                }
                return true;
            });
        QVERIFY(!finished);
        QCOMPARE(shownName, QString("song3.mp3"));
        QVERIFY(files < 10);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(prompter.runProgress("Scanning", "", [](Progress&) { return true; }));
    }

    void aRefusedMediaNameAsksAgainWithWhatWasTyped() {
        Skin skin;
        GuiPrompter prompter(skin.context());
        QString offeredAgain;
        ModalUser user({[](QWidget* input) { typeAndAccept(input, "Taken"); },
                        [](QWidget* box) { press(box, QMessageBox::Ok); },
                        [&](QWidget* input) {
                            offeredAgain =
                                qobject_cast<MediumNameDialog*>(input)->nameField()->text();
                            typeAndAccept(input, "Disc 2");
                        }});
        const auto name = prompter.askMediaName("Disc 1", [](const std::string& typed) {
            return typed == "Taken" ? std::string("That name is used.") : std::string();
        });
        QCOMPARE(name.value_or("(cancelled)"), std::string("Disc 2"));
        QCOMPARE(offeredAgain, QString("Taken"));
    }

    void aScriptAnswersEveryRequestWithoutADialog() {
        Skin skin;
        GuiPrompter prompter(skin.context());
        std::vector<PromptRequest> seen;
        prompter.setScript([&](const PromptRequest& request) {
            seen.push_back(request);
            return request.kind == PromptRequest::Kind::Progress ? Answer::Cancel : Answer::No;
        });
        prompter.message("Note", Icon::Stop);
        QCOMPARE(prompter.ask("Sure?", Buttons::YesNo), Answer::No);
        bool workRan = false;
        QVERIFY(!prompter.runProgress("Scan", "", [&](Progress&) { return workRan = true; }));
        QVERIFY(!workRan);
        QVERIFY(!prompter.askMediaName("Disc", [](const std::string&) { return std::string(); }));
        QCOMPARE(seen.size(), size_t(4));
        QCOMPARE(seen[0].text, std::string("Note"));
        QVERIFY(seen[0].kind == PromptRequest::Kind::Message && seen[0].icon == Icon::Stop);
        QVERIFY(seen[1].kind == PromptRequest::Kind::Question && seen[1].buttons == Buttons::YesNo);
    }
};

SONARA_GUI_TEST(GuiPrompterTest)
#include "GuiPrompterTest.moc"
