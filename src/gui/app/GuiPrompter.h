#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/app/Prompter.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// What the prompter was asked to show, as a script sees it.
struct PromptRequest {
    enum class Kind { Message, Question, Progress, MediaName };
    Kind kind = Kind::Message;
    std::string text;  // the message, the question, the progress title, the initial name
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

// The desktop's Prompter: message boxes titled "Sonara" over the window set
// as parent (none: centred on the screen), the skinned progress dialog, and
// the skinned removable-media name dialog. With a script set, no dialog is
// shown: the script sees every request and answers it (tests, the end-to-end
// run).
// User-interface thread only; borrows the skin context.
class GuiPrompter final : public Prompter {
  public:
    // A message's answer is ignored. For a progress request Cancel cancels
    // before the work starts; for a name request Ok takes the initial name.
    using Script = std::function<Answer(const PromptRequest&)>;

    explicit GuiPrompter(SkinContext context);

    // The window the boxes belong to; it may be destroyed while set.
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    void setScript(Script script) { script_ = std::move(script); }

    void message(const std::string& text, Icon icon = Icon::None) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon = Icon::Question) override;
    bool runProgress(const std::string& title, const std::string& text,
                     const std::function<bool(Progress&)>& work) override;
    bool runProgressInBackground(const std::string& title, const std::string& text,
                                 const std::function<bool(Progress&)>& work) override;
    std::optional<std::string> askMediaName(
        const std::string& initial,
        const std::function<std::string(const std::string&)>& check) override;

  private:
    SkinContext context_;
    QPointer<QWidget> parent_;
    Script script_;
};

}  // namespace sonara::gui
