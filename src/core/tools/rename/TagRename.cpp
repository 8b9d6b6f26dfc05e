#include "core/tools/rename/TagRename.h"

#include <algorithm>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/FolderWalk.h"
#include "core/metadata/TagRecord.h"
#include "core/tools/rename/SafeRename.h"

namespace sonara {

namespace {

std::string trimRight(std::string text) {
    const auto end = text.find_last_not_of(" \t\r\n");
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

// The list sorts with upper-case folding, so "_" comes after the letters.
char foldToUpper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool lessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldToUpper(x)) <
               static_cast<unsigned char>(foldToUpper(y));
    });
}

}  // namespace

std::string nameFromTag(const std::string& artist, const std::string& title) {
    return artist + " - " + title + ".MP3";
}

RenameCandidate makeCandidate(const std::string& folder, const std::string& name) {
    RenameCandidate candidate;
    candidate.folder = folder;
    candidate.oldName = name;
    TagRecord tag(folder + name);
    if (tag.read()) {
        const std::string artist = trimRight(tag.artist);
        const std::string title = trimRight(tag.title);
        candidate.hasTag = true;
        candidate.newName = nameFromTag(artist, title);
        candidate.process = !artist.empty() && !title.empty();
    } else {
        candidate.newName = name;
    }
    if (text::equalsNoCase(candidate.newName, candidate.oldName)) {
        candidate.process = false;
    }
    return candidate;
}

RenameSearch searchForRename(const std::vector<std::string>& folders, Progress* progress) {
    RenameSearch search;
    for (const std::string& start : folders) {
        const WalkResult walk = walkFolder(
            files::withTrailingSlash(start), "*.MP3",
            [&](const std::string& path) {
                const std::string folder = files::folderPart(path);
                const std::string name = files::namePart(path);
                if (progress != nullptr) {
                    progress->show(name, folder);
                }
                search.candidates.push_back(makeCandidate(folder, name));
                return progress == nullptr || !progress->cancelled();
            },
            progress != nullptr ? &progress->cancelFlag() : nullptr);
        if (walk.cancelled || (progress != nullptr && progress->cancelled())) {
            search.cancelled = true;
            break;
        }
    }
    std::stable_sort(search.candidates.begin(), search.candidates.end(),
                     [](const RenameCandidate& a, const RenameCandidate& b) {
                         if (a.process != b.process) {
                             return a.process;
                         }
                         return lessNoCase(a.newName, b.newName);
                     });
    return search;
}

bool toggleProcess(RenameCandidate& candidate) {
    if (candidate.hasTag) {
        candidate.process = !candidate.process;
    }
    return candidate.process;
}

RenameResult renameCandidates(const std::vector<RenameCandidate>& candidates, Prompter& prompter,
                              Progress* progress, const RenamedFile& renamed) {
    RenameResult result;
    if (prompter.ask(stringText(TextId::RenameCheckedQuestion), Buttons::YesNo) != Answer::Yes) {
        return result;
    }
    result.asked = true;
    for (const RenameCandidate& candidate : candidates) {
        if (!candidate.process || !candidate.hasTag) {
            continue;
        }
        if (progress != nullptr) {
            progress->show(candidate.oldName, candidate.folder);
        }
        const std::string oldPath = candidate.oldPath();
        if (!files::exists(oldPath)) {
            ++result.skipped;
            continue;
        }
        if (files::isReadOnly(oldPath)) {
            prompter.message(stringText(TextId::ReadOnlyRenameFailed) + "\n" + oldPath,
                             Icon::Exclamation);
            ++result.failed;
            continue;
        }
        // A tag text holding "/" must not move the file out of its folder,
        // nor one holding ":" or "?" make a name the file's other homes refuse.
        if (!isPortableFileName(candidate.newName) ||
            renameNoReplace(oldPath, candidate.newPath()) != RenameOutcome::Renamed) {
            prompter.message(stringText(TextId::IllegalCharacters) + "\n" + oldPath,
                             Icon::Exclamation);
            ++result.failed;
            continue;
        }
        ++result.renamed;
        if (renamed) {
            renamed(candidate);
        }
    }
    return result;
}

}  // namespace sonara
