#pragma once

#include <memory>

#include "core/library/LengthProbe.h"

namespace sonara::audio {

// Length of MPEG audio files through libmpg123. One decoder handle is kept
// for the probe's life and reused for every file. Not thread-safe.
class Mpg123LengthProbe final : public LengthProbe {
public:
    Mpg123LengthProbe();
    ~Mpg123LengthProbe() override;

    int64_t lengthMilliseconds(const std::string& path) override;

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

}  // namespace sonara::audio
