#include "app/KeySet.hpp"

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
    return {kFixedKeySets[0], kFixedKeySets[1], kFixedKeySets[2], custom};
}
