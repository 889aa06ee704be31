#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "save/RunFile.hpp"

class Escena;

// What a saved run keeps of the game as a scene is entered, and how a continued run gets it
// back: the run values, the hero's health, score and coins, and the upgrades bought.
class RunSnapshot {
public:
    struct Place {
        const std::vector<std::string>* scenes;
        int position;
        int checkpointIndex;
        bool endless;
        std::int64_t playedNs;
    };

    // The run as level has just entered the scene at place.position.
    static SavedRun take(const Escena& level, const Place& place);
    // Gives a level freshly built from the saved scene the hero and the run values it had.
    static void giveBack(const SavedRun& run, Escena& level);
};
