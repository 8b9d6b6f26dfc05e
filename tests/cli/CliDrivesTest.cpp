#include <gtest/gtest.h>

#include <cstdlib>

#include "CliRunner.h"
#include "support/FakeSystem.h"

namespace sonara::testing {
namespace {

class CliDrives : public ::testing::Test {
  protected:
    void SetUp() override {
        system.disk("sda", "8:0", false);
        system.partition("sda", "sda1", "8:1");
        system.disk("sdb", "8:16", true);
        system.partition("sdb", "sdb1", "8:17");
        system.label("SUMMER\\x202003", "sdb1");
        system.mountTable({
            mountLine(1, 0, "8:1", "/", "ext4", "/dev/sda1"),
            mountLine(2, 1, "0:21", "/proc", "proc", "proc"),
            mountLine(3, 1, "8:17", "/media/u/SUMMER\\0402003", "vfat", "/dev/sdb1"),
            mountLine(4, 1, "0:50", "/mnt/nas", "nfs4", "nas:/music"),
        });
        setenv("SONARA_SYSTEM_ROOT", system.root().c_str(), 1);
    }
    void TearDown() override { unsetenv("SONARA_SYSTEM_ROOT"); }

    FakeSystem system;
    CliRunner cli;
};

TEST_F(CliDrives, ListsEachDriveWithKindLabelAndDevice) {
    const CliRun run = cli.run({"drives"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "/\tfixed\t\t/dev/sda1\n"
              "/media/u/SUMMER 2003/\tremovable\tSUMMER 2003\t/dev/sdb1\n"
              "/mnt/nas/\tnetwork\t\tnas:/music\n");
}

TEST_F(CliDrives, JsonNamesEveryField) {
    const CliRun run = cli.run({"drives", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "[{\"mountPoint\":\"/\",\"kind\":\"fixed\",\"label\":\"\",\"device\":\"/dev/sda1\","
              "\"source\":\"/dev/sda1\",\"fsType\":\"ext4\"},"
              "{\"mountPoint\":\"/media/u/SUMMER 2003/\",\"kind\":\"removable\","
              "\"label\":\"SUMMER 2003\",\"device\":\"/dev/sdb1\",\"source\":\"/dev/sdb1\","
              "\"fsType\":\"vfat\"},"
              "{\"mountPoint\":\"/mnt/nas/\",\"kind\":\"network\",\"label\":\"\",\"device\":\"\","
              "\"source\":\"nas:/music\",\"fsType\":\"nfs4\"}]\n");
}

TEST_F(CliDrives, AnUnreadableMountTableFailsAndSaysSo) {
    setenv("SONARA_SYSTEM_ROOT", (system.root() + "/nowhere").c_str(), 1);
    const CliRun run = cli.run({"drives"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Unable to read the mount table"), std::string::npos) << run.err;
}

TEST_F(CliDrives, OperandsAreAUsageError) {
    const CliRun run = cli.run({"drives", "/media"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("usage: sonara-cli drives [--json]"), std::string::npos);
}

}  // namespace
}  // namespace sonara::testing
