#include "gui/app/AppSession.h"

#include <cassert>
#include <cstdio>
#include <future>

#include "audio/engine/PlayListBinding.h"
#include "audio/engine/PlayerSettings.h"
#include "core/app/StringTable.h"
#include "core/library/LibraryFile.h"
#include "core/library/PathCacheFile.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesFile.h"
#include "core/playlist/CurrentPlayList.h"

namespace sonara::gui {

namespace {

// For what the user cannot act on at start-up: the program goes on without.
void warn(const std::string& text) {
    std::fprintf(stderr, "sonara: %s\n", text.c_str());
}

}  // namespace

AppSession::AppSession(DataPaths paths, const skin::BuiltInSkin& defaultSkin,
                       std::vector<skin::BundledSkin> shippedSkins)
    : paths_(std::move(paths)),
      prefs_(paths_.preferences, paths_.programFolder, paths_.homeFolder),
      switcher_(SkinContext{skin_, prefs_}, defaultSkin, std::move(shippedSkins)),
      prompter_(SkinContext{skin_, prefs_}),
      player_(dispatcher_, outputs_, prompter_) {}

AppSession::~AppSession() = default;

Status AppSession::startUp() {
    if (const Status made = paths_.ensureFolders(); !made) {
        return Status::failure(stringText(TextId::UnableToInitialize) + "\n" + made.error());
    }
    // The library is the one big file: it is read on a second core while
    // the preferences, the player and the skin start. Nothing else touches
    // the library until the read is taken below.
    std::future<LoadOutcome> libraryRead = std::async(
        std::launch::async, [this] { return library_file::load(paths_.library, library_); });
    if (const Status loaded = prefs_.loadAll(); !loaded) {
        warn(loaded.error());  // the defaults stand in
    }
    player_.startUp(audio::playerSettings(prefs_));
    if (const Status chosen = audio::chooseOutputDevice(player_, prefs_); !chosen) {
        warn(chosen.error());  // the choice holds for this run all the same
    }
    skinLoaded_ = switcher_.startUp();
    if (!skinLoaded_) {
        warn("the skin could not be loaded; drawing without it");
    }
    recordFactory_ = std::make_unique<RecordFactory>(&probe_, prefs_.values().useId3v2Tags != 0);
    playList_ = std::make_unique<CurrentPlayList>(PlayListAdder::Environment{
        prompter_, *recordFactory_, pathCache_, sources_, *this, paths_.currentPlayList});
    playList_->applyPreferences(prefs_);
    loadDataFiles(libraryRead);
    playList_->sequence().setLibrary(&library_);
    if (playList_->sequence().options().randomAdd) {
        playList_->sequence().rebuildRandomPool();
    }
    binding_ = std::make_unique<audio::PlayListBinding>(player_, playList_->sequence());
    services_.emplace(MainServices{skinContext(), paths_, dispatcher_, prompter_, library_,
                                   sources_, pathCache_, *recordFactory_, *playList_, player_,
                                   *this});
    return Status::success();
}

void AppSession::loadDataFiles(std::future<LoadOutcome>& libraryRead) {
    if (sources_file::load(paths_.sources, sources_) == LoadOutcome::Damaged) {
        reportDamage(paths_.sources);
    }
    // The path cache tells of its own damage.
    (void)path_cache_file::load(paths_.pathCache, pathCache_, prompter_);
    if (playList_->adder().loadCurrent() == LoadOutcome::Damaged) {
        reportDamage(paths_.currentPlayList);
    }
    // None of the files above needs the library: its read is taken last.
    if (libraryRead.get() == LoadOutcome::Damaged) {
        reportDamage(paths_.library);
    }
}

void AppSession::reportDamage(const std::string& path) {
    prompter_.message(formatText(TextId::DataFileDamaged, path, path), Icon::Exclamation);
}

MainServices& AppSession::services() {
    assert(services_ && "services() before startUp()");
    return *services_;
}

void AppSession::note(const Status& saved, Status& first) {
    if (saved) {
        return;
    }
    prompter_.message(saved.error(), Icon::Exclamation);
    if (first) {
        first = saved;
    }
}

Status AppSession::saveEachDataFile() {
    Status first = Status::success();
    note(paths_.ensureFolders(), first);
    if (!first) {
        return first;
    }
    note(playList_->adder().saveCurrent(), first);
    note(library_file::save(paths_.library, library_, prompter_), first);
    note(sources_file::save(paths_.sources, sources_, prompter_), first);
    note(path_cache_file::save(paths_.pathCache, pathCache_, prompter_), first);
    return first;
}

void AppSession::saveDataFiles() {
    (void)saveEachDataFile();  // each failure was shown
}

Status AppSession::shutDown() {
    player_.stopIfOpen();
    Status first = saveEachDataFile();
    note(prefs_.saveAll(), first);
    return first;
}

}  // namespace sonara::gui
