#include <gtest/gtest.h>

#include <set>

#include "core/app/StringTable.h"
#include "support/PlayListFixture.h"

namespace sonara::testing {
namespace {

class PlayListRandom : public PlayListFixture {
  protected:
    // "RandomGenre" with only the genres named '1' (116 characters).
    static std::string onlyGenres(std::initializer_list<int> on) {
        std::string text(116, '0');
        for (const int genre : on) {
            text[size_t(genre)] = '1';
        }
        return text;
    }
};

TEST_F(PlayListRandom, AGenreWithoutSongsAddsNothingAndSaysSo) {
    song("blues.mp3", 60, "Blues");
    song("rock.mp3", 60, "rock");  // genre names match ignoring case
    prefs.values().randomGenre = onlyGenres({1});
    applyPrefs();
    sequence.rebuildRandomPool();
    EXPECT_TRUE(sequence.randomPool().empty());
    EXPECT_EQ(sequence.pickRandom(), std::nullopt);
    EXPECT_EQ(sequence.addRandom(5), 0);
    EXPECT_TRUE(list.empty());
    ASSERT_EQ(prompter.messages.size(), 6u);  // one for each failed pick
    EXPECT_EQ(prompter.messages[0], stringText(TextId::RandomAddFailure));

    prefs.values().randomGenre = onlyGenres({17});
    applyPrefs();
    sequence.rebuildRandomPool();
    ASSERT_TRUE(sequence.pickRandom());
    EXPECT_EQ(list.at(0).path, path("rock.mp3"));
}

TEST_F(PlayListRandom, GenresOutsideTheTableNeedEveryGenreOn) {
    song("blues.mp3", 60, "Blues");
    song("rock.mp3", 60, "Rock");
    song("odd.mp3", 60, "Not A Genre");
    prefs.values().randomGenre = std::string(116, '1');
    applyPrefs();
    sequence.rebuildRandomPool();
    EXPECT_EQ(sequence.randomPool().size(), 3u);
    prefs.values().randomGenre = onlyGenres({0, 17});
    applyPrefs();
    sequence.rebuildRandomPool();
    EXPECT_EQ(sequence.randomPool().size(), 2u);
    // A short string: genres past its end are off, but all of it is '1'.
    prefs.values().randomGenre = "1";
    applyPrefs();
    sequence.rebuildRandomPool();
    std::set<std::string> picked;
    EXPECT_EQ(sequence.randomPool().size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const auto row = sequence.pickRandom();
        ASSERT_TRUE(row);
        picked.insert(list.at(*row).path);
    }
    EXPECT_EQ(picked, (std::set<std::string>{path("blues.mp3"), path("odd.mp3")}));
    prefs.values().randomGenre.clear();
    applyPrefs();
    sequence.rebuildRandomPool();
    EXPECT_EQ(sequence.randomPool().size(), 3u);
}

TEST_F(PlayListRandom, TitlesDoNotRepeatUntilThePoolIsRebuilt) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}) {
        song(name);
    }
    sequence.rebuildRandomPool();
    EXPECT_EQ(sequence.addRandom(4), 4);
    std::set<std::string> paths;
    for (const PlayListEntry& entry : list.entries()) {
        paths.insert(entry.path);
        EXPECT_EQ(entry.state, EntryState::Unplayed);
    }
    EXPECT_EQ(paths.size(), 4u);
    // The last draw emptied the pool, which was then built again.
    EXPECT_EQ(sequence.randomPool().size(), 4u);
    EXPECT_EQ(sequence.addRandom(1), 1);
    for (size_t i = 0; i < library.count(); ++i) {
        EXPECT_EQ(library.at(i)->playCount, 0);  // random adds are not requests
    }
    EXPECT_EQ(saver.saves, 0);
    EXPECT_TRUE(player.opens.empty());
}

TEST_F(PlayListRandom, FilesThatCannotBeFoundAreSkippedWithoutAsking) {
    song("gone1.mp3", 60, "", false);
    song("here.mp3");
    song("gone2.mp3", 60, "", false)->setMediaName("Disc");
    sequence.rebuildRandomPool();
    const auto row = sequence.pickRandom();
    ASSERT_TRUE(row);
    EXPECT_EQ(list.at(*row).path, path("here.mp3"));
    EXPECT_TRUE(prompter.messages.empty());

    // Nothing left that can be found: two rebuilds, then the message.
    std::remove(path("here.mp3").c_str());
    cache.clear();
    EXPECT_EQ(sequence.pickRandom(), std::nullopt);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::RandomAddFailure)});
    EXPECT_EQ(list.count(), 1u);
}

TEST_F(PlayListRandom, AnIndexPastTheLibraryIsAFailedAdd) {
    song("a.mp3");
    song("b.mp3");
    sequence.rebuildRandomPool();
    library.removeAt(1);  // the pool still holds index 1
    std::set<std::string> picked;
    for (int i = 0; i < 2; ++i) {
        if (const auto row = sequence.pickRandom()) {
            picked.insert(list.at(*row).path);
        }
    }
    EXPECT_EQ(picked, std::set<std::string>{path("a.mp3")});
}

}  // namespace
}  // namespace sonara::testing
