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

TEST(Items, UpgradesRiseToTheirCaps) {
    struct Ladder {
        std::string name;
        int kind;
        std::function<double(const Prota&)> value;
        std::vector<double> expected;  // before the first upgrade, then after each
    };
    const Ladder ladders[] = {
        {"fire delay",
         Objeto::kFireRate,
         [](const Prota& p) { return p.fireDelay; },
         {50, 42, 35, 29, 25, 25, 25}},
        {"range",
         Objeto::kRange,
         [](const Prota& p) { return p.shotRange; },
         {5.0, 6.1, 7.2, 8.3, 9.4, 10.5, 11.6, 12.0, 12.0}},
        {"damage", Objeto::kDamage, [](const Prota& p) { return p.shotDamage; }, {2, 3, 4, 5, 5}},
    };
    for (const Ladder& l : ladders) {
        Prota p = freshPlayer();
        std::vector<double> seen{l.value(p)};
        for (std::size_t i = 1; i < l.expected.size(); ++i) {
            items::applyEffect(l.kind, p);
            seen.push_back(l.value(p));
        }
        ASSERT_EQ(seen.size(), l.expected.size());
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_NEAR(seen[i], l.expected[i], 1e-9) << l.name << " after " << i;
        }
    }
    Prota p = freshPlayer();
    p.walkSpeed = 1.595;
    items::applyEffect(Objeto::kSpeed, p);
    items::applyEffect(Objeto::kSpeed, p);
    EXPECT_NEAR(p.walkSpeed, 1.605, 1e-9);
}

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

TEST(Items, PricesNamesAndLabelsByKind) {
    const int prices[] = {15, 10, 20, 15, 20, 0};
    for (int kind = 0; kind < 6; ++kind) {
        EXPECT_EQ(items::price(kind), prices[kind]) << kind;
    }
    EXPECT_EQ(items::price(6) + items::price(-1), 0);
    EXPECT_EQ(items::name(Objeto::kHeart), "Coraz\xF3n");  // Latin-1
    EXPECT_EQ(items::name(Objeto::kHeartContainer), "");
    EXPECT_EQ(items::label(Objeto::kHeart), nullptr);
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

TEST(Items, DroppedHeartsComeToRestOnTheirRestingHeight) {
    struct Drop {
        std::string name;
        double startY;
        double restY;
        double accel;
    };
    const Drop drops[] = {
        {"onto the floor", 4.0, 8.9, 0.001},
        {"onto a case", 5.5, 7.2, 0.001},
        {"from inside a case", 7.6, 7.2, -0.001},  // dropped below the top: settles at once
    };
    for (const Drop& d : drops) {
        Objeto heart(WorldRect{3.0, d.startY, 0.75, 0.75}, d.restY, d.accel, Objeto::kHeart);
        heart.falling = true;
        int frames = 0;
        while (heart.falling && frames < 10000) {
            heart.fall();
            ++frames;
            EXPECT_LE(heart.y + heart.h, d.restY + 1e-9) << d.name;
        }
        EXPECT_FALSE(heart.falling) << d.name;
        EXPECT_DOUBLE_EQ(heart.y, d.restY - 0.75) << d.name;
        const double y = heart.y;
        heart.fall();  // a heart at rest stays put
        EXPECT_DOUBLE_EQ(heart.y, y) << d.name;
    }
}
