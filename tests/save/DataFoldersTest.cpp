#include "save/DataFolders.hpp"

#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "app/App.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "support/TempRunFolder.hpp"

namespace {

namespace fs = std::filesystem;

// A scratch folder with a run folder (data beside the binary) and an installed tree
// (<prefix>/bin and <prefix>/share/valdro), both holding a copy of the shipped data.
class DataFoldersTest : public ::testing::Test {
protected:
    DataFoldersTest() {
        const fs::path shipped = fs::path(VALDRO_SOURCE_DIR) / "data";
        fs::copy(shipped, runFolder, fs::copy_options::recursive);
        fs::create_directories(prefix / "bin");
        fs::create_directories(prefix / "share/valdro");
        fs::copy(shipped, prefix / "share/valdro", fs::copy_options::recursive);
    }
    ~DataFoldersTest() override {
        std::error_code ec;
        fs::permissions(runFolder / "datus/config", fs::perms::owner_all, ec);
        fs::remove_all(root, ec);
    }

    static fs::path makeRoot() {
        char name[] = "/tmp/valdro-folders-XXXXXX";
        return mkdtemp(name);
    }

    fs::path root = makeRoot();
    fs::path runFolder = root / "run";
    fs::path prefix = root / "prefix";
    fs::path home = root / "home";
};

TEST_F(DataFoldersTest, TheRunFolderKeepsEverythingBesideTheBinary) {
    std::string why;
    const auto folders = DataFolders::locate(runFolder, {"/elsewhere", home.string()}, why);
    ASSERT_TRUE(folders) << why;
    EXPECT_EQ(folders->gameData(), runFolder);
    EXPECT_TRUE(folders->playerFilesBesideData());
    EXPECT_EQ(folders->configFile(), (runFolder / "datus/config/config.json").string());
    EXPECT_EQ(folders->rankingFile(), (runFolder / "datus/config/ranking.json").string());
    // Nothing to seed: the run folder's own files are the player's.
    const std::string before = TempRunFolder::read(runFolder / "datus/config/config.json");
    ASSERT_TRUE(folders->seedPlayerFiles(why)) << why;
    EXPECT_FALSE(fs::exists(home));
    EXPECT_EQ(TempRunFolder::read(runFolder / "datus/config/config.json"), before);
}

TEST_F(DataFoldersTest, AnInstalledGameKeepsThePlayersFilesInTheXdgFolder) {
    const std::string xdg = (root / "xdg").string();
    const struct {
        DataFolders::Environment environment;
        fs::path playerFolder;
    } cases[] = {
        {{xdg, home.string()}, root / "xdg/valdro"},
        {{"", home.string()}, home / ".local/share/valdro"},
        // A relative XDG_DATA_HOME is ignored, as the XDG rules say.
        {{"relative/data", home.string()}, home / ".local/share/valdro"},
    };
    for (const auto& c : cases) {
        std::string why;
        const auto folders = DataFolders::locate(prefix / "bin", c.environment, why);
        ASSERT_TRUE(folders) << why;
        EXPECT_EQ(folders->gameData(), prefix / "share/valdro") << c.environment.xdgDataHome;
        EXPECT_EQ(folders->playerFolder(), c.playerFolder) << c.environment.xdgDataHome;
        EXPECT_FALSE(folders->playerFilesBesideData());
        EXPECT_EQ(folders->configFile(), (c.playerFolder / "config.json").string());
    }
}

TEST_F(DataFoldersTest, AReadOnlyRunFolderSendsThePlayersFilesToTheXdgFolder) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    fs::permissions(runFolder / "datus/config", fs::perms::owner_read | fs::perms::owner_exec);
    std::string why;
    const auto folders = DataFolders::locate(runFolder, {"", home.string()}, why);
    ASSERT_TRUE(folders) << why;
    EXPECT_EQ(folders->gameData(), runFolder);
    EXPECT_EQ(folders->playerFolder(), home / ".local/share/valdro");
}

TEST_F(DataFoldersTest, NoDataOrNoHomeIsRefusedWithOneLine) {
    std::string why;
    EXPECT_FALSE(DataFolders::locate(root / "nowhere", {"", home.string()}, why));
    EXPECT_NE(why.find((root / "nowhere").string()), std::string::npos) << why;
    EXPECT_NE(why.find("datus/config/scenes.json"), std::string::npos) << why;

    why.clear();
    EXPECT_FALSE(DataFolders::locate(prefix / "bin", {"", ""}, why));
    EXPECT_NE(why.find("HOME"), std::string::npos) << why;
}

TEST_F(DataFoldersTest, FirstStartSeedsTheShippedDefaultsAndNeverOverwritesThePlayers) {
    std::string why;
    const auto folders = DataFolders::locate(prefix / "bin", {"", home.string()}, why);
    ASSERT_TRUE(folders) << why;
    ASSERT_TRUE(folders->seedPlayerFiles(why)) << why;
    const fs::path shipped = prefix / "share/valdro/datus/config";
    EXPECT_EQ(TempRunFolder::read(folders->configFile()),
              TempRunFolder::read(shipped / "config.json"));
    EXPECT_EQ(TempRunFolder::read(folders->rankingFile()),
              TempRunFolder::read(shipped / "ranking.json"));

    // The player plays and loses the ranking; the next start brings back only what is missing.
    TempRunFolder::write(folders->configFile(), "{\"volumeGeneral\": 7}");
    fs::remove(folders->rankingFile());
    ASSERT_TRUE(folders->seedPlayerFiles(why)) << why;
    EXPECT_EQ(TempRunFolder::read(folders->configFile()), "{\"volumeGeneral\": 7}");
    EXPECT_EQ(TempRunFolder::read(folders->rankingFile()),
              TempRunFolder::read(shipped / "ranking.json"));
}

}  // namespace
