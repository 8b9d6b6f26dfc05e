#include "core/mainwnd/CaptionTicker.h"

#include <gtest/gtest.h>

namespace sonara {
namespace {

TEST(CaptionTicker, IdleCaptionTurnsWithTenSpaces) {
    EXPECT_EQ(CaptionTicker::initialCaption(), "Sonara          ");
    CaptionTicker ticker;
    EXPECT_EQ(ticker.tick("Sonara", true), "Sonara          ");
    EXPECT_EQ(ticker.tick("Sonara", true), "onara          S");
    for (int i = 0; i < 14; ++i) {
        ticker.tick("Sonara", true);
    }
    // After a full turn of 16 characters it starts over.
    EXPECT_EQ(ticker.tick("Sonara", true), "Sonara          ");
}

TEST(CaptionTicker, WithoutScrollingTheProgramNameStandsStill) {
    CaptionTicker ticker;
    EXPECT_EQ(ticker.tick("Artist - Song - Sonara", false), "Sonara");
    EXPECT_EQ(ticker.tick("Artist - Song - Sonara", false), "Sonara");
}

TEST(CaptionTicker, LongTitleScrollsThroughThirtyTwoCharacters) {
    const std::string song = "The Longest Band Name - A Rather Long Song Title - Sonara";
    const std::string full = song + "  ***  ";
    CaptionTicker ticker;
    for (size_t i = 0; i < full.size(); ++i) {
        const std::string shown = ticker.tick(song, true);
        const std::string rotated = full.substr(i) + full.substr(0, i);
        ASSERT_EQ(shown, rotated.substr(0, 32)) << "tick " << i;
    }
    EXPECT_EQ(ticker.tick(song, true), full.substr(0, 32));
}

TEST(CaptionTicker, CountsCharactersNotBytes) {
    CaptionTicker ticker;
    // 29 characters of two bytes each, then the separator.
    std::string umlauts;
    for (int i = 0; i < 29; ++i) {
        umlauts += "\xC3\xA4";
    }
    const std::string first = ticker.tick(umlauts, true);
    EXPECT_EQ(first, umlauts + "  *");
    const std::string second = ticker.tick(umlauts, true);
    EXPECT_EQ(second, umlauts.substr(2) + "  **");

    // A new, shorter caption after a long one starts from its beginning.
    for (int i = 0; i < 20; ++i) {
        ticker.tick(umlauts, true);
    }
    EXPECT_EQ(ticker.tick("A - B - Sonara", true).substr(0, 3), "A -");
}

}  // namespace
}  // namespace sonara
