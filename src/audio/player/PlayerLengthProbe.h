#pragma once

#include "core/library/LengthProbe.h"

namespace sonara::audio {

class CMMAudioPlayerX;

// The library's length queries, answered by a player that is never played:
// the file name is put, the length read, the file closed. A file the player
// rejects has length 0.
class PlayerLengthProbe final : public LengthProbe {
  public:
    explicit PlayerLengthProbe(CMMAudioPlayerX& player) : player_(player) {}
    int64_t lengthMilliseconds(const std::string& path) override;

  private:
    CMMAudioPlayerX& player_;
};

}  // namespace sonara::audio
