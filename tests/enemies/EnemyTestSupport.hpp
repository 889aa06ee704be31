#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "actors/Disparo.hpp"
#include "render/Animated.hpp"
#include "render/Audio.hpp"
#include "scene/WorldRect.hpp"

namespace enemytest {

// Records every sound key the game plays while it lives.
class SoundLog {
public:
    SoundLog() {
        audio::setSoundListener([this](const std::string& key) { keys.push_back(key); });
    }
    ~SoundLog() { audio::setSoundListener(nullptr); }
    SoundLog(const SoundLog&) = delete;
    SoundLog& operator=(const SoundLog&) = delete;

    int count(const std::string& key) const {
        return static_cast<int>(std::count(keys.begin(), keys.end(), key));
    }

    std::vector<std::string> keys;
};

// A player-shot of the given size and damage with its top-left corner at (x, y).
inline std::shared_ptr<Disparo> shotAt(double x, double y, int damage = 1, double size = 0.5) {
    return std::make_shared<Disparo>(0.0, 0.0, 0.0, 0.0, damage, x, y, nullptr, 15.0,
                                     std::nullopt, -1, 0.0, size, size);
}

// A shot right over the middle of the given rectangle.
inline std::shared_ptr<Disparo> shotInto(const WorldRect& box, int damage = 1) {
    return shotAt(box.x + box.w / 2.0 - 0.25, box.y + box.h / 2.0 - 0.25, damage);
}

// The scene draws every object once per frame, which is what advances its animation.
inline void drawTicks(Animated& object, int ticks) {
    for (int i = 0; i < ticks; ++i) {
        object.draw(nullptr, 0.0, nullptr);
    }
}

// The player's drawn rectangle (the player character is 1 × 1.5 here).
inline WorldRect playerAt(double x, double y) { return WorldRect{x, y, 1.0, 1.5}; }

}  // namespace enemytest
