#include "support/FakeSystem.h"

#include <filesystem>

namespace sonara::testing {

namespace fs = std::filesystem;

std::string mountLine(int id, int parentId, const std::string& device,
                      const std::string& mountPoint, const std::string& fsType,
                      const std::string& source, const std::string& root) {
    return std::to_string(id) + " " + std::to_string(parentId) + " " + device + " " + root + " " +
           mountPoint + " rw,relatime shared:1 - " + fsType + " " + source + " rw";
}

void FakeSystem::mountTable(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    mountTableText(text);
}

void FakeSystem::mountTableText(const std::string& text) {
    fs::create_directories(dir_.path() / "proc" / "self");
    writeText(dir_.path() / "proc" / "self" / "mountinfo", text);
}

void FakeSystem::numberAndClassLinks(const std::string& dir, const std::string& name,
                                     const std::string& number) {
    const fs::path sys = dir_.path() / "sys";
    fs::create_directories(sys / "dev" / "block");
    fs::create_directories(sys / "class" / "block");
    fs::create_symlink("../../" + dir, sys / "dev" / "block" / number);
    fs::create_symlink("../../" + dir, sys / "class" / "block" / name);
}

void FakeSystem::disk(const std::string& name, const std::string& number, bool removable) {
    const std::string dir = "devices/pci0000:00/host0/block/" + name;
    fs::create_directories(dir_.path() / "sys" / dir);
    writeText(dir_.path() / "sys" / dir / "removable", removable ? "1\n" : "0\n");
    numberAndClassLinks(dir, name, number);
}

void FakeSystem::partition(const std::string& diskName, const std::string& name,
                           const std::string& number) {
    const std::string dir = "devices/pci0000:00/host0/block/" + diskName + "/" + name;
    fs::create_directories(dir_.path() / "sys" / dir);
    writeText(dir_.path() / "sys" / dir / "partition", "1\n");
    numberAndClassLinks(dir, name, number);
}

void FakeSystem::mapped(const std::string& name, const std::string& number,
                        const std::vector<std::string>& below) {
    const std::string dir = "devices/virtual/block/" + name;
    const fs::path full = dir_.path() / "sys" / dir;
    fs::create_directories(full / "slaves");
    writeText(full / "removable", "0\n");
    for (const std::string& slave : below) {
        const fs::path slaveDir = fs::canonical(dir_.path() / "sys" / "class" / "block" / slave);
        fs::create_symlink(fs::relative(slaveDir, full / "slaves"), full / "slaves" / slave);
    }
    numberAndClassLinks(dir, name, number);
}

void FakeSystem::node(const std::string& name, const std::string& link) {
    const fs::path dev = dir_.path() / "dev";
    fs::create_directories(dev);
    writeText(dev / name, "");
    if (!link.empty()) {
        const fs::path linkPath = dev / link;
        fs::create_directories(linkPath.parent_path());
        fs::create_symlink(fs::relative(dev / name, linkPath.parent_path()), linkPath);
    }
}

void FakeSystem::label(const std::string& encoded, const std::string& device) {
    const fs::path folder = dir_.path() / "dev" / "disk" / "by-label";
    fs::create_directories(folder);
    fs::create_symlink("../../" + device, folder / encoded);
}

}  // namespace sonara::testing
