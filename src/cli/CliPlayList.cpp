#include "cli/CliPlayList.h"

#include <unistd.h>

#include "audio/engine/PlayerHost.h"
#include "audio/engine/PlayerTexts.h"
#include "core/io/FileAttributes.h"

namespace sonara::cli {

CliPlayList::CliPlayList(audio::PlayerHost& host, std::vector<std::string> files, std::FILE* out,
                         std::FILE* err)
    : host_(host),
      files_(std::move(files)),
      out_(out),
      err_(err),
      clearLine_(::isatty(::fileno(out)) != 0 ? "\r\033[K" : "") {}

bool CliPlayList::hasCurrent() const {
    return current_ >= 0 && current_ < int(files_.size());
}

bool CliPlayList::advance(int direction, bool /*force*/) {
    if (direction == 1) {
        return playFrom(current_ + 1, 1);
    }
    // Previous from the first file plays the first file again.
    return playFrom(current_ > 0 ? current_ - 1 : 0, -1);
}

bool CliPlayList::playFrom(int index, int step) {
    for (; index >= 0 && index < int(files_.size()); index += step) {
        current_ = index;
        if (playCurrent()) {
            return true;
        }
        if (finished_) {
            return false;
        }
    }
    if (step > 0) {
        // Past the last file: the run is over.
        host_.stopIfOpen();
        finished_ = true;
    }
    return false;
}

bool CliPlayList::playCurrent() {
    if (!hasCurrent()) {
        return false;
    }
    const std::string& path = files_[size_t(current_)];
    host_.stopIfOpen();
    audio::PlayOutcome outcome = audio::PlayOutcome::Ok;
    if (host_.open(path, outcome) && host_.play(outcome)) {
        std::fprintf(out_, "%s%d/%zu %s\n%s\n", clearLine_, current_ + 1, files_.size(),
                     files::namePart(path).c_str(),
                     audio::fileDescription(host_.player(), false).c_str());
        std::fflush(out_);
        return true;
    }
    ++failures_;
    if (outcome == audio::PlayOutcome::DeviceFailure) {
        finished_ = true;  // the engine told the user; nothing else can play
    } else {
        std::fprintf(err_, "sonara-cli: cannot play %s\n", path.c_str());
    }
    return false;
}

void CliPlayList::stopCurrent() {
    host_.stop();
}

}  // namespace sonara::cli
