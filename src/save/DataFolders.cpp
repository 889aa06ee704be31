#include "save/DataFolders.hpp"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "save/AtomicFile.hpp"

// An installed binary finds its data along this path from its own folder (set by the build from
// the install layout, so any prefix works).
#ifndef VALDRO_DATA_FROM_BINARY
#define VALDRO_DATA_FROM_BINARY "../share/valdro"
#endif

namespace fs = std::filesystem;

namespace {

constexpr const char* kSettingsFolder = "datus/config";
// A folder holds the game's data when this file, which every start reads, is in it.
constexpr const char* kDataMarker = "datus/config/scenes.json";

bool holdsGameData(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / kDataMarker, ec);
}

bool writable(const fs::path& folder) {
    return access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string envOr(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

DataFolders::Environment DataFolders::Environment::ofProcess() {
    return {envOr("XDG_DATA_HOME"), envOr("HOME")};
}

fs::path DataFolders::shippedFolder() const {
    return gameData_ / kSettingsFolder;
}

std::optional<DataFolders> DataFolders::locate(const fs::path& binaryDir,
                                               const Environment& environment, std::string& why) {
    fs::path data;
    std::error_code ec;
    if (holdsGameData(binaryDir)) {
        data = binaryDir;
    } else if (holdsGameData(binaryDir / VALDRO_DATA_FROM_BINARY)) {
        data = fs::weakly_canonical(binaryDir / VALDRO_DATA_FROM_BINARY, ec);
        if (ec) {
            data = binaryDir / VALDRO_DATA_FROM_BINARY;
        }
    } else {
        why = "no game data (" + std::string(kDataMarker) + ") beside " + binaryDir.string() +
              " nor in " + (binaryDir / VALDRO_DATA_FROM_BINARY).lexically_normal().string();
        return std::nullopt;
    }

    // The run folder as the build lays it out: everything stays beside the binary.
    if (data == binaryDir && writable(data / kSettingsFolder)) {
        return DataFolders(data, data / kSettingsFolder);
    }

    // The XDG rules ignore a relative XDG_DATA_HOME.
    fs::path home;
    if (!environment.xdgDataHome.empty() && fs::path(environment.xdgDataHome).is_absolute()) {
        home = environment.xdgDataHome;
    } else if (!environment.home.empty()) {
        home = fs::path(environment.home) / ".local/share";
    } else {
        why = "the game data in " + data.string() +
              " is read-only and neither XDG_DATA_HOME nor HOME says where to keep the "
              "settings and the ranking";
        return std::nullopt;
    }
    return DataFolders(data, home / kPlayerFolderName);
}

bool DataFolders::seedPlayerFiles(std::string& why) const {
    if (playerFilesBesideData()) {
        return true;
    }
    std::error_code ec;
    fs::create_directories(playerFolder_, ec);
    if (ec || !fs::is_directory(playerFolder_, ec)) {
        why = playerFolder_.string() + ": cannot make the folder for the settings and the ranking" +
              (ec ? ": " + ec.message() : std::string{});
        return false;
    }
    for (const char* name : {kConfigName, kRankingName}) {
        const fs::path target = playerFolder_ / name;
        if (fs::exists(target, ec)) {
            continue;
        }
        std::ifstream in(shippedFolder() / name, std::ios::binary);
        if (!in) {
            continue;  // without a shipped default the game makes its own at the first save
        }
        std::stringstream text;
        text << in.rdbuf();
        if (!atomic_file::write(target.string(), text.str())) {
            why = target.string() + ": cannot be written; the game plays with its defaults";
            return false;
        }
    }
    return true;
}
