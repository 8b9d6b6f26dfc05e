#pragma once

#include "core/app/DataPaths.h"

namespace sonara {

class CurrentPlayList;
class Library;
class PathCache;
class Prompter;
class SourcesList;

// What a restore replaced on disk, read again into the running program.
struct ReloadTargets {
    Library& library;
    SourcesList& sources;
    PathCache& pathCache;
    CurrentPlayList& playList;
};

// Reads, in this order, the library, the sources list, the path cache and
// the current play list from `paths` into `targets`. Each structure is
// emptied first, so a data file the backup lacked leaves it empty rather
// than keeping what the program held before; the play list is stopped
// before it is emptied. A damaged file keeps what was read before the damage
// and is reported through `prompter`. The caller's views must have let go of
// the library's records before. User-interface thread.
void reloadDataFiles(const DataPaths& paths, const ReloadTargets& targets, Prompter& prompter);

}  // namespace sonara
