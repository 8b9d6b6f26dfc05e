#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <filesystem>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/io/AtomicFile.h"
#include "core/io/DataFile.h"
#include "core/io/WritabilityCheck.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using testing::readText;
using testing::ScriptedPrompter;
using testing::TempDir;
using testing::writeText;

size_t filesIn(const std::filesystem::path& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++n;
    }
    return n;
}

// The file size limit makes the kernel refuse writes past it, as a full disk
// would, without needing a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

  private:
    rlimit old_{};
};

TEST(AtomicSave, ReplacesWholeAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string target = dir.file("Sonara.dat");
    writeText(target, "old");
    ASSERT_TRUE(writeFileAtomically(target, "new contents"));
    EXPECT_EQ(readText(target), "new contents");
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(AtomicSave, UncommittedWriteKeepsTheOldFile) {
    TempDir dir;
    const std::string target = dir.file("Config.dat");
    writeText(target, "old");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.open());
        file.write("partial", 7);
    }
    EXPECT_EQ(readText(target), "old");
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(AtomicSave, FullDiskKeepsTheOldFileAndSaysSo) {
    TempDir dir;
    const std::string target = dir.file("Sonara.dat");
    writeText(target, "old library");
    Status saved = Status::success();
    {
        FileSizeLimit limit(1000);
        saved = writeFileAtomically(target, std::string(20000, 'x'));
    }
    EXPECT_FALSE(saved);
    EXPECT_NE(saved.error().find(target), std::string::npos);
    EXPECT_EQ(readText(target), "old library");
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(AtomicSave, KeepsThePermissionBitsOfTheTarget) {
    TempDir dir;
    const std::string target = dir.file("x");
    writeText(target, "a");
    chmod(target.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(target, "b"));
    struct stat st {};
    stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WritabilityCheck, AsksOnlyForReadOnlyFiles) {
    TempDir dir;
    ScriptedPrompter prompter;
    EXPECT_TRUE(checkWritable(dir.file("missing"), prompter));
    const std::string file = dir.file("Sonara.dat");
    writeText(file, "x");
    EXPECT_TRUE(checkWritable(file, prompter));
    EXPECT_TRUE(prompter.questions.empty());

    chmod(file.c_str(), 0444);
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(checkWritable(file, prompter));
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0],
              "Unable to write to file " + file +
                  "  \n\nWould you like to remove the ''Read-only'' attribute?");

    prompter.answerNext(Answer::Yes);
    EXPECT_TRUE(checkWritable(file, prompter));
    struct stat st {};
    stat(file.c_str(), &st);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
}

TEST(DataFileSave, ReadOnlyRefusalLeavesTheFileUnchanged) {
    TempDir dir;
    const std::string file = dir.file("Sonara.dat");
    writeText(file, "old");
    chmod(file.c_str(), 0444);
    ScriptedPrompter prompter(Answer::No);
    const Status saved =
        saveDataFile(file, prompter, [](ArchiveWriter& out) { out.writeInt32(3); });
    EXPECT_FALSE(saved);
    EXPECT_EQ(readText(file), "old");
}

TEST(DataFileLoad, DamagedFileIsCopiedAside) {
    TempDir dir;
    const std::string file = dir.file("DBCache.dat");
    writeText(file, "damaged bytes");
    const LoadOutcome outcome = loadDataFile(file, [](ArchiveReader&) { return false; });
    EXPECT_EQ(outcome, LoadOutcome::Damaged);
    EXPECT_EQ(readText(file + ".damaged"), "damaged bytes");

    EXPECT_EQ(loadDataFile(dir.file("none"), [](ArchiveReader&) { return true; }),
              LoadOutcome::Missing);
    // A folder where a data file should be is no data file.
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_EQ(loadDataFile(dir.file("folder"), [](ArchiveReader&) { return true; }),
              LoadOutcome::Missing);
}

}  // namespace
}  // namespace sonara
