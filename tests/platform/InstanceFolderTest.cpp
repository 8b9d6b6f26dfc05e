#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/InstanceFolder.h"
#include "platform/InstanceLock.h"
#include "support/TempDir.h"

namespace sonara::platform {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr uid_t kOtherUser = 65534;

void expectRefused(const Status& status, const std::string& path, const std::string& reason) {
    ASSERT_FALSE(status.ok()) << path;
    EXPECT_NE(status.error().find(path), std::string::npos) << status.error();
    EXPECT_NE(status.error().find(reason), std::string::npos) << status.error();
}

// A socket file as a listening program leaves it, with `mode`.
void makeSocket(const std::string& path, mode_t mode) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

TEST(InstanceFolder, TheRuntimeFolderIsPreferredElseAFolderOfTheUsersOwn) {
    EXPECT_EQ(instanceFolderPath("/run/user/1000", "/tmp", 1000), "/run/user/1000/sonara");
    EXPECT_EQ(instanceFolderPath("", "/var/tmp", 1000), "/var/tmp/sonara-1000");
    EXPECT_EQ(instanceFolderPath("", "", 7), "/tmp/sonara-7");
}

TEST(InstanceFolder, AMissingFolderIsMadeOwnerOnlyAndKeptSo) {
    testing::TempDir temp;
    const std::string folder = temp.file("sonara");
    ASSERT_TRUE(ensureOwnerOnlyFolder(folder, ::geteuid()).ok());
    struct stat info {};
    ASSERT_EQ(::lstat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(ensureOwnerOnlyFolder(folder, ::geteuid()).ok());
    // A parent that does not exist is a system error, not a crash.
    EXPECT_FALSE(ensureOwnerOnlyFolder(temp.file("no/such"), ::geteuid()).ok());
}

TEST(InstanceFolder, AFolderOthersCouldReachIsRefusedAndLeftAlone) {
    testing::TempDir temp;
    const uid_t me = ::geteuid();
    const std::string open = temp.file("open");
    fs::create_directory(open);
    fs::permissions(open, fs::perms(0755));
    expectRefused(ensureOwnerOnlyFolder(open, me), open, "other users may open it");
    EXPECT_EQ(fs::status(open).permissions(), fs::perms(0755));  // not repaired

    const std::string good = temp.file("good");
    fs::create_directory(good);
    fs::permissions(good, fs::perms(0700));
    const std::string link = temp.file("link");
    fs::create_directory_symlink(good, link);
    expectRefused(ensureOwnerOnlyFolder(link, me), link, "symbolic link");

    const std::string file = temp.file("file");
    testing::writeText(file, "x");
    expectRefused(ensureOwnerOnlyFolder(file, me), file, "not a folder");

    expectRefused(ensureOwnerOnlyFolder(good, me + 1), good, "another user");
    if (me == 0) {
        const std::string theirs = temp.file("theirs");
        fs::create_directory(theirs);
        fs::permissions(theirs, fs::perms(0700));
        ASSERT_EQ(::chown(theirs.c_str(), kOtherUser, kOtherUser), 0);
        expectRefused(ensureOwnerOnlyFolder(theirs, me), theirs, "another user");
    }
}

TEST(InstanceFolder, OnlyAnOwnerOnlySocketPasses) {
    testing::TempDir temp;
    const uid_t me = ::geteuid();
    EXPECT_TRUE(checkOwnerOnlySocket(temp.file("none"), me).ok());

    const std::string socket = temp.file("s");
    makeSocket(socket, 0700);
    EXPECT_TRUE(checkOwnerOnlySocket(socket, me).ok());
    expectRefused(checkOwnerOnlySocket(socket, me + 1), socket, "another user");
    ASSERT_EQ(::chmod(socket.c_str(), 0722), 0);
    expectRefused(checkOwnerOnlySocket(socket, me), socket, "other users may open it");

    const std::string link = temp.file("link");
    fs::create_symlink(socket, link);
    expectRefused(checkOwnerOnlySocket(link, me), link, "symbolic link");
    const std::string file = temp.file("file");
    testing::writeText(file, "x");
    expectRefused(checkOwnerOnlySocket(file, me), file, "not a socket");
}

TEST(InstanceLock, OneHolderAtATimeAndFreedWithItsOwner) {
    testing::TempDir temp;
    const std::string path = temp.file("x.lock");
    {
        Result<InstanceLock> first = InstanceLock::acquire(path, milliseconds(0));
        ASSERT_TRUE(first.ok()) << first.error();
        const Result<InstanceLock> second = InstanceLock::acquire(path, milliseconds(30));
        ASSERT_FALSE(second.ok());
        EXPECT_NE(second.error().find(path), std::string::npos);
        // Moving the lock keeps it held.
        InstanceLock moved = std::move(first.value());
        EXPECT_FALSE(InstanceLock::acquire(path, milliseconds(0)).ok());
    }
    EXPECT_TRUE(InstanceLock::acquire(path, milliseconds(0)).ok());

    const std::string link = temp.file("link.lock");
    fs::create_symlink(path, link);
    EXPECT_FALSE(InstanceLock::acquire(link, milliseconds(0)).ok());
}

}  // namespace
}  // namespace sonara::platform
