// Two starts of the program in one process: the first listens, the second
// (on a thread of its own, as it blocks) hands its commands over.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "core/app/InstanceName.h"
#include "core/app/OpenCommand.h"
#include "gui/app/InstanceChannel.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using Role = InstanceChannel::Role;

namespace {

// On a QThread: a start that ends up listening makes socket notifiers.
std::future<InstanceChannel::Claim> startElsewhere(std::string dataFolder,
                                                   std::vector<std::string> commands) {
    auto promise = std::make_shared<std::promise<InstanceChannel::Claim>>();
    std::future<InstanceChannel::Claim> claim = promise->get_future();
    QThread* thread = QThread::create([promise, dataFolder, commands] {
        InstanceChannel channel;
        promise->set_value(channel.claim(dataFolder, commands));
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return claim;
}

bool ready(const std::future<InstanceChannel::Claim>& claim) {
    return claim.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

}  // namespace

class InstanceChannelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> scratch_;
    std::string dataA_;
    std::string dataB_;

    std::string socketFolder() const { return scratch_->filePath("sonara").toStdString(); }
    std::string socketOf(const std::string& data) const {
        return socketFolder() + "/" + instanceName(data);
    }

  private slots:
    void init() {
        scratch_ = std::make_unique<QTemporaryDir>();
        const QByteArray home = scratch_->path().toUtf8();
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", home + "/config");
        qputenv("XDG_DATA_HOME", home + "/data");
        qputenv("XDG_RUNTIME_DIR", home);
        dataA_ = scratch_->filePath("a").toStdString();
        dataB_ = scratch_->filePath("b").toStdString();
    }

    void aSecondStartHandsItsCommandsOverInOrderOnceServed() {
        InstanceChannel primary;
        QCOMPARE(primary.claim(dataA_, {}).role, Role::Primary);
        std::vector<std::string> received;
        connect(&primary, &InstanceChannel::commandReceived, this,
                [&](const std::string& command) { received.push_back(command); });
        const std::vector<std::string> commands = {
            makeOpenCommand("/m/a.mp3"),
            makeOpenCommand("/m/12\" Mix [live] (ünï) 'x'.mp3"),
            makeOpenCommand("/m/back\\slash\\n and\nline break.mp3"),
            makeShowCommand(),
        };
        auto second = startElsewhere(dataA_, commands);
        // Until the program serves, the start waits and nothing arrives.
        QTest::qWait(150);
        QVERIFY(received.empty());
        QVERIFY(!ready(second));
        primary.serve();
        QTRY_VERIFY(ready(second));
        QCOMPARE(second.get().role, Role::Forwarded);
        QCOMPARE(received, commands);
        struct stat info {};
        QCOMPARE(::lstat(socketOf(dataA_).c_str(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0700u);

        // Another data folder is another program.
        InstanceChannel other;
        QCOMPARE(other.claim(dataB_, {}).role, Role::Primary);
    }

    void aCommandThatWaitsOnTheUserHoldsUpNoStart() {
        InstanceChannel primary;
        QCOMPARE(primary.claim(dataA_, {}).role, Role::Primary);
        primary.serve();
        std::vector<std::string> received;
        std::future<InstanceChannel::Claim> third;
        connect(&primary, &InstanceChannel::commandReceived, this, [&](const std::string& command) {
            received.push_back(command);
            if (command == makeOpenCommand("/m/asks.mp3")) {
                // As a message box would: an event loop until others came.
                third = startElsewhere(dataA_, {makeOpenCommand("/m/third.mp3")});
                QTRY_VERIFY(ready(third));
            }
        });
        auto second =
            startElsewhere(dataA_, {makeOpenCommand("/m/asks.mp3"), makeOpenCommand("/m/b.mp3")});
        QTRY_VERIFY(ready(second));
        QCOMPARE(second.get().role, Role::Forwarded);
        QTRY_COMPARE(received.size(), size_t(3));
        QCOMPARE(third.get().role, Role::Forwarded);
        QCOMPARE(received, (std::vector<std::string>{makeOpenCommand("/m/asks.mp3"),
                                                     makeOpenCommand("/m/b.mp3"),
                                                     makeOpenCommand("/m/third.mp3")}));
    }

    void manyStartsAtOnceAreAllTaken() {
        InstanceChannel primary;
        QCOMPARE(primary.claim(dataA_, {}).role, Role::Primary);
        std::vector<std::string> received;
        connect(&primary, &InstanceChannel::commandReceived, this,
                [&](const std::string& command) { received.push_back(command); });
        primary.serve();
        std::vector<std::future<InstanceChannel::Claim>> starts;
        std::vector<std::string> sent;
        for (int i = 0; i < 9; ++i) {
            const std::vector<std::string> commands = {
                makeOpenCommand("/m/" + std::to_string(i) + "a.mp3"),
                makeOpenCommand("/m/" + std::to_string(i) + "b.mp3")};
            sent.insert(sent.end(), commands.begin(), commands.end());
            starts.push_back(startElsewhere(dataA_, commands));
        }
        QTRY_VERIFY(std::all_of(starts.begin(), starts.end(), ready));
        for (auto& start : starts) {
            QCOMPARE(start.get().role, Role::Forwarded);
        }
        // Each start's commands stay in their order.
        for (int i = 0; i < 9; ++i) {
            const auto a = std::find(received.begin(), received.end(), sent[size_t(2 * i)]);
            QVERIFY(a != received.end());
            QCOMPARE(*(a + 1), sent[size_t(2 * i + 1)]);
        }
        std::sort(received.begin(), received.end());
        std::sort(sent.begin(), sent.end());
        QCOMPARE(received, sent);
    }

    void aCrashedProgramsSocketIsReplaced() {
        QCOMPARE(::mkdir(socketFolder().c_str(), 0700), 0);
        const std::string path = socketOf(dataA_);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);  // bound, never listening: what a crash leaves
        QCOMPARE(::chmod(path.c_str(), 0700), 0);

        InstanceChannel primary;
        QCOMPARE(primary.claim(dataA_, {}).role, Role::Primary);
        int received = 0;
        connect(&primary, &InstanceChannel::commandReceived, this, [&] { ++received; });
        primary.serve();
        auto second = startElsewhere(dataA_, {makeShowCommand()});
        QTRY_VERIFY(ready(second));
        QCOMPARE(second.get().role, Role::Forwarded);
        QCOMPARE(received, 1);
    }

    void anUnsafeFolderOrSocketIsRefusedAndLeftAsItWas() {
        QCOMPARE(::mkdir(socketFolder().c_str(), 0755), 0);
        InstanceChannel open;
        const InstanceChannel::Claim refused = open.claim(dataA_, {});
        QCOMPARE(refused.role, Role::Refused);
        QVERIFY2(refused.message.find(socketFolder()) != std::string::npos,
                 refused.message.c_str());
        struct stat info {};
        QCOMPARE(::lstat(socketFolder().c_str(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0755u);
        QVERIFY(!QFile::exists(QString::fromStdString(socketOf(dataA_))));

        // A link where the socket belongs is never followed or removed.
        QCOMPARE(::chmod(socketFolder().c_str(), 0700), 0);
        const std::string target = scratch_->filePath("elsewhere").toStdString();
        QCOMPARE(::symlink(target.c_str(), socketOf(dataA_).c_str()), 0);
        InstanceChannel linked;
        QCOMPARE(linked.claim(dataA_, {}).role, Role::Refused);
        QVERIFY(QFileInfo(QString::fromStdString(socketOf(dataA_))).isSymLink());
    }

    void aRuntimeFolderThatIsGoneGivesWayToTheTemporaryFolder() {
        qputenv("XDG_RUNTIME_DIR", scratch_->filePath("gone").toUtf8());
        qputenv("TMPDIR", scratch_->path().toUtf8());
        InstanceChannel primary;
        const InstanceChannel::Claim claim = primary.claim(dataA_, {});
        qunsetenv("TMPDIR");
        QCOMPARE(claim.role, Role::Primary);
        const QString folder = scratch_->filePath("sonara-" + QString::number(::geteuid()));
        QVERIFY(QFileInfo(folder + "/" + QString::fromStdString(instanceName(dataA_))).exists());
    }

    void aStartDuringTheExitWaitsAndThenRunsItself() {
        auto primary = std::make_unique<InstanceChannel>();
        QCOMPARE(primary->claim(dataA_, {}).role, Role::Primary);
        // One start connected but unanswered as the exit begins, one after.
        auto connected = startElsewhere(dataA_, {makeOpenCommand("/m/a.mp3")});
        QTest::qWait(100);
        primary->retire();
        auto later = startElsewhere(dataA_, {makeShowCommand()});
        QTest::qWait(150);
        QVERIFY(!ready(connected));  // the exiting program still saves its files
        QVERIFY(!ready(later));
        primary.reset();
        QTRY_VERIFY(ready(connected) && ready(later));
        // Each decided again: neither was refused nor told it was taken.
        QCOMPARE(connected.get().role, Role::Primary);
        QCOMPARE(later.get().role, Role::Primary);
    }
};

SONARA_GUI_TEST(InstanceChannelTest)
#include "InstanceChannelTest.moc"
