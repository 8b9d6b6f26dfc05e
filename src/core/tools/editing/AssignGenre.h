#pragma once

#include <string>
#include <vector>

namespace sonara {

class LibraryRecord;
class PathCache;
class Prompter;
class SourcesList;

struct AssignGenreResult {
    bool known = false;     // the name is one of the genre table's
    int tagsWritten = 0;    // files whose tag now holds the genre
    int notFound = 0;       // records whose file could not be found
    int writeFailures = 0;  // tags that could not be written
    int refused = 0;        // tags holding texts that a rewrite would lose
};

// "Assign Genre": each record, in order, takes the genre `name` (spelled as
// the table spells it), and the tag of its file, when found, takes the
// genre's index; a file without a tag gets one with blank texts. A name not
// in the table changes nothing. Files that cannot be found are skipped
// quietly; when tags could not be written message 121 is shown once. A tag
// whose texts the tag's character set cannot hold (put there by another
// tagger) is left as it is, and the first such file is named once.
AssignGenreResult assignGenre(const std::string& name, const std::vector<LibraryRecord*>& records,
                              const PathCache& cache, SourcesList& sources, Prompter& prompter);

}  // namespace sonara
