#include "app/StoryList.hpp"

#include <algorithm>
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

std::vector<SceneData> buildLevels(const nlohmann::json& scenes, std::mt19937& rng) {
    std::vector<SceneData> levels;
    levels.reserve(kLength);
    for (const Slot& slot : kSlots) {
        const nlohmann::json& entry = scenes.at(slot.name);
        if (slot.draw == 0) {
            levels.push_back(entry.get<SceneData>());
            continue;
        }
        auto pool = entry.get<std::vector<SceneData>>();
        if (pool.size() < static_cast<std::size_t>(slot.draw)) {
            throw std::runtime_error(std::string("\"") + slot.name + "\" holds too few scenes");
        }
        std::shuffle(pool.begin(), pool.end(), rng);
        levels.insert(levels.end(), std::make_move_iterator(pool.begin()),
                      std::make_move_iterator(pool.begin() + slot.draw));
    }
    return levels;
}

}  // namespace story
