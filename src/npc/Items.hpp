#pragma once

#include <memory>
#include <string>

#include "npc/Inventory.hpp"
#include "scene/WorldRect.hpp"

class Prota;
class Renderizable;
struct SDL_Renderer;
struct SDL_Texture;

// The item tables, built once at start-up, and the run's owned-item inventory.
namespace items {

inline constexpr WorldRect kShopSlots[3] = {
    {4.55, 6.3, 1.4, 1.4}, {7.3, 6.3, 1.4, 1.4}, {10.05, 6.3, 1.4, 1.4}};

void loadItemAssets(SDL_Renderer* renderer);
void freeItemAssets();

int price(int kind);                            // 0 for kinds outside 0 to 5
SDL_Texture* image(int kind);                   // null outside 0 to 5
std::shared_ptr<Renderizable> label(int kind);  // null for kind 5 and outside 0 to 4
// The shop's name of an item: Spanish only, single-byte Latin-1 text (ñ is 0xF1, ó 0xF3). Empty
// for the heart container and for kinds outside 0 to 5.
std::string name(int kind);

// Applies the item's effect to the player (hearts are the caller's to resize): kinds 0 to 3 are
// the lasting upgrades, 4 a heart container (one more heart, all filled), 5 a heart (one heart
// back; 100 points when health is then full). Other kinds do nothing.
void applyEffect(int kind, Prota& prota);

Inventory& inventory();

}  // namespace items
