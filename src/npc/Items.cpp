#include "npc/Items.hpp"

#include "actors/Prota.hpp"
#include "npc/Objeto.hpp"

namespace items {
namespace {
constexpr int kPrices[6] = {15, 10, 20, 15, 20, 0};
}
void loadItemAssets(SDL_Renderer*) {}
void freeItemAssets() {}
int price(int kind) {
    return kind >= 0 && kind < 6 ? kPrices[kind] : 0;
}
SDL_Texture* image(int) {
    return nullptr;
}
std::shared_ptr<Renderizable> label(int) {
    return nullptr;
}
SDL_Texture* infoImage(int) {
    return nullptr;
}
void applyEffect(int kind, Prota& prota) {
    switch (kind) {
        case 0: prota.upgradeDamage(); break;
        case 1: prota.upgradeSpeed(); break;
        case 2: prota.upgradeFireRate(); break;
        case 3: prota.upgradeRange(); break;
        case 4:
            prota.maxHp += 1;
            prota.hp = prota.maxHp;
            break;
        case 5:
            if (prota.hp < prota.maxHp) {
                prota.hp += 1;
                if (prota.hp == prota.maxHp) {
                    prota.addScore(100);
                }
            }
            break;
        default: break;
    }
}
Inventory& inventory() {
    static Inventory instance;
    return instance;
}
}  // namespace items
