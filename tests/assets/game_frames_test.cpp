// The animation tables and source rectangles the game code itself uses, checked against the
// generated images: every frame lies inside its sheet and shows something, and every scene cuts
// its background and furniture from inside their pictures, however far it scrolls.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "actors/Prota.hpp"
#include "enemies/Blanky.hpp"
#include "enemies/Butter.hpp"
#include "enemies/Handy.hpp"
#include "enemies/Peanut.hpp"
#include "enemies/Pikaboo.hpp"
#include "render/Paths.hpp"
#include "scene/SceneData.hpp"
#include "valdro_art/png_probe.hpp"

namespace {

using valdro::art::probe::Image;

struct Sheet {
    const char* path;
    std::shared_ptr<Animated> object;
};

std::vector<Sheet> gameSheets() {
    return {
        {paths::kProtaSheet, std::make_shared<Prota>(WorldRect{1, 6.9, 1, 2}, false, 1)},
        {paths::kBlankySheet, std::make_shared<Blanky>(3, 3, 1)},
        {paths::kPikabooSheet, std::make_shared<Pikaboo>(3, 3, 1)},
        {paths::kPeanutSheet, std::make_shared<Peanut>(3, 7.4, 1)},
        {paths::kButterSheet, std::make_shared<Butter>(3, 7.4, 0, 10, 1)},
        {paths::kHandySheet, std::make_shared<Handy>(3, 7.4, 0, 10, 1)},
    };
}

bool inside(const Image& image, const SDL_Rect& r) {
    return r.x >= 0 && r.y >= 0 && r.w > 0 && r.h > 0 && r.x + r.w <= image.w() &&
           r.y + r.h <= image.h();
}

TEST(GameFrames, EveryFrameOfEveryAnimationInCodeIsDrawn) {
    for (const Sheet& sheet : gameSheets()) {
        Image image(sheet.path);
        ASSERT_TRUE(image.ok()) << sheet.path;
        for (const auto& [name, info] : sheet.object->animations) {
            for (int f = 0; f < info.frames; ++f) {
                const SDL_Rect r{info.sheetX + f * info.frameW, info.sheetY, info.frameW,
                                 info.frameH};
                ASSERT_TRUE(inside(image, r))
                    << sheet.path << " \"" << name << "\" frame " << f << " at " << r.x << ","
                    << r.y << " " << r.w << "x" << r.h;
                EXPECT_GT(image.coverage(r.x, r.y, r.w, r.h), 0.0)
                    << sheet.path << " \"" << name << "\" frame " << f << " is empty";
            }
        }
    }
}

TEST(GameFrames, ShotsAreCutFromInsideTheirPictures) {
    // The player's, Blanky's, Peanut's and Butter's missiles cut (0, 0, 100, 100).
    for (const char* path : {paths::kProtaShot, paths::kEnemyShot, paths::kButterDrop}) {
        Image image(path);
        ASSERT_TRUE(image.ok()) << path;
        EXPECT_TRUE(inside(image, SDL_Rect{0, 0, 100, 100})) << path;
        EXPECT_GT(image.coverage(0, 0, 100, 100), 0.05) << path;
    }
}

TEST(GameFrames, EverySceneCutsItsPicturesFromInsideThem) {
    std::ifstream in(std::string(VALDRO_RUN_DIR) + "/" + paths::kScenesFile);
    ASSERT_TRUE(in) << "the run folder has no scene file";
    const nlohmann::json doc = nlohmann::json::parse(in);
    std::vector<std::unique_ptr<Image>> backgrounds;
    for (const char* path : paths::kBackgroundImages) {
        backgrounds.push_back(std::make_unique<Image>(path));
        ASSERT_TRUE(backgrounds.back()->ok()) << path;
    }
    std::vector<std::unique_ptr<Image>> furniture;
    for (const char* path : paths::kPlatformImages) {
        furniture.push_back(std::make_unique<Image>(path));
        ASSERT_TRUE(furniture.back()->ok()) << path;
    }
    auto check = [&](const nlohmann::json& object, const std::string& where) {
        const SceneData scene = object.get<SceneData>();
        const Image& bg = *backgrounds.at(static_cast<std::size_t>(scene.bg));
        // The band scrolls src.h / height pixels per world unit, up to width - wShown units.
        const double scrollPixels = (scene.width - scene.wShown) * scene.src.h / scene.height;
        EXPECT_TRUE(inside(bg, scene.src)) << where;
        EXPECT_LE(scene.src.x + scene.src.w + scrollPixels, bg.w() + 0.5)
            << where << ": the scene scrolls past the end of its background";
        for (std::size_t i = 0; i < scene.platformIndex.size(); ++i) {
            if (scene.platformIndex[i] >= 0) {
                const Image& img = *furniture.at(static_cast<std::size_t>(scene.platformIndex[i]));
                EXPECT_TRUE(inside(img, scene.platformSrc[i])) << where << " platform " << i;
            }
        }
        for (std::size_t i = 0; i < scene.obstacleIndex.size(); ++i) {
            const Image& img = *furniture.at(static_cast<std::size_t>(scene.obstacleIndex[i]));
            EXPECT_TRUE(inside(img, scene.obstacleSrc[i])) << where << " obstacle " << i;
        }
    };
    int scenes = 0;
    for (const auto& [slot, value] : doc.items()) {
        if (value.is_array()) {
            for (std::size_t i = 0; i < value.size(); ++i) {
                check(value[i], slot + "[" + std::to_string(i) + "]");
                ++scenes;
            }
        } else {
            check(value, slot);
            ++scenes;
        }
    }
    EXPECT_GT(scenes, 27);
}

}  // namespace
