#include "core/metadata/GenrePicker.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/StringTable.h"
#include "core/io/Text.h"
#include "core/metadata/GenreTable.h"

namespace sonara {
namespace {

GenrePicker picker(bool multiple, bool flagsMode, const std::string& letter,
                   const std::string& flags = {}) {
    return GenrePicker(GenrePickerSettings{multiple, flagsMode, letter, flags});
}

size_t rowOf(const GenrePicker& p, int genre) {
    for (size_t row = 0; row < p.count(); ++row) {
        if (p.genreIndex(row) == genre) {
            return row;
        }
    }
    return p.count();
}

TEST(GenrePicker, ListsByFirstLetterSortedIgnoringCase) {
    const GenrePicker all = picker(true, false, "*");
    ASSERT_EQ(all.count(), size_t(genres::kCount));
    EXPECT_EQ(all.name(0), "Acid");
    for (size_t row = 1; row < all.count(); ++row) {
        EXPECT_LE(text::compareNoCase(all.name(row - 1), all.name(row)), 0) << row;
    }
    const GenrePicker j = picker(true, false, "j");
    std::vector<std::string> names;
    for (size_t row = 0; row < j.count(); ++row) {
        names.push_back(j.name(row));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Jazz", "Jazz+Funk", "Jungle"}));
    EXPECT_EQ(picker(true, false, "1").count(), 0u);  // no genre starts with a digit
    EXPECT_EQ(picker(true, false, "").count(), 0u);
}

TEST(GenrePicker, TheTwoFusionRowsAreTwoGenres) {
    GenrePicker p = picker(true, true, "*", std::string(genres::kCount, '0'));
    const size_t second = rowOf(p, 84);
    ASSERT_EQ(p.name(second), "Fusion");
    EXPECT_EQ(p.name(rowOf(p, 30)), "Fusion");
    p.setSelected(second, true);
    const std::string flags = p.flagsText();
    EXPECT_EQ(flags.size(), size_t(genres::kCount));
    EXPECT_EQ(flags[84], '1');
    EXPECT_EQ(flags[30], '0');
    EXPECT_EQ(p.selectedNames(), (std::vector<std::string>{"Fusion"}));
}

TEST(GenrePicker, FlagsModeStartsFromTheFlagsOrFromEverything) {
    const GenrePicker fresh = picker(true, true, "*");
    EXPECT_TRUE(fresh.accept());
    EXPECT_EQ(fresh.flagsText(), std::string(genres::kCount, '1'));

    // A short or odd text: what it does not cover is not selected.
    const GenrePicker some = picker(true, true, "*", "1x01");
    EXPECT_TRUE(some.isSelected(rowOf(some, 0)));
    EXPECT_FALSE(some.isSelected(rowOf(some, 1)));
    EXPECT_TRUE(some.isSelected(rowOf(some, 3)));
    EXPECT_FALSE(some.isSelected(rowOf(some, 4)));
    EXPECT_EQ(some.flagsText(), "1001" + std::string(genres::kCount - 4, '0'));
}

TEST(GenrePicker, FilteredFlagsHoldEverySelectedIndex) {
    // "Jazz" is 8, "Jazz+Funk" 29, "Jungle" 63: far beyond three characters.
    GenrePicker p = picker(true, true, "J", "000");
    p.setSelected(rowOf(p, 63), true);
    const std::string flags = p.flagsText();
    ASSERT_EQ(flags.size(), 64u);
    EXPECT_EQ(flags[63], '1');
    EXPECT_EQ(std::count(flags.begin(), flags.end(), '1'), 1);
}

TEST(GenrePicker, SingleModeKeepsOneAndNeedsOne) {
    GenrePicker p = picker(false, false, "*");
    EXPECT_FALSE(p.showsSelectAllButtons());
    EXPECT_FALSE(p.accept());
    p.setSelected(3, true);
    p.setSelected(5, true);
    p.selectAll();  // hidden in single mode
    EXPECT_FALSE(p.isSelected(3));
    EXPECT_TRUE(p.isSelected(5));
    EXPECT_EQ(p.selectedName(), p.name(5));
    p.setSelected(5, false);
    EXPECT_FALSE(p.accept());
    EXPECT_EQ(p.selectedName(), "");
    p.setSelected(999, true);  // out of range: nothing
    EXPECT_FALSE(p.accept());

    // Flags with several ones still give a single picker one selection.
    const GenrePicker fromFlags = picker(false, true, "*", "1111");
    EXPECT_EQ(fromFlags.selectedNames().size(), 1u);
}

TEST(GenrePicker, SelectAllAndClearAllInMultipleMode) {
    GenrePicker p = picker(true, false, "r");
    p.selectAll();
    EXPECT_EQ(p.selectedNames().size(), p.count());
    EXPECT_EQ(p.selectedNames().front(), "R&B");
    p.clearAll();
    EXPECT_FALSE(p.accept());
    EXPECT_EQ(stringText(TextId::SelectOneGenre), "You must select at least one Genre.");
}

}  // namespace
}  // namespace sonara
