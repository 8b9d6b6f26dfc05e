#include "core/skin/SkinPointer.h"

#include <gtest/gtest.h>

namespace sonara::skin {
namespace {

void expectPointer(std::string_view text, const std::string& folder, const std::string& name) {
    const std::optional<SkinPointer> pointer = parseSkinPointer(text);
    ASSERT_TRUE(pointer) << text;
    EXPECT_EQ(pointer->skinsFolder, folder) << text;
    EXPECT_EQ(pointer->skinName, name) << text;
}

TEST(SkinPointerTest, SplitsAtTheLastSeparator) {
    expectPointer("/home/ann/Skins/Blue Steel", "/home/ann/Skins/", "Blue Steel");
    expectPointer("/home/ann/Skins/Blue Steel/", "/home/ann/Skins/", "Blue Steel");
    expectPointer("  /srv/skins/Dark\r\n", "/srv/skins/", "Dark");
    expectPointer("\xEF\xBB\xBF/srv/skins/Dark", "/srv/skins/", "Dark");
    expectPointer("/Dark", "/", "Dark");
}

TEST(SkinPointerTest, TakesBackslashesAsSeparators) {
    expectPointer("C:\\Program Files\\Skins\\Wood\\", "C:/Program Files/Skins/", "Wood");
    expectPointer("/mnt/share\\Wood", "/mnt/share/", "Wood");
}

TEST(SkinPointerTest, RefusesTextsWithoutAFolderOrName) {
    EXPECT_FALSE(parseSkinPointer(""));
    EXPECT_FALSE(parseSkinPointer("   \n"));
    EXPECT_FALSE(parseSkinPointer("Wood"));
    EXPECT_FALSE(parseSkinPointer("/"));
    EXPECT_FALSE(parseSkinPointer("/srv//"));
}

}  // namespace
}  // namespace sonara::skin
