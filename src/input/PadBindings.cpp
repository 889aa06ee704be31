#include "input/PadBindings.hpp"

#include <array>

#include <nlohmann/json.hpp>

namespace {

constexpr std::array<const char*, PadBindings::kSlotCount> kKeys = {"jump", "interact", "dash",
                                                                    "pause"};
// In SDL_GameControllerButton order.
constexpr std::array<const char*, PadBindings::kButtonCount> kNames = {
    "A",  "B",    "X",    "Y",     "Back", "Guide", "Start", "LS", "RS", "LB", "RB",
    "Up", "Down", "Left", "Right", "Misc", "P1",    "P2",    "P3", "P4", "Pad"};

}  // namespace

int* PadBindings::slot(int index) {
    switch (index) {
        case 0:
            return &jump;
        case 1:
            return &interact;
        case 2:
            return &dash;
        case 3:
            return &pause;
        default:
            return nullptr;
    }
}

std::string PadBindings::buttonName(int button) {
    return button >= 0 && button < kButtonCount ? kNames[static_cast<std::size_t>(button)] : "?";
}

PadBindings PadBindings::fromConfig(const nlohmann::json& config, const std::string& path,
                                    std::vector<std::string>& problems) {
    PadBindings bindings;
    const auto found = config.find(kConfigKey);
    if (found == config.end()) {
        return bindings;
    }
    if (!found->is_object()) {
        problems.push_back(path + ": \"" + kConfigKey + "\" must be an object, but is " +
                           found->type_name() + "; using the default pad buttons");
        return bindings;
    }
    for (int i = 0; i < kSlotCount; ++i) {
        const char* key = kKeys[static_cast<std::size_t>(i)];
        const auto member = found->find(key);
        if (member == found->end()) {
            continue;
        }
        if (!member->is_number_integer() || member->get<long long>() < 0 ||
            member->get<long long>() >= kButtonCount) {
            problems.push_back(path + ": \"" + kConfigKey + "." + key + "\" is " + member->dump() +
                               ", not a pad button 0 to " + std::to_string(kButtonCount - 1) +
                               "; using " + buttonName(*bindings.slot(i)));
            continue;
        }
        *bindings.slot(i) = member->get<int>();
    }
    return bindings;
}

void PadBindings::storeIn(nlohmann::json& config, const PadBindings& bindings) {
    if (!config.is_object() || (bindings == PadBindings{} && !config.contains(kConfigKey))) {
        return;
    }
    nlohmann::json stored = nlohmann::json::object();
    PadBindings copy = bindings;
    for (int i = 0; i < kSlotCount; ++i) {
        stored[kKeys[static_cast<std::size_t>(i)]] = *copy.slot(i);
    }
    config[kConfigKey] = std::move(stored);
}
