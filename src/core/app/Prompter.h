#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace sonara {

enum class Answer { Ok, Yes, No, Cancel };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Information, Exclamation, Question, Stop };

// A long operation's side of its progress dialog. User-interface thread.
class Progress {
  public:
    virtual ~Progress() = default;

    // Shows the file and the folder being worked on, then lets pending
    // events run, so the dialog stays responsive and Cancel can be pressed.
    virtual void show(std::string_view fileName, std::string_view folder) = 0;
    // Set once the user cancels (never cleared during the run); loops test
    // it between files.
    virtual const std::atomic<bool>& cancelFlag() const = 0;
    bool cancelled() const { return cancelFlag().load(std::memory_order_relaxed); }
};

// Message boxes and questions, worded by the caller with the program's texts.
// The gui shows dialogs; the cli asks on the terminal; tests script answers.
// Called on the user-interface thread only.
class Prompter {
  public:
    virtual ~Prompter() = default;

    // A message with an OK button; returns when the user has seen it.
    virtual void message(const std::string& text, Icon icon = Icon::None) = 0;
    // A question; returns the button pressed (Cancel when the box was closed).
    virtual Answer ask(const std::string& text, Buttons buttons, Icon icon = Icon::Question) = 0;

    // The modal progress dialog of scans: titled `title`, its text line
    // `text`, a "File name" and a "Folder" line and a "Cancel" button. Runs
    // `work` once shown; true (closed with OK) when `work` returned true and
    // Cancel was not pressed. The default shows nothing and cannot be
    // cancelled.
    virtual bool runProgress(const std::string& title, const std::string& text,
                             const std::function<bool(Progress&)>& work);
    // The same dialog, but `work` may run on a thread of its own while the
    // windows keep repainting, so one slow file cannot freeze them. `work`
    // must touch only what the caller handed it (nothing a window reads while
    // it paints) and must not use the prompter. The default runs it as
    // runProgress does.
    virtual bool runProgressInBackground(const std::string& title, const std::string& text,
                                         const std::function<bool(Progress&)>& work) {
        return runProgress(title, text, work);
    }

    // The removable-media name dialog ("Specify Name for Removable Media"):
    // one "Name" field filled with `initial`. On OK the typed name goes to
    // `check`, which returns "" to take it or the message to show, after
    // which the dialog stays open. The name taken, or nullopt on Cancel. The
    // default answers Cancel.
    virtual std::optional<std::string> askMediaName(
        const std::string& initial, const std::function<std::string(const std::string&)>& check);
};

namespace detail {

class SilentProgress final : public Progress {
  public:
    void show(std::string_view, std::string_view) override {}
    const std::atomic<bool>& cancelFlag() const override { return never_; }

  private:
    std::atomic<bool> never_{false};
};

}  // namespace detail

inline bool Prompter::runProgress(const std::string&, const std::string&,
                                  const std::function<bool(Progress&)>& work) {
    detail::SilentProgress progress;
    return work(progress);
}

inline std::optional<std::string> Prompter::askMediaName(
    const std::string&, const std::function<std::string(const std::string&)>&) {
    return std::nullopt;
}

}  // namespace sonara
