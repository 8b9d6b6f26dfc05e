#include "core/settings/ProfileRoutines.h"

#include <gtest/gtest.h>

#include "core/settings/WindowPlacement.h"

namespace sonara {
namespace {

IniFile fromText(std::string_view text) {
    IniFile file;
    EXPECT_TRUE(file.loadFromText(text).ok());
    return file;
}

TEST(ColourTest, ParsesRedGreenBlueIntoTheLowBytes) {
    EXPECT_EQ(parseColour("(255,0,0)")->value, 0x0000FFu);
    EXPECT_EQ(parseColour("(0,0,255)")->value, 0xFF0000u);
    EXPECT_EQ(parseColour("(1,2,3)", true)->value, 0x010203u);      // swapped: blue, green, red
    EXPECT_EQ(parseColour("( 1, 2, 3"), Colour::fromRgb(1, 2, 3));  // as sscanf takes it
    EXPECT_EQ(parseColour("(300,-4,0)"), Colour::fromRgb(255, 0, 0));
    EXPECT_EQ(parseColour("(1,2)"), std::nullopt);
    EXPECT_EQ(parseColour("1,2,3"), std::nullopt);
    EXPECT_EQ(parseColour(""), std::nullopt);
    EXPECT_EQ(parseColour("(99999999999,0,0)"), std::nullopt);
}

TEST(ColourTest, FormatsWithAndWithoutSwap) {
    const Colour c = Colour::fromRgb(10, 20, 30);
    EXPECT_EQ(formatColour(c), "(10,20,30)");
    EXPECT_EQ(formatColour(c, true), "(30,20,10)");
    EXPECT_EQ(parseColour(formatColour(c, true), true), c);
}

TEST(ProfileRoutinesTest, ReadTextWithStringTableDefault) {
    const IniFile file = fromText("[S]\nFace=Verdana\nEmpty=\n");
    std::string text;
    EXPECT_TRUE(readProfileText(file, "S", "Face", TextId::Default, text));
    EXPECT_EQ(text, "Verdana");
    EXPECT_TRUE(readProfileText(file, "S", "Missing", TextId::Default, text));
    EXPECT_EQ(text, "Default");
    EXPECT_FALSE(readProfileText(file, "S", "Missing", std::nullopt, text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(
        readProfileText(file, "S", "Empty", TextId::Default, text));  // present, so no default
}

TEST(ProfileRoutinesTest, ReadColourFallsBackToItsDefault) {
    // NoneSpecified is "(none specified)", no colour at all.
    const IniFile file = fromText("[S]\nRed=(255,0,0)\nBroken=(12\nEmpty=\n");
    EXPECT_EQ(readProfileColour(file, "S", "Red", TextId::NoneSpecified).value, 0xFFu);
    EXPECT_EQ(readProfileColour(file, "S", "Missing", TextId::NoneSpecified).value, 0u);

    const Colour fallback = Colour::fromRgb(1, 2, 3);
    EXPECT_EQ(readProfileColour(file, "S", "Red", fallback, false).value, 0xFFu);
    EXPECT_EQ(readProfileColour(file, "S", "Red", fallback, true).value, 0xFF0000u);
    EXPECT_EQ(readProfileColour(file, "S", "Missing", fallback, false), fallback);
    EXPECT_EQ(readProfileColour(file, "S", "Empty", fallback, true), fallback);
    EXPECT_EQ(readProfileColour(file, "S", "Broken", fallback, false), fallback);
}

TEST(ProfileRoutinesTest, WritesIntegersAndColours) {
    IniFile file;
    writeProfileInt(file, "S", "Size", -3);
    writeProfileColour(file, "S", "Plain", Colour::fromRgb(1, 2, 3), false);
    writeProfileColour(file, "S", "Swapped", Colour::fromRgb(1, 2, 3), true);
    EXPECT_EQ(file.toText(), "[S]\nSize=-3\nPlain=(1,2,3)\nSwapped=(3,2,1)\n");
}

TEST(WindowPlacementTest, RoundTripsAllEightFields) {
    const WindowPlacement p{2, 1, -1, -32000, 10, 20, 810, -620};
    const std::string text = formatWindowPlacement(p);
    EXPECT_EQ(text, "2,1,(-1,-32000),(10,20,810,-620)");
    EXPECT_EQ(parseWindowPlacement(text), p);
    EXPECT_EQ(parseWindowPlacement("0,1,(0,0),(1,2,3,4"),
              (WindowPlacement{0, 1, 0, 0, 1, 2, 3, 4}));
}

TEST(WindowPlacementTest, IncompleteTextIsNotUsed) {
    EXPECT_EQ(parseWindowPlacement(""), std::nullopt);
    EXPECT_EQ(parseWindowPlacement("0,1,(0,0),(1,2,3)"), std::nullopt);  // seven fields
    EXPECT_EQ(parseWindowPlacement("0,1,0,0,1,2,3,4"), std::nullopt);
    EXPECT_EQ(parseWindowPlacement("-1,1,(0,0),(1,2,3,4)"), std::nullopt);
    EXPECT_EQ(parseWindowPlacement("0,1,(0,0),(1,2,3,x)"), std::nullopt);
}

}  // namespace
}  // namespace sonara
