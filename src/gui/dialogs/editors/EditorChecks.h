#pragma once

#include "core/tools/editing/TagFields.h"

class QLineEdit;

namespace sonara {
class Prompter;
}

namespace sonara::gui {

// The editors' input check before anything is written: a comment over 30
// characters, or a field the tag cannot store, is shown and refused; the
// comment edit takes the focus for the first.
bool tagInputAccepted(const TagFields& fields, QLineEdit& comment, Prompter& prompter);

}  // namespace sonara::gui
