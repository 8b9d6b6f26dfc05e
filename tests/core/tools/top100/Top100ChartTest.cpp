#include "core/tools/top100/Top100Chart.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/StringTable.h"
#include "support/PlayListFixture.h"

namespace sonara::testing {
namespace {

class Top100 : public PlayListFixture {};

TEST_F(Top100, NoRequestsMeansAnEmptyChart) {
    song("a.mp3");
    song("b.mp3");
    Top100Chart chart(library, adder, ViewMode::Normal, prompter);
    EXPECT_EQ(chart.rowCount(), 0u);
    EXPECT_EQ(chart.add(0), std::nullopt);
    EXPECT_EQ(chart.add(std::nullopt), std::nullopt);
    EXPECT_TRUE(list.empty());
}

TEST_F(Top100, OnlyTheHundredMostRequestedAreRankedMostFirst) {
    for (int i = 0; i < 150; ++i) {
        song("s" + std::to_string(1000 + i) + ".mp3")->playCount = i + 1;
    }
    song("never.mp3");
    Top100Chart chart(library, adder, ViewMode::Normal, prompter);
    EXPECT_EQ(chart.view().size(), 150u);
    ASSERT_EQ(chart.rowCount(), 100u);
    EXPECT_EQ(chart.rowRecord(0)->playCount, 150);
    EXPECT_EQ(chart.rowRecord(99)->playCount, 51);
    EXPECT_EQ(chart.rowRecord(100), nullptr);
}

TEST_F(Top100, AddingCountsAPlaySoTheSongCanRiseOnReopening) {
    LibraryRecord* a = song("a.mp3");
    LibraryRecord* b = song("b.mp3");
    a->playCount = 2;
    b->playCount = 2;
    Top100Chart chart(library, adder, ViewMode::Normal, prompter);
    ASSERT_EQ(chart.rowRecord(1), b);  // equal counts keep library order
    EXPECT_EQ(chart.add(1), 0u);
    EXPECT_EQ(b->playCount, 3);
    EXPECT_EQ(list.at(0).path, path("b.mp3"));
    EXPECT_TRUE(prompter.messages.empty());
    chart.reopen();
    EXPECT_EQ(chart.rowRecord(0), b);

    EXPECT_EQ(chart.addAndTell(1), 1u);
    EXPECT_EQ(a->playCount, 3);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::SongAddedToPlayList)});
    EXPECT_EQ(saver.saves, 2);

    // A song whose file is gone is not claimed as added.
    song("gone.mp3", 60, "", false)->playCount = 9;
    chart.reopen();
    ASSERT_EQ(chart.rowRecord(0)->fileName(), "gone.mp3");
    prompter.messages.clear();
    EXPECT_EQ(chart.addAndTell(0), std::nullopt);
    EXPECT_EQ(chart.rowRecord(0)->playCount, 9);
    EXPECT_EQ(std::count(prompter.messages.begin(), prompter.messages.end(),
                         stringText(TextId::SongAddedToPlayList)),
              0);
}

TEST_F(Top100, ClearAsksThenResetsEveryCount) {
    LibraryRecord* a = song("a.mp3");
    a->playCount = 4;
    Top100Chart chart(library, adder, ViewMode::Normal, prompter);
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(chart.clear());
    EXPECT_EQ(a->playCount, 4);
    EXPECT_EQ(chart.rowCount(), 1u);

    prompter.answerNext(Answer::Yes);
    EXPECT_TRUE(chart.clear());
    EXPECT_EQ(prompter.questions.back(), "Are you sure you want to reset the list?");
    EXPECT_EQ(a->playCount, 0);
    EXPECT_EQ(chart.rowCount(), 0u);
    chart.reopen();
    EXPECT_EQ(chart.rowCount(), 0u);
}

}  // namespace
}  // namespace sonara::testing
