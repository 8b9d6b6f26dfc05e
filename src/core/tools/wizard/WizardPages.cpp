#include "core/tools/wizard/WizardPages.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"

namespace sonara {

namespace {

constexpr int kLastPage = 7;

}  // namespace

WizardPages::Step WizardPages::next(bool anyRemovableChecked, Prompter& prompter) {
    if (busy_ || page_ >= kLastPage) {
        return Step::Stay;
    }
    if (page_ == 5 && !anyRemovableChecked) {
        prompter.message(stringText(TextId::SelectRemovableDrive), Icon::Information);
        return Step::Stay;
    }
    ++page_;
    switch (page_) {
        case 2:
            return Step::SearchDrives;
        case 4:
            if (searchRemovable_) {
                page_ = 5;
                return Step::ListRemovable;
            }
            page_ = kLastPage;
            return Step::Finish;
        case kLastPage:
            return Step::Finish;
        default:
            return Step::Show;
    }
}

void WizardPages::searchDone(bool cancelled) {
    if (page_ == 2) {
        page_ = cancelled ? 1 : 3;
    }
}

void WizardPages::prev() {
    if (busy_) {
        return;
    }
    switch (page_) {
        case 1:
        case 2:
            page_ = 0;
            break;
        case 3:
            page_ = 1;
            break;
        case 4:
            page_ = 2;
            break;
        case 5:
            page_ = 3;
            break;
        case 6:
            page_ = 5;
            break;
        case 7:
            page_ = 6;
            break;
        default:
            break;
    }
}

bool WizardPages::confirmCancel(Prompter& prompter) {
    return prompter.ask(stringText(TextId::CancelWizardQuestion), Buttons::YesNo, Icon::Question) ==
           Answer::Yes;
}

void WizardPages::tellCancelled(Prompter& prompter) {
    prompter.message(stringText(TextId::WizardCancelledNote), Icon::Information);
}

}  // namespace sonara
