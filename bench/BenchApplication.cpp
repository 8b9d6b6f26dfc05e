#include "BenchApplication.h"

namespace sonara::bench {

namespace {

char programName[] = "sonara-bench";
char* programArguments[] = {programName, nullptr};

}  // namespace

int& BenchApplication::arguments() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int count = 1;
    return count;
}

BenchApplication::BenchApplication() : QApplication(arguments(), programArguments) {
    setApplicationName("Sonara");
    setQuitOnLastWindowClosed(false);
}

}  // namespace sonara::bench
