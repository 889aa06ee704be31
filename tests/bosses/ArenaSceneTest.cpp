// The three boss fights played headless through the real scene, from the conversation to the
// boss's fall, by a simple scripted player on Normal without upgrades.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "bosses/ArenaFight.hpp"
#include "bosses/Codicia.hpp"
#include "bosses/Lampy.hpp"
#include "bosses/Lujuria.hpp"
#include "bosses/Valdro.hpp"
#include "npc/Dialogue.hpp"
#include "npc/NPC.hpp"
#include "render/Audio.hpp"
#include "render/Paths.hpp"

namespace {

// The talking characters read their lines from the run folder.
class BossArena : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(VALDRO_RUN_DIR);
        dialogue::loadDialogueFiles();
    }
    void TearDown() override {
        dialogue::loadDialogueFiles();
        std::filesystem::current_path(previous_);
    }
    std::filesystem::path previous_;
};

struct Outcome {
    int deathFrames = 0;  // frames in which the boss's death was credited
    int scoreAfter = 0;
    int hpAfter = 0;
    int maxHpAfter = 0;
};

// Watches the player's score for the boss's points arriving, and keeps what the player had
// right after.
struct DeathWatch {
    explicit DeathWatch(ArenaFight& f) : fight(f), lastScore(f.stage.prota().score) {}
    void operator()() {
        const Prota& p = fight.stage.prota();
        if (p.score >= lastScore + fight.boss().score) {
            out.deathFrames += 1;
            out.scoreAfter = p.score;
            out.hpAfter = p.hp;
            out.maxHpAfter = p.maxHp;
        }
        lastScore = p.score;
    }
    ArenaFight& fight;
    int lastScore;
    Outcome out;
};

void expectWonAndCredited(ArenaFight& fight, const DeathWatch& watch, int frameLimit) {
    const Jefe& boss = fight.boss();
    ASSERT_LE(boss.hp, 0) << "boss hp " << boss.hp << ", player hp " << fight.stage.prota().hp
                          << " after " << fight.frames << " frames";
    EXPECT_LT(fight.frames, frameLimit);
    EXPECT_EQ(watch.out.deathFrames, 1) << "the death is credited once";
    EXPECT_EQ(watch.out.hpAfter, watch.out.maxHpAfter) << "the player is healed fully";
    // Playing on credits nothing more.
    const int score = fight.stage.prota().score;
    fight.stage.holdTrigger(false);
    fight.stage.steps(300);
    EXPECT_EQ(fight.stage.prota().score, score);
    EXPECT_TRUE(fight.stage.scene->enemies.empty()) << "nothing of the fight is left behind";
}

TEST_F(BossArena, TheConversationStartsTheFightOnce) {
    for (const char* slot : {"greed", "lust", "valdro"}) {
        SCOPED_TRACE(slot);
        ArenaFight fight(slot, FightPilot(3.0, true), 1);
        ASSERT_FALSE(fight.stage.scene->npcs.empty());
        EXPECT_TRUE(fight.stage.scene->npcs.front()->talking);
        const int presses = fight.talkThrough();
        EXPECT_EQ(fight.boss().phase, 1);
        EXPECT_GT(presses, 1);
        EXPECT_NE(audio::state().currentMusicPath.find("music/boss"), std::string::npos);
        EXPECT_EQ(audio::state().currentMusicPath.find("talk"), std::string::npos);
        // Further presses while the fight runs change nothing.
        fight.boss().phase = 2;
        for (int i = 0; i < 3; ++i) {
            fight.stage.interact();
            fight.stage.step();
        }
        EXPECT_EQ(fight.boss().phase, 2);
    }
}

TEST_F(BossArena, ABossWithNothingToSayStillFights) {
    for (int language : {0, 1}) {
        dialogue::setDialogueText(language, "{}");
    }
    ArenaFight fight("valdro", FightPilot(3.0, true), 1);
    EXPECT_FALSE(fight.stage.scene->talking());
    fight.stage.step();
    EXPECT_EQ(fight.boss().phase, 1);
}

TEST_F(BossArena, GreedIsBeatenAndOnlyHurtWhileTheViewIsClose) {
    constexpr int kLimit = 20000;
    ArenaFight fight("greed", FightPilot(2.2, true), 1);
    fight.talkThrough();
    auto& greed = dynamic_cast<Codicia&>(fight.boss());
    DeathWatch watch(fight);
    int lastHp = greed.hp;
    int lastPhase = greed.phase;
    auto lastState = greed.substate;
    int phaseChanges = 0;
    fight.fight(kLimit, [&] {
        watch();
        const harness::Stage& s = fight.stage;
        if (greed.substate == Codicia::State::Exposed && lastState == Codicia::State::Tired) {
            const double bandCentre = s.camX + s.viewWidth / 2.0;
            EXPECT_LT(std::abs(greed.x + greed.w / 2.0 - bandCentre), Codicia::kExposeDistance);
        }
        if (greed.hp < lastHp) {
            EXPECT_EQ(greed.substate, Codicia::State::Exposed) << "hurt only while exposed";
        }
        if (greed.phase != lastPhase) {
            phaseChanges += 1;
            const int threshold = lastPhase == 1 ? 20 : 10;
            EXPECT_LT(greed.hp, threshold);
            EXPECT_GE(greed.hp, threshold - 2 * fight.stage.prota().shotDamage);
        }
        lastHp = greed.hp;
        lastPhase = greed.phase;
        lastState = greed.substate;
    });
    EXPECT_EQ(phaseChanges, 2);
    expectWonAndCredited(fight, watch, kLimit);
}

// The talk may end before Lust's first update (presses from the keyboard and the pad in the
// arena's first frame): her lamp still comes, and the fight can be won.
TEST_F(BossArena, LustIsBeatenAndImmuneWhileHerLampShines) {
    constexpr int kLimit = 20000;
    ArenaFight fight("lust", FightPilot(3.5, true), 1);
    fight.talkThrough(false);
    ASSERT_EQ(fight.boss().phase, 1);
    auto& lust = dynamic_cast<Lujuria&>(fight.boss());
    DeathWatch watch(fight);
    bool sawBlackout = false;
    fight.fight(kLimit, [&] {
        watch();
        if (!lust.lampBroken) {
            EXPECT_EQ(lust.hp, Lujuria::kHealth);
        }
        if (lust.hp > 0) {
            EXPECT_EQ(lust.phase == 2, lust.hp < Lujuria::kHealth / 2);
        }
        sawBlackout = sawBlackout || lust.phase == 2;
    });
    EXPECT_TRUE(sawBlackout);
    expectWonAndCredited(fight, watch, kLimit);
}

// Valdro is the hardest fight: the scripted player wins this seed on Normal's five hearts, while
// on many others it falls with Valdro nearly beaten.
TEST_F(BossArena, ValdroIsBeatenInItsThreeForms) {
    constexpr int kLimit = 40000;
    ArenaFight fight("valdro", FightPilot(5.2, false), 30);
    fight.talkThrough();
    auto& valdro = dynamic_cast<Valdro&>(fight.boss());
    DeathWatch watch(fight);
    int highestPhase = 1;
    fight.fight(kLimit, [&] {
        watch();
        highestPhase = std::max(highestPhase, valdro.phase);
    });
    EXPECT_EQ(highestPhase, 3);
    expectWonAndCredited(fight, watch, kLimit);
}

}  // namespace
