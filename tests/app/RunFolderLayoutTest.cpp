#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/TempRunFolder.hpp"

namespace {

namespace fs = std::filesystem;

// Lays out a run folder the way every build does.
int layOut(const fs::path& destination) {
    const std::string command = std::string("\"") + VALDRO_CMAKE_COMMAND + "\" -DSRC=\"" +
                                VALDRO_SOURCE_DIR + "/data\" -DDST=\"" + destination.string() +
                                "\" -P \"" + VALDRO_SOURCE_DIR +
                                "/scripts/lay_out_run_folder.cmake\" > /dev/null";
    return std::system(command.c_str());
}

TEST(RunFolderLayout, ABuildNeverOverwritesThePlayersSettingsOrRanking) {
    char name[] = "/tmp/valdro-layout-XXXXXX";
    const fs::path root = mkdtemp(name);
    ASSERT_EQ(layOut(root), 0);
    for (const char* file :
         {"datus/config/config.json", "datus/config/ranking.json", "datus/config/scenes.json",
          "datus/dialog/conversaciones_es.json", "datus/dialog/conversaciones_en.json"}) {
        EXPECT_TRUE(fs::exists(root / file)) << file;
    }

    // The player plays: settings and ranking change, and someone edits a shipped file.
    TempRunFolder::write(root / "datus/config/config.json", "{\"volumeGeneral\": 55}");
    TempRunFolder::write(root / "datus/config/ranking.json", "{\"Score\":[7],\"Time\":[1]}");
    TempRunFolder::write(root / "datus/config/scenes.json", "stale");

    ASSERT_EQ(layOut(root), 0);
    EXPECT_EQ(TempRunFolder::read(root / "datus/config/config.json"), "{\"volumeGeneral\": 55}");
    EXPECT_EQ(TempRunFolder::read(root / "datus/config/ranking.json"),
              "{\"Score\":[7],\"Time\":[1]}");
    // Shipped game data is refreshed.
    EXPECT_EQ(TempRunFolder::read(root / "datus/config/scenes.json"),
              TempRunFolder::read(fs::path(VALDRO_SOURCE_DIR) / "data/datus/config/scenes.json"));

    // A deleted settings file comes back as the shipped default.
    fs::remove(root / "datus/config/config.json");
    ASSERT_EQ(layOut(root), 0);
    EXPECT_EQ(TempRunFolder::read(root / "datus/config/config.json"),
              TempRunFolder::read(fs::path(VALDRO_SOURCE_DIR) / "data/datus/config/config.json"));
    fs::remove_all(root);
}

}  // namespace
