#pragma once

#include <string>

#include "support/TempDir.h"

namespace sonara::bench {

// MPD, the music daemon, as the peer of the library update: run with a
// private configuration in a temporary folder (the tree as its music
// folder, a null audio output, a Unix socket there as its only listener),
// asked over its protocol to update its database, timed until the update
// has finished and the database is written.
class MpdPeer {
  public:
    explicit MpdPeer(std::string musicFolder);
    ~MpdPeer();
    MpdPeer(const MpdPeer&) = delete;
    MpdPeer& operator=(const MpdPeer&) = delete;

    struct Timing {
        double fromEmptyMs = 0;  // best run, each from an empty database
        double unchangedMs = 0;  // a second update with nothing changed
        long songs = 0;          // what its database then holds
        std::string error;       // why it could not run; empty when it ran
    };
    Timing measure(int runs);

  private:
    bool start(const std::string& config, std::string& error);
    void stop();
    // Runs one protocol command; the reply up to "OK", or "" after "ACK" or
    // a broken connection.
    std::string command(const std::string& line);
    // Sends "update" and waits until "status" no longer shows it running.
    double timedUpdate(std::string& error);
    std::string writeConfig(const std::string& name, const std::string& music);

    testing::TempDir dir_;
    std::string music_;
    int pid_ = -1;
    int socket_ = -1;
};

}  // namespace sonara::bench
