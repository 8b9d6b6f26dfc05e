#pragma once

#include <atomic>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/app/Prompter.h"

namespace sonara::testing {

// A Prompter that records what it was shown and answers from a script.
// Without scripted answers every question is answered `fallback`, and every
// name request is cancelled.
class ScriptedPrompter final : public Prompter {
  public:
    explicit ScriptedPrompter(Answer fallback = Answer::No) : fallback_(fallback) {}

    void answerNext(Answer answer) { answers_.push_back(answer); }
    // The next name typed into the name dialog; nullopt presses Cancel.
    void typeMediaName(std::optional<std::string> name) { names_.push_back(std::move(name)); }
    // The progress dialog's Cancel is pressed when the work has shown this
    // many files (-1: never).
    void cancelAfterFiles(long files) { cancelAfter_ = files; }

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

    bool runProgress(const std::string& title, const std::string& text,
                     const std::function<bool(Progress&)>& work) override {
        progressTitles.push_back(title);
        progressTexts.push_back(text);
        Scripted progress(*this);
        if (cancelAfter_ == 0) {
            progress.flag = true;
        }
        const bool ok = work(progress);
        return ok && !progress.flag;
    }

    std::optional<std::string> askMediaName(
        const std::string& initial,
        const std::function<std::string(const std::string&)>& check) override {
        nameRequests.push_back(initial);
        while (!names_.empty()) {
            std::optional<std::string> typed = names_.front();
            names_.pop_front();
            if (!typed) {
                return std::nullopt;
            }
            const std::string problem = check(*typed);
            if (problem.empty()) {
                return typed;
            }
            messages.push_back(problem);
        }
        return std::nullopt;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> progressTitles;
    std::vector<std::string> progressTexts;
    std::vector<std::string> nameRequests;  // the name each dialog opened with
    long filesShown = 0;
    std::string lastFileShown;
    std::string lastFolderShown;

  private:
    class Scripted final : public Progress {
      public:
        explicit Scripted(ScriptedPrompter& owner) : owner_(owner) {}
        void show(std::string_view fileName, std::string_view folder) override {
            owner_.lastFileShown = fileName;
            owner_.lastFolderShown = folder;
            if (++owner_.filesShown == owner_.cancelAfter_) {
                flag = true;
            }
        }
        const std::atomic<bool>& cancelFlag() const override { return flag; }
        std::atomic<bool> flag{false};

      private:
        ScriptedPrompter& owner_;
    };

    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> names_;
    Answer fallback_;
    long cancelAfter_ = -1;
};

}  // namespace sonara::testing
