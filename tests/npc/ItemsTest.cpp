#include "npc/Items.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "actors/Prota.hpp"
#include "npc/Objeto.hpp"

namespace {

Prota freshPlayer() {
    return Prota(WorldRect{1.0, 6.9, 1.0, 2.0}, false, 1);
}

}  // namespace

TEST(Items, HeartsAndContainers) {
    struct Health {
        std::string name;
        int kind;
        int hp, maxHp;
        int hpAfter, maxHpAfter, points;
    };
    const Health cases[] = {
        {"heart at full health", Objeto::kHeart, 5, 5, 5, 5, 100},
        {"heart that fills the last slot", Objeto::kHeart, 4, 5, 5, 5, 100},
        {"heart with more missing", Objeto::kHeart, 2, 5, 3, 5, 0},
        {"container", Objeto::kHeartContainer, 2, 5, 6, 6, 0},
        {"unknown kind", 9, 2, 5, 2, 5, 0},
    };
    for (const Health& c : cases) {
        Prota p = freshPlayer();
        p.hp = c.hp;
        p.maxHp = c.maxHp;
        p.score = 99950;
        items::applyEffect(c.kind, p);
        EXPECT_EQ(p.hp, c.hpAfter) << c.name;
        EXPECT_EQ(p.maxHp, c.maxHpAfter) << c.name;
        EXPECT_EQ(p.score, std::min(99950 + c.points, 99999)) << c.name;
    }
}

TEST(Items, InventoryCountsUpgradesAndStacksIconsInOrderOfPurchase) {
    items::Inventory inventory;
    for (int kind : std::vector<int>{Objeto::kFireRate, Objeto::kDamage, Objeto::kFireRate,
                                     Objeto::kHeartContainer, Objeto::kHeart, Objeto::kDamage,
                                     Objeto::kFireRate, 7, -1}) {
        inventory.recordPurchase(kind);
    }
    const auto& entries = inventory.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries.begin()->first, Objeto::kDamage);  // kept in kind order
    const items::InventoryEntry& damage = entries.at(Objeto::kDamage);
    const items::InventoryEntry& rate = entries.at(Objeto::kFireRate);
    EXPECT_EQ(damage.count, 2);
    EXPECT_EQ(rate.count, 3);
    EXPECT_EQ(damage.name, "Aumento de da\xF1o");
    // The rate upgrade was bought first, so its icon is the top one.
    // The first shelf is the "Objetos" button's.
    EXPECT_DOUBLE_EQ(rate.icon->y, 3.45 + 1.41);
    EXPECT_DOUBLE_EQ(damage.icon->y, 3.45 + 2 * 1.41);
    EXPECT_EQ(damage.icon->kind, Objeto::kDamage);

    // A revive gets each upgrade as many times as it was bought; the inventory keeps its counts.
    Prota revived = freshPlayer();
    inventory.reapply(revived);
    EXPECT_EQ(revived.shotDamage, 4);
    EXPECT_EQ(revived.fireDelay, 29);
    EXPECT_EQ(inventory.entries().at(Objeto::kFireRate).count, 3);
}
