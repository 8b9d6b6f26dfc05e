#include "gui/app/TerminationSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <cassert>
#include <csignal>

namespace sonara::gui {

namespace {

constexpr int kWatched[] = {SIGTERM, SIGINT, SIGHUP};
volatile std::sig_atomic_t gWriteFd = -1;

extern "C" void forwardSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a pending signal; nothing is lost by dropping.
    [[maybe_unused]] const ssize_t put = ::write(gWriteFd, &byte, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    assert(gWriteFd == -1 && "one TerminationSignals per process");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds_) != 0) {
        fds_[0] = fds_[1] = -1;
        return;
    }
    gWriteFd = fds_[1];
    notifier_ = new QSocketNotifier(fds_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kWatched) {
        ::sigaction(number, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    for (const int number : kWatched) {
        ::signal(number, SIG_DFL);
    }
    gWriteFd = -1;
    ::close(fds_[0]);
    ::close(fds_[1]);
}

void TerminationSignals::readPending() {
    unsigned char byte = 0;
    while (::read(fds_[0], &byte, 1) == 1) {
        emit received(byte);
    }
}

}  // namespace sonara::gui
