#include "core/settings/WindowPreferences.h"

#include <gtest/gtest.h>

#include "core/settings/PreferenceStore.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

// The enums read and write the stored numbers; a number the enums do not
// know reads as the first value and stays in the file until replaced.
TEST(WindowPreferences, EnumsOverTheStoredNumbers) {
    testing::TempDir dir;
    {
        PreferenceStore store(dir.file("Sonara.ini"), dir.path().string());
        WindowPreferences window(store.values());
        window.setLastView(ViewMode::LibraryAndPlaylist);
        window.setSearchField(SearchField::Album);
        window.setPlayerAction(PlayerAction::Enqueue);
        EXPECT_EQ(store.values().lastView, 6);
        EXPECT_EQ(store.values().searchBy, 4);
        EXPECT_EQ(store.values().playerAction, 2);
        ASSERT_TRUE(store.saveAll());
    }
    PreferenceStore store(dir.file("Sonara.ini"), dir.path().string());
    ASSERT_TRUE(store.loadAll());
    WindowPreferences window(store.values());
    EXPECT_EQ(window.lastView(), ViewMode::LibraryAndPlaylist);
    EXPECT_EQ(window.searchField(), SearchField::Album);
    EXPECT_EQ(window.playerAction(), PlayerAction::Enqueue);

    store.values().lastView = 12;
    store.values().searchBy = -1;
    store.values().playerAction = 3;
    EXPECT_EQ(window.lastView(), ViewMode::Normal);
    EXPECT_EQ(window.searchField(), SearchField::All);
    EXPECT_EQ(window.playerAction(), PlayerAction::Open);
    ASSERT_TRUE(store.saveAll());
    PreferenceStore reread(dir.file("Sonara.ini"), dir.path().string());
    ASSERT_TRUE(reread.loadAll());
    EXPECT_EQ(reread.values().lastView, 12);
}

}  // namespace
}  // namespace sonara
