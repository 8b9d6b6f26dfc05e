#include <cstdio>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "cli/SystemDrives.h"

namespace sonara::cli {

namespace {

const char* kindWord(DriveKind kind) {
    switch (kind) {
        case DriveKind::Removable:
            return "removable";
        case DriveKind::Fixed:
            return "fixed";
        case DriveKind::Network:
            return "network";
        case DriveKind::CdRom:
            return "cdrom";
        case DriveKind::RamDisk:
            return "ramdisk";
        case DriveKind::Unknown:
            break;
    }
    return "unknown";
}

}  // namespace

int runDrives(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    if (!operandsFor(context, args, "drives")) {
        return kUsage;
    }
    const platform::LinuxDrives drives(systemDrivePaths());
    if (!drives.tableStatus().ok()) {
        context.report("Unable to read the mount table: " + drives.tableStatus().error());
        return kFailure;
    }
    const std::vector<MountedDrive> all = drives.drives();
    if (asJson) {
        JsonWriter json;
        json.beginArray();
        for (const MountedDrive& drive : all) {
            json.beginObject();
            json.field("mountPoint", drive.mountPoint);
            json.field("kind", kindWord(drive.kind));
            json.field("label", drive.label);
            json.field("device", drive.device);
            json.field("source", drive.source);
            json.field("fsType", drive.fsType);
            json.endObject();
        }
        json.endArray();
        std::fprintf(context.out(), "%s\n", json.str().c_str());
        return kSuccess;
    }
    // A share has no device: what was mounted tells it instead.
    for (const MountedDrive& drive : all) {
        const std::string& device = drive.device.empty() ? drive.source : drive.device;
        std::fprintf(context.out(), "%s\t%s\t%s\t%s\n", drive.mountPoint.c_str(),
                     kindWord(drive.kind), drive.label.c_str(), device.c_str());
    }
    return kSuccess;
}

}  // namespace sonara::cli
