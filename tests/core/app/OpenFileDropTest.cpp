#include "core/app/Drop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sonara {
namespace {

class RecordingDropTarget final : public DropTarget {
  public:
    bool addFolderToLibrary(const std::string& folder) override {
        calls.push_back("folder " + folder);
        return folder != cancelAt;
    }
    void openFile(const std::string& path) override { calls.push_back("file " + path); }

    std::vector<std::string> calls;
    std::string cancelAt;
};

TEST(OpenFileDrop, FoldersJoinTheLibraryAndFilesOpenInTheOrderDropped) {
    RecordingDropTarget target;
    const size_t handled = openDropped({{"/m/a.mp3", false},
                                        {"/music", true},
                                        {"", false},
                                        {"/l/LIST.M3U", false},
                                        {"/more.mp3", true}},  // a folder, whatever its name
                                       target);
    EXPECT_EQ(handled, 4u);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"file /m/a.mp3", "folder /music",
                                                      "file /l/LIST.M3U", "folder /more.mp3"}));
}

TEST(OpenFileDrop, ACancelledFolderLeavesTheRestOfTheDrop) {
    RecordingDropTarget target;
    target.cancelAt = "/b";
    const size_t handled =
        openDropped({{"/a", true}, {"/b", true}, {"/c", true}, {"/d.mp3", false}}, target);
    EXPECT_EQ(handled, 1u);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"folder /a", "folder /b"}));
}

}  // namespace
}  // namespace sonara
