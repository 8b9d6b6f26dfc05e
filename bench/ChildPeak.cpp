#include "ChildPeak.h"

#include <signal.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

namespace sonara::bench {

namespace {

// The "VmHWM:" line of /proc/PID/status, in megabytes; 0 when unreadable.
double peakResidentMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;  // kB
        }
    }
    return 0;
}

}  // namespace

ChildRun runAndMeasure(const std::vector<std::string>& arguments, int timeoutSeconds) {
    ChildRun run;
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (child < 0) {
        return run;
    }
    auto elapsedMs = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    bool optionsSet = false;
    int status = 0;
    struct rusage usage {};
    for (;;) {
        const pid_t reaped = ::wait4(child, &status, WNOHANG, &usage);
        if (reaped < 0) {
            return run;
        }
        if (reaped == 0) {
            if (elapsedMs() > timeoutSeconds * 1000.0) {
                std::printf("%s did not exit in %d s; stopped\n", argv[0], timeoutSeconds);
                ::kill(child, SIGKILL);
                ::wait4(child, &status, 0, &usage);
                return run;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        if (WIFEXITED(status) || WIFSIGNALED(status)) {
            break;
        }
        // Stopped: the exec's trap, the exit event, or a signal to pass on.
        int deliver = 0;
        if (!optionsSet) {
            ::ptrace(PTRACE_SETOPTIONS, child, nullptr,
                     reinterpret_cast<void*>(PTRACE_O_TRACEEXIT | PTRACE_O_EXITKILL));
            optionsSet = true;
        } else if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
            run.peakMb = peakResidentMb(child);
        } else {
            deliver = WSTOPSIG(status);
        }
        ::ptrace(PTRACE_CONT, child, nullptr, reinterpret_cast<void*>(long(deliver)));
    }
    run.wallMs = elapsedMs();
    run.maxRssMb = double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && run.peakMb > 0;
    if (!run.ok) {
        std::printf("%s failed (status %d)\n", argv[0], status);
    }
    return run;
}

}  // namespace sonara::bench
