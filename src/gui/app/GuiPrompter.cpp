#include "gui/app/GuiPrompter.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "core/app/StringTable.h"
#include "gui/app/ProgressDialog.h"
#include "gui/dialogs/sources/MediumNameDialog.h"

namespace sonara::gui {

namespace {

const char* const kTitle = "Sonara";

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Stop:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;  // closed without a button
    }
}

}  // namespace

GuiPrompter::GuiPrompter(SkinContext context) : context_(context) {}

void GuiPrompter::message(const std::string& text, Icon icon) {
    if (script_) {
        (void)script_({PromptRequest::Kind::Message, text, Buttons::Ok, icon});
        return;
    }
    QMessageBox box(boxIcon(icon), kTitle, QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

Answer GuiPrompter::ask(const std::string& text, Buttons buttons, Icon icon) {
    if (script_) {
        return script_({PromptRequest::Kind::Question, text, buttons, icon});
    }
    QMessageBox box(boxIcon(icon), kTitle, QString::fromStdString(text), boxButtons(buttons),
                    parent_);
    return answerOf(box.exec());
}

bool GuiPrompter::runProgress(const std::string& title, const std::string& text,
                              const std::function<bool(Progress&)>& work) {
    if (script_) {
        if (script_({PromptRequest::Kind::Progress, title, Buttons::Ok, Icon::None}) ==
            Answer::Cancel) {
            return false;
        }
        return Prompter::runProgress(title, text, work);
    }
    ProgressDialog dialog(context_, QString::fromStdString(title), QString::fromStdString(text),
                          parent_);
    dialog.QDialog::show();
    QCoreApplication::processEvents();  // drawn before the work begins
    const bool done = work(dialog);
    dialog.hide();
    return done && !dialog.cancelled();
}

bool GuiPrompter::runProgressInBackground(const std::string& title, const std::string& text,
                                          const std::function<bool(Progress&)>& work) {
    if (script_) {
        return runProgress(title, text, work);
    }
    ProgressDialog dialog(context_, QString::fromStdString(title), QString::fromStdString(text),
                          parent_);
    return dialog.runInBackground(work);
}

std::optional<std::string> GuiPrompter::askMediaName(
    const std::string& initial, const std::function<std::string(const std::string&)>& check) {
    if (script_) {
        if (script_({PromptRequest::Kind::MediaName, initial, Buttons::Ok, Icon::None}) !=
            Answer::Ok) {
            return std::nullopt;
        }
        if (const std::string refusal = check(initial); !refusal.empty()) {
            message(refusal, Icon::Exclamation);
            return std::nullopt;
        }
        return initial;
    }
    MediumNameDialog dialog(context_, initial, check, *this, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.name();
}

}  // namespace sonara::gui
