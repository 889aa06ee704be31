#pragma once

#include <memory>

class Jefe;

// Loading and releasing a boss arena's sheets. A boss's sheets stay loaded from the moment its
// arena is entered until the run leaves it; loading another set first frees the one loaded.
namespace bosses {

// Loads the sheets of the boss of this kind (0 Greed, 1 Lust, 2 Valdro) and builds the boss.
std::shared_ptr<Jefe> enterArena(int kind);
// Frees whichever boss sheets are loaded. Safe when none are.
void releaseBossTextures();
// The music of the pre-fight conversation of this kind.
const char* talkMusic(int kind);

}  // namespace bosses
