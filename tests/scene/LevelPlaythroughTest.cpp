#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "npc/Dialogue.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "scene/Escena.hpp"
#include "scene/SceneData.hpp"
#include "autoplay/ScriptedPlayer.hpp"

// Every shipped scene is played to its end through the real scene on Normal, as a person would,
// with a fixed seed: every level of every pool, the tutorial's whole script, both shops and the
// three dialogue rooms.
namespace {

using nlohmann::json;

constexpr int kNormal = 1;
constexpr unsigned kSeed = 20261206;
// Generous: the longest level takes well under this (about seven minutes of play).
constexpr int kFrameBudget = 60000;

std::string readFile(const std::string& relative) {
    std::ifstream in(std::string(VALDRO_SOURCE_DIR) + "/data/" + relative);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const json& shippedScenes() {
    static const json scenes = json::parse(readFile("datus/config/scenes.json"));
    return scenes;
}

SceneData scene(const std::string& slot, int index = -1) {
    const json& value = shippedScenes().at(slot);
    return (index < 0 ? value : value.at(index)).get<SceneData>();
}

class Playthrough : public ::testing::Test {
protected:
    void SetUp() override {
        std::srand(kSeed);
        dialogue::setDialogueText(0, readFile("datus/dialog/conversaciones_es.json"));
        dialogue::setDialogueText(1, readFile("datus/dialog/conversaciones_en.json"));
        globals().language = 1;
        globals().activeKeys = kFixedKeySets[0];
        globals().maxLevel = 0;
        globals().checkpointLevel = 0;
        globals().enemyLevel = kNormal;
    }

    ScriptedPlatform platform_;
    ScopedPlatform scoped_{platform_};
};

TEST_F(Playthrough, EveryLevelOfEveryPoolIsFinishedOnNormal) {
    for (int pool = 1; pool <= 5; ++pool) {
        const std::string slot = "scenes_" + std::to_string(pool);
        for (std::size_t i = 0; i < shippedScenes().at(slot).size(); ++i) {
            SCOPED_TRACE(slot + "[" + std::to_string(i) + "]");
            std::srand(kSeed + static_cast<unsigned>(pool * 100 + i));
            Escena level(scene(slot, static_cast<int>(i)), false, kNormal, false);
            ScriptedPlayer player(level, platform_);
            EXPECT_EQ(player.finish(kFrameBudget), ScriptedPlayer::kLevelCompleted)
                << level.enemies.size() << " enemies left, hp " << level.prota->hp;
        }
    }
}

TEST_F(Playthrough, TutorialScriptFromWelcomeToFarewell) {
    Escena tutorial(scene("tutorial"), false, kNormal, true);
    ScriptedPlayer player(tutorial, platform_);
    ASSERT_EQ(tutorial.npcs.size(), 2u);
    const NPC& bellboy = *tutorial.npcs[0];
    const NPC& bell = *tutorial.npcs[1];
    ASSERT_EQ(bell.kind, NPC::kTutorial);
    const int startMaxHp = tutorial.prota->maxHp;

    // The front desk bell explains the controls, and says it again when asked again.
    ASSERT_TRUE(player.walkTo(bell.x + bell.w / 2.0, 2000));
    player.tapInteract();
    EXPECT_TRUE(bell.talking);
    EXPECT_TRUE(player.talkThrough(200));

    // The bellboy: welcome, then the heart container by the entrance.
    ASSERT_TRUE(player.walkTo(bellboy.x + bellboy.w / 2.0, 2000));
    player.tapInteract();
    EXPECT_EQ(bellboy.conversationIndex, 0);
    ASSERT_TRUE(player.talkThrough(200));
    player.tapInteract();
    EXPECT_EQ(bellboy.conversationIndex, 1);
    ASSERT_TRUE(player.talkThrough(200));
    ASSERT_EQ(tutorial.items.size(), 1u);
    EXPECT_EQ(tutorial.items[0]->kind, 4);
    ASSERT_TRUE(player.take(*tutorial.items[0], 3000));
    EXPECT_EQ(tutorial.prota->maxHp, startMaxHp + 1);
    EXPECT_EQ(tutorial.prota->hp, tutorial.prota->maxHp);

    // Leaving too early: he calls the player back, and keeps reminding at the door.
    EXPECT_FALSE(player.leave(1500));
    EXPECT_EQ(bellboy.conversationIndex, 2);
    ASSERT_TRUE(player.talkThrough(200));
    player.tapInteract();
    EXPECT_EQ(bellboy.conversationIndex, 3);
    ASSERT_TRUE(player.talkThrough(200));

    // Back to him for the farewell; then the door opens.
    ASSERT_TRUE(player.walkTo(bellboy.x + bellboy.w / 2.0, 2000));
    player.tapInteract();
    EXPECT_EQ(bellboy.conversationIndex, 4);
    ASSERT_TRUE(player.talkThrough(200));
    EXPECT_TRUE(player.leave(2000));
    EXPECT_EQ(player.hitsTaken, 0);
}

TEST_F(Playthrough, ShopsSellTheFreeItemAndForCoins) {
    Escena run(scene("scenes_1", 0), false, kNormal, false);
    for (const char* slot : {"shop_1", "shop_2"}) {
        SCOPED_TRACE(slot);
        run.loadScene(scene(slot));
        ScriptedPlayer player(run, platform_);
        ASSERT_EQ(run.items.size(), 3u);
        ASSERT_EQ(run.npcs.size(), 1u);
        ASSERT_TRUE(player.talkTo(*run.npcs[0], 3000));

        const bool firstShop = std::string(slot) == "shop_1";
        // The shopkeeper has a word on each purchase, his own for each shop and item.
        const auto words = dialogue::conversationsFor(
            1, NPC::kBolsillos, dialogue::kPurchaseEntryBase + run.data.linesBolsillos);
        auto hearWordOn = [&](int kind) {
            ASSERT_TRUE(run.talking());
            EXPECT_EQ(run.npcs.back()->currentLine(), words.at(static_cast<std::size_t>(kind))[0]);
            ASSERT_TRUE(player.talkThrough(200));
        };
        run.prota->coins = 40;  // what the levels before would have paid
        if (firstShop) {
            const int kind = run.items[0]->kind;
            ASSERT_TRUE(player.take(*run.items[0], 3000));
            EXPECT_EQ(run.prota->coins, 40) << "the first item is on the house";
            hearWordOn(kind);
        }
        const int kind = run.items[0]->kind;
        const int price = items::price(kind);
        const int coins = run.prota->coins;
        ASSERT_TRUE(player.take(*run.items[0], 3000));
        EXPECT_EQ(run.prota->coins, coins - price);
        hearWordOn(kind);
        EXPECT_TRUE(player.leave(3000));
    }
}

TEST_F(Playthrough, DialogueRoomsAreTalkedThroughAndLeft) {
    Escena run(scene("scenes_1", 0), false, kNormal, false);
    for (const char* slot : {"botones_2", "botones_3", "botones_4"}) {
        SCOPED_TRACE(slot);
        run.loadScene(scene(slot));
        ScriptedPlayer player(run, platform_);
        EXPECT_EQ(player.finish(6000), ScriptedPlayer::kLevelCompleted);
        for (const auto& npc : run.npcs) {
            EXPECT_FALSE(npc->talking);
            EXPECT_EQ(npc->conversationIndex, npc->conversationCount() - 1) << npc->kind;
        }
    }
}

}  // namespace
