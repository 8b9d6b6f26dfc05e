#pragma once

#include <string>

#include "core/tools/editing/TagFields.h"

namespace sonara {

class Library;
class LibraryRecord;
class PathCache;
class Prompter;
struct NormaliseOptions;

// The library half of the record editor.
struct LibraryFields {
    std::string title;
    std::string artist;
    std::string genre;
    std::string comment;
};

// "Edit Library Record" without the dialog: one record and its file side by
// side. The caller has found the file (LocateRecordFile); the record, the
// library and the path cache outlive the editor.
class RecordEditor {
  public:
    enum class Close { Closed, StaysOpen };

    RecordEditor(LibraryRecord& record, std::string path, const NormaliseOptions& options);

    const std::string& path() const { return path_; }
    // The medium's name, or "n/a" for a song on a fixed drive.
    std::string mediaLine() const;

    LibraryFields library;
    TagFields tag;
    bool renameOnDisk = false;

    // "v": library title, artist, genre and comments into the tag.
    void copyLibraryToTag();
    // "^": the same four the other way. Album and year have no counterpart.
    void copyTagToLibrary();

    // OK: refuses tag fields the tag cannot store (their message shown, the
    // editor stays open, nothing changed); then writes the tag (always; a
    // failure shows 121 and the steps go on),
    // then renames the file when asked to "Artist - Title.mp3" in its own
    // folder. A name clash shows 149 and closes with the old name kept; any
    // other failure asks whether to try again, and Yes keeps the editor open
    // with the record untouched. Once closed the record takes the fields
    // and, after a rename, its new file name, which the path cache follows.
    Close accept(Prompter& prompter, Library& lib, PathCache& cache);

    bool renamed() const { return renamed_; }

  private:
    // False keeps the editor open. On a rename path_ names the new file.
    bool renameFile(Prompter& prompter, Library& lib);
    void updateRecord(Library& lib, PathCache& cache, const std::string& oldPath);

    LibraryRecord& record_;
    std::string path_;
    bool renamed_ = false;
};

}  // namespace sonara
