#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <vector>

struct SceneData;

// What the player or a tool asked for on the command line.
struct CommandLine {
    // Play one scene of the scene file as a fresh run: a slot ("tutorial", "greed") or a pool
    // position ("scenes_1" with scenePosition 0).
    std::optional<std::string> sceneSlot;
    std::optional<int> scenePosition;
    int difficulty = 1;  // 0 easy, 1 normal, 2 hard, 3 impossible
    std::optional<std::uint32_t> seed;
    std::optional<long long> frames;        // run this many frames, then close normally
    std::optional<std::string> screenshot;  // with frames: the last frame, as a PNG
    std::optional<std::string> record;      // write the game played to this file
    std::optional<std::string> replay;      // play this recording back
    bool help = false;
};

namespace command_line {

// Reads the options after the program name. On a mistake returns nothing and says why in one
// line.
std::optional<CommandLine> parse(const std::vector<std::string>& args, std::string& why);
std::string usage();

// Finds the scene a command line names in the scene file. False with a reason when the slot or
// the position does not exist.
bool findScene(const nlohmann::json& scenes, const std::string& slot,
               const std::optional<int>& position, SceneData& out, std::string& why);

}  // namespace command_line
