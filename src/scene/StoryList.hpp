#pragma once

#include <random>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "scene/SceneData.hpp"

// The scenes of one run, in order: the tutorial, plain levels drawn from five pools, two shops,
// three dialogue rooms and the three boss arenas. Built afresh for every run (and for every lap
// of an endless run), so the plain levels change each time.
namespace story {

inline constexpr int kLength = 27;
inline constexpr int kLastIndex = kLength - 1;
// An endless run goes round again from here: the tutorial is played once per run.
inline constexpr int kWrapIndex = 1;

// Throws (the JSON library's error, or a runtime_error) for a missing slot, a pool that is not an
// array or holds too few scenes, or a scene that does not convert (the start-up check reports these
// first).
// names, when given, gets where each scene came from: the slot ("shop_1") or the pool and place
// ("scenes_2:4"), as --scene names them.
std::vector<SceneData> buildLevels(const nlohmann::json& scenes, std::mt19937& rng,
                                   std::vector<std::string>* names = nullptr);
// buildLevels into levels and names, which are left as they were, with why, when it throws.
bool tryBuildLevels(const nlohmann::json& scenes, std::mt19937& rng, std::vector<SceneData>& levels,
                    std::vector<std::string>& names, std::string& why);
// The scenes named as buildLevels names them; throws as buildLevels does, and for a name that
// is no slot or a place outside its pool.
std::vector<SceneData> levelsNamed(const nlohmann::json& scenes,
                                   const std::vector<std::string>& names);

}  // namespace story
