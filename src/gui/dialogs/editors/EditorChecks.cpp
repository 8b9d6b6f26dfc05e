#include "gui/dialogs/editors/EditorChecks.h"

#include <QLineEdit>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"

namespace sonara::gui {

bool tagInputAccepted(const TagFields& fields, QLineEdit& comment, Prompter& prompter) {
    if (!tagFieldsValid(fields)) {
        prompter.message(stringText(TextId::CommentTooLong), Icon::Exclamation);
        comment.setFocus();
        comment.selectAll();
        return false;
    }
    if (const Status storable = checkTagFields(fields); !storable) {
        prompter.message(storable.error(), Icon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace sonara::gui
