#include "save/RunSnapshot.hpp"

#include <algorithm>

#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "npc/Items.hpp"
#include "npc/Objeto.hpp"
#include "scene/Escena.hpp"

SavedRun RunSnapshot::take(const Escena& level, const Place& place) {
    const GameGlobals& g = globals();
    SavedRun run;
    run.scenes = *place.scenes;
    run.position = place.position;
    run.scenesEntered = level.levelNumber;
    run.endless = place.endless;
    run.difficulty = g.difficulty;
    run.revivesLeft = g.revivesLeft;
    run.checkpoint = g.checkpointLevel;
    run.checkpointIndex = place.checkpointIndex;
    run.enemyLevel = g.enemyLevel;
    const Prota& prota = *level.prota;
    run.maxHealth = std::max(prota.maxHp, 1);
    run.health = std::clamp(prota.hp, 1, run.maxHealth);
    run.score = prota.score;
    run.coins = prota.coins;
    // The pause screen stacks the icons in the order first bought: keep it.
    std::vector<std::pair<double, std::pair<int, int>>> bought;
    for (const auto& [kind, entry] : items::inventory().entries()) {
        bought.push_back({entry.icon ? entry.icon->y : 0.0, {kind, entry.count}});
    }
    std::sort(bought.begin(), bought.end());
    for (const auto& [y, upgrade] : bought) {
        run.upgrades.push_back(upgrade);
    }
    run.playedNs = place.playedNs;
    return run;
}

void RunSnapshot::giveBack(const SavedRun& run, Escena& level) {
    GameGlobals& g = globals();
    g.difficulty = run.difficulty;
    g.revivesLeft = run.revivesLeft;
    g.checkpointLevel = run.checkpoint;
    g.enemyLevel = run.enemyLevel;
    level.levelNumber = run.scenesEntered;
    Prota& prota = *level.prota;
    items::Inventory& owned = items::inventory();
    owned.clear();
    for (const auto& [kind, count] : run.upgrades) {
        for (int i = 0; i < count; ++i) {
            owned.recordPurchase(kind);
        }
    }
    owned.reapply(prota);
    prota.maxHp = run.maxHealth;
    prota.hp = run.health;
    prota.score = run.score;
    prota.coins = run.coins;
    level.resizeHearts();
    // The scene starts again from its door: the shopkeeper's gift is offered again.
    level.freeItem = level.data.linesBolsillos == 0;
}
