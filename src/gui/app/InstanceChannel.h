#pragma once

#include <QObject>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/InstanceLock.h"

class QLocalServer;
class QLocalSocket;

namespace sonara::gui {

// One running program per data folder. The first start listens on a local
// socket in an owner-only folder ($XDG_RUNTIME_DIR/sonara, else
// sonara-UID in the temporary folder), named after the data folder; a later
// start hands its commands to it and ends.
//
// The wire: one command per line (UTF-8; "\" and a line break inside a
// command travel as "\\" and "\n"), then an empty line; the listening
// program answers "ok" once it holds every command, so a forwarding start
// never ends before its files are taken, then runs them in the order
// received (commandReceived).
//
// User-interface thread of the program (the listening side needs its event
// loop); claim() blocks for as long as the running program takes to answer.
class InstanceChannel : public QObject {
    Q_OBJECT

  public:
    enum class Role {
        Primary,    // listening: this start is the running program
        Forwarded,  // the running program took the commands: end with status 0
        Refused,    // unsafe or failing socket folder, or no answer: see message
    };
    struct Claim {
        Role role = Role::Refused;
        std::string message;  // why, for Refused
    };

    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

    // Becomes the running program of `dataFolder`, or hands `commands` to
    // the one already running. Starts at the same moment decide one after
    // the other (under a lock file beside the socket), so exactly one of
    // them listens. A socket left by a program that crashed is replaced. A
    // folder or socket that is a link, not ours, or open to others is
    // refused and never used. Call once.
    Claim claim(const std::string& dataFolder, const std::vector<std::string>& commands);

    // Primary: starts reading commands; commandReceived follows for each,
    // in the order sent. Until then forwarding starts wait, so nothing
    // arrives before the program can run it.
    void serve();

    // Primary, as the program ends: stops listening and holds the lock
    // until this object is destroyed, so a start during the exit waits for
    // the saved files and then becomes the running program itself. Starts
    // whose commands were not answered yet retry the same way.
    void retire();

  signals:
    void commandReceived(const std::string& command);

  private:
    struct Peer;
    enum class Sent { Answered, Closed, NoAnswer };

    Sent forward(QLocalSocket& socket, const std::vector<std::string>& commands) const;
    void acceptPending();
    void read(QLocalSocket* socket, const std::shared_ptr<Peer>& peer);
    void runQueued();

    std::unique_ptr<QLocalServer> server_;
    std::optional<platform::InstanceLock> retiredLock_;
    std::string lockPath_;
    std::deque<std::string> queued_;
    bool running_ = false;
    bool serving_ = false;
    bool trace_ = false;
};

}  // namespace sonara::gui
