#pragma once

#include <vector>

// Where the main window's spectrum and level displays put their bars and
// spots, in pixels. Pure.
namespace sonara {

// A run of pixels along one axis.
struct PixelSpan {
    int start = 0;
    int length = 0;
    bool operator==(const PixelSpan&) const = default;
};

// How many bars of at least `minBar` pixels with `space` pixels between
// them fit across `width`, at most `maxBars`; at least 1.
int barsThatFit(int width, int minBar, int space, int maxBars);

// `bars` bars spread over `width` pixels with `space` pixels after each but
// the last; the spare pixels go to the bars one by one from the left, so
// widths differ by at most one. A bar narrower than a pixel gets length 0.
std::vector<PixelSpan> barColumns(int width, int bars, int space);

// The spots of a bar `length` pixels long, counted from its foot: each
// `spotLength` pixels with `spotSpace` pixels between, the last one cut to
// what is left. A spot length below 1 counts as 1.
class SpotLadder {
  public:
    SpotLadder() = default;
    SpotLadder(int length, int spotLength, int spotSpace);

    int length() const { return length_; }
    int spotCount() const { return count_; }
    // Distance of spot `index`'s first pixel from the foot, and its length.
    PixelSpan spot(int index) const;
    // Spots lit by a height of 0 (none) … 1 (all): a spot lights once the
    // height reaches its middle, so a short spot is not lit by a sliver.
    int litSpots(float height) const;
    // The spot that shows a peak at `height`; -1 when the height is 0.
    int peakSpot(float height) const;
    // Pixels from the foot to the end of the first `spots` spots.
    int reach(int spots) const;

  private:
    int length_ = 0;
    int spotLength_ = 1;
    int pitch_ = 1;
    int count_ = 0;
};

}  // namespace sonara
