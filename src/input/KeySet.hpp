#pragma once

#include <array>

#include <nlohmann/json_fwd.hpp>

// One set of key bindings, as SDL keycodes, and the index of the set it belongs to.
struct KeySet {
    int upKey = 0;
    int downKey = 0;
    int rightKey = 0;
    int leftKey = 0;
    int interactKey = 0;
    int pauseKey = 0;
    int configOption = 0;

    bool operator==(const KeySet&) const = default;
};

// The three fixed sets; the fourth, custom set comes from the configuration file.
inline constexpr int kCustomKeySet = 3;
inline constexpr std::array<KeySet, 3> kFixedKeySets = {{
    // W A S D, F to interact, Escape to pause.
    {'w', 's', 'd', 'a', 'f', 27, 0},
    // Space to jump.
    {' ', 's', 'd', 'a', 'f', 27, 1},
    // Arrow keys, right Shift to interact, P to pause.
    {1073741906, 1073741905, 1073741903, 1073741904, 1073742053, 'p', 2},
}};

// The seven members are read with bounds-checked access: a missing one throws the library's
// out_of_range error, a non-number its type_error.
void from_json(const nlohmann::json& j, KeySet& keys);
void to_json(nlohmann::json& j, const KeySet& keys);

// The four-entry table: the fixed sets plus the custom one.
std::array<KeySet, 4> buildKeySets(const KeySet& custom);
