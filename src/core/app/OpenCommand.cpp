#include "core/app/OpenCommand.h"

namespace sonara {

namespace {

constexpr std::string_view kOpenStart = "[open(\"";
constexpr std::string_view kOpenEnd = "\")]";
constexpr std::string_view kShow = "[show()]";

}  // namespace

ShellCommand parseShellCommand(std::string_view command) {
    ShellCommand result;
    if (command.substr(0, kOpenStart.size()) != kOpenStart) {
        return result;
    }
    std::string_view rest = command.substr(kOpenStart.size());
    if (rest.size() >= kOpenEnd.size() && rest.substr(rest.size() - kOpenEnd.size()) == kOpenEnd) {
        result.path = std::string(rest.substr(0, rest.size() - kOpenEnd.size()));
        return result;
    }
    const size_t quote = rest.find('"');
    if (quote == std::string_view::npos) {
        result.handled = false;
        return result;
    }
    result.path = std::string(rest.substr(0, quote));
    return result;
}

std::optional<std::string> openCommandPath(std::string_view command) {
    return parseShellCommand(command).path;
}

std::string makeOpenCommand(std::string_view path) {
    std::string command;
    command.reserve(kOpenStart.size() + path.size() + kOpenEnd.size());
    command.append(kOpenStart).append(path).append(kOpenEnd);
    return command;
}

std::string makeShowCommand() {
    return std::string(kShow);
}

bool isShowCommand(std::string_view command) {
    return command == kShow;
}

bool ShellCommandRunner::execute(std::string_view command) {
    if (isShowCommand(command)) {
        if (show_) {
            show_();
        }
        return true;
    }
    struct Busy {
        bool& flag;
        explicit Busy(bool& f) : flag(f) { flag = true; }
        ~Busy() { flag = false; }
    } busy(busy_);
    const ShellCommand parsed = parseShellCommand(command);
    if (parsed.path && open_) {
        open_(*parsed.path);
    }
    return parsed.handled;
}

}  // namespace sonara
