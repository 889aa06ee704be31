#include "scene/SceneShop.hpp"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "npc/Dialogue.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Audio.hpp"
#include "scene/Escena.hpp"

namespace {

// The shopkeeper's free item is his first conversation's gift: it may be taken once that
// conversation has been heard to its end (or when there is no shopkeeper to hear).
bool freeItemOffered(const std::vector<std::shared_ptr<NPC>>& npcs) {
    for (const auto& n : npcs) {
        if (n->kind == NPC::kBolsillos) {
            return n->conversationIndex > 0 || (n->conversationIndex == 0 && !n->talking) ||
                   n->finished();
        }
    }
    return true;
}

}  // namespace

void SceneShop::buildShop() {
    // Three different upgrades; the heart container is not sold on Impossible.
    const int kinds = s_.difficulty == 3 ? 4 : 5;
    std::vector<int> taken;
    while (static_cast<int>(taken.size()) < 3) {
        const int kind = std::rand() % kinds;
        if (std::find(taken.begin(), taken.end(), kind) != taken.end()) {
            continue;
        }
        auto item =
            std::make_shared<Objeto>(items::kShopSlots[taken.size()], Escena::kFloorY, 0.0, kind);
        item->clearSrcRect();  // shop items show their whole picture
        s_.items.push_back(item);
        taken.push_back(kind);
    }
}

bool SceneShop::mayTake(const Objeto& item) const {
    if (s_.isTutorial) {
        return true;
    }
    if (!s_.freeItem) {
        return items::price(item.kind) <= s_.prota->coins;
    }
    return freeItemOffered(s_.npcs) || s_.levelNumber <= globals().maxLevel;
}

void SceneShop::takeItem(std::size_t index) {
    const std::shared_ptr<Objeto> item = s_.items[index];
    items::inventory().recordPurchase(item->kind);
    items::applyEffect(item->kind, *s_.prota);
    s_.resizeHearts();
    if (!s_.freeItem && !s_.isTutorial) {
        s_.prota->coins = std::min(s_.prota->coins - items::price(item->kind), kMaxCoins);
    } else {
        s_.freeItem = false;
    }
    s_.items.erase(s_.items.begin() + static_cast<std::ptrdiff_t>(index));
    audio::playSound("itemBought");
    if (s_.data.shop && s_.data.linesBolsillos >= 0 && item->kind < dialogue::kPurchaseKinds) {
        // The shopkeeper has a word on what was bought, and on how far up the hotel it goes.
        s_.npcs.push_back(NPC::inPassing(
            NPC::kBolsillos, dialogue::kPurchaseEntryBase + s_.data.linesBolsillos, item->kind));
    }
}
