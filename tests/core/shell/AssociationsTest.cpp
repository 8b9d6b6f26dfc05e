#include <gtest/gtest.h>

#include <filesystem>

#include "core/shell/Associations.h"
#include "core/shell/MimeAppsList.h"
#include "core/shell/ShellFixture.h"

namespace sonara {
namespace {

using testing::ShellFixture;

TEST(Associations, TakeOverRemembersTheOwnerAndGiveBackRestoresIt) {
    ShellFixture desk;
    desk.writeUserList(
        "# my own choices\r\n"
        "[Default Applications]\r\n"
        "text/plain=gedit.desktop;\r\n"
        "audio/mpeg=vlc.desktop;audacious.desktop;\r\n"
        "\r\n"
        "[Other Group]\r\n"
        "key = value");
    Associations associations(desk.paths);
    EXPECT_FALSE(associations.isDefaultPlayer());

    ASSERT_TRUE(associations.registerTypes(false));
    EXPECT_TRUE(associations.isDefaultPlayer());
    EXPECT_EQ(associations.savedPlayer(), "vlc.desktop");
    // Every line Sonara did not change is kept as it was, line ends too.
    EXPECT_EQ(desk.userList(),
              "# my own choices\r\n"
              "[Default Applications]\r\n"
              "text/plain=gedit.desktop;\r\n"
              "audio/mpeg=sonara.desktop;vlc.desktop;audacious.desktop;\r\n"
              "audio/x-mpegurl=sonara.desktop;\r\n"
              "\r\n"
              "[Other Group]\r\n"
              "key = value");

    // A second Register finds Sonara and keeps the remembered owner.
    ASSERT_TRUE(associations.registerTypes(false));
    EXPECT_EQ(associations.savedPlayer(), "vlc.desktop");

    ASSERT_TRUE(associations.giveBack());
    EXPECT_FALSE(associations.isDefaultPlayer());
    EXPECT_EQ(associations.defaultFor(kMp3Type), "vlc.desktop");
    EXPECT_FALSE(associations.defaultFor(kM3uType).has_value());
    EXPECT_EQ(associations.savedPlayer(), "vlc.desktop");
}

TEST(Associations, ATypeNobodyClaimsIsTakenAndGivenBackToTheDesktop) {
    ShellFixture desk;  // no mimeapps.list, not even its folder
    Associations associations(desk.paths);
    ASSERT_TRUE(associations.registerTypes(false));
    EXPECT_TRUE(associations.isDefaultPlayer());
    EXPECT_EQ(associations.savedPlayer(), "");

    ASSERT_TRUE(associations.giveBack());
    EXPECT_FALSE(associations.defaultFor(kMp3Type).has_value());
}

TEST(Associations, TheSystemDefaultIsTheOwnerRememberedAndTheSystemFileIsNotTouched) {
    ShellFixture desk;
    const std::string system = desk.paths.configDirs.front() + "/mimeapps.list";
    desk.write(system, "[Default Applications]\naudio/mpeg=org.gnome.Rhythmbox3.desktop;\n");
    Associations associations(desk.paths);
    EXPECT_EQ(associations.defaultFor(kMp3Type), "org.gnome.Rhythmbox3.desktop");

    ASSERT_TRUE(associations.registerTypes(false));
    EXPECT_EQ(associations.savedPlayer(), "org.gnome.Rhythmbox3.desktop");
    EXPECT_EQ(testing::readText(system),
              "[Default Applications]\naudio/mpeg=org.gnome.Rhythmbox3.desktop;\n");

    ASSERT_TRUE(associations.giveBack());
    EXPECT_EQ(associations.defaultFor(kMp3Type), "org.gnome.Rhythmbox3.desktop");
}

TEST(Associations, AssociateAddsSonaraToAllFourTypesAndOwnsItsOwn) {
    ShellFixture desk;
    desk.writeUserList("[Added Associations]\naudio/mpeg=vlc.desktop;\n");
    Associations associations(desk.paths);
    ASSERT_TRUE(associations.registerTypes(true));
    const auto list = MimeAppsList::load(desk.paths.userMimeApps());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->ids(kAddedAssociations, kMp3Type),
              (std::vector<std::string>{"vlc.desktop", "sonara.desktop"}));
    for (const std::string_view type : {kM3uType, kPlayListType, kSkinType}) {
        EXPECT_EQ(list->ids(kAddedAssociations, type), std::vector<std::string>{"sonara.desktop"});
    }
    EXPECT_EQ(associations.defaultFor(kPlayListType), "sonara.desktop");
    EXPECT_EQ(associations.defaultFor(kSkinType), "sonara.desktop");
}

TEST(Associations, AListThatCannotBeReadIsNeverWrittenOver) {
    ShellFixture desk;
    std::filesystem::create_directories(desk.paths.userMimeApps());  // unreadable as a file
    Associations associations(desk.paths);
    EXPECT_FALSE(associations.registerTypes(true));
    EXPECT_TRUE(std::filesystem::is_directory(desk.paths.userMimeApps()));
}

TEST(Associations, StartAndPreferenceRules) {
    ShellFixture desk;
    desk.writeUserList("[Default Applications]\naudio/mpeg=vlc.desktop;\n");
    Associations associations(desk.paths);

    // The outside player in use: only the skin files are Sonara's.
    ASSERT_TRUE(applyAssociationsAtStart(associations, 0, 1));
    EXPECT_EQ(associations.defaultFor(kMp3Type), "vlc.desktop");
    EXPECT_EQ(associations.defaultFor(kSkinType), "sonara.desktop");

    ASSERT_TRUE(applyAssociationsAtStart(associations, 1, 0));
    EXPECT_TRUE(associations.isDefaultPlayer());

    // Both preferences cleared after Sonara was the player: given back.
    ASSERT_TRUE(applyAssociationPreferences(associations, 1, 0, 0));
    EXPECT_EQ(associations.defaultFor(kMp3Type), "vlc.desktop");
    // Not the player before: nothing to give back, nothing taken.
    ASSERT_TRUE(applyAssociationPreferences(associations, 0, 0, 0));
    EXPECT_EQ(associations.defaultFor(kMp3Type), "vlc.desktop");
    ASSERT_TRUE(applyAssociationPreferences(associations, 0, 0, 1));
    EXPECT_TRUE(associations.isDefaultPlayer());
}

TEST(MimeAppsList, ANewKeyJoinsItsGroupBeforeTheBlankLineAndAnEmptyListRemovesIt) {
    MimeAppsList list = MimeAppsList::fromText(
        "[Default Applications]\na=x.desktop\n\n[Added Associations]\nb=y.desktop;\n");
    list.setIds(kDefaultApplications, "c", {"z.desktop"});
    list.setIds(kAddedAssociations, "b", {});
    EXPECT_EQ(list.toText(),
              "[Default Applications]\na=x.desktop\nc=z.desktop;\n\n[Added Associations]\n");
    EXPECT_EQ(list.ids(kDefaultApplications, "a"), std::vector<std::string>{"x.desktop"});
}

}  // namespace
}  // namespace sonara
