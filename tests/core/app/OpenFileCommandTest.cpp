#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/CommandLine.h"
#include "core/app/OpenCommand.h"

namespace sonara {
namespace {

TEST(OpenFileCommandLine, ArgumentsBecomeAbsoluteLocalPaths) {
    const char* work = "/home/u";
    EXPECT_EQ(commandLinePath("a.mp3", work), "/home/u/a.mp3");
    EXPECT_EQ(commandLinePath("./x//y/./a.mp3", work), "/home/u/x/y/a.mp3");
    EXPECT_EQ(commandLinePath("/abs/a.mp3", work), "/abs/a.mp3");
    EXPECT_EQ(commandLinePath("Artist: Title.mp3", work), "/home/u/Artist: Title.mp3");
    EXPECT_EQ(commandLinePath("\"q.mp3\"", work), "/home/u/\"q.mp3\"");  // quotes are name
    EXPECT_EQ(commandLinePath("file:///m/a%20b%22.mp3", work), "/m/a b\".mp3");
    EXPECT_EQ(commandLinePath("FILE://localhost/m/a.mp3", work), "/m/a.mp3");
    EXPECT_EQ(commandLinePath("file:/m/a.mp3", work), "/m/a.mp3");
    // No local file: another machine, another scheme, broken or NUL escapes.
    EXPECT_EQ(commandLinePath("file://server/m/a.mp3", work), "");
    EXPECT_EQ(commandLinePath("https://example.org/a.mp3", work), "");
    EXPECT_EQ(commandLinePath("file:///m/a%2.mp3", work), "");
    EXPECT_EQ(commandLinePath("file:///m/a%00.mp3", work), "");
    EXPECT_EQ(commandLinePath("", work), "");
}

TEST(OpenFileCommandLine, TakeGivesTheFilesInOrderOnce) {
    CommandLineFiles line({"b.mp3", "", "https://x/y.mp3", "/a.mp3"}, "/w");
    EXPECT_EQ(line.take(), (std::vector<std::string>{"/w/b.mp3", "/a.mp3"}));
    EXPECT_TRUE(line.take().empty());
    EXPECT_TRUE(CommandLineFiles({}, "/w").take().empty());
}

TEST(OpenFileShellCommand, OpenCommandsAndTheirEdges) {
    struct Case {
        const char* command;
        bool handled;
        const char* path;  // nullptr: none opened
    };
    const Case cases[] = {
        {"[open(\"C:\\a.mp3\")]", true, "C:\\a.mp3"},
        {"[open(\"/m/a.mp3\")]", true, "/m/a.mp3"},
        {"[OPEN(\"/m/a.mp3\")]", true, nullptr},   // handled, ignored
        {"[open( \"/m/a.mp3\")]", true, nullptr},  // the quote must be seventh
        {"[open(\"/m/a.mp3)]", false, nullptr},    // no closing quote
        {"[open(\"", false, nullptr},
        {"[open(", true, nullptr},
        {"", true, nullptr},
        {"[open(\"\")]", true, ""},
        // Not ending in the closing characters: cut at the next quote.
        {"[open(\"/m/a.mp3\") ]", true, "/m/a.mp3"},
        {"[open(\"/m/a.mp3\"", true, "/m/a.mp3"},
        // Ending in them: the whole path, quotes and all.
        {"[open(\"/m/12\" Mix.mp3\")]", true, "/m/12\" Mix.mp3"},
        {"[open(\"/m/x\")]y.mp3\")]", true, "/m/x\")]y.mp3"},
    };
    for (const Case& c : cases) {
        const ShellCommand parsed = parseShellCommand(c.command);
        EXPECT_EQ(parsed.handled, c.handled) << c.command;
        if (c.path == nullptr) {
            EXPECT_FALSE(parsed.path.has_value()) << c.command;
        } else {
            EXPECT_EQ(parsed.path, std::optional<std::string>(c.path)) << c.command;
        }
        EXPECT_EQ(openCommandPath(c.command), parsed.path) << c.command;
    }
}

TEST(OpenFileShellCommand, MadeCommandsGiveEveryPathBack) {
    for (const char* path : {"/m/a.mp3", "/m/\"quoted\".mp3", "/m/a\")].mp3\"", ""}) {
        EXPECT_EQ(openCommandPath(makeOpenCommand(path)), std::optional<std::string>(path)) << path;
    }
}

TEST(OpenFileShellCommand, TheRunnerIsBusyOnlyWhileItOpens) {
    std::vector<std::string> opened;
    std::vector<bool> busyWhileOpening;
    ShellCommandRunner* self = nullptr;
    ShellCommandRunner runner([&](const std::string& path) {
        opened.push_back(path);
        busyWhileOpening.push_back(self->busy());
    });
    self = &runner;
    EXPECT_FALSE(runner.busy());
    EXPECT_TRUE(runner.execute(makeOpenCommand("/m/a.mp3")));
    EXPECT_TRUE(runner.execute("[OPEN(\"/m/b.mp3\")]"));
    EXPECT_FALSE(runner.execute("[open(\"/m/c.mp3"));
    EXPECT_FALSE(runner.busy());
    EXPECT_EQ(opened, std::vector<std::string>{"/m/a.mp3"});
    EXPECT_EQ(busyWhileOpening, std::vector<bool>{true});
}

TEST(OpenFileShellCommand, AShowCommandShowsAndOpensNothing) {
    std::vector<std::string> opened;
    int shown = 0;
    ShellCommandRunner runner([&](const std::string& path) { opened.push_back(path); },
                              [&] { ++shown; });
    EXPECT_TRUE(isShowCommand(makeShowCommand()));
    EXPECT_FALSE(isShowCommand(makeOpenCommand("[show()]")));
    EXPECT_TRUE(runner.execute(makeShowCommand()));
    EXPECT_TRUE(runner.execute("[SHOW()]"));  // like any unknown command: ignored
    EXPECT_TRUE(runner.execute(makeOpenCommand("/m/[show()]")));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(opened, std::vector<std::string>{"/m/[show()]"});
    // Without a show callback the command is still handled.
    EXPECT_TRUE(ShellCommandRunner([](const std::string&) {}).execute(makeShowCommand()));
}

}  // namespace
}  // namespace sonara
