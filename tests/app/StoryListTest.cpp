#include "scene/StoryList.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include <nlohmann/json.hpp>

namespace {

// The shipped scenes with every scene's width replaced by a tag telling where it came from:
// slot number × 100 + its place in the pool.
nlohmann::json taggedScenes(const std::vector<std::string>& slots) {
    std::ifstream in(std::string(VALDRO_SOURCE_DIR) + "/data/datus/config/scenes.json");
    nlohmann::json scenes = nlohmann::json::parse(in);
    for (std::size_t s = 0; s < slots.size(); ++s) {
        nlohmann::json& entry = scenes.at(slots[s]);
        if (entry.is_array()) {
            for (std::size_t i = 0; i < entry.size(); ++i) {
                entry[i]["width"] = static_cast<double>(s * 100 + i);
            }
        } else {
            entry["width"] = static_cast<double>(s * 100);
        }
    }
    return scenes;
}

TEST(StoryList, FixedScenesStayPutAndPoolsAreDrawnAfreshEachRun) {
    const std::vector<std::string> slots = {
        "tutorial", "scenes_1", "shop_1",    "scenes_2", "botones_2", "greed",     "scenes_3",
        "shop_2",   "scenes_4", "botones_3", "lust",     "scenes_5",  "botones_4", "valdro"};
    nlohmann::json scenes = taggedScenes(slots);
    // A pool of exactly three gives all three.
    scenes["scenes_2"] = nlohmann::json::array(
        {scenes["scenes_2"][0], scenes["scenes_2"][1], scenes["scenes_2"][2]});

    std::mt19937 rng(7);
    const auto first = story::buildLevels(scenes, rng);
    const auto second = story::buildLevels(scenes, rng);
    ASSERT_EQ(first.size(), 27u);
    ASSERT_EQ(second.size(), 27u);
    // Where each slot's scenes go.
    const std::map<int, int> fixed = {{0, 0},  {4, 2},   {8, 4},   {9, 5},  {13, 7},
                                      {17, 9}, {18, 10}, {25, 12}, {26, 13}};
    for (const auto& [index, slot] : fixed) {
        EXPECT_EQ(first[index].width, slot * 100) << index;
        EXPECT_EQ(second[index].width, slot * 100) << index;
    }
    const std::map<int, std::pair<int, int>> pools = {
        {1, {1, 3}}, {3, {5, 3}}, {6, {10, 3}}, {8, {14, 3}}, {11, {19, 6}}};
    bool drawsDiffer = false;
    for (const auto& [slot, place] : pools) {
        std::set<double> picked;
        for (int i = place.first; i < place.first + place.second; ++i) {
            EXPECT_EQ(static_cast<int>(first[i].width) / 100, slot) << i;
            picked.insert(first[i].width);
            drawsDiffer = drawsDiffer || first[i].width != second[i].width;
        }
        EXPECT_EQ(picked.size(), static_cast<std::size_t>(place.second)) << "no scene twice";
    }
    EXPECT_TRUE(drawsDiffer);
    EXPECT_EQ((std::set<double>{first[5].width, first[6].width, first[7].width}),
              (std::set<double>{300, 301, 302}));

    // The same seed draws the same run.
    std::mt19937 again(7);
    EXPECT_EQ(story::buildLevels(scenes, again)[19].width, first[19].width);

    // A pool too small to draw from is refused, not read past its end.
    scenes["scenes_5"] = nlohmann::json::array({scenes["scenes_5"][0]});
    EXPECT_ANY_THROW(story::buildLevels(scenes, rng));
}

}  // namespace
