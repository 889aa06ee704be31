#include "app/CommandLine.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "scene/SceneData.hpp"
#include "support/SceneHarness.hpp"

namespace {

TEST(CommandLine, ReadsWhatAPlayerTypes) {
    std::string why;
    const auto cl = command_line::parse({"--scene", "scenes_1:2", "--difficulty", "hard", "--seed",
                                         "9", "--frames", "120", "--screenshot", "a.png"},
                                        why);
    ASSERT_TRUE(cl) << why;
    EXPECT_EQ(*cl->sceneSlot, "scenes_1");
    EXPECT_EQ(*cl->scenePosition, 2);
    EXPECT_EQ(cl->difficulty, 2);
    EXPECT_EQ(*cl->seed, 9u);
    EXPECT_EQ(*cl->frames, 120);
    EXPECT_EQ(*cl->screenshot, "a.png");
    const auto recording =
        command_line::parse({"--scene", "greed", "--seed", "3", "--record", "g.rec"}, why);
    ASSERT_TRUE(recording) << why;
    EXPECT_EQ(*recording->record, "g.rec");
    const auto replaying = command_line::parse({"--replay", "g.rec", "--frames", "9"}, why);
    ASSERT_TRUE(replaying) << why;
    EXPECT_EQ(*replaying->replay, "g.rec");
}

TEST(CommandLine, EveryMistakeIsNamedInOneLine) {
    const struct {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"--scene"}, "--scene needs a value"},
        {{"--scene", "scenes_1:x"}, "position"},
        {{"--difficulty", "extreme"}, "extreme"},
        {{"--seed", "-1"}, "--seed"},
        {{"--frames", "0"}, "--frames"},
        {{"--screenshot", "a.png"}, "--frames"},
        {{"--record"}, "--record needs a value (see --help)"},
        // A replay takes nothing it fixes itself.
        {{"--replay", "g.rec", "--scene", "tutorial"}, "--replay takes"},
        {{"--replay", "g.rec", "--seed", "1"}, "--replay takes"},
        {{"--replay", "g.rec", "--difficulty", "easy"}, "--replay takes"},
        {{"--replay", "g.rec", "--record", "h.rec"}, "--replay takes"},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_FALSE(command_line::parse(c.args, why));
        EXPECT_NE(why.find(c.named), std::string::npos) << why;
        EXPECT_EQ(why.find('\n'), std::string::npos);
    }
}

TEST(CommandLine, FindsSlotsAndPoolPositionsOfTheSceneFile) {
    std::ifstream in(std::string(VALDRO_SOURCE_DIR) + "/data/datus/config/scenes.json");
    const nlohmann::json scenes = nlohmann::json::parse(in);
    SceneData d;
    std::string why;
    EXPECT_TRUE(command_line::findScene(scenes, "tutorial", std::nullopt, d, why)) << why;
    EXPECT_TRUE(command_line::findScene(scenes, "scenes_5", 0, d, why)) << why;
    const int poolSize = static_cast<int>(scenes.at("scenes_1").size());
    EXPECT_FALSE(command_line::findScene(scenes, "scenes_1", poolSize, d, why));
    EXPECT_NE(why.find("positions 0 to"), std::string::npos) << why;
    EXPECT_FALSE(command_line::findScene(scenes, "scenes_1", std::nullopt, d, why));
    EXPECT_FALSE(command_line::findScene(scenes, "tutorial", 0, d, why));
    EXPECT_FALSE(command_line::findScene(scenes, "attic", std::nullopt, d, why));
    EXPECT_NE(why.find("attic"), std::string::npos);
}

}  // namespace
