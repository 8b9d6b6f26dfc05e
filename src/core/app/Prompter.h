#pragma once

#include <string>

namespace sonara {

enum class Answer { Ok, Yes, No, Cancel };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Information, Exclamation, Question, Stop };

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
};

}  // namespace sonara
