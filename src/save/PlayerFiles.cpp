#include "save/PlayerFiles.hpp"

#include <nlohmann/json.hpp>

#include "app/Console.hpp"
#include "app/GameGlobals.hpp"
#include "save/ConfigFile.hpp"
#include "save/Ranking.hpp"

using console::say;

bool PlayerFiles::save(const nlohmann::json& config, const Ranking& ranking) const {
    const GameGlobals& g = globals();
    bool ok = true;
    nlohmann::json withPad = config;
    PadBindings::storeIn(withPad, g.padBindings);
    if (!config_file::save(config_, withPad, g.keySets[kCustomKeySet], g.activeKeys.configOption)) {
        say(config_ + ": could not be written");
        ok = false;
    }
    if (!ranking.save(ranking_)) {
        say(ranking_ + ": could not be written");
        ok = false;
    }
    return ok;
}
