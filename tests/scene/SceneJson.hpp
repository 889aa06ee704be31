#pragma once

#include <nlohmann/json.hpp>

namespace scenejson {

inline nlohmann::json rect(double x, double y, double w, double h) {
    return nlohmann::json{{"x", x}, {"y", y}, {"w", w}, {"h", h}};
}

// A valid scene object with one of everything: two platforms (one invisible), an obstacle, a
// Blanky, two Peanuts, a Butter with its patrol, no characters and no boss.
inline nlohmann::json scene() {
    using nlohmann::json;
    return json{
        {"bg", 0},
        {"width", 48.0},
        {"height", 9.0},
        {"wShown", 16.0},
        {"src", rect(0, 0, 1280, 720)},
        {"platformIndex", json{0, -1}},
        {"platformPositions", json{rect(0, 8.9, 32, 1), rect(4, 6.5, 2, 0.5)}},
        {"platformSrc", json{rect(0, 0, 64, 64), rect(1, 2, 3, 4)}},
        {"platformSurfaces", json{8.9, 6.5}},
        {"blankyPositions", json{rect(10, 3, 1, 1)}},
        {"pikabooPositions", json::array()},
        {"peanutPositions", json{rect(12, 7, 1, 1), rect(14, 7, 1, 1)}},
        {"butterPositions", json{rect(20, 7.9, 2, 1)}},
        {"butterLimits", json{json{{"minX", 18.0}, {"maxX", 24.5}}}},
        {"handyPositions", json::array()},
        {"handyLimits", json::array()},
        {"boss", -1},
        {"protaPosition", rect(1, 6.9, 1, 2)},
        {"shop", false},
        {"linesBolsillos", -1},
        {"linesBotones", -1},
        {"obstacleIndex", json{2}},
        {"obstaclePositions", json{rect(8, 7, 2, 1.9)}},
        {"obstacleSrc", json{rect(0, 0, 200, 190)}},
        {"obstacleHitboxes", json{rect(8.1, 7.1, 1.8, 1.8)}},
        {"posBolsillos", rect(5, 6.4, 1.5, 2.5)},
        {"posBotones", rect(0, 0, 0, 0)},
        {"animationBotones", 2},
    };
}

}  // namespace scenejson
