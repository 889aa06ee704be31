#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "support/TempRunFolder.hpp"

// Installs the built game into a throwaway prefix, the way a player or a package would get it,
// and starts it from its desktop entry's command.
namespace {

namespace fs = std::filesystem;

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

std::string quoted(const fs::path& p) {
    return "'" + p.string() + "'";
}

int shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool haveTool(const char* name) {
    return shell(std::string("command -v ") + name + " > /dev/null 2>&1") == 0;
}

// The value of a key in the [Desktop Entry] group.
std::string desktopValue(const fs::path& file, const std::string& key) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + "=", 0) == 0) {
            return line.substr(key.size() + 1);
        }
    }
    return {};
}

class InstalledGame : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char name[] = "/tmp/valdro-install-XXXXXX";
        root_ = new fs::path(mkdtemp(name));
        installed_ =
            shell("\"" VALDRO_CMAKE_COMMAND "\" --install \"" VALDRO_BINARY_DIR "\" --prefix " +
                  quoted(*root_ / "prefix") + " > " + quoted(*root_ / "install.log") + " 2>&1") ==
            0;
    }
    static void TearDownTestSuite() {
        std::error_code ec;
        fs::remove_all(*root_, ec);
        delete root_;
        root_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(installed_) << TempRunFolder::read(*root_ / "install.log");
    }

    // Starts the installed game headless, as its desktop entry says, from an unrelated folder.
    static void play(const std::string& environment) {
        const std::string exec = desktopValue(desktopEntry(), "Exec");
        ASSERT_EQ(shell("cd " + quoted(*root_) + " && env " + environment +
                        " SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy PATH=" +
                        quoted(prefix() / "bin") + ":\"$PATH\" " + exec +
                        " --seed 4 --frames 5 > " + quoted(*root_ / "play.log") + " 2>&1"),
                  0)
            << TempRunFolder::read(*root_ / "play.log");
    }
    // The installed settings are the shipped defaults, never the run folder's own.
    static void expectShippedSettings() {
        EXPECT_EQ(
            TempRunFolder::read(data() / "datus/config/config.json"),
            TempRunFolder::read(fs::path(VALDRO_SOURCE_DIR) / "data/datus/config/config.json"));
    }

    static fs::path prefix() { return *root_ / "prefix"; }
    static fs::path share() { return prefix() / "share"; }
    static fs::path data() { return share() / "valdro"; }
    static fs::path desktopEntry() { return share() / "applications" / VALDRO_APP_ID ".desktop"; }
    static fs::path metainfo() { return share() / "metainfo" / VALDRO_APP_ID ".metainfo.xml"; }

    static fs::path* root_;
    static bool installed_;
};

fs::path* InstalledGame::root_ = nullptr;
bool InstalledGame::installed_ = false;

TEST_F(InstalledGame, LaysOutTheBinaryDataDesktopEntryIconAndMetainfo) {
    EXPECT_EQ(access((prefix() / "bin/valdro").c_str(), X_OK), 0);
    for (const char* file : {"datus/config/scenes.json", "datus/config/config.json",
                             "datus/config/ranking.json", "datus/dialog/conversaciones_es.json",
                             "img/prota_sheet.png", "music/main.mp3", "fonts/cavolini_b.ttf"}) {
        EXPECT_TRUE(fs::is_regular_file(data() / file)) << file;
    }
    // The files themselves, never links back into the build.
    for (const char* folder : {"datus", "img", "music", "fonts"}) {
        EXPECT_FALSE(fs::is_symlink(data() / folder)) << folder;
    }
    expectShippedSettings();
    EXPECT_TRUE(fs::is_regular_file(metainfo()));
    EXPECT_EQ(desktopValue(desktopEntry(), "Icon"), VALDRO_APP_ID);

    if (!VALDRO_ICONS_DRAWN && !fs::exists(VALDRO_BINARY_DIR "/run/icons")) {
        GTEST_SKIP() << "this build draws no art, so it has no icon to install";
    }
    IMG_Init(IMG_INIT_PNG);
    for (int size : kIconSizes) {
        const std::string dim = std::to_string(size);
        const fs::path icon =
            share() / "icons/hicolor" / (dim + "x" + dim) / "apps" / VALDRO_APP_ID ".png";
        SDL_Surface* picture = IMG_Load(icon.c_str());
        ASSERT_NE(picture, nullptr) << icon << ": " << IMG_GetError();
        EXPECT_EQ(picture->w, size) << icon;
        EXPECT_EQ(picture->h, size) << icon;
        EXPECT_TRUE(SDL_ISPIXELFORMAT_ALPHA(picture->format->format)) << icon;
        SDL_FreeSurface(picture);
    }
    IMG_Quit();
}

TEST_F(InstalledGame, KeepsTheSettingsAndRankingUnderTheXdgFolder) {
    const fs::path home = *root_ / "home-xdg";
    const fs::path xdg = *root_ / "xdg";
    const std::string environment = "HOME=" + quoted(home) + " XDG_DATA_HOME=" + quoted(xdg);
    play(environment);
    const fs::path mine = xdg / "valdro";
    ASSERT_TRUE(fs::is_regular_file(mine / "config.json"));
    ASSERT_TRUE(fs::is_regular_file(mine / "ranking.json"));
    const auto config = nlohmann::json::parse(TempRunFolder::read(mine / "config.json"));
    EXPECT_EQ(config["width"], 1280);
    EXPECT_TRUE(config.contains("SelectedKeySet"));
    EXPECT_FALSE(fs::exists(home / ".local/share/valdro"));

    // The player's own settings are used and kept on the next start.
    auto changed = config;
    changed["SelectedKeySet"] = 2;
    changed["playerNote"] = "mine";
    TempRunFolder::write(mine / "config.json", changed.dump());
    play(environment);
    const auto kept = nlohmann::json::parse(TempRunFolder::read(mine / "config.json"));
    EXPECT_EQ(kept["SelectedKeySet"], 2);
    EXPECT_EQ(kept["playerNote"], "mine");

    // Nothing was written into the installed data.
    expectShippedSettings();
    for (const auto& entry : fs::directory_iterator(data() / "datus/config")) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
            << entry.path();
    }
}

TEST_F(InstalledGame, WithoutXdgDataHomeTheFilesGoUnderHome) {
    const fs::path home = *root_ / "home-plain";
    play("-u XDG_DATA_HOME HOME=" + quoted(home));
    EXPECT_TRUE(fs::is_regular_file(home / ".local/share/valdro/config.json"));
    EXPECT_TRUE(fs::is_regular_file(home / ".local/share/valdro/ranking.json"));
}

TEST_F(InstalledGame, DesktopEntryAndMetainfoPassTheirValidators) {
    if (!haveTool("desktop-file-validate") || !haveTool("appstreamcli")) {
        GTEST_SKIP() << "desktop-file-validate or appstreamcli is not installed";
    }
    const fs::path log = *root_ / "validate.log";
    for (const std::string& check : {"desktop-file-validate " + quoted(desktopEntry()),
                                     "appstreamcli validate --no-net " + quoted(metainfo())}) {
        EXPECT_EQ(shell(check + " > " + quoted(log) + " 2>&1"), 0) << TempRunFolder::read(log);
    }
}

TEST(DebianPackage, HoldsTheGameAndDeclaresTheLibrariesItNeeds) {
    if (!haveTool("cpack") || !haveTool("dpkg-deb") || !haveTool("dpkg-shlibdeps")) {
        GTEST_SKIP() << "cpack, dpkg-deb or dpkg-shlibdeps is not installed";
    }
    char name[] = "/tmp/valdro-deb-XXXXXX";
    const fs::path out = mkdtemp(name);
    ASSERT_EQ(shell("cd \"" VALDRO_BINARY_DIR "\" && cpack -G DEB -B " + quoted(out) + " > " +
                    quoted(out / "cpack.log") + " 2>&1"),
              0)
        << TempRunFolder::read(out / "cpack.log");
    fs::path deb;
    for (const auto& entry : fs::directory_iterator(out)) {
        if (entry.path().extension() == ".deb") {
            deb = entry.path();
        }
    }
    ASSERT_FALSE(deb.empty()) << TempRunFolder::read(out / "cpack.log");
    ASSERT_EQ(shell("dpkg-deb -f " + quoted(deb) + " Depends > " + quoted(out / "depends") +
                    " && dpkg-deb -c " + quoted(deb) + " > " + quoted(out / "contents")),
              0);
    const std::string depends = TempRunFolder::read(out / "depends");
    for (const char* library : {"libsdl2-2.0-0", "libsdl2-image-2.0-0", "libsdl2-mixer-2.0-0",
                                "libsdl2-ttf-2.0-0", "libstdc++6"}) {
        EXPECT_NE(depends.find(library), std::string::npos) << library << " in " << depends;
    }
    const std::string contents = TempRunFolder::read(out / "contents");
    for (const std::string file :
         {"./usr/bin/valdro", "./usr/share/valdro/datus/config/scenes.json",
          "./usr/share/valdro/img/prota_sheet.png", "./usr/share/valdro/music/main.mp3",
          "./usr/share/valdro/fonts/cavolini_b.ttf",
          "./usr/share/applications/" VALDRO_APP_ID ".desktop",
          "./usr/share/metainfo/" VALDRO_APP_ID ".metainfo.xml"}) {
        EXPECT_NE(contents.find(file + "\n"), std::string::npos) << file;
    }
    if (VALDRO_ICONS_DRAWN || fs::exists(VALDRO_BINARY_DIR "/run/icons")) {
        EXPECT_NE(contents.find("./usr/share/icons/hicolor/256x256/apps/" VALDRO_APP_ID ".png"),
                  std::string::npos);
    }
    std::error_code ec;
    fs::remove_all(out, ec);
}

}  // namespace
