#pragma once

namespace sonara {

// The "Please wait..." dialog a long value listing shows: a progress bar and
// "Cancel". User-interface thread only.
class ListingProgress {
  public:
    virtual ~ListingProgress() = default;

    // Shows the dialog with the range 0..range.
    virtual void open(int range) = 0;
    // Advances the bar one step and lets pending window messages run; false
    // once the user has pressed Cancel.
    virtual bool step() = 0;
    virtual void close() = 0;
};

}  // namespace sonara
