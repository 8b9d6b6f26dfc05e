#pragma once

#include <string>
#include <vector>

#include "support/TempDir.h"

namespace sonara::testing {

// One mountinfo line as the kernel writes it; fields are used as given, so
// escapes ("\040") are the caller's.
std::string mountLine(int id, int parentId, const std::string& device,
                      const std::string& mountPoint, const std::string& fsType,
                      const std::string& source, const std::string& root = "/");

// A folder that stands for "/" of a made-up system: its mount table in
// proc/self/mountinfo, block devices in sys/ laid out as sysfs does (the
// numbers in sys/dev/block and the names in sys/class/block are links to
// the device folders), device nodes and label links in dev/.
class FakeSystem {
  public:
    std::string root() const { return dir_.path().string(); }

    void mountTable(const std::vector<std::string>& lines);
    void mountTableText(const std::string& text);

    // A whole disk ("sdb", "8:16").
    void disk(const std::string& name, const std::string& number, bool removable);
    // A partition of a disk made before ("sdb1" of "sdb", "8:17").
    void partition(const std::string& diskName, const std::string& name, const std::string& number);
    // A mapped device (LUKS, LVM) on top of the devices named in `below`.
    void mapped(const std::string& name, const std::string& number,
                const std::vector<std::string>& below);
    // dev/NAME, a node for the device (a plain file), and dev/LINK -> NAME
    // when `link` is given ("mapper/music").
    void node(const std::string& name, const std::string& link = {});
    // dev/disk/by-label/ENCODED -> ../../DEVICE.
    void label(const std::string& encoded, const std::string& device);

  private:
    void numberAndClassLinks(const std::string& dir, const std::string& name,
                             const std::string& number);
    TempDir dir_;
};

}  // namespace sonara::testing
