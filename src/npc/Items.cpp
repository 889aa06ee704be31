#include "npc/Items.hpp"

#include <array>

#include "actors/Prota.hpp"
#include "npc/Objeto.hpp"
#include "render/Paths.hpp"
#include "render/Renderizable.hpp"
#include "render/TextureLoader.hpp"

namespace items {
namespace {

constexpr int kKinds = 6;
constexpr int kLabelKinds = 5;  // the heart dropped by enemies has no label

constexpr std::array<int, kKinds> kPrices = {15, 10, 20, 15, 20, 0};
// The label stands next to the item the player is on; the scene moves it there.
constexpr double kLabelW = 1.5;
constexpr double kLabelH = 1.0;
// A heart that fills the last empty slot is worth this much.
constexpr int kFullHealthBonus = 100;

// Latin-1, as the shop always had them.
const std::array<const char*, kKinds> kNames = {"Aumento de da\xF1o",
                                                "Aumento de velocidad",
                                                "Aumento de cadencia de tiro",
                                                "Aumento de rango de alcance",
                                                "",
                                                "Coraz\xF3n"};

std::array<SDL_Texture*, kKinds> gImages{};
std::array<SDL_Texture*, kLabelKinds> gLabelTextures{};
std::array<std::shared_ptr<Renderizable>, kLabelKinds> gLabels{};

bool validKind(int kind) {
    return kind >= 0 && kind < kKinds;
}

}  // namespace

void loadItemAssets(SDL_Renderer* renderer) {
    // Loading twice must not leak the first set.
    freeItemAssets();
    for (int i = 0; i < kKinds; ++i) {
        gImages[i] = textures::load(renderer, paths::kItemImages[i]);
    }
    for (int i = 0; i < kLabelKinds; ++i) {
        gLabelTextures[i] = textures::load(renderer, paths::kItemLabels[i]);
        gLabels[i] = std::make_shared<Renderizable>(gLabelTextures[i], 0.0, 0.0, kLabelW, kLabelH);
        gLabels[i]->ensureDstRect();
    }
}

void freeItemAssets() {
    for (SDL_Texture*& t : gImages) {
        textures::destroy(t);
    }
    for (int i = 0; i < kLabelKinds; ++i) {
        textures::destroy(gLabelTextures[i]);
        gLabels[i].reset();
    }
}

int price(int kind) {
    return validKind(kind) ? kPrices[kind] : 0;
}

SDL_Texture* image(int kind) {
    return validKind(kind) ? gImages[kind] : nullptr;
}

std::shared_ptr<Renderizable> label(int kind) {
    return kind >= 0 && kind < kLabelKinds ? gLabels[kind] : nullptr;
}

std::string name(int kind) {
    return validKind(kind) ? kNames[kind] : "";
}

void applyEffect(int kind, Prota& prota) {
    switch (kind) {
        case Objeto::kDamage:
            prota.upgradeDamage();
            break;
        case Objeto::kSpeed:
            prota.upgradeSpeed();
            break;
        case Objeto::kFireRate:
            prota.upgradeFireRate();
            break;
        case Objeto::kRange:
            prota.upgradeRange();
            break;
        case Objeto::kHeartContainer:
            prota.maxHp += 1;
            prota.hp = prota.maxHp;
            break;
        case Objeto::kHeart:
            if (prota.hp < prota.maxHp) {
                prota.hp += 1;
            }
            if (prota.hp == prota.maxHp) {
                prota.addScore(kFullHealthBonus);
            }
            break;
        default:
            break;
    }
}

Inventory& inventory() {
    static Inventory instance;
    return instance;
}

}  // namespace items
