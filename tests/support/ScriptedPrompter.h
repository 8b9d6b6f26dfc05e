#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/app/Prompter.h"

namespace sonara::testing {

// A Prompter that records what it was shown and answers from a script.
// Without scripted answers every question is answered `fallback`.
class ScriptedPrompter final : public Prompter {
  public:
    explicit ScriptedPrompter(Answer fallback = Answer::No) : fallback_(fallback) {}

    void answerNext(Answer answer) { answers_.push_back(answer); }

    void message(const std::string& text, Icon /*icon*/) override { messages.push_back(text); }
    Answer ask(const std::string& text, Buttons /*buttons*/, Icon /*icon*/) override {
        questions.push_back(text);
        if (answers_.empty()) {
            return fallback_;
        }
        const Answer next = answers_.front();
        answers_.pop_front();
        return next;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;

  private:
    std::deque<Answer> answers_;
    Answer fallback_;
};

}  // namespace sonara::testing
