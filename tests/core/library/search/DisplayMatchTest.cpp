#include "core/library/search/DisplayMatch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/io/CaseFold.h"
#include "core/io/Characters.h"
#include "core/io/Text.h"
#include "core/library/LibraryRecord.h"
#include "core/metadata/Normaliser.h"

namespace sonara {
namespace {

NormaliseOptions optionsFromBits(unsigned bits) {
    NormaliseOptions o;
    o.replaceBrackets = bits & 1;
    o.replaceParens = bits & 2;
    o.replaceUnderscore = bits & 4;
    o.firstLetterCaps = bits & 8;
    return o;
}

// The shortcuts must never change what a comparison sees: wherever a stored
// text is kept it must fold exactly like the normalised one, and the search's
// own normalising must give the display value itself.
TEST(DisplayKey, ShortcutsAgreeWithTheDisplayNormalisation) {
    const char* alphabet[] = {"a", "B",  " ", "_", "[", "]", "(",
                              ")", "\t", "é", "É", "÷", "1", "z"};
    std::mt19937 random(7);
    std::string made;
    for (unsigned bits = 0; bits < 16; ++bits) {
        const NormaliseOptions options = optionsFromBits(bits);
        for (int n = 0; n < 3000; ++n) {
            std::string text;
            const int length = int(random() % 40);
            for (int k = 0; k < length; ++k) {
                text += alphabet[random() % std::size(alphabet)];
            }
            const std::string display = normalise(text, options);
            normaliseInto(text, options, made);
            ASSERT_EQ(made, display) << "'" << text << "' with options " << bits;
            if (normalisesToItself(text, options)) {
                EXPECT_TRUE(text::equalsNoCase(text, display))
                    << "'" << text << "' shows as '" << display << "' with options " << bits;
            }
        }
    }
}

TEST(DisplayKey, FollowsTheRecordsDisplayRule) {
    LibraryRecord r;
    r.setTitle("file_title");
    r.setArtist("file artist");
    r.setTagTitle("Tag Title");
    r.setTagAlbum("(live) album");
    NormaliseOptions options;
    options.useTagInfo = true;
    std::string scratch;
    // No tag artist: the file-name values, as the list shows them.
    EXPECT_EQ(displayKey(r, DisplayField::Title, options, scratch), "File Title");
    EXPECT_TRUE(text::equalsNoCase(displayKey(r, DisplayField::Artist, options, scratch),
                                   r.displayArtist(options)));
    EXPECT_EQ(displayKey(r, DisplayField::Album, options, scratch), "Live Album");
    r.setTagArtist("Tag Artist");
    EXPECT_EQ(displayKey(r, DisplayField::Title, options, scratch), "Tag Title");
    EXPECT_EQ(displayValue(r, DisplayField::Artist, options), "Tag Artist");
}

TEST(FoldedPattern, FindsAnywhereCaseFolded) {
    const FoldedPattern ab("aB");
    EXPECT_TRUE(ab.foundIn("Cab Ride"));
    EXPECT_TRUE(ab.foundIn("ABBEY"));
    EXPECT_TRUE(ab.foundIn("xxab"));
    EXPECT_FALSE(ab.foundIn("a b"));
    EXPECT_FALSE(ab.foundIn("a"));
    EXPECT_FALSE(ab.foundIn(""));
    EXPECT_TRUE(FoldedPattern("CAFé").foundIn("le café"));
    EXPECT_FALSE(FoldedPattern("").foundIn(""));
    // Letters beyond A to Z fold too, whatever the script.
    EXPECT_TRUE(FoldedPattern("CAFÉ").foundIn("le café"));
    EXPECT_TRUE(FoldedPattern("BJÖRK").foundIn("Björk"));
    EXPECT_TRUE(FoldedPattern("КИНО").foundIn("Группа Кино"));
    EXPECT_TRUE(FoldedPattern("straße").foundIn("STRASSE 1"));
    EXPECT_TRUE(FoldedPattern("STRASSE").foundIn("Straße"));
    EXPECT_FALSE(FoldedPattern("bjork").foundIn("Björk"));
    EXPECT_FALSE(FoldedPattern("КИНО").foundIn("Кин"));
}

// Random needles and texts drawn from `alphabet`: FoldedPattern finds
// exactly what a plain find finds after `fold`.
template <typename Fold>
void expectAgreesWithFind(const std::vector<std::string>& alphabet, unsigned seed, int runs,
                          size_t longestNeedle, size_t longestText, Fold fold) {
    std::mt19937 random(seed);
    auto make = [&](size_t length) {
        std::string s;
        for (size_t k = 0; k < length; ++k) {
            s += alphabet[random() % alphabet.size()];
        }
        return s;
    };
    for (int n = 0; n < runs; ++n) {
        const std::string needle = make(1 + random() % longestNeedle);
        const std::string hay = make(random() % longestText);
        const bool expected = fold(hay).find(fold(needle)) != std::string::npos;
        ASSERT_EQ(FoldedPattern(needle).foundIn(hay), expected)
            << "'" << needle << "' in '" << hay << "'";
    }
}

// The ASCII shortcut and the folded search agree on texts that mix scripts.
TEST(FoldedPattern, AgreesWithAFoldedFindOverMixedScripts) {
    expectAgreesWithFind({"a", "A", "s", "S", " ", "ö", "Ö", "к", "К", "ß", "ﬀ", "f"}, 7, 5000, 3,
                         24, [](std::string_view t) { return text::foldCase(t); });
}

TEST(FoldedPattern, AgreesWithAPlainFoldedFindAtAnyLength) {
    expectAgreesWithFind({"a", "A", "b", "B", "@", "`", "[", "{", " ", "\xC3", "\xA9"}, 11, 20000,
                         4, 40, [](std::string_view t) { return text::toLowerAscii(t); });
}

TEST(Characters, FirstCharacterAndCountByUtf8Sequence) {
    EXPECT_EQ(text::firstCharacter("Élan"), "É");
    EXPECT_EQ(text::firstCharacter("a"), "a");
    EXPECT_EQ(text::firstCharacter(""), "");
    // Broken sequences split byte by byte and never read past the end.
    EXPECT_EQ(text::firstCharacter("\xC3"), "\xC3");
    EXPECT_EQ(text::firstCharacter("\xE2\x82"), "\xE2\x82");
    EXPECT_EQ(text::firstCharacter("\x80\x80"), "\x80");
    EXPECT_EQ(text::characterCount("é"), 1u);
    EXPECT_EQ(text::characterCount("ab"), 2u);
    EXPECT_EQ(text::characterCount("\x80\x80"), 2u);
    EXPECT_TRUE(text::startsWithCharacter("beck", "B"));
    EXPECT_TRUE(text::startsWithCharacter("École", "É"));
    EXPECT_FALSE(text::startsWithCharacter("école", "É"));
    EXPECT_FALSE(text::startsWithCharacter("", "b"));
    EXPECT_FALSE(text::startsWithCharacter("b", ""));
    EXPECT_TRUE(text::startsWithFolded("école", "É"));
    EXPECT_TRUE(text::startsWithFolded("Кино", "к"));
    EXPECT_TRUE(text::startsWithFolded("beck", "B"));
    EXPECT_FALSE(text::startsWithFolded("Кино", "и"));
    EXPECT_FALSE(text::startsWithFolded("", "к"));
    EXPECT_FALSE(text::startsWithFolded("к", ""));
}

}  // namespace
}  // namespace sonara
