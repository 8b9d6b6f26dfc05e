#pragma once

#include <cstddef>

#include "audio/convert/CMMMPEGFileX.h"
#include "audio/convert/CMMTriggerX.h"
#include "audio/convert/CMMWaveFileX.h"

namespace sonara::audio {

// One file at a time of a conversion: a reader joined to a writer through a
// trigger, as the dialog hosts them. User-interface thread.
class ConversionJob {
  public:
    explicit ConversionJob(Dispatcher& userInterface) : trigger(userInterface) {
        reader.setOutput(&writer.waveObject());
        writer.setInput(&reader);
        trigger.setInput(&reader);
        trigger.setOutput(&writer);
    }
    ConversionJob(const ConversionJob&) = delete;
    ConversionJob& operator=(const ConversionJob&) = delete;

    // Declared in this order so the trigger, which uses the other two from
    // its worker, is destroyed (and stopped) first.
    CMMMPEGFileX reader;
    CMMWaveFileX writer;
    CMMTriggerX trigger;
    bool busy = false;
    size_t fileIndex = 0;
};

}  // namespace sonara::audio
