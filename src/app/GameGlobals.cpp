#include "app/GameGlobals.hpp"

GameGlobals& globals() {
    static GameGlobals instance;
    return instance;
}
