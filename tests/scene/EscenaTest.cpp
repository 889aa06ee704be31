#include "scene/Escena.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "bosses/SheetLease.hpp"
#include "enemies/Blanky.hpp"
#include "enemies/Butter.hpp"
#include "npc/Dialogue.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Audio.hpp"
#include "support/SceneHarness.hpp"

namespace {

using harness::Stage;

constexpr SDL_Keycode kRight = 'd';
constexpr SDL_Keycode kLeft = 'a';

// Dialogue for the characters of these tests: the shopkeeper has two one-line conversations, the
// bellboy has two conversations (two lines, then one), the hero thinks one line.
const char* kTestDialogue = R"({
  "bolsillos": [[["Welcome."], ["Come again."]]],
  "botones": [[["Hello.", "Listen."], ["Go on."]], [], [], [["Room talk."], ["Again."]]],
  "codicia": [[["Mine."]]], "lujuria": [[["Mine."]]], "valdro": [[["Mine."]]],
  "prota": [[["Hmm."]]],
  "tutorial": [[["Move."]]]
})";

class EscenaTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogue::setDialogueText(0, kTestDialogue);
        dialogue::setDialogueText(1, kTestDialogue);
        globals().language = 1;
        globals().maxLevel = 0;
        globals().checkpointLevel = 0;
    }
};

TEST_F(EscenaTest, TheExitNeedsTheFarSideAndAnEmptyRoom) {
    struct Case {
        double x;
        bool enemyLeft;
        int expected;
    };
    const double edge = 32.0 - Escena::kExitDepth;
    for (const Case c :
         {Case{edge, false, kActionNone}, Case{edge + 0.01, false, kActionLevelCompleted},
          Case{edge + 0.01, true, kActionNone}, Case{20.0, false, kActionNone}}) {
        Stage stage(harness::room(32.0));
        if (c.enemyLeft) {
            stage.scene->addEnemy(std::make_shared<Blanky>(2.0, 1.0, 1));
        }
        stage.prota().moveTo(c.x, 6.9);
        stage.interact();
        EXPECT_EQ(stage.step(), c.expected) << "x " << c.x << " enemy " << c.enemyLeft;
    }
}

TEST_F(EscenaTest, DroppedHeartsRestOnCasesStandingOnTheFloorOnly) {
    SceneData d = harness::room(16.0);
    // A case standing on the floor, and a shelf hung high on the wall.
    d.obstacleIndex = {2, 2};
    d.obstaclePositions = {WorldRect{4.0, 6.9, 2.0, 2.0}, WorldRect{10.0, 2.0, 2.0, 2.0}};
    d.obstacleSrc = {SDL_Rect{0, 0, 10, 10}, SDL_Rect{0, 0, 10, 10}};
    d.obstacleHitboxes = d.obstaclePositions;
    Stage stage(d);
    Blanky overCase(4.5, 1.0, 1);
    Blanky overShelf(10.5, 0.0, 1);
    stage.scene->dropHeart(overCase);
    stage.scene->dropHeart(overShelf);
    stage.steps(600);
    ASSERT_EQ(stage.scene->items.size(), 2u);
    const Objeto& onCase = *stage.scene->items[0];
    const Objeto& pastShelf = *stage.scene->items[1];
    EXPECT_FALSE(onCase.falling);
    EXPECT_DOUBLE_EQ(onCase.y + onCase.h, 6.9);
    EXPECT_DOUBLE_EQ(pastShelf.y + pastShelf.h, Escena::kFloorY);
}

TEST_F(EscenaTest, EveryHitCostsFivePercentOfTheScore) {
    Stage stage(harness::room(16.0));
    Prota& p = stage.prota();
    p.score = 1000;
    p.invulnerableDuration = 0;  // let both hits of the frame land
    auto ghost = std::make_shared<Blanky>(p.x, p.y, 1);
    ghost->box2 = p.drawnRect();
    stage.scene->addEnemy(ghost);
    stage.scene->addEnemyShot(std::make_shared<Disparo>(
        0, 0, 0, 0, 1, p.x + 0.25, p.y + 0.5, nullptr, 10.0, std::nullopt, -1, 0.0, 0.5, 0.5));
    const int hpBefore = p.hp;
    stage.step();
    EXPECT_EQ(p.score, 902);  // 1000 → 950 → 902
    EXPECT_EQ(p.hp, hpBefore - 2);
}

TEST_F(EscenaTest, AShopGivesOneUpgradeAfterTheShopkeepersFirstTalkAndSellsTheRest) {
    std::vector<std::string> sounds;
    audio::setSoundListener([&](const std::string& k) { sounds.push_back(k); });
    SceneData d = harness::room(16.0);
    d.shop = true;
    d.linesBolsillos = 0;
    d.posBolsillos = WorldRect{1.0, 6.5, 1.6, 2.4};
    Stage stage(harness::room(16.0));
    stage.next(d);  // a first run walks in from the level before
    ASSERT_EQ(stage.scene->items.size(), 3u);
    Prota& p = stage.prota();
    p.coins = 3;
    const double slotX = stage.scene->items[0]->x;
    // Not before the shopkeeper has spoken, and the press is answered.
    p.moveTo(slotX, 6.9);
    stage.interact();
    EXPECT_EQ(stage.scene->items.size(), 3u);
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.back(), "nonono");
    p.moveTo(1.0, 6.9);
    stage.interact();  // "Welcome."
    EXPECT_TRUE(stage.scene->talking());
    stage.interact();
    EXPECT_FALSE(stage.scene->talking());
    // His first conversation is heard; the second ("Come again.") is still to come.
    ASSERT_FALSE(stage.scene->npcs.front()->finished());
    p.moveTo(slotX, 6.9);
    stage.interact();
    EXPECT_EQ(stage.scene->items.size(), 2u) << "the first one is on the house";
    EXPECT_EQ(p.coins, 3);
    EXPECT_EQ(sounds.back(), "itemBought");
    // Three coins buy nothing that costs ten or more.
    p.moveTo(stage.scene->items[0]->x, 6.9);
    stage.interact();
    EXPECT_EQ(stage.scene->items.size(), 2u);
    p.coins = 40;
    stage.interact();
    EXPECT_EQ(stage.scene->items.size(), 1u);
    EXPECT_LT(p.coins, 40);
    audio::setSoundListener(nullptr);
}

TEST_F(EscenaTest, TheBellboyAndTheHerosThoughtsSpeakInTurnNeverTogether) {
    SceneData d = harness::room(16.0);
    d.linesBotones = 3;
    d.posBotones = WorldRect{1.0, 6.5, 1.6, 2.4};
    Stage stage(d);
    auto talkers = [&] {
        int n = 0;
        for (const auto& c : stage.scene->npcs) {
            n += c->talking ? 1 : 0;
        }
        return n;
    };
    const NPC& bellboy = *stage.scene->npcs[0];
    const NPC& hero = *stage.scene->npcs[1];
    stage.interact();
    EXPECT_EQ(bellboy.currentLine(), "Room talk.");
    stage.interact();  // the bellboy is done; the hero thinks
    EXPECT_EQ(hero.currentLine(), "Hmm.");
    EXPECT_EQ(talkers(), 1);
    stage.interact();  // the hero is done; the bellboy goes on
    EXPECT_EQ(bellboy.currentLine(), "Again.");
    EXPECT_EQ(talkers(), 1);
    stage.interact();
    EXPECT_EQ(talkers(), 0);
    EXPECT_TRUE(stage.scene->conversationsFinished());
}

TEST_F(EscenaTest, MovementPressedDuringATalkIsLostButReleasesCount) {
    SceneData d = harness::room(16.0);
    d.linesBotones = 0;
    d.posBotones = WorldRect{1.0, 6.5, 1.6, 2.4};
    Stage stage(d);
    stage.press(kRight);
    stage.interact();
    ASSERT_TRUE(stage.scene->talking());
    stage.release(kRight);
    stage.press(kLeft);
    EXPECT_EQ(stage.prota().keys, 0) << "the press during the talk is lost, the release kept";
    // A held interaction key's auto-repeat does not race through the lines.
    stage.send(harness::keyEvent(SDL_KEYDOWN, 'f', true));
    EXPECT_EQ(stage.scene->npcs[0]->currentLine(), "Hello.");
}

TEST_F(EscenaTest, DeathOnTheExitIsAGameOver) {
    Stage stage(harness::room(16.0));
    Prota& p = stage.prota();
    p.moveTo(15.0, 6.9);
    stage.interact();
    p.hp = 0;
    EXPECT_EQ(stage.step(), kActionGameOver);
}

TEST(EscenaClip, PicturesCutAtTheBandAreWholeAgainAfterDrawing) {
    Renderizable r(nullptr, 0, 0, 1, 1);
    r.setSrcRect(SDL_Rect{0, 0, 200, 100});
    r.ensureDstRect();
    *r.dstRect = SDL_Rect{-50, 10, 100, 50};
    const ClipBackup b = clipToRect(r, SDL_Rect{0, 0, 400, 300});
    EXPECT_EQ(r.dstRect->x, 0);
    EXPECT_EQ(r.dstRect->w, 50);
    EXPECT_EQ(r.srcRect->x, 100);
    EXPECT_EQ(r.srcRect->w, 100);
    restoreClip(r, b);
    EXPECT_EQ(r.srcRect->x, 0);
    EXPECT_EQ(r.srcRect->w, 200);
    EXPECT_EQ(r.dstRect->x, -50);
}

// The story on Impossible starts below nothing: no heart is drawn, full or empty, and the strip
// never reaches back before its first heart.
TEST_F(EscenaTest, ImpossiblesStoryDrawsNoHeartsBelowZero) {
    Stage stage(harness::shippedScene("tutorial"), 3, true);
    stage.step();
    ASSERT_EQ(stage.prota().hp, -1);
    ASSERT_EQ(stage.prota().maxHp, 0);
    for (const auto* strip : {stage.scene->hearts.get(), stage.scene->emptyHearts.get()}) {
        EXPECT_EQ(strip->w, 0.0);
        ASSERT_NE(strip->srcRect, nullptr);
        EXPECT_EQ(strip->srcRect->w, 0);
    }
}

TEST(EscenaLifecycle, HundredsOfScenesComeAndGoWithoutLeaking) {
    // The arenas lend the boss sheets only while the fight is on.
    const char* slots[] = {"tutorial",  "shop_1", "greed",     "botones_2", "shop_2",
                           "botones_3", "lust",   "botones_4", "valdro"};
    Stage stage(harness::shippedScene("tutorial"), 1, true);
    for (int lap = 0; lap < 30; ++lap) {
        for (const char* slot : slots) {
            stage.next(harness::shippedScene(slot));
            stage.steps(3);
            const bool arena = stage.scene->boss != nullptr;
            ASSERT_EQ(arena, std::string(slot) == "greed" || std::string(slot) == "lust" ||
                                 std::string(slot) == "valdro")
                << slot;
            if (!arena) {
                EXPECT_EQ(SheetLease::holders(), 0) << "after " << slot;
            }
        }
        for (int pool = 1; pool <= 5; ++pool) {
            stage.next(harness::shippedScene("scenes_" + std::to_string(pool), 0));
            stage.steps(3);
        }
    }
    EXPECT_EQ(stage.scene->levelNumber, 30 * 14);
    EXPECT_GT(stage.prota().hp, 0);
}

}  // namespace
