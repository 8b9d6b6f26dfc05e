#include "cli/Context.h"

#include "audio/Mpg123LengthProbe.h"
#include "core/library/LibraryFile.h"
#include "core/library/PathCacheFile.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesFile.h"
#include "core/settings/PreferenceStore.h"
#include "platform/LinuxDrives.h"

namespace sonara::cli {

Context::Context(DataPaths paths, std::FILE* out, std::FILE* err, std::optional<bool> fixedAnswer)
    : paths_(std::move(paths)), out_(out), err_(err), prompter_(stdin, err, fixedAnswer) {}

Context::~Context() = default;

void Context::report(const std::string& text) {
    std::fprintf(err_, "%s\n", text.c_str());
    std::fflush(err_);
}

void Context::noteDamage(const std::string& path, const std::string& what) {
    report(path + " is damaged: " + what + " before the damage were kept; the whole file is in " +
           path + ".damaged");
}

bool Context::saved(const Status& status) {
    if (!status) {
        report(status.error());
    }
    return status.ok();
}

PreferenceStore& Context::prefs() {
    if (!prefs_) {
        prefs_ = std::make_unique<PreferenceStore>(paths_.preferences, paths_.programFolder,
                                                   paths_.homeFolder);
        if (const Status loaded = prefs_->loadAll(); !loaded) {
            report(loaded.error());  // the defaults stand in
        }
    }
    return *prefs_;
}

Library& Context::library() {
    if (!library_) {
        library_ = std::make_unique<Library>();
        if (library_file::load(paths_.library, *library_) == LoadOutcome::Damaged) {
            noteDamage(paths_.library, std::to_string(library_->count()) + " records");
        }
    }
    return *library_;
}

SourcesList& Context::sources() {
    if (!sources_) {
        sources_ = std::make_unique<SourcesList>();
        if (sources_file::load(paths_.sources, *sources_) == LoadOutcome::Damaged) {
            noteDamage(paths_.sources, std::to_string(sources_->count()) + " sources");
        }
    }
    return *sources_;
}

PathCache& Context::pathCache() {
    if (!cache_) {
        cache_ = std::make_unique<PathCache>();
        path_cache_file::load(paths_.pathCache, *cache_, prompter_);
    }
    return *cache_;
}

CurrentPlayList& Context::playList() {
    if (!playList_) {
        playList_ = std::make_unique<CurrentPlayList>(PlayListAdder::Environment{
            prompter_, recordFactory(), pathCache(), sources(), *this, paths_.currentPlayList});
        playList_->applyPreferences(prefs());
        if (playList_->adder().loadCurrent() == LoadOutcome::Damaged) {
            noteDamage(paths_.currentPlayList,
                       std::to_string(playList_->list().count()) + " entries");
        }
    }
    return *playList_;
}

RecordFactory& Context::recordFactory() {
    if (!factory_) {
        probe_ = std::make_unique<audio::Mpg123LengthProbe>();
        factory_ = std::make_unique<RecordFactory>(probe_.get(), prefs().values().useId3v2Tags);
    }
    return *factory_;
}

Drives& Context::drives() {
    if (!drives_) {
        drives_ = std::make_unique<platform::LinuxDrives>();
    }
    return *drives_;
}

bool Context::saveInDataFolder(const std::function<Status()>& save) {
    return saved(paths_.ensureFolders()) && saved(save());
}

bool Context::saveLibrary() {
    return saveInDataFolder(
        [&] { return library_file::save(paths_.library, library(), prompter_); });
}

bool Context::saveSources() {
    return saveInDataFolder(
        [&] { return sources_file::save(paths_.sources, sources(), prompter_); });
}

bool Context::savePathCache() {
    return saveInDataFolder(
        [&] { return path_cache_file::save(paths_.pathCache, pathCache(), prompter_); });
}

bool Context::savePlayList() {
    return saveInDataFolder([&] { return playList().adder().saveCurrent(); });
}

void Context::saveDataFiles() {
    bool ok = !library_ || saveLibrary();
    ok = (!playList_ || savePlayList()) && ok;
    ok = (!sources_ || saveSources()) && ok;
    ok = (!cache_ || savePathCache()) && ok;
    dataFilesSaved_ = dataFilesSaved_ && ok;
}

bool Context::savePrefs() {
    return saveInDataFolder([&] { return prefs().saveAll(); });
}

}  // namespace sonara::cli
