#include "gui/dialogs/transfer/DeviceCall.h"

#include <QEventLoop>
#include <QMetaObject>
#include <exception>
#include <thread>

#include "core/app/StringTable.h"

namespace sonara::gui {

DeviceCall::DeviceCall(QObject* parent) : QObject(parent) {}

DeviceCall::~DeviceCall() = default;

bool DeviceCall::run(const std::function<void()>& step, Input input) {
    if (running_) {
        return false;
    }
    running_ = true;
    cancelled_.store(false);
    emit runningChanged(true);
    QEventLoop loop;
    std::exception_ptr thrown;
    std::thread worker([&step, &thrown, &loop] {
        try {
            step();
        } catch (...) {
            thrown = std::current_exception();
        }
        // Posted, so it is seen by the loop even when the step ends before
        // the loop has started.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(input == Input::Held ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);
    worker.join();
    running_ = false;
    emit runningChanged(false);
    if (thrown) {
        std::rethrow_exception(thrown);
    }
    return true;
}

TransferSession::StatusSink DeviceCall::statusSink() {
    return [this](std::optional<TextId> text) {
        const QString shown = text ? QString::fromStdString(stringText(*text)) : QString();
        QMetaObject::invokeMethod(
            this, [this, shown] { emit statusShown(shown); }, Qt::QueuedConnection);
    };
}

SendProgress DeviceCall::progress() {
    return [this](std::uint64_t, std::uint64_t) { return !cancelled_.load(); };
}

}  // namespace sonara::gui
