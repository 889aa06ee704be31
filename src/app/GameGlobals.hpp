#pragma once

#include <array>

#include "input/KeySet.hpp"
#include "input/PadBindings.hpp"

// Values the whole game shares: settings read at start-up and the bookkeeping of the run in
// progress. Volumes live with the audio state.
struct GameGlobals {
    int language = 0;  // 0 Spanish, 1 English
    std::array<KeySet, 4> keySets = buildKeySets(KeySet{'w', 's', 'd', 'a', 'f', 27, 3});
    KeySet activeKeys = kFixedKeySets[0];
    int maxLevel = 0;  // 1 + the highest story index reached
    PadBindings padBindings;

    // The run in progress.
    int difficulty = 0;    // 0 Easy, 1 Normal, 2 Hard, 3 Impossible
    int revivesLeft = -1;  // -1: unlimited
    int checkpointLevel = 0;
    int enemyLevel = 0;
    int deathScore = 0;
    int deathMaxHealth = 0;
    int deathMoney = 0;
};

GameGlobals& globals();
