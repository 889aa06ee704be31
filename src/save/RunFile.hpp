#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json_fwd.hpp>

// A story or endless run as it stood when its latest scene was entered: enough to enter that
// scene again after the game was closed, as a revive does.
struct SavedRun {
    std::vector<std::string> scenes;  // the drawn list, each as --scene names it
    int position = 0;                 // the scene entered, in scenes
    int scenesEntered = 0;            // the level scene's count, which an endless run keeps on
    bool endless = false;
    int difficulty = 1;
    int revivesLeft = -1;
    int checkpoint = 0;       // the checkpoint a revive starts from, as the scene counts it
    int checkpointIndex = 0;  // and its place in scenes
    int enemyLevel = 0;
    int health = 0;
    int maxHealth = 0;
    int score = 0;
    int coins = 0;
    // Upgrades bought, by kind and how many times, in the order first bought.
    std::vector<std::pair<int, int>> upgrades;
    std::int64_t playedNs = 0;
};

// "run.json" beside the settings: written atomically at every scene entry of a run, read at
// start-up so the title can offer to continue it, removed once the run has ended. A file that
// is damaged or was written by another version is put aside as "run.json.broken".
class RunFile {
public:
    static constexpr const char* kFileName = "run.json";
    static constexpr const char* kVersionKey = "version";

    RunFile() = default;  // no file: practice, replays and tools keep nothing
    explicit RunFile(std::string path) : path_(std::move(path)) {}

    bool enabled() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

    // Reads the file; nothing when there is none. A file that cannot be used is put aside and
    // one line saying so goes to stderr.
    std::optional<SavedRun> load() const;
    // False (and a stderr line) when it could not be written; the run plays on.
    bool save(const SavedRun& run) const;
    void remove() const;
    // The run in it cannot be used: the file is put aside and one line says why.
    void putAside(const std::string& why) const;

    static nlohmann::json toJson(const SavedRun& run);
    // Nothing, with why, when a key is missing or holds a value no run can have.
    static std::optional<SavedRun> fromJson(const nlohmann::json& doc, std::string& why);

private:
    std::string path_;
};
