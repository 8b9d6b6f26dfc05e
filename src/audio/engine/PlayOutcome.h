#pragma once

#include "core/playlist/PlayOutcome.h"

namespace sonara::audio {

// The play list, in core, owns the type; the engine produces it.
using sonara::PlayOutcome;

}  // namespace sonara::audio
