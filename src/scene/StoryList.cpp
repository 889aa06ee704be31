#include "scene/StoryList.hpp"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

namespace story {
namespace {

// One row of the run: a fixed scene (draw 0) or draw scenes picked from a pool.
struct Slot {
    const char* name;
    int draw;
};

constexpr Slot kSlots[] = {
    {"tutorial", 0}, {"scenes_1", 3}, {"shop_1", 0},    {"scenes_2", 3}, {"botones_2", 0},
    {"greed", 0},    {"scenes_3", 3}, {"shop_2", 0},    {"scenes_4", 3}, {"botones_3", 0},
    {"lust", 0},     {"scenes_5", 6}, {"botones_4", 0}, {"valdro", 0},
};

}  // namespace

std::vector<SceneData> buildLevels(const nlohmann::json& scenes, std::mt19937& rng,
                                   std::vector<std::string>* names) {
    std::vector<SceneData> levels;
    levels.reserve(kLength);
    if (names != nullptr) {
        names->clear();
    }
    for (const Slot& slot : kSlots) {
        const nlohmann::json& entry = scenes.at(slot.name);
        if (slot.draw == 0) {
            levels.push_back(entry.get<SceneData>());
            if (names != nullptr) {
                names->push_back(slot.name);
            }
            continue;
        }
        auto pool = entry.get<std::vector<SceneData>>();
        if (pool.size() < static_cast<std::size_t>(slot.draw)) {
            throw std::runtime_error(std::string("\"") + slot.name + "\" holds too few scenes");
        }
        // The places are shuffled rather than the scenes: the same draw, and it says which.
        std::vector<std::size_t> places(pool.size());
        for (std::size_t i = 0; i < places.size(); ++i) {
            places[i] = i;
        }
        std::shuffle(places.begin(), places.end(), rng);
        for (int i = 0; i < slot.draw; ++i) {
            const std::size_t place = places[static_cast<std::size_t>(i)];
            levels.push_back(std::move(pool[place]));
            if (names != nullptr) {
                names->push_back(std::string(slot.name) + ":" + std::to_string(place));
            }
        }
    }
    return levels;
}

bool tryBuildLevels(const nlohmann::json& scenes, std::mt19937& rng, std::vector<SceneData>& levels,
                    std::vector<std::string>& names, std::string& why) {
    try {
        std::vector<std::string> picked;
        levels = buildLevels(scenes, rng, &picked);
        names = std::move(picked);
        return true;
    } catch (const std::exception& e) {
        why = e.what();
        return false;
    }
}

std::vector<SceneData> levelsNamed(const nlohmann::json& scenes,
                                   const std::vector<std::string>& names) {
    std::vector<SceneData> levels;
    levels.reserve(names.size());
    for (const std::string& name : names) {
        const std::size_t colon = name.find(':');
        const nlohmann::json& entry = scenes.at(name.substr(0, colon));
        if (colon == std::string::npos) {
            levels.push_back(entry.get<SceneData>());
            continue;
        }
        const std::string place = name.substr(colon + 1);
        if (place.empty() || place.size() > 4 ||
            place.find_first_not_of("0123456789") != std::string::npos ||
            std::stoul(place) >= entry.size()) {
            throw std::runtime_error("\"" + name + "\" is no scene of the scene file");
        }
        levels.push_back(entry.at(std::stoul(place)).get<SceneData>());
    }
    return levels;
}

}  // namespace story
