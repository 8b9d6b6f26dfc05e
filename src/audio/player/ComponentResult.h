#pragma once

#include <string>
#include <utility>

namespace sonara::audio {

// The outcome of a component call that can fail. A failed call carries the
// description its caller classifies: one that begins with "WaveOutOpen:" is an
// output device that could not be opened; any other is a file or stream the
// component rejected.
struct ComponentResult {
    bool ok = true;
    std::string description;

    static ComponentResult success() { return {}; }
    static ComponentResult failure(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace sonara::audio
