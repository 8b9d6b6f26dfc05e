#pragma once

#include <string>

#include "core/io/Result.h"

namespace sonara {

// Where Sonara keeps its files. The "home" override (--home or
// $SONARA_HOME) puts every file, Sonara.ini included, into one folder, for
// tests and portable installs; otherwise the data files live in
// $XDG_DATA_HOME/sonara and Sonara.ini in $XDG_CONFIG_HOME/sonara.
// Paths are built once and do not change while the program runs.
struct DataPaths {
    std::string programFolder;    // the data folder, without a trailing "/"
    std::string configFolder;     // holds Sonara.ini
    std::string library;          // Sonara.dat
    std::string sources;          // Config.dat
    std::string pathCache;        // DBCache.dat
    std::string currentPlayList;  // CurrPl.snl
    std::string preferences;      // Sonara.ini
    std::string homeFolder;       // the user's home, with a trailing "/"

    // `homeOverride` is the --home argument (empty when not given).
    static DataPaths resolve(const std::string& homeOverride);
    // Creates the folders when missing.
    Status ensureFolders() const;
};

}  // namespace sonara
