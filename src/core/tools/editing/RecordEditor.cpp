#include "core/tools/editing/RecordEditor.h"

#include <utility>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/library/Library.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/library/RecordRename.h"
#include "core/tools/rename/SafeRename.h"

namespace sonara {

namespace {

std::string retryQuestion() {
    return stringText(TextId::RenameFailed) +
           "\n\nWould you like to fix the problem and attempt to rename the file again?" +
           "\n\nNote:  " + stringText(TextId::SlashNotAllowed);
}

}  // namespace

RecordEditor::RecordEditor(LibraryRecord& record, std::string path, const NormaliseOptions& options)
    : record_(record), path_(std::move(path)) {
    library.title = record.displayTitle(options);
    library.artist = record.displayArtist(options);
    library.genre = std::string(record.genre());
    library.comment = std::string(record.comment());
    tag = readTagFields(path_);
}

std::string RecordEditor::mediaLine() const {
    return record_.mediaName().empty() ? std::string("n/a") : std::string(record_.mediaName());
}

void RecordEditor::copyLibraryToTag() {
    tag.title = library.title;
    tag.artist = library.artist;
    tag.genre = library.genre;
    tag.comment = library.comment;
}

void RecordEditor::copyTagToLibrary() {
    library.title = tag.title;
    library.artist = tag.artist;
    library.genre = tag.genre;
    library.comment = tag.comment;
}

RecordEditor::Close RecordEditor::accept(Prompter& prompter, Library& lib, PathCache& cache) {
    // Texts the tag cannot store would come back as "?": nothing changes
    // until they are mended.
    if (const Status refused = checkTagFields(tag); !refused) {
        prompter.message(refused.error(), Icon::Exclamation);
        return Close::StaysOpen;
    }
    // A failed write has shown 121; the record and the rename go on, as in
    // the dialog.
    (void)writeTagFields(path_, tag, prompter);
    const std::string oldPath = path_;
    if (renameOnDisk && !renamed_ && !renameFile(prompter, lib)) {
        return Close::StaysOpen;
    }
    updateRecord(lib, cache, oldPath);
    return Close::Closed;
}

bool RecordEditor::renameFile(Prompter& prompter, Library& lib) {
    const std::string newName = library.artist + " - " + library.title + ".mp3";
    const std::string newPath = files::folderPart(path_) + newName;
    if (newPath == path_) {
        return true;
    }
    // A name holding "/" would move the file into another folder: refused
    // like any other name the file system cannot take.
    if (!isPlainFileName(newName)) {
        return prompter.ask(retryQuestion(), Buttons::YesNo) != Answer::Yes;
    }
    // Records are known by bare file name: taking the name of another
    // record's file would make two records one.
    const std::optional<size_t> other = lib.findByName(newName);
    if (other && lib.at(*other) != &record_) {
        prompter.message(stringText(TextId::FileNameExists), Icon::Exclamation);
        return true;
    }
    switch (renameNoReplace(path_, newPath)) {
        case RenameOutcome::Renamed:
            path_ = newPath;
            renamed_ = true;
            return true;
        case RenameOutcome::TargetExists:
            prompter.message(stringText(TextId::FileNameExists), Icon::Exclamation);
            return true;
        case RenameOutcome::Failed:
            break;
    }
    return prompter.ask(retryQuestion(), Buttons::YesNo) != Answer::Yes;
}

void RecordEditor::updateRecord(Library& lib, PathCache& cache, const std::string& oldPath) {
    record_.setArtist(library.artist);
    record_.setTitle(library.title);
    record_.setReserved("");
    record_.setComment(library.comment);
    record_.setTagArtist(tag.artist);
    record_.setTagAlbum(tag.album);
    record_.setTagTitle(tag.title);
    record_.setGenre(library.genre);
    if (renamed_ && path_ != oldPath) {
        record_.setFileName(files::namePart(path_));
        lib.markUnsorted();
        followRename(cache, oldPath, path_);
    }
}

}  // namespace sonara
