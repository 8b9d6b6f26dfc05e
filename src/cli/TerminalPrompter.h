#pragma once

#include <cstdio>
#include <optional>

#include "core/app/Prompter.h"

namespace sonara::cli {

// Asks on the terminal: messages and questions go to stderr, answers come
// from stdin. A fixed answer (--yes / --no) answers every question for
// scripts; at the end of input a question is answered No (or Cancel).
class TerminalPrompter final : public Prompter {
  public:
    TerminalPrompter(std::FILE* in, std::FILE* out, std::optional<bool> fixedAnswer)
        : in_(in), out_(out), fixedAnswer_(fixedAnswer) {}

    void message(const std::string& text, Icon icon) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon) override;

  private:
    std::FILE* in_;
    std::FILE* out_;
    std::optional<bool> fixedAnswer_;
};

}  // namespace sonara::cli
