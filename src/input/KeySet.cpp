#include "input/KeySet.hpp"

#include <nlohmann/json.hpp>

void from_json(const nlohmann::json& j, KeySet& keys) {
    keys.upKey = j.at("upKey").get<int>();
    keys.downKey = j.at("downKey").get<int>();
    keys.rightKey = j.at("rightKey").get<int>();
    keys.leftKey = j.at("leftKey").get<int>();
    keys.interactKey = j.at("interactKey").get<int>();
    keys.pauseKey = j.at("pauseKey").get<int>();
    keys.configOption = j.at("configOption").get<int>();
}

void to_json(nlohmann::json& j, const KeySet& keys) {
    j = nlohmann::json{{"upKey", keys.upKey},
                       {"downKey", keys.downKey},
                       {"rightKey", keys.rightKey},
                       {"leftKey", keys.leftKey},
                       {"interactKey", keys.interactKey},
                       {"pauseKey", keys.pauseKey},
                       {"configOption", keys.configOption}};
}

std::array<KeySet, 4> buildKeySets(const KeySet& custom) {
    // The custom set is set 3 whatever its record says, or choosing it would be written back as
    // one of the fixed sets and the player's choice lost at the next start.
    KeySet customSet = custom;
    customSet.configOption = kCustomKeySet;
    return {kFixedKeySets[0], kFixedKeySets[1], kFixedKeySets[2], customSet};
}
