#include "save/AtomicFile.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/TempRunFolder.hpp"

namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// Only the temporary files of the save named are stale; the player's other files, other saves'
// temporaries and anything merely looking alike stay.
TEST(AtomicFile, RemovesOnlyTheTemporariesOfTheSaveNamed) {
    TempRunFolder run;
    const fs::path folder = run.path("datus/config");
    struct Case {
        const char* name;
        bool stale;
    };
    const Case cases[] = {
        {"config.json.tmp-a1B2c3", true},
        {"config.json.tmp-XXXXXX", true},
        {"config.json.tmp-000000", true},
        {"config.json", false},
        {"config.json.tmp-a1B2c", false},
        {"config.json.tmp-a1B2c3d", false},
        {"config.json.tmp-a1B2c3.bak", false},
        {"config.json.tmp-a1-2c3", false},
        {"config.json.broken", false},
        {"xconfig.json.tmp-a1B2c3", false},
        {"ranking.json.tmp-a1B2c3", false},
        {"config.jsontmp-a1B2c3", false},
        {"notes.txt", false},
    };
    int expectedRemoved = 0;
    for (const Case& c : cases) {
        TempRunFolder::write(folder / c.name, "{}");
        expectedRemoved += c.stale ? 1 : 0;
    }
    // A folder or a link with a temporary's name is not a file the game wrote.
    fs::create_directory(folder / "config.json.tmp-Dir123");
    fs::create_symlink(folder / "notes.txt", folder / "config.json.tmp-Link12");

    EXPECT_EQ(atomic_file::removeStaleTemporaries((folder / "config.json").string()),
              expectedRemoved);
    const std::set<std::string> left = namesIn(folder);
    for (const Case& c : cases) {
        EXPECT_EQ(left.count(c.name), c.stale ? 0u : 1u) << c.name;
    }
    EXPECT_EQ(left.count("config.json.tmp-Dir123"), 1u);
    EXPECT_EQ(left.count("config.json.tmp-Link12"), 1u);
    EXPECT_TRUE(fs::exists(folder / "notes.txt"));
    EXPECT_EQ(TempRunFolder::read(folder / "config.json"), "{}");
    // Nothing left to remove the second time.
    EXPECT_EQ(atomic_file::removeStaleTemporaries((folder / "config.json").string()), 0);
}

TEST(AtomicFile, ASaveInTheWorkingFolderOrAMissingFolderIsHandled) {
    TempRunFolder run;
    TempRunFolder::write("ranking.json.tmp-Q9q9Q9", "half");
    EXPECT_EQ(atomic_file::removeStaleTemporaries("ranking.json"), 1);
    EXPECT_FALSE(fs::exists("ranking.json.tmp-Q9q9Q9"));
    EXPECT_EQ(atomic_file::removeStaleTemporaries("no/such/folder/config.json"), 0);
    EXPECT_EQ(atomic_file::removeStaleTemporaries(""), 0);
}

}  // namespace
