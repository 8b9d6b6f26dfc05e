#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/TerminalPrompter.h"
#include "core/app/DataFileSaver.h"
#include "core/app/DataPaths.h"
#include "core/library/Library.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"
#include "core/playlist/CurrentPlayList.h"

namespace sonara {
class Drives;
class LengthProbe;
class PreferenceStore;
class RecordFactory;
}  // namespace sonara

namespace sonara::cli {

// Exit codes of sonara-cli.
enum ExitCode : int { kSuccess = 0, kFailure = 1, kUsage = 2 };

// What one run of sonara-cli works on: the data paths, the preferences and
// the data files, each loaded when a command first needs it and saved when
// the command changed it. It saves the data files the way the program does
// after songs were added (the loaded ones only).
class Context final : public DataFileSaver {
  public:
    Context(DataPaths paths, std::FILE* out, std::FILE* err, std::optional<bool> fixedAnswer);
    ~Context() override;

    const DataPaths& paths() const { return paths_; }
    Prompter& prompter() { return prompter_; }
    std::FILE* out() const { return out_; }
    std::FILE* err() const { return err_; }

    PreferenceStore& prefs();
    Library& library();
    SourcesList& sources();
    PathCache& pathCache();
    // The current play list, without the library: commands that draw random
    // titles attach it.
    CurrentPlayList& playList();
    RecordFactory& recordFactory();
    // The system's drives, read when first asked for.
    Drives& drives();

    // Each returns false (after telling why on stderr) when the file could
    // not be written.
    bool saveLibrary();
    bool saveSources();
    bool savePathCache();
    bool savePlayList();
    bool savePrefs();
    // The library, the current play list, the sources and the path cache.
    void saveDataFiles() override;
    // False once a save of saveDataFiles() failed.
    bool dataFilesSaved() const { return dataFilesSaved_; }

    void report(const std::string& text);  // a line on stderr

  private:
    void noteDamage(const std::string& path, const std::string& what);
    bool saved(const Status& status);
    // Creates the data folders when missing, then saves; reports failures.
    bool saveInDataFolder(const std::function<Status()>& save);

    DataPaths paths_;
    std::FILE* out_;
    std::FILE* err_;
    TerminalPrompter prompter_;
    std::unique_ptr<PreferenceStore> prefs_;
    std::unique_ptr<Library> library_;
    std::unique_ptr<SourcesList> sources_;
    std::unique_ptr<PathCache> cache_;
    std::unique_ptr<LengthProbe> probe_;
    std::unique_ptr<RecordFactory> factory_;
    std::unique_ptr<Drives> drives_;
    // After what it borrows.
    std::unique_ptr<CurrentPlayList> playList_;
    bool dataFilesSaved_ = true;
};

}  // namespace sonara::cli
