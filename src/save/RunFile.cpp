#include "save/RunFile.hpp"

#include <cstdint>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "app/Console.hpp"
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

using console::say;

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
    const nlohmann::json* scenes = json_file::member(
        doc, "scenes",
        [](const nlohmann::json& v) {
            return v.is_array() && !v.empty() && v.size() <= kMaxScenes;
        },
        "a list of scenes", why);
    if (scenes == nullptr) {
        return std::nullopt;
    }
    for (const auto& scene : *scenes) {
        if (!scene.is_string()) {
            why = "\"scenes\" must hold scene names";
            return std::nullopt;
        }
        run.scenes.push_back(scene.get<std::string>());
    }
    const nlohmann::json* endless = json_file::member(
        doc, "endless", [](const nlohmann::json& v) { return v.is_boolean(); }, "true or false",
        why);
    if (endless == nullptr) {
        return std::nullopt;
    }
    run.endless = endless->get<bool>();
    const long long last = static_cast<long long>(run.scenes.size()) - 1;
    if (!json_file::integer(doc, "position", 0, last, run.position, why) ||
        !json_file::integer(doc, "scenesEntered", 0, 1'000'000, run.scenesEntered, why) ||
        !json_file::integer(doc, "difficulty", 0, 3, run.difficulty, why) ||
        !json_file::integer(doc, "revivesLeft", -1, kMaxRevives, run.revivesLeft, why) ||
        !json_file::integer(doc, "checkpoint", 0, 1'000'000, run.checkpoint, why) ||
        !json_file::integer(doc, "checkpointIndex", 0, last, run.checkpointIndex, why) ||
        !json_file::integer(doc, "enemyLevel", 0, 1'000'000, run.enemyLevel, why) ||
        !json_file::integer(doc, "maxHealth", 1, kMaxHealth, run.maxHealth, why) ||
        !json_file::integer(doc, "health", 1, run.maxHealth, run.health, why) ||
        !json_file::integer(doc, "score", 0, kMaxScore, run.score, why) ||
        !json_file::integer(doc, "coins", 0, kMaxCoins, run.coins, why)) {
        return std::nullopt;
    }
    long long played = 0;
    if (!json_file::integer(doc, "playedNs", 0, INT64_MAX, played, why)) {
        return std::nullopt;
    }
    run.playedNs = played;
    const nlohmann::json* upgrades = json_file::member(
        doc, "upgrades",
        [](const nlohmann::json& v) { return v.is_array() && v.size() <= kMaxUpgradeKind + 1; },
        "a list of at most four upgrades", why);
    if (upgrades == nullptr) {
        return std::nullopt;
    }
    for (const auto& upgrade : *upgrades) {
        int kind = 0;
        int count = 0;
        if (!upgrade.is_object() ||
            !json_file::integer(upgrade, "kind", 0, kMaxUpgradeKind, kind, why) ||
            !json_file::integer(upgrade, "count", 1, kMaxPurchases, count, why)) {
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
