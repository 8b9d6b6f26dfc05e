#include "cli/TerminalPrompter.h"

#include <string>

namespace sonara::cli {

namespace {

Answer declined(Buttons buttons) {
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
}

}  // namespace

void TerminalPrompter::message(const std::string& text, Icon /*icon*/) {
    std::fprintf(out_, "%s\n", text.c_str());
    std::fflush(out_);
}

Answer TerminalPrompter::ask(const std::string& text, Buttons buttons, Icon /*icon*/) {
    if (buttons == Buttons::Ok) {
        message(text, Icon::None);
        return Answer::Ok;
    }
    const char* choices = buttons == Buttons::YesNoCancel ? " [y/n/c] " : " [y/n] ";
    if (fixedAnswer_) {
        std::fprintf(out_, "%s%s%s\n", text.c_str(), choices, *fixedAnswer_ ? "y" : "n");
        std::fflush(out_);
        return *fixedAnswer_ ? Answer::Yes : declined(buttons);
    }
    for (;;) {
        std::fprintf(out_, "%s%s", text.c_str(), choices);
        std::fflush(out_);
        std::string line;
        int c = 0;
        while ((c = std::fgetc(in_)) != EOF && c != '\n') {
            line += char(c);
        }
        if (c == EOF && line.empty()) {
            std::fprintf(out_, "\n");
            return declined(buttons);
        }
        const char first = line.empty() ? '\0' : char(line[0] | 0x20);
        if (first == 'y') {
            return Answer::Yes;
        }
        if (first == 'n') {
            return Answer::No;
        }
        if (first == 'c' && buttons == Buttons::YesNoCancel) {
            return Answer::Cancel;
        }
    }
}

}  // namespace sonara::cli
