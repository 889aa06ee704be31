#pragma once

#include <string>
#include <vector>

#include "scene/SceneData.hpp"

// The big pictures a scene draws: its room, the sheets and portraits of whoever stands or talks
// in it, and its boss's sheets. The run asks for the current scene's and the next one's opening
// pictures while the current one plays, so that entering it finds them ready; Valdro's later
// forms are only asked for once his arena is entered (their sheets are the biggest of all).
namespace scene_pictures {

std::vector<std::string> of(const SceneData& scene, bool openingOnly = false);
// What a run playing scene `current`, with `next` after it (null at the end), wants decoded.
std::vector<std::string> wanted(const SceneData& current, const SceneData* next);
// Asks for what a run of these scenes wants while it plays scene `index`.
void prefetchAround(const std::vector<SceneData>& levels, int index);

}  // namespace scene_pictures
