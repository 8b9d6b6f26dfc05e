#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

const char* const kSet[] = {"Config.dat", "DBCache.dat", "Sonara.dat", "CurrPl.snl", "Players.CFG"};

void fill(const fs::path& folder, const std::string& tag) {
    fs::create_directories(folder);
    for (const char* name : kSet) {
        writeText(folder / name, tag + name);
    }
}

TEST(CliBackup, BackupToTheDefaultFolderThenRestoreFromIt) {
    CliRunner cli;
    fill(cli.home().path(), "first ");
    const CliRun backup = cli.run({"backup"});
    EXPECT_EQ(backup.exitCode, 0) << backup.err;
    EXPECT_NE(backup.err.find("Backup completed successfully!"), std::string::npos);
    EXPECT_EQ(readText(cli.home().path() / "Backup" / "Sonara.dat"), "first Sonara.dat");

    fill(cli.home().path(), "second ");
    const CliRun declined = cli.run({"--no", "restore", cli.home().file("Backup")});
    EXPECT_EQ(declined.exitCode, 1);
    EXPECT_EQ(readText(cli.home().path() / "Sonara.dat"), "second Sonara.dat");

    const CliRun restore = cli.run({"--yes", "restore", cli.home().file("Backup")});
    EXPECT_EQ(restore.exitCode, 0) << restore.err;
    EXPECT_NE(restore.err.find("Restore Completed Successfully!"), std::string::npos);
    for (const char* name : kSet) {
        EXPECT_EQ(readText(cli.home().path() / name), std::string("first ") + name);
    }
}

TEST(CliBackup, TheDataFolderIsRefusedBothWays) {
    CliRunner cli;
    fill(cli.home().path(), "old ");
    const CliRun backup = cli.run({"backup", cli.home().path().string()});
    EXPECT_EQ(backup.exitCode, 1);
    EXPECT_NE(
        backup.err.find("Backup destination must be different than current Library location!"),
        std::string::npos);
    const CliRun restore = cli.run({"--yes", "restore", cli.home().path().string()});
    EXPECT_EQ(restore.exitCode, 1);
    EXPECT_EQ(readText(cli.home().path() / "Sonara.dat"), "old Sonara.dat");
    EXPECT_EQ(cli.run({"restore"}).exitCode, 2);
}

TEST(CliBackup, ANewFolderIsMadeAndAFolderWithoutABackupRestoresNothing) {
    CliRunner cli;
    fill(cli.home().path(), "old ");
    const fs::path fresh = cli.files().path() / "new" / "backup";
    EXPECT_EQ(cli.run({"backup", fresh.string()}).exitCode, 0);
    EXPECT_EQ(readText(fresh / "Sonara.dat"), "old Sonara.dat");

    const CliRun restore = cli.run({"--yes", "restore", cli.files().file("missing")});
    EXPECT_EQ(restore.exitCode, 1);
    EXPECT_NE(restore.err.find("No backup files were found in "), std::string::npos);
    for (const char* name : kSet) {
        EXPECT_EQ(readText(cli.home().path() / name), std::string("old ") + name);
    }
}

TEST(CliBackup, RestoreChecksTheFolderBeforeItAsks) {
    CliRunner cli;
    fill(cli.home().path(), "old ");
    const CliRun run = cli.run({"restore", cli.files().file("missing")}, "y\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "No backup files were found in " + cli.files().file("missing") + "/\n");
    EXPECT_EQ(readText(cli.home().path() / "Sonara.dat"), "old Sonara.dat");
}

TEST(CliBackup, RelativeFoldersAndHomeAreTakenFromTheWorkingFolder) {
    CliRunner cli;
    const std::string here = cli.files().path().string();
    fill(cli.files().path() / "data", "mine ");
    // The last --home given wins over the runner's own.
    CliRun run = cli.run({"--home", "data", "backup", "saved"}, "", here);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readText(cli.files().path() / "saved" / "Sonara.dat"), "mine Sonara.dat");
    run = cli.run({"--yes", "restore", "saved"}, "", here);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readText(cli.home().path() / "Sonara.dat"), "mine Sonara.dat");
}

}  // namespace
}  // namespace sonara::testing
