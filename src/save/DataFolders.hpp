#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Where the game finds its shipped data (datus/, img/, music/, fonts/) and where it keeps the
// player's own files (settings and ranking).
//
// Played from the build's run folder, both lie beside the binary, as the build lays them out.
// An installed game keeps its data in <prefix>/share/valdro, which it cannot write; so whenever
// the data is not beside the binary or its folder is not writable, the settings and the ranking
// live in $XDG_DATA_HOME/valdro (~/.local/share/valdro by default), seeded with the shipped
// defaults on first start.
class DataFolders {
public:
    // The parts of the process environment that say where the player's home is.
    struct Environment {
        std::string xdgDataHome;
        std::string home;
        static Environment ofProcess();
    };

    static constexpr const char* kPlayerFolderName = "valdro";
    static constexpr const char* kConfigName = "config.json";
    static constexpr const char* kRankingName = "ranking.json";

    // Finds the folders for a game binary living in binaryDir. Nothing, with one line saying
    // why, when no game data is found or the player's folder has no home.
    static std::optional<DataFolders> locate(const std::filesystem::path& binaryDir,
                                             const Environment& environment, std::string& why);

    // Makes the player's folder and copies the shipped settings and ranking into it where they
    // are missing; a player's file is never overwritten. False with a reason when the folder or
    // a file cannot be written (the game then plays on with defaults).
    bool seedPlayerFiles(std::string& why) const;

    // Read-only game data: the game runs with this as its working directory.
    const std::filesystem::path& gameData() const { return gameData_; }
    // The folder holding the player's settings and ranking.
    const std::filesystem::path& playerFolder() const { return playerFolder_; }
    std::string configFile() const { return (playerFolder_ / kConfigName).string(); }
    std::string rankingFile() const { return (playerFolder_ / kRankingName).string(); }
    // True in a writable run folder: the player's files sit in the data's datus/config.
    bool playerFilesBesideData() const { return playerFolder_ == shippedFolder(); }

private:
    DataFolders(std::filesystem::path gameData, std::filesystem::path playerFolder)
        : gameData_(std::move(gameData)), playerFolder_(std::move(playerFolder)) {}
    // Where the shipped defaults of the settings and the ranking are.
    std::filesystem::path shippedFolder() const;

    std::filesystem::path gameData_;
    std::filesystem::path playerFolder_;
};
