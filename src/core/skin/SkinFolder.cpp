#include "core/skin/SkinFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/app/StringTable.h"
#include "core/io/Text.h"
#include "core/library/FolderWalk.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/BuiltInSkin.h"
#include "core/skin/SkinFiles.h"

namespace sonara::skin {

namespace fs = std::filesystem;

namespace {

std::string withSlash(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

// Names equal but for case keep a fixed order.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const int order = text::compareNoCase(a, b);
    return order < 0 || (order == 0 && a < b);
}

// Only regular files count: a folder or a device under a skin file's name
// would only trip up the loader.
bool isRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool holdsAnyTableFile(const std::string& folder) {
    for (int i = 0; i < kFileCount; ++i) {
        if (findFile(folder, fileInfo(i).name)) {
            return true;
        }
    }
    return false;
}

// A required file that is present counts, whatever it holds: decoding is
// the loader's business, and a file that does not decode leaves an empty
// slot there rather than being replaced behind the user's back.
bool allRequiredPresent(const std::string& folder) {
    for (int i = 0; i < kFileCount; ++i) {
        if (fileInfo(i).required && !findFile(folder, fileInfo(i).name)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> findFile(const std::string& folder, std::string_view name) {
    if (name.empty() || name.find('/') != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string base = withSlash(folder);
    // The exact name first: on a case-sensitive file system it wins over
    // look-alikes.
    const std::string exact = base + std::string(name);
    if (isRegularFile(exact)) {
        return exact;
    }
    const std::string listed = base.empty() ? "./" : base;
    std::optional<std::string> best;
    listFolder(listed, "*", [&](const std::string& path) {
        const std::string entryName = path.substr(listed.size());
        if (text::equalsNoCase(entryName, name) && (!best || entryName < *best)) {
            best = entryName;
        }
        return true;
    });
    if (!best) {
        return std::nullopt;
    }
    return base + *best;
}

std::string filePath(const std::string& folder, int index) {
    const std::string_view name = fileInfo(index).name;
    if (auto found = findFile(folder, name)) {
        return *found;
    }
    return withSlash(folder) + std::string(name);
}

std::vector<std::string> listSkins(const std::string& skinsFolder) {
    std::vector<std::string> names;
    if (skinsFolder.empty()) {
        return names;
    }
    const std::string listed = withSlash(skinsFolder);
    listFolder(
        listed, "", [](const std::string&) { return true; },
        [&](const std::string& folder) {
            if (findFile(folder, "tile.bmp")) {
                names.push_back(folder.substr(listed.size(), folder.size() - listed.size() - 1));
            }
        });
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

void extractBuiltInFile(const BuiltInSkin& builtIn, int index, const std::string& folder) {
    if (index < 0 || index >= kFileCount || !fileInfo(index).hasBuiltIn) {
        return;
    }
    writeShippedFile(builtIn, index, folder);
}

void writeShippedFile(const BuiltInSkin& builtIn, int index, const std::string& folder) {
    if (index < 0 || index >= kFileCount) {
        return;
    }
    const std::string_view bytes = builtIn.file(index);
    const std::string_view name = fileInfo(index).name;
    if (bytes.empty() || findFile(folder, name)) {
        return;
    }
    // Written beside the target and renamed, so that a full disk or a crash
    // leaves no half file that would later count as present.
    const std::string target = withSlash(folder) + std::string(name);
    const std::string temp = withSlash(folder) + "." + std::string(name) + ".part";
    bool written = false;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), std::streamsize(bytes.size()));
            out.close();
            written = !out.fail();
        }
    }
    std::error_code ec;
    if (written) {
        fs::rename(temp, target, ec);
    }
    if (!written || ec) {
        fs::remove(temp, ec);
    }
}

bool repairSkinFolder(const std::string& folder, const BuiltInSkin& builtIn) {
    for (int i = 0; i < kFileCount; ++i) {
        const SkinFileInfo& info = fileInfo(i);
        if (!info.required || findFile(folder, info.name)) {
            continue;
        }
        extractBuiltInFile(builtIn, i, folder);
        if (!findFile(folder, info.name)) {
            return false;
        }
    }
    return true;
}

std::string resetToDefaultSkin(SkinPreferences prefs, const BuiltInSkin& builtIn) {
    prefs.setSkinsFolder(std::string());
    prefs.setSkinName(stringText(TextId::Default));
    // The skin is put in place even when the preferences cannot be saved.
    (void)prefs.saveAll();
    const std::string folder = prefs.currentSkinFolder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (int i = 0; i < kFileCount; ++i) {
        extractBuiltInFile(builtIn, i, folder);
    }
    return folder;
}

SkinCheck checkAndRepairCurrentSkin(SkinPreferences prefs, const BuiltInSkin& builtIn) {
    const std::string folder = prefs.currentSkinFolder();
    if (!isFolder(folder) || !holdsAnyTableFile(folder)) {
        resetToDefaultSkin(prefs, builtIn);
        return SkinCheck::Reset;
    }
    if (allRequiredPresent(folder)) {
        return SkinCheck::Fine;
    }
    if (repairSkinFolder(folder, builtIn)) {
        return SkinCheck::Repaired;
    }
    resetToDefaultSkin(prefs, builtIn);
    return SkinCheck::Reset;
}

}  // namespace sonara::skin
