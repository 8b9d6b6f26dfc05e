#pragma once

#include <cstdio>
#include <optional>

#include "core/app/Prompter.h"

namespace sonara::cli {

// Asks on the terminal: messages and questions go to stderr, answers come
// from stdin. A fixed answer (--yes / --no) answers every question for
// scripts; at the end of input a question is answered No (or Cancel).
// Progress shows a count of files on a terminal and nothing otherwise;
// SIGINT is its Cancel. A name request takes the pre-filled name on an
// empty line, and with --yes; --no and the end of input are Cancel.
class TerminalPrompter final : public Prompter {
  public:
    TerminalPrompter(std::FILE* in, std::FILE* out, std::optional<bool> fixedAnswer)
        : in_(in), out_(out), fixedAnswer_(fixedAnswer) {}

    void message(const std::string& text, Icon icon) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon) override;
    bool runProgress(const std::string& title, const std::string& text,
                     const std::function<bool(Progress&)>& work) override;
    std::optional<std::string> askMediaName(
        const std::string& initial,
        const std::function<std::string(const std::string&)>& check) override;

  private:
    // A line of input without its newline; nullopt at the end of input.
    std::optional<std::string> readLine();

    std::FILE* in_;
    std::FILE* out_;
    std::optional<bool> fixedAnswer_;
};

// Answers every question Yes and passes messages on: for a command whose
// --yes answers the one question it asks while the rest still reaches the
// terminal.
class YesPrompter final : public Prompter {
  public:
    explicit YesPrompter(Prompter& messages) : messages_(messages) {}
    void message(const std::string& text, Icon icon) override { messages_.message(text, icon); }
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::Yes; }

  private:
    Prompter& messages_;
};

}  // namespace sonara::cli
