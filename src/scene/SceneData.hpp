#pragma once

#include <SDL_rect.h>

#include <nlohmann/json_fwd.hpp>
#include <vector>

#include "scene/PatrolLimits.hpp"
#include "scene/WorldRect.hpp"

// The plain record of one scene as written in "datus/config/scenes.json": numbers, rectangles
// and lists only. Scene construction turns it into platforms, obstacles, enemies, the player,
// the talking characters, shop items and the boss. Lengths are world units; the source
// rectangles (src, platformSrc, obstacleSrc) are pixels of the image they cut from.
//
// Parallel lists: platform i is platformIndex[i], platformPositions[i], platformSrc[i] and
// platformSurfaces[i]; likewise for the obstacle lists, butterPositions/butterLimits and
// handyPositions/handyLimits. The count is the length of the positions list.
// A fresh record is all zeros and empty lists, as the loader starts from.
struct SceneData {
    int bg = 0;            // background table index, 0 to 8
    double width = 0.0;    // scene width; the exit lies at its right end
    double height = 0.0;   // scene height; the window fits height + 3 units
    double wShown = 0.0;   // width of the band visible at once
    SDL_Rect src{};        // part of the background image stretched over the band
    SDL_Rect bgDstRect{};  // not in the file: filled in by the game when the scene is entered
    std::vector<int> platformIndex;  // platform image table index, -1 for an invisible platform
    std::vector<WorldRect> platformPositions;
    std::vector<SDL_Rect> platformSrc;
    std::vector<double> platformSurfaces;  // world y of each walkable top
    std::vector<int> obstacleIndex;
    std::vector<WorldRect> obstaclePositions;
    std::vector<SDL_Rect> obstacleSrc;
    std::vector<WorldRect> obstacleHitboxes;  // solid boxes; the top is the walkable surface
    std::vector<WorldRect> blankyPositions;
    std::vector<WorldRect> pikabooPositions;
    std::vector<WorldRect> peanutPositions;
    std::vector<WorldRect> butterPositions;
    std::vector<PatrolLimits> butterLimits;
    std::vector<WorldRect> handyPositions;
    std::vector<PatrolLimits> handyLimits;
    int boss = 0;  // 0 Codicia, 1 Lujuria, 2 Valdro, anything else: no boss
    WorldRect protaPosition;
    bool shop = false;
    int linesBolsillos = 0;  // "bolsillos" dialogue entry, -1 for no such character
    int linesBotones = 0;    // "botones" dialogue entry, -1 for no such character
    WorldRect posBolsillos;
    WorldRect posBotones;
    int animationBotones = 0;  // the look of the "botones" character
};

// JSON conversion hooks used by the library's get<T>(). Every key is required and looked up with
// at(), so the library's own exceptions tell what is wrong: out_of_range 403 for a missing key,
// type_error 304 for a value that should be an object, type_error 302 for a wrong type.
//
// Integer fields take a boolean (0 or 1), an integer or a floating-point number truncated toward
// zero; a number outside the 32-bit range is rejected with out_of_range 406 rather than wrapped.
// Double fields take any number but not a boolean. "shop" must be a boolean. Extra keys are
// ignored.
void from_json(const nlohmann::json& j, WorldRect& rect);
void from_json(const nlohmann::json& j, PatrolLimits& limits);
void from_json(const nlohmann::json& j, SceneData& data);
void from_json(const nlohmann::json& j, SDL_Rect& rect);

namespace scenedata {
// The conversion rules for one integer or double value, shared with the scene file check.
int readInt(const nlohmann::json& value);
double readDouble(const nlohmann::json& value);
}  // namespace scenedata
