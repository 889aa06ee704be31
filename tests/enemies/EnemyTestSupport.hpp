#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "actors/Disparo.hpp"
#include "render/Audio.hpp"
#include "scene/WorldRect.hpp"

namespace enemytest {

// Records every sound key the game plays while it lives.
struct SoundLog {
    SoundLog() {
        audio::setSoundListener([this](const std::string& k) { keys.push_back(k); });
    }
    ~SoundLog() { audio::setSoundListener(nullptr); }
    int count(const std::string& key) const {
        return static_cast<int>(std::count(keys.begin(), keys.end(), key));
    }
    std::vector<std::string> keys;
};

// A still player shot over the middle of the box.
inline std::shared_ptr<Disparo> shotInto(const WorldRect& box, int damage = 1) {
    return std::make_shared<Disparo>(0.0, 0.0, 0.0, 0.0, damage, box.centerX() - 0.25,
                                     box.centerY() - 0.25, nullptr, 15.0, std::nullopt, -1, 0.0,
                                     0.5, 0.5);
}

// The player's drawn rectangle (1 × 1.5) with its centre at (cx, cy).
inline WorldRect playerCentredOn(double cx, double cy) {
    return WorldRect{cx - 0.5, cy - 0.75, 1.0, 1.5};
}

}  // namespace enemytest
