#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "core/app/DataPaths.h"
#include "core/app/StringTable.h"

namespace sonara {
namespace {

// Sets an environment variable for one test and restores it after.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataPaths, HomeOverridePutsEverythingInOneFolder) {
    ScopedEnv home("SONARA_HOME", "/tmp/elsewhere");
    const DataPaths paths = DataPaths::resolve("/srv/sonara/");
    EXPECT_EQ(paths.programFolder, "/srv/sonara");
    EXPECT_EQ(paths.library, "/srv/sonara/Sonara.dat");
    EXPECT_EQ(paths.sources, "/srv/sonara/Config.dat");
    EXPECT_EQ(paths.pathCache, "/srv/sonara/DBCache.dat");
    EXPECT_EQ(paths.currentPlayList, "/srv/sonara/CurrPl.snl");
    EXPECT_EQ(paths.preferences, "/srv/sonara/Sonara.ini");
    EXPECT_EQ(DataPaths::resolve("").programFolder, "/tmp/elsewhere");
}

TEST(DataPaths, XdgFoldersWithoutOverride) {
    ScopedEnv home("SONARA_HOME", nullptr);
    ScopedEnv user("HOME", "/home/u");
    ScopedEnv data("XDG_DATA_HOME", "/x/data");
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    const DataPaths paths = DataPaths::resolve("");
    EXPECT_EQ(paths.library, "/x/data/sonara/Sonara.dat");
    EXPECT_EQ(paths.preferences, "/home/u/.config/sonara/Sonara.ini");
    EXPECT_EQ(paths.homeFolder, "/home/u/");
}

TEST(StringTable, FormatsAndUnknownIds) {
    EXPECT_EQ(stringText(TextId::ProgramName), "Sonara");
    EXPECT_EQ(stringText(static_cast<TextId>(4242)), "");
    EXPECT_EQ(formatText(TextId::ValueInPlace, "a", "b"), "a in b");
    EXPECT_EQ(formatText(TextId::InsertRemovableMedia, "%s"),
              "Removable media not found:  %s \nPlease insert and try again ");
}

TEST(StringTable, EveryIdHasATextAndEveryTextAnId) {
    std::set<TextId> listed;
    for (const TextId id : kAllTextIds) {
        EXPECT_FALSE(stringText(id).empty()) << "no text for " << static_cast<int>(id);
        EXPECT_TRUE(listed.insert(id).second) << "listed twice: " << static_cast<int>(id);
    }
    // Distinct ids, each with a text: as many as the table holds means none is unnamed.
    EXPECT_EQ(listed.size(), stringTableSize());
}

}  // namespace
}  // namespace sonara
