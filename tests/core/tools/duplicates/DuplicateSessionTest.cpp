#include "core/tools/duplicates/DuplicateSession.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/StringTable.h"
#include "core/library/SourcesList.h"
#include "core/settings/Preferences.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;
using testing::TempDir;

class DuplicateSessionTest : public ::testing::Test {
  protected:
    static Preferences startValues() {
        Preferences values;
        values.stripChars = 1;
        values.copyDelFiles = 0;
        values.dupFilesFolder = "/start/";
        return values;
    }

    DuplicateSessionTest() {
        for (const char* folder : {"one", "two"}) {
            fs::create_directories(dir.path() / folder);
        }
        testing::writeMp3(dir.path() / "one" / "Song_1.mp3", testing::songSpec(2));
        testing::writeMp3(dir.path() / "two" / "song 1.MP3", testing::songSpec(1));
    }

    TempDir dir;
    Preferences values = startValues();
    int saves = 0;
    DuplicatePreferences preferences{values, [this] { ++saves; }};
    ScriptedPrompter prompter{Answer::Yes};
    DuplicateSession session{preferences, prompter};
};

TEST_F(DuplicateSessionTest, PickedFoldersAreCheckedAndTheLastOneRemembered) {
    EXPECT_EQ(session.browseStart(), "/start/");
    const Status missing = session.useFolders({dir.file("one"), dir.file("nowhere")});
    EXPECT_EQ(missing.kind(), ErrorKind::Absent);
    EXPECT_EQ(missing.error(), formatText(TextId::UnableToFindNamed, dir.file("nowhere")));
    EXPECT_TRUE(session.folders().empty());
    EXPECT_EQ(saves, 0);

    ASSERT_TRUE(session.useFolders({dir.file("one"), dir.file("two")}));
    EXPECT_EQ(session.folders().back(), dir.file("two") + "/");
    EXPECT_EQ(values.dupFilesFolder, dir.file("two") + "/");
    EXPECT_EQ(saves, 1);

    SourcesList sources;
    sources.add(dir.file("two"), "");
    session.useSources(sources);
    EXPECT_EQ(session.folders(), std::vector<std::string>{dir.file("two") + "/"});
}

TEST_F(DuplicateSessionTest, OptionsChangedForTheSessionAreStoredOnlyWhenAsked) {
    ASSERT_TRUE(session.useFolders({dir.path().string()}));
    session.search();
    EXPECT_EQ(prompter.progressTitles,
              std::vector<std::string>{stringText(TextId::SpaceMakerTitle)});
    ASSERT_EQ(session.entries().size(), 2u);
    EXPECT_FALSE(session.tellWhenNoneFound());

    session.options().stripChars = false;
    session.search();
    EXPECT_TRUE(session.entries().empty());
    EXPECT_TRUE(session.tellWhenNoneFound());
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::NoDuplicates)});
    EXPECT_EQ(values.stripChars, 1);

    const int before = saves;
    session.storeOptions();
    EXPECT_EQ(values.stripChars, 0);
    EXPECT_EQ(saves, before + 1);
}

TEST_F(DuplicateSessionTest, MarksTotalsAndDeletionEmptyTheList) {
    ASSERT_TRUE(session.useFolders({dir.path().string()}));
    session.search();
    ASSERT_EQ(session.entries().size(), 2u);
    EXPECT_NE(session.totalMarkedLine().find("(Size):1 "), std::string::npos);
    session.clearAll();
    EXPECT_NE(session.totalMarkedLine().find("(Size):0 "), std::string::npos);
    EXPECT_TRUE(session.toggle(1));

    ScriptedPrompter saysNo(Answer::No);
    EXPECT_FALSE(session.deleteMarked(&saysNo).asked);
    EXPECT_EQ(session.entries().size(), 2u);

    const std::string marked = session.entries()[1].path();
    const DeletionResult result = session.deleteMarked();
    EXPECT_EQ(result.deleted, 1);
    EXPECT_FALSE(fs::exists(marked));
    EXPECT_TRUE(session.entries().empty());
}

}  // namespace
}  // namespace sonara
