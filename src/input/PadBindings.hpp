#pragma once

#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

// The pad buttons that jump, interact, dash and pause in a level (SDL_GameControllerButton
// values). The menus keep A, B and Start whatever these are, so no binding can lock a player
// out of them. Stored in the settings under "padBindings"; missing means the defaults.
struct PadBindings {
    static constexpr const char* kConfigKey = "padBindings";
    static constexpr int kSlotCount = 4;  // 0 jump, 1 interact, 2 dash, 3 pause
    static constexpr int kButtonCount = 21;

    int jump = 0;      // A
    int interact = 2;  // X
    int dash = 10;     // right shoulder (the left trigger dashes too)
    int pause = 6;     // Start

    int* slot(int index);
    bool operator==(const PadBindings&) const = default;

    // The button's name as the pad shows it ("A", "RB", "Start").
    static std::string buttonName(int button);
    // Reads "padBindings" of the settings; a missing key means the defaults, a bad member
    // keeps its default with one line in problems naming the file and the key.
    static PadBindings fromConfig(const nlohmann::json& config, const std::string& path,
                                  std::vector<std::string>& problems);
    // Writes them into the settings, unless they are the defaults and the settings never had
    // any.
    static void storeIn(nlohmann::json& config, const PadBindings& bindings);
};
