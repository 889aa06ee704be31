#pragma once

#include <string>

// One named animation of a sprite sheet: frames lie side by side to the right of frame 0.
struct AnimationInfo {
    int frames = 0;
    int sheetX = 0;
    int sheetY = 0;
    int frameW = 0;
    int frameH = 0;
    int ticksPerFrame = 1;
    bool loop = false;
    std::string next = "default";
    bool reverse = false;
};
