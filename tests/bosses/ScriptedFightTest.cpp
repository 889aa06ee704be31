// Each boss fight played start to end by a simple scripted player on Normal without upgrades:
// the fight can be won within a bounded time, the death is credited once and heals the player.
#include <gtest/gtest.h>

#include <cstdlib>

#include "actors/Prota.hpp"
#include "bosses/FightDriver.hpp"
#include "bosses/Jefe.hpp"
#include "scene/Escena.hpp"

namespace {

struct FightCase {
    const char* slot;
    unsigned seed;
    int frameLimit;
    double standOff;  // how close the scripted player stands to this boss
    bool dashThroughBoss;
};

class ScriptedFight : public ::testing::TestWithParam<FightCase> {};

TEST_P(ScriptedFight, TheScriptedPlayerWins) {
    const FightCase c = GetParam();
    std::srand(std::getenv("FIGHT_SEED") ? std::atoi(std::getenv("FIGHT_SEED")) : c.seed);
    FightDriver arena(c.slot, c.standOff, c.dashThroughBoss);
    arena.talk(30);
    const int played = arena.fight(c.frameLimit);
    const Prota& p = *arena.scene->prota;
    RecordProperty("frames", played);
    fprintf(stderr, "DEBUG %s played %d deaths %d bosshp %d prota %d/%d hits %d dashes %d\n", c.slot, played, arena.deathsReported, arena.boss->hp, p.hp, p.maxHp, arena.hitsTaken, arena.pilot.dashes);
    EXPECT_EQ(arena.deathsReported, 1)
        << c.slot << ": boss hp " << arena.boss->hp << ", player hp " << p.hp << " after " << played
        << " frames, hits taken " << arena.hitsTaken;
    EXPECT_EQ(arena.hpAfterDeath, arena.maxHpAfterDeath) << "healed fully after the fight";
    EXPECT_EQ(p.score, arena.boss->score);
    EXPECT_TRUE(arena.scene->enemies.empty()) << "nothing of the fight is left behind";
    // Playing on past the death credits nothing more.
    for (int f = 0; f < 200; ++f) {
        arena.frame();
    }
    EXPECT_EQ(arena.deathsReported, 1);
    EXPECT_EQ(p.score, arena.boss->score);
}

INSTANTIATE_TEST_SUITE_P(Bosses, ScriptedFight,
                         ::testing::Values(FightCase{"greed", 1, 20000, 2.2, true},
                                           FightCase{"lust", 1, 20000, 3.5, true},
                                           FightCase{"valdro", 1, 40000, 6.1, false}),
                         [](const auto& info) { return std::string(info.param.slot); });

}  // namespace
