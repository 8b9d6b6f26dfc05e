// The transfer dialog on players held in memory: the refusals before it
// opens, the selected library row as what it offers, the figures after the
// first refresh, send, delete and format with their messages, a player pulled
// out during a send, and the dialog closed while a step is still running.
#include <QListWidget>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "EditorTestSession.h"
#include "core/tools/transfer/TransferSession.h"
#include "gui/dialogs/transfer/DeviceCall.h"
#include "gui/dialogs/transfer/TransferDialog.h"
#include "gui/skin/SkinCaptionButton.h"
#include "platform/FakePortableDevices.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

constexpr std::uint64_t kMb = 1048576;
constexpr DeviceMemory kInternal = DeviceMemory::Internal;
constexpr DeviceMemory kCard = DeviceMemory::Card;

// A player whose sends wait, reporting progress, until told to cancel.
class HeldSendDevices final : public PortableDevices {
  public:
    explicit HeldSendDevices(FakePortableDevices& inner) : inner_(inner) {}

    std::atomic<bool> sending{false};
    std::atomic<bool> sawCancel{false};

    Result<int> deviceCount() override { return inner_.deviceCount(); }
    Result<std::string> deviceName(int d) override { return inner_.deviceName(d); }
    Status attach(int d) override { return inner_.attach(d); }
    Status refreshHardware(int d) override { return inner_.refreshHardware(d); }
    Result<MemoryBytes> memoryBytes(int d) override { return inner_.memoryBytes(d); }
    Result<int> fileCount(int d, DeviceMemory m) override { return inner_.fileCount(d, m); }
    Result<DeviceFile> fileInfo(int d, DeviceMemory m, int i) override {
        return inner_.fileInfo(d, m, i);
    }
    Status sendFile(int, DeviceMemory, const std::string&, const std::string&,
                    const SendProgress& progress) override {
        sending = true;
        for (int wait = 0; wait < 10000; ++wait) {
            if (!progress(1, 2)) {
                sawCancel = true;
                return Status::failure(ErrorKind::Cancelled, "cancelled");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return Status::failure(ErrorKind::Device, "never cancelled");
    }
    Status deleteFile(int d, DeviceMemory m, const std::string& s) override {
        return inner_.deleteFile(d, m, s);
    }
    Status format(int d, DeviceMemory m) override { return inner_.format(d, m); }

  private:
    FakePortableDevices& inner_;
};

// A session opened on `devices` and its dialog over `songs`, shown and past
// its first refresh.
struct OpenDialog {
    DeviceCall call;
    TransferSession session;
    std::unique_ptr<TransferDialog> dialog;

    OpenDialog(test::WindowSession& s, PortableDevices& devices, std::vector<std::string> songs)
        : session(devices, call.statusSink()) {
        QVERIFY(session.open().opened);
        dialog =
            std::make_unique<TransferDialog>(s.app->services().skin, s.app->prompter(), session,
                                             call, std::move(songs), false, s.window.get());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QTRY_VERIFY(session.refreshed() && !dialog->busy());
    }
};

FakePortableDevices::Player player(std::vector<DeviceFile> internal, std::uint64_t cardMb = 0) {
    FakePortableDevices::Player made;
    made.name = "Test Player";
    made.internalTotal = 32 * kMb;
    made.cardTotal = cardMb * kMb;
    made.internalFiles = std::move(internal);
    return made;
}

void startSession(test::WindowSession& s) {
    s.start([](AppSession& app) { app.prefs().values().dlgEffects = 0; });
}

std::string writeSong(test::WindowSession& s, const QString& name) {
    const std::string path = s.home.filePath(name).toStdString();
    testing::writeMp3(path, testing::songSpec(1));
    return path;
}

QStringList rows(const QListWidget& list) {
    QStringList lines;
    for (int row = 0; row < list.count(); ++row) {
        lines << list.item(row)->text();
    }
    return lines;
}

bool idleAgain(const TransferDialog& dialog) {
    return !dialog.busy() && dialog.refreshButton()->isEnabled() &&
           dialog.okButton()->isEnabled() && dialog.isVisible();
}

}  // namespace

class TransferDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { qunsetenv("SONARA_FAKE_PLAYER"); }

    void refusesWithoutAPlayerOrAManager() {
        test::WindowSession s;
        startSession(s);
        qputenv("SONARA_FAKE_PLAYER", "devices=0");
        s.window->runCommand(Command::TransferLibraryToPortable);
        QVERIFY(s.told("No NOMADs connected"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        s.seen.clear();
        qputenv("SONARA_FAKE_PLAYER", "fail=create");
        s.window->runCommand(Command::TransferPlayListToPortable);
        QVERIFY(s.told("Failed to Initialize NOMAD"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void theSelectedLibraryRowIsWhatTheDialogOffers() {
        test::WindowSession s;
        test::editors::startWithSongs(s, 2);
        test::editors::selectFirstRow(s);
        const LibraryRecord* first = s.window->panes().library()->model().recordAt(0);
        const QString expected =
            s.home.filePath(QString::fromStdString(std::string(first->fileName())));
        qputenv("SONARA_FAKE_PLAYER", "internal=32");
        QStringList offered;
        QVERIFY(test::whileModal(
            [&] { s.window->runCommand(Command::TransferLibraryToPortable); },
            [&](QDialog& shown) {
                // Polled from a timer of its own: this callback can run inside
                // the first refresh's wait, which ends only after it returns.
                auto* idle = new QTimer(&shown);
                QObject::connect(idle, &QTimer::timeout, &shown,
                                 [&shown, &offered, ticks = 0]() mutable {
                                     auto* dialog = qobject_cast<TransferDialog*>(&shown);
                                     if (dialog != nullptr && dialog->busy() && ++ticks < 1000) {
                                         return;
                                     }
                                     if (dialog != nullptr && !dialog->busy()) {
                                         offered = rows(*dialog->songList());
                                     }
                                     shown.QDialog::done(QDialog::Rejected);
                                 });
                idle->start(10);
            },
            10000));
        QCOMPARE(offered, QStringList{expected});
        QVERIFY(!s.told("could not be found"));
    }

    void showsTheFiguresAndEnablesByPresence() {
        test::WindowSession s;
        startSession(s);
        FakePortableDevices devices({player({{"a.mp3", 4 * kMb}, {"b.mp3", 6 * kMb}})});
        OpenDialog open(s, devices, {});
        TransferDialog& dialog = *open.dialog;
        QCOMPARE(dialog.totalLine(kInternal), QString("Total Mem : 32Mb"));
        QCOMPARE(dialog.freeLine(kInternal), QString("Free Mem : 22Mb"));
        QCOMPARE(dialog.freeLine(kCard), QString("Free Mem : 0Mb"));
        QCOMPARE(rows(*dialog.fileList(kInternal)),
                 QStringList({"a.mp3   (4194304 bytes)", "b.mp3   (6291456 bytes)"}));
        QVERIFY(dialog.statusLine().isEmpty());
        QVERIFY(dialog.formatButton(kInternal)->isEnabled());
        QVERIFY(!dialog.formatButton(kCard)->isEnabled());
        QVERIFY(!dialog.sendButton(kInternal)->isEnabled());  // no songs
        QVERIFY(!dialog.deleteButton(kInternal)->isEnabled());
        dialog.fileList(kInternal)->item(1)->setSelected(true);
        QVERIFY(dialog.deleteButton(kInternal)->isEnabled());
    }

    void sendsTheSelectedSongsAndDeletesByStem() {
        test::WindowSession s;
        startSession(s);
        FakePortableDevices devices({player({}, 16)});
        const std::string one = writeSong(s, "One: Live.mp3");
        const std::string two = writeSong(s, "Two.mp3");
        OpenDialog open(s, devices, {one, two});
        TransferDialog& dialog = *open.dialog;
        dialog.songList()->item(0)->setSelected(false);
        dialog.sendButton(kCard)->click();
        QVERIFY(s.seen.empty());
        QCOMPARE(dialog.fileList(kCard)->count(), 1);
        QVERIFY(dialog.fileList(kCard)->item(0)->text().startsWith("Two.mp3   ("));
        QCOMPARE(dialog.fileList(kInternal)->count(), 0);

        dialog.songList()->selectAll();
        dialog.sendButton(kInternal)->click();
        QCOMPARE(dialog.fileList(kInternal)->count(), 2);
        QCOMPARE(devices.sentNames().size(), std::size_t(3));
        QVERIFY(devices.sentNames()[1].find(':') == std::string::npos);

        dialog.fileList(kCard)->item(0)->setSelected(true);
        dialog.deleteButton(kCard)->click();
        QCOMPARE(devices.deletedStems(), std::vector<std::string>{"Two"});
        QCOMPARE(dialog.fileList(kCard)->count(), 0);
        QVERIFY(!dialog.deleteButton(kCard)->isEnabled());
    }

    void formatsOnlyAfterYes() {
        test::WindowSession s;
        startSession(s);
        FakePortableDevices devices({player({{"keep.mp3", kMb}})});
        OpenDialog open(s, devices, {});
        TransferDialog& dialog = *open.dialog;
        for (const Answer answer : {Answer::No, Answer::Cancel}) {
            s.answer = [answer](const PromptRequest&) { return answer; };
            dialog.formatButton(kInternal)->click();
            QCOMPARE(devices.filesOf(1, kInternal).size(), std::size_t(1));
        }
        QVERIFY(s.told("Are you sure you want to format the Internal Memory?"));
        QCOMPARE(s.seen.back().buttons, Buttons::YesNoCancel);
        s.answer = [](const PromptRequest&) { return Answer::Yes; };
        dialog.formatButton(kInternal)->click();
        QVERIFY(devices.filesOf(1, kInternal).empty());
        QCOMPARE(dialog.fileList(kInternal)->count(), 0);
        QCOMPARE(dialog.freeLine(kInternal), QString("Free Mem : 32Mb"));
    }

    void aFailedStepIsToldAndTheDialogStaysUsable() {
        test::WindowSession s;
        startSession(s);
        FakePortableDevices devices({player({{"x.mp3", kMb}})});
        OpenDialog open(s, devices, {writeSong(s, "Song.mp3")});
        TransferDialog& dialog = *open.dialog;
        devices.failNext(FakePortableDevices::Operation::Send);
        dialog.sendButton(kInternal)->click();
        QVERIFY(s.told("Failed to download file"));
        QVERIFY(idleAgain(dialog));
        QVERIFY(dialog.sendButton(kInternal)->isEnabled());

        s.seen.clear();
        devices.failNext(FakePortableDevices::Operation::Delete);
        dialog.fileList(kInternal)->item(0)->setSelected(true);
        dialog.deleteButton(kInternal)->click();
        QVERIFY(s.told("Failed to Delete Selected File"));
        QCOMPARE(dialog.fileList(kInternal)->count(), 1);
        QVERIFY(idleAgain(dialog));
    }

    void aPlayerPulledOutDuringASendKeepsNothing() {
        test::WindowSession s;
        startSession(s);
        FakePortableDevices devices({player({})});
        OpenDialog open(s, devices, {writeSong(s, "A.mp3"), writeSong(s, "B.mp3")});
        TransferDialog& dialog = *open.dialog;
        devices.unplugDuringNextSend();
        dialog.sendButton(kInternal)->click();
        QVERIFY(s.told("Failed to download file"));
        QVERIFY(devices.filesOf(1, kInternal).empty());
        QCOMPARE(devices.sentNames().size(), std::size_t(1));  // gave up after the first
        QVERIFY(idleAgain(dialog));

        s.seen.clear();
        dialog.refreshButton()->click();
        QVERIFY(s.told("Failed to perform Hardware Refresh"));
        QVERIFY(idleAgain(dialog));
    }

    void closingDuringASendCancelsItAndWaits() {
        test::WindowSession s;
        startSession(s);
        FakePortableDevices inner({player({})});
        HeldSendDevices devices(inner);
        OpenDialog open(s, devices, {writeSong(s, "Long.mp3")});
        TransferDialog& dialog = *open.dialog;
        QTimer closer;
        closer.setInterval(5);
        connect(&closer, &QTimer::timeout, &dialog, [&] {
            if (devices.sending) {
                closer.stop();
                QVERIFY(dialog.busy());
                QVERIFY(!dialog.refreshButton()->isEnabled());
                QVERIFY(!dialog.sendButton(kInternal)->isEnabled());
                dialog.QDialog::done(QDialog::Rejected);
            }
        });
        closer.start();
        dialog.sendButton(kInternal)->click();
        QVERIFY(devices.sawCancel);
        QVERIFY(!dialog.busy());
        QVERIFY(!dialog.isVisible());
        QVERIFY(s.seen.empty());
        open.dialog.reset();
    }
};

SONARA_GUI_TEST(TransferDialogTest)
#include "TransferDialogTest.moc"
