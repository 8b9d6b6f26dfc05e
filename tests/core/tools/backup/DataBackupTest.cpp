#include "core/tools/backup/DataBackup.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

// Root writes into read-only folders and reads unreadable files, so under
// root the scope runs as "nobody", with both folders opened up for it first.
class AsUser {
  public:
    AsUser(const fs::path& home, const fs::path& elsewhere) {
        for (const fs::path& root : {home, elsewhere}) {
            fs::permissions(root, fs::perms(0755));
            for (const auto& entry : fs::recursive_directory_iterator(root)) {
                fs::permissions(entry.path(), fs::perms(entry.is_directory() ? 0755 : 0644));
            }
        }
    }
    // Drops to "nobody" once the caller has locked what it wants locked.
    void drop() { dropped_ = ::geteuid() == 0 && ::seteuid(65534) == 0; }
    ~AsUser() {
        if (dropped_) {
            [[maybe_unused]] const int back = ::seteuid(0);
        }
    }
    AsUser(const AsUser&) = delete;
    AsUser& operator=(const AsUser&) = delete;

  private:
    bool dropped_ = false;
};

const std::string kBackupDone = "Backup completed successfully!";
const std::string kBackupFailed =
    "Backup was unsuccessfull!\n\nChoose a different folder and try again.";
const std::string kRestoreDone = "Restore Completed Successfully!";
const std::string kRestoreFailed =
    "Restore was unsuccessfull!\n\nNot all files may have been restored.";

class DataBackupTest : public ::testing::Test {
  protected:
    DataBackupTest() : paths(DataPaths::resolve(home.path().string())) {}

    // Every file of the set in `folder`, each holding `tag` and its name.
    static void fill(const fs::path& folder, const std::string& tag) {
        fs::create_directories(folder);
        for (const auto name : DataBackup::kFileNames) {
            writeText(folder / std::string(name), tag + std::string(name));
        }
    }
    void expectData(const std::string& tag) const {
        for (const auto name : DataBackup::kFileNames) {
            EXPECT_EQ(readText(home.path() / std::string(name)), tag + std::string(name));
        }
    }
    // Nothing but the set is left in the data folder.
    void expectNoLeftovers() const {
        for (const auto& entry : fs::directory_iterator(home.path())) {
            EXPECT_EQ(entry.path().string().find(".restoring"), std::string::npos) << entry.path();
        }
    }

    TempDir home;
    TempDir elsewhere;
    DataPaths paths;
    ScriptedPrompter prompter;
};

TEST_F(DataBackupTest, FirstBackupMakesTheBackupFolderAndCopiesTheSet) {
    fill(home.path(), "old ");
    DataBackup tool(paths, prompter);
    const std::string folder = tool.defaultFolder();
    EXPECT_EQ(folder, home.file("Backup"));
    EXPECT_EQ(tool.backup(folder), BackupOutcome::Completed);
    for (const auto name : DataBackup::kFileNames) {
        EXPECT_EQ(readText(fs::path(folder) / std::string(name)), "old " + std::string(name));
    }
    EXPECT_EQ(prompter.messages, std::vector<std::string>{kBackupDone});
}

TEST_F(DataBackupTest, BackupSkipsMissingFilesAndReplacesOldCopies) {
    writeText(home.path() / "Sonara.dat", "new");
    writeText(elsewhere.path() / "Sonara.dat", "stale");
    DataBackup tool(paths, prompter);
    EXPECT_EQ(tool.backup(elsewhere.path().string()), BackupOutcome::Completed);
    EXPECT_EQ(readText(elsewhere.path() / "Sonara.dat"), "new");
    EXPECT_FALSE(fs::exists(elsewhere.path() / "Config.dat"));
}

TEST_F(DataBackupTest, BackupIntoTheDataFolderOrCancelledCopiesNothing) {
    fill(home.path(), "old ");
    DataBackup tool(paths, prompter);
    EXPECT_EQ(tool.backup(home.path().string() + "/"), BackupOutcome::Refused);
    EXPECT_EQ(tool.backup(std::nullopt), BackupOutcome::Cancelled);
    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{
                  "Backup destination must be different than current Library location!",
                  "Backup cancelled."}));
    expectData("old ");
}

TEST_F(DataBackupTest, BackupIntoAReadOnlyFolderFailsAndKeepsTheOldCopies) {
    fill(home.path(), "new ");
    fill(elsewhere.path(), "old ");
    {
        AsUser user(home.path(), elsewhere.path());
        fs::permissions(elsewhere.path(), fs::perms(0555));
        user.drop();
        DataBackup tool(paths, prompter);
        EXPECT_EQ(tool.backup(elsewhere.path().string()), BackupOutcome::Failed);
    }
    fs::permissions(elsewhere.path(), fs::perms(0755));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{kBackupFailed});
    for (const auto name : DataBackup::kFileNames) {
        EXPECT_EQ(readText(elsewhere.path() / std::string(name)), "old " + std::string(name));
    }
}

TEST_F(DataBackupTest, RestoreReplacesTheSetAndAMissingFileLeavesNone) {
    fill(home.path(), "old ");
    fill(elsewhere.path(), "new ");
    fs::remove(elsewhere.path() / "Players.CFG");
    DataBackup tool(paths, prompter);
    prompter.answerNext(Answer::Yes);
    ASSERT_TRUE(tool.confirmRestore());
    EXPECT_EQ(tool.restore(elsewhere.path().string()), BackupOutcome::Completed);
    EXPECT_EQ(prompter.questions,
              std::vector<std::string>{
                  "This will overwrite your current library.  Do you wish to continue?"});
    EXPECT_EQ(prompter.messages, std::vector<std::string>{kRestoreDone});
    EXPECT_EQ(readText(home.path() / "Sonara.dat"), "new Sonara.dat");
    EXPECT_EQ(readText(home.path() / "CurrPl.snl"), "new CurrPl.snl");
    EXPECT_FALSE(fs::exists(home.path() / "Players.CFG"));
    expectNoLeftovers();
}

TEST_F(DataBackupTest, RestoreFindsAPlayerListOfAnyCase) {
    fill(elsewhere.path(), "new ");
    fs::rename(elsewhere.path() / "Players.CFG", elsewhere.path() / "Players.cfg");
    DataBackup tool(paths, prompter);
    EXPECT_EQ(tool.restore(elsewhere.path().string()), BackupOutcome::Completed);
    EXPECT_EQ(readText(home.path() / "Players.CFG"), "new Players.CFG");
}

TEST_F(DataBackupTest, RestoreFromTheDataFolderIsRefusedUpFront) {
    fill(home.path(), "old ");
    DataBackup tool(paths, prompter);
    EXPECT_EQ(tool.restore(home.path().string()), BackupOutcome::Refused);
    EXPECT_EQ(tool.restore(std::nullopt), BackupOutcome::Cancelled);
    EXPECT_EQ(prompter.messages.back(), "Restore cancelled.");
    expectData("old ");
    // A folder with none of the set (or none at all) is no backup: restoring
    // it would only delete the data files.
    EXPECT_EQ(tool.restore(elsewhere.path().string()), BackupOutcome::Refused);
    EXPECT_EQ(tool.restore((elsewhere.path() / "missing").string()), BackupOutcome::Refused);
    EXPECT_EQ(prompter.messages.back().rfind("No backup files were found in ", 0), 0U);
    expectData("old ");
}

// An unreadable backup file in the middle of the set: nothing is replaced,
// not even the files before it.
TEST_F(DataBackupTest, RestoreThatFailsHalfWayLeavesTheOldFiles) {
    fill(home.path(), "old ");
    fill(elsewhere.path(), "new ");
    {
        AsUser user(home.path(), elsewhere.path());
        fs::permissions(elsewhere.path() / "Sonara.dat", fs::perms::none);
        fs::permissions(home.path(), fs::perms(0777));
        user.drop();
        DataBackup tool(paths, prompter);
        EXPECT_EQ(tool.restore(elsewhere.path().string()), BackupOutcome::Failed);
    }
    fs::permissions(elsewhere.path() / "Sonara.dat", fs::perms(0644));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{kRestoreFailed});
    expectData("old ");
    expectNoLeftovers();
}

TEST_F(DataBackupTest, RestoreIntoAReadOnlyDataFolderChangesNothing) {
    fill(home.path(), "old ");
    fill(elsewhere.path(), "new ");
    {
        AsUser user(home.path(), elsewhere.path());
        fs::permissions(home.path(), fs::perms(0555));
        user.drop();
        DataBackup tool(paths, prompter);
        EXPECT_EQ(tool.restore(elsewhere.path().string()), BackupOutcome::Failed);
    }
    fs::permissions(home.path(), fs::perms(0755));
    expectData("old ");
}

TEST_F(DataBackupTest, BackupCancelledHalfWayKeepsWholeCopiesOfWhatWasDone) {
    fill(home.path(), "new ");
    prompter.cancelAfterFiles(2);
    DataBackup tool(paths, prompter);
    EXPECT_EQ(tool.backup(elsewhere.path().string()), BackupOutcome::Cancelled);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Backup cancelled."});
    EXPECT_EQ(readText(elsewhere.path() / "Config.dat"), "new Config.dat");
    EXPECT_EQ(readText(elsewhere.path() / "DBCache.dat"), "new DBCache.dat");
    EXPECT_FALSE(fs::exists(elsewhere.path() / "Sonara.dat"));
}

TEST_F(DataBackupTest, CancelHalfWayLeavesTheOldFiles) {
    fill(home.path(), "old ");
    fill(elsewhere.path(), "new ");
    prompter.cancelAfterFiles(2);
    DataBackup tool(paths, prompter);
    EXPECT_EQ(tool.restore(elsewhere.path().string()), BackupOutcome::Cancelled);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Restore cancelled."});
    expectData("old ");
    expectNoLeftovers();
}

}  // namespace
}  // namespace sonara::testing
