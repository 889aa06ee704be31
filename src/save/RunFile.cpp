#include "save/RunFile.hpp"

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "app/GameVersion.hpp"
#include "save/AtomicFile.hpp"
#include "save/JsonFile.hpp"

namespace {

// Beyond these no run goes: the hero's caps and the upgrades' limits with room to spare.
constexpr int kMaxHealth = 99;
constexpr int kMaxScore = 99999;
constexpr int kMaxCoins = 99;
constexpr int kMaxUpgradeKind = 3;
constexpr int kMaxPurchases = 999;
constexpr int kMaxRevives = 99;
constexpr std::size_t kMaxScenes = 1000;

void say(const std::string& line) {
    std::fprintf(stderr, "valdro: %s\n", line.c_str());
}

// Reads one integer member within [lo, hi]; false with why otherwise.
bool integer(const nlohmann::json& doc, const char* key, long long lo, long long hi, long long& out,
             std::string& why) {
    const auto it = doc.find(key);
    if (it == doc.end() || !it->is_number_integer()) {
        why = std::string("\"") + key + "\" " +
              (it == doc.end() ? "is missing" : "must be a whole number");
        return false;
    }
    out = it->get<long long>();
    if (out < lo || out > hi) {
        why = std::string("\"") + key + "\" is " + std::to_string(out) + ", outside " +
              std::to_string(lo) + " to " + std::to_string(hi);
        return false;
    }
    return true;
}

bool integer(const nlohmann::json& doc, const char* key, long long lo, long long hi, int& out,
             std::string& why) {
    long long value = 0;
    if (!integer(doc, key, lo, hi, value, why)) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

}  // namespace

nlohmann::json RunFile::toJson(const SavedRun& run) {
    nlohmann::json upgrades = nlohmann::json::array();
    for (const auto& [kind, count] : run.upgrades) {
        upgrades.push_back({{"kind", kind}, {"count", count}});
    }
    return nlohmann::json{{kVersionKey, gameVersion()},
                          {"scenes", run.scenes},
                          {"position", run.position},
                          {"scenesEntered", run.scenesEntered},
                          {"endless", run.endless},
                          {"difficulty", run.difficulty},
                          {"revivesLeft", run.revivesLeft},
                          {"checkpoint", run.checkpoint},
                          {"checkpointIndex", run.checkpointIndex},
                          {"enemyLevel", run.enemyLevel},
                          {"health", run.health},
                          {"maxHealth", run.maxHealth},
                          {"score", run.score},
                          {"coins", run.coins},
                          {"upgrades", std::move(upgrades)},
                          {"playedNs", run.playedNs}};
}

std::optional<SavedRun> RunFile::fromJson(const nlohmann::json& doc, std::string& why) {
    if (!doc.is_object()) {
        why = "not a JSON object";
        return std::nullopt;
    }
    const auto version = doc.find(kVersionKey);
    if (version == doc.end() || !version->is_string() || *version != gameVersion()) {
        why = std::string("written by another version of the game (") +
              (version != doc.end() && version->is_string() ? version->get<std::string>()
                                                            : std::string("none")) +
              ", this is " + gameVersion() + ")";
        return std::nullopt;
    }
    SavedRun run;
    const auto scenes = doc.find("scenes");
    if (scenes == doc.end() || !scenes->is_array() || scenes->empty() ||
        scenes->size() > kMaxScenes) {
        why = "\"scenes\" must be a list of scenes";
        return std::nullopt;
    }
    for (const auto& scene : *scenes) {
        if (!scene.is_string()) {
            why = "\"scenes\" must hold scene names";
            return std::nullopt;
        }
        run.scenes.push_back(scene.get<std::string>());
    }
    const auto endless = doc.find("endless");
    if (endless == doc.end() || !endless->is_boolean()) {
        why = "\"endless\" must be true or false";
        return std::nullopt;
    }
    run.endless = endless->get<bool>();
    const long long last = static_cast<long long>(run.scenes.size()) - 1;
    if (!integer(doc, "position", 0, last, run.position, why) ||
        !integer(doc, "scenesEntered", 0, 1'000'000, run.scenesEntered, why) ||
        !integer(doc, "difficulty", 0, 3, run.difficulty, why) ||
        !integer(doc, "revivesLeft", -1, kMaxRevives, run.revivesLeft, why) ||
        !integer(doc, "checkpoint", 0, 1'000'000, run.checkpoint, why) ||
        !integer(doc, "checkpointIndex", 0, last, run.checkpointIndex, why) ||
        !integer(doc, "enemyLevel", 0, 1'000'000, run.enemyLevel, why) ||
        !integer(doc, "maxHealth", 1, kMaxHealth, run.maxHealth, why) ||
        !integer(doc, "health", 1, run.maxHealth, run.health, why) ||
        !integer(doc, "score", 0, kMaxScore, run.score, why) ||
        !integer(doc, "coins", 0, kMaxCoins, run.coins, why)) {
        return std::nullopt;
    }
    long long played = 0;
    if (!integer(doc, "playedNs", 0, INT64_MAX, played, why)) {
        return std::nullopt;
    }
    run.playedNs = played;
    const auto upgrades = doc.find("upgrades");
    if (upgrades == doc.end() || !upgrades->is_array() || upgrades->size() > kMaxUpgradeKind + 1) {
        why = "\"upgrades\" must be a list of at most four upgrades";
        return std::nullopt;
    }
    for (const auto& upgrade : *upgrades) {
        int kind = 0;
        int count = 0;
        if (!upgrade.is_object() || !integer(upgrade, "kind", 0, kMaxUpgradeKind, kind, why) ||
            !integer(upgrade, "count", 1, kMaxPurchases, count, why)) {
            why = "\"upgrades\": " + (why.empty() ? std::string("each must be an object") : why);
            return std::nullopt;
        }
        for (const auto& [seen, n] : run.upgrades) {
            if (seen == kind) {
                why = "\"upgrades\" names kind " + std::to_string(kind) + " twice";
                return std::nullopt;
            }
        }
        run.upgrades.emplace_back(kind, count);
    }
    return run;
}

std::optional<SavedRun> RunFile::load() const {
    if (!enabled()) {
        return std::nullopt;
    }
    json_file::Document file = json_file::read(path_);
    if (file.missing) {
        return std::nullopt;
    }
    std::string why = file.problem;
    std::optional<SavedRun> run;
    if (file.ok()) {
        run = fromJson(file.json, why);
    }
    if (!run) {
        putAside(why);
    }
    return run;
}

void RunFile::putAside(const std::string& why) const {
    // Kept, so nothing is lost, and out of the way, so the title works as if there were none.
    const std::string copy = atomic_file::keepSideCopy(path_);
    remove();
    say(path_ + ": " + why + "; the run in it cannot be continued" +
        (copy.empty() ? std::string{} : ", the file is kept as " + copy));
}

bool RunFile::save(const SavedRun& run) const {
    if (!enabled()) {
        return true;
    }
    if (!atomic_file::write(path_, toJson(run).dump(4) + "\n")) {
        say(path_ + ": could not be written; this run cannot be continued after closing");
        return false;
    }
    return true;
}

void RunFile::remove() const {
    if (!enabled()) {
        return;
    }
    std::error_code ec;
    std::filesystem::remove(path_, ec);
}
