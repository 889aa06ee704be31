#pragma once

#include <random>
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
std::vector<SceneData> buildLevels(const nlohmann::json& scenes, std::mt19937& rng);

}  // namespace story
