#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/library/Library.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "support/PlayListFakes.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::testing {

// The current play list, wired as the program wires it, over a library of
// real (empty) files in a temporary folder, a fake player and a fake window.
class PlayListFixture : public ::testing::Test {
  protected:
    PlayListFixture();

    // After a change of `prefs`: the play list's options follow it, as the
    // program's do after the preferences dialog.
    void applyPrefs() { current.applyPreferences(prefs); }

    // A file in the music folder, known to the path cache, with a record in
    // the library.
    LibraryRecord* song(const std::string& name, int seconds = 60, const std::string& genre = "",
                        bool onDisk = true);
    // Songs appended to the list (not through the library).
    void queue(const std::vector<std::string>& names, int seconds = 60);

    std::string path(const std::string& name) const { return dir.file(name); }
    std::vector<EntryState> states() const;
    int currentCount() const;

    // Whatever a test did, the window's rows still mirror the entries and at
    // most one entry is current.
    void TearDown() override;

    TempDir dir;
    PreferenceStore prefs;
    ScriptedPrompter prompter;
    FakeProbe probe;
    RecordFactory factory;
    PathCache cache;
    SourcesList sources;
    CountingSaver saver;
    Library library;
    FakePlayer player;
    CurrentPlayList current;
    PlayList& list;
    PlaySequence& sequence;
    PlayListAdder& adder;
    NowPlaying& now;
    FakeView view;
};

}  // namespace sonara::testing
