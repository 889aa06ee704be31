#pragma once

#include <SDL_rect.h>

#include <functional>
#include <map>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "scene/SceneData.hpp"

// What a level author runs before shipping a scene: can the player actually get everywhere and
// out, and does everything stand where the art and the enemies expect it?
//
// Reach is found by playing: the real Prota walks, jumps and dashes in an empty room, with the
// scene's platforms and obstacles resolved the way a level resolves them, from every place the
// player can stand. Checked, each problem named by slot, position in the pool and key:
//  - every platform top, obstacle top and stretch of floor, and the exit, can be reached from
//    the start;
//  - no enemy overlaps furniture, leaves the scene or starts within kSafeStartDistance of the
//    player;
//  - every Butter and Handy stands on a surface and its patrol range lies within that surface
//    and the scene, with room for the walker;
//  - every source rectangle lies inside its image, and the background's scroll range too.
class LevelChecker {
public:
    // Enemies closer than this to the player's start (centre to centre) would hurt at once.
    static constexpr double kSafeStartDistance = 4.0;
    // How far apart the places are from which the checker tries every jump.
    static constexpr double kLaunchSpacing = 0.5;

    // Image size in pixels by run-folder path ("img/bg0.png"); {0, 0} for an image it cannot
    // read, which the checker reports.
    using ImageSizes = std::function<SDL_Point(const std::string& path)>;

    explicit LevelChecker(ImageSizes sizes);
    // Reads the sizes from the PNGs below runFolder with SDL_image, each image once.
    static ImageSizes pngSizes(const std::string& runFolder);

    // One scene; where names it in the messages, e.g. "\"scenes_2\"[4]".
    std::vector<std::string> checkScene(const SceneData& scene, const std::string& where) const;
    // Every scene object of a scene document (single slots and pools); a scene that does not
    // load is reported with the loader's message.
    std::vector<std::string> checkDocument(const nlohmann::json& scenes) const;

private:
    ImageSizes sizes_;
};
