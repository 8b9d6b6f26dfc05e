#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/app/InstanceName.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;

// Restores the working folder a test changed.
struct InFolder {
    fs::path before = fs::current_path();
    explicit InFolder(const fs::path& folder) { fs::current_path(folder); }
    ~InFolder() { fs::current_path(before); }
};

TEST(InstanceName, EverySpellingOfOneFolderIsOneProgram) {
    testing::TempDir temp;
    const fs::path home = temp.path() / "home";
    fs::create_directories(home / "sub");
    fs::create_directory_symlink(home, temp.path() / "link");
    const std::string name = instanceName(home.string());
    EXPECT_EQ(name.size(), 16u);
    EXPECT_EQ(name.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(instanceName(home.string() + "/"), name);
    EXPECT_EQ(instanceName((home / "sub" / "..").string()), name);
    EXPECT_EQ(instanceName((temp.path() / "link").string()), name);
    {
        const InFolder in(temp.path());
        EXPECT_EQ(instanceName("home"), name);
        EXPECT_EQ(instanceName("./home/"), name);
    }
    // A folder not made yet still has its own stable name.
    EXPECT_EQ(instanceName((home / "new").string()), instanceName((home / "new/").string()));
}

TEST(InstanceName, TwoFoldersAreTwoPrograms) {
    testing::TempDir temp;
    fs::create_directories(temp.path() / "a");
    fs::create_directories(temp.path() / "b");
    EXPECT_NE(instanceName(temp.file("a")), instanceName(temp.file("b")));
    EXPECT_NE(instanceName(temp.file("a")), instanceName(temp.file("a/b")));
    EXPECT_NE(instanceName("/"), instanceName(temp.file("a")));
}

}  // namespace
}  // namespace sonara
