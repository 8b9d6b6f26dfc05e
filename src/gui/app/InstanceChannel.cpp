#include "gui/app/InstanceChannel.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "core/app/InstanceName.h"
#include "core/app/StringTable.h"
#include "platform/InstanceFolder.h"

namespace sonara::gui {

namespace {

using std::chrono::milliseconds;

// A running program may still be loading a large library when a start
// connects: its answer may take that long.
constexpr int kAnswerSeconds = 30;
constexpr milliseconds kLockPatience(30000);
constexpr int kConnectMs = 2000;
// A start whose connection closed unanswered (the program was ending)
// decides again; a few rounds cover an exit and the next start.
constexpr int kClaimRounds = 4;
// No command is this long; a peer that sends more is cut off.
constexpr qsizetype kMaxLine = 1 << 20;
const QByteArray kAnswer = "ok\n";

QByteArray escapeLine(const std::string& command) {
    QByteArray line;
    line.reserve(qsizetype(command.size()) + 1);
    for (const char c : command) {
        if (c == '\\') {
            line.append("\\\\");
        } else if (c == '\n') {
            line.append("\\n");
        } else {
            line.append(c);
        }
    }
    return line.append('\n');
}

std::string unescapeLine(const QByteArray& line) {
    std::string command;
    command.reserve(size_t(line.size()));
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            command.push_back(line[++i] == 'n' ? '\n' : line[i]);
        } else {
            command.push_back(line[i]);
        }
    }
    return command;
}

InstanceChannel::Claim refusedWith(std::string message) {
    return {InstanceChannel::Role::Refused, std::move(message)};
}

double monotonicMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

}  // namespace

// What one connected start has sent so far.
struct InstanceChannel::Peer {
    QByteArray pending;
    std::vector<std::string> commands;  // run once the start's last line came
};

InstanceChannel::InstanceChannel(QObject* parent)
    : QObject(parent), trace_(qEnvironmentVariableIsSet("SONARA_TRACE_INSTANCE")) {}

InstanceChannel::~InstanceChannel() = default;

InstanceChannel::Claim InstanceChannel::claim(const std::string& dataFolder,
                                              const std::vector<std::string>& commands) {
    const uid_t uid = ::geteuid();
    // A runtime folder named but gone (a session ended under a shell that
    // still names it) must not keep the program from starting.
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && !QFileInfo(runtime).isDir()) {
        runtime.clear();
    }
    const std::string folder =
        platform::instanceFolderPath(runtime.toStdString(), QDir::tempPath().toStdString(), uid);
    if (const Status safe = platform::ensureOwnerOnlyFolder(folder, uid); !safe) {
        return refusedWith(safe.error());
    }
    const std::string socketPath = folder + "/" + instanceName(dataFolder);
    lockPath_ = socketPath + ".lock";
    for (int round = 0; round < kClaimRounds; ++round) {
        Result<platform::InstanceLock> lock =
            platform::InstanceLock::acquire(lockPath_, kLockPatience);
        if (!lock) {
            return refusedWith(lock.error());
        }
        if (const Status safe = platform::checkOwnerOnlySocket(socketPath, uid); !safe) {
            return refusedWith(safe.error());
        }
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(socketPath));
        if (socket.waitForConnected(kConnectMs)) {
            // Decided: later starts may decide too while this one talks.
            { const platform::InstanceLock released = std::move(lock.value()); }
            switch (forward(socket, commands)) {
                case Sent::Answered:
                    return {Role::Forwarded, {}};
                case Sent::Closed:
                    continue;
                case Sent::NoAnswer:
                    return refusedWith(
                        formatText(TextId::InstanceNoAnswer, std::to_string(kAnswerSeconds)));
            }
        }
        const QLocalSocket::LocalSocketError error = socket.error();
        if (error != QLocalSocket::ServerNotFoundError &&
            error != QLocalSocket::ConnectionRefusedError) {
            return refusedWith(formatText(TextId::InstanceListenFailed, socketPath,
                                          socket.errorString().toStdString()));
        }
        // Nobody listens: a crashed program's socket, or none at all.
        ::unlink(socketPath.c_str());
        auto server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        server->setMaxPendingConnections(256);
        if (!server->listen(QString::fromStdString(socketPath))) {
            return refusedWith(formatText(TextId::InstanceListenFailed, socketPath,
                                          server->errorString().toStdString()));
        }
        server_ = std::move(server);
        connect(server_.get(), &QLocalServer::newConnection, this, &InstanceChannel::acceptPending);
        return {Role::Primary, {}};
    }
    return refusedWith(formatText(TextId::InstanceNoAnswer, std::to_string(kAnswerSeconds)));
}

InstanceChannel::Sent InstanceChannel::forward(QLocalSocket& socket,
                                               const std::vector<std::string>& commands) const {
    QByteArray message;
    for (const std::string& command : commands) {
        message.append(escapeLine(command));
    }
    message.append('\n');
    socket.write(message);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(kAnswerSeconds);
    const auto left = [&] {
        return int(std::max<long long>(
            0, std::chrono::duration_cast<milliseconds>(giveUp - std::chrono::steady_clock::now())
                   .count()));
    };
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(left())) {
    }
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(left())) {
            answer.append(socket.readAll());
            if (answer.contains('\n')) {
                break;
            }
            return socket.state() == QLocalSocket::ConnectedState ? Sent::NoAnswer : Sent::Closed;
        }
        answer.append(socket.readAll());
    }
    return answer.startsWith(kAnswer) ? Sent::Answered : Sent::Closed;
}

void InstanceChannel::serve() {
    serving_ = true;
    acceptPending();
}

void InstanceChannel::retire() {
    serving_ = false;
    if (!server_) {
        return;
    }
    // Held before the socket goes, so no start can decide in between.
    Result<platform::InstanceLock> lock = platform::InstanceLock::acquire(lockPath_, kLockPatience);
    if (lock) {
        retiredLock_.emplace(std::move(lock.value()));
    }
    server_->close();
    server_.reset();
}

void InstanceChannel::acceptPending() {
    if (!serving_ || !server_) {
        return;
    }
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto peer = std::make_shared<Peer>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket, peer] { read(socket, peer); });
        read(socket, peer);
    }
}

void InstanceChannel::read(QLocalSocket* socket, const std::shared_ptr<Peer>& peer) {
    peer->pending.append(socket->readAll());
    while (true) {
        const qsizetype end = peer->pending.indexOf('\n');
        if (end < 0) {
            if (peer->pending.size() > kMaxLine) {
                socket->abort();
            }
            break;
        }
        const QByteArray line = peer->pending.left(end);
        peer->pending.remove(0, end + 1);
        if (!line.isEmpty()) {
            peer->commands.push_back(unescapeLine(line));
            continue;
        }
        // Answered before the commands run: one may ask the user something,
        // and the start that sent it must not wait for that.
        socket->write(kAnswer);
        socket->flush();  // now, not after the commands ran
        socket->disconnectFromServer();
        queued_.insert(queued_.end(), peer->commands.begin(), peer->commands.end());
        peer->commands.clear();
        runQueued();
        break;
    }
}

void InstanceChannel::runQueued() {
    // A command may open a window or a message whose event loop takes the
    // next start's commands: they run after these, from this loop.
    if (running_) {
        return;
    }
    running_ = true;
    int ran = 0;
    while (!queued_.empty()) {
        const std::string command = std::move(queued_.front());
        queued_.pop_front();
        ++ran;
        emit commandReceived(command);
    }
    running_ = false;
    if (trace_) {
        std::fprintf(stderr, "sonara: instance: %d command(s) run at %.3f ms\n", ran,
                     monotonicMs());
    }
}

}  // namespace sonara::gui
