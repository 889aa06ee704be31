#include "scene/LevelChecker.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

namespace {

// A small room that passes: a table with a Butter on it, a tall case with a Peanut on top and a
// Blanky in the air.
SceneData sampleRoom() {
    SceneData d;
    d.bg = 0;
    d.width = 24.0;
    d.height = 9.0;
    d.wShown = 16.0;
    d.src = SDL_Rect{0, 0, 1600, 900};
    d.boss = -1;
    d.linesBolsillos = -1;
    d.linesBotones = -1;
    d.protaPosition = WorldRect{1.0, 6.9, 1.0, 2.0};
    d.platformIndex = {-1, 0};
    d.platformPositions = {WorldRect{0.0, 8.9, 24.0, 0.0}, WorldRect{8.0, 7.4, 3.0, 1.5}};
    d.platformSrc = {SDL_Rect{0, 0, 0, 0}, SDL_Rect{0, 0, 384, 192}};
    d.platformSurfaces = {8.9, 7.4};
    d.obstacleIndex = {2};
    d.obstaclePositions = {WorldRect{14.0, 5.9, 2.0, 3.0}};
    d.obstacleSrc = {SDL_Rect{0, 0, 256, 384}};
    d.obstacleHitboxes = {WorldRect{14.0, 5.9, 2.0, 3.0}};
    d.butterPositions = {WorldRect{8.5, 5.9, 1.5, 1.5}};
    d.butterLimits = {PatrolLimits{8.0, 11.0}};
    d.peanutPositions = {WorldRect{14.2, 4.4, 1.5, 1.5}};
    d.blankyPositions = {WorldRect{19.0, 3.5, 1.5, 1.5}};
    return d;
}

SDL_Point artSize(const std::string& path) {
    if (path == "img/bg0.png") {
        return {6400, 900};
    }
    if (path == "img/plat_table1.png") {
        return {384, 192};
    }
    if (path == "img/obst_case1.png") {
        return {256, 384};
    }
    return {0, 0};
}

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) {
        all += l + "\n";
    }
    return all;
}

// Each fault alone must be reported, naming the key it lies in.
TEST(LevelChecker, CatchesPlantedFaults) {
    struct Fault {
        const char* name;
        std::function<void(SceneData&)> plant;
        const char* expected;
        std::size_t count = 1;  // problems reported in all
    };
    const Fault faults[] = {
        {"table out of jump reach",
         [](SceneData& d) {
             d.platformPositions[1] = WorldRect{2.0, 3.5, 3.0, 1.5};
             d.platformSurfaces[1] = 3.5;
             d.butterPositions.clear();
             d.butterLimits.clear();
         },
         "\"platformPositions\"[1] (table at x 2, top 3.5) cannot be reached"},
        {"Peanut inside the case", [](SceneData& d) { d.peanutPositions[0].y = 6.5; },
         "\"peanutPositions\"[0] (x 14.2, y 6.5) is inside \"obstacleHitboxes\"[0]"},
        {"patrol range off its table", [](SceneData& d) { d.butterLimits[0].maxX = 13.0; },
         "\"butterLimits\"[0] (8 to 13) runs off the surface it walks on (x 8 to 11)"},
        {"exit walled in by a case up to the ceiling",
         [](SceneData& d) {
             d.obstacleIndex.push_back(2);
             d.obstacleSrc.push_back(SDL_Rect{0, 0, 256, 384});
             d.obstaclePositions.push_back(WorldRect{20.5, 0.0, 2.0, 8.9});
             d.obstacleHitboxes.push_back(WorldRect{20.5, 0.0, 2.0, 8.9});
         },
         "the exit (x beyond 22.54) cannot be reached", 3},
        {"Blanky on top of the player", [](SceneData& d) { d.blankyPositions[0].x = 2.0; },
         "\"blankyPositions\"[0] (x 2, y 3.5) is within 4 units of \"protaPosition\""},
        {"table picture cut outside its image", [](SceneData& d) { d.platformSrc[1].w = 400; },
         "\"platformSrc\"[1] {0, 0, 400, 192} is not inside img/plat_table1.png"},
        {"scene scrolls past its background", [](SceneData& d) { d.src.x = 4500; },
         "\"width\" 24 scrolls \"src\" to x 5300, past the right edge of img/bg0.png"},
    };
    const LevelChecker checker(artSize);
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.name);
        SceneData d = sampleRoom();
        f.plant(d);
        const std::vector<std::string> problems = checker.checkScene(d, "\"scenes_1\"[2]");
        EXPECT_EQ(problems.size(), f.count) << joined(problems);
        const std::string all = joined(problems);
        EXPECT_NE(all.find(std::string("\"scenes_1\"[2]: ") + f.expected), std::string::npos)
            << all;
    }
}

// Every scene the game ships, read from the file and the generated images.
TEST(LevelChecker, ShippedScenesPass) {
    std::ifstream in(std::string(VALDRO_SOURCE_DIR) + "/data/datus/config/scenes.json");
    ASSERT_TRUE(in.good());
    const nlohmann::json scenes = nlohmann::json::parse(in);
    const LevelChecker checker(LevelChecker::pngSizes(VALDRO_RUN_DIR));
    EXPECT_EQ(joined(checker.checkDocument(scenes)), "");
}

}  // namespace
