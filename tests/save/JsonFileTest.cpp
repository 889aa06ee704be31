#include "save/JsonFile.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "save/ConfigFile.hpp"
#include "save/Ranking.hpp"
#include "npc/Dialogue.hpp"
#include "support/TempRunFolder.hpp"

namespace {

// An array nested `levels` deep, with `inner` in the middle.
std::string nested(int levels, const std::string& inner = "1") {
    return std::string(static_cast<std::size_t>(levels), '[') + inner +
           std::string(static_cast<std::size_t>(levels), ']');
}

bool anyMentions(const std::vector<std::string>& lines, const std::string& what) {
    for (const std::string& line : lines) {
        if (line.find(what) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Deep enough to exhaust the stack when a document like this is copied or written.
constexpr int kHostileNesting = 200'000;

}  // namespace

TEST(JsonFile, NestingUpToTheLimitIsReadAndDeeperIsRefused) {
    // The top object is level 0, so its member holds up to kMaxNesting arrays.
    const json_file::Document atLimit =
        json_file::parse("{\"x\": " + nested(json_file::kMaxNesting) + "}");
    EXPECT_TRUE(atLimit.ok()) << atLimit.problem;

    const json_file::Document tooDeep =
        json_file::parse("{\"x\": " + nested(json_file::kMaxNesting + 1) + "}");
    EXPECT_FALSE(tooDeep.ok());
    EXPECT_EQ(tooDeep.problem, "nested deeper than 64 levels");
    EXPECT_TRUE(tooDeep.json.is_null());
}

// A settings or ranking file with a deeply nested member used to crash the game when the
// settings were copied and saved; now it is kept as a side copy and the game starts fresh.
TEST(JsonFile, DeeplyNestedPlayerFilesAreKeptAsideNotFollowed) {
    TempRunFolder run;
    const std::string hostile =
        "{\"Score\": [], \"Time\": [], \"width\": 800, \"x\": " + nested(kHostileNesting) + "}";

    TempRunFolder::write("datus/config/config.json", hostile);
    const config_file::Loaded config = config_file::load("datus/config/config.json");
    EXPECT_TRUE(anyMentions(config.problems, "nested deeper than"));
    EXPECT_EQ(config_file::settingsOf(config.document).width, 1280);
    EXPECT_EQ(TempRunFolder::read("datus/config/config.json.broken"), hostile);
    const config_file::Settings settings = config_file::settingsOf(config.document);
    ASSERT_TRUE(config_file::save("datus/config/config.json", config.document, settings.customKeys,
                                  settings.selectedKeySet));
    EXPECT_TRUE(config_file::load("datus/config/config.json").problems.empty());

    TempRunFolder::write("datus/config/ranking.json", hostile);
    std::vector<std::string> problems;
    const Ranking ranking = Ranking::load("datus/config/ranking.json", problems);
    EXPECT_TRUE(anyMentions(problems, "nested deeper than"));
    EXPECT_TRUE(ranking.entries().empty());
    EXPECT_TRUE(ranking.save("datus/config/ranking.json"));
}

TEST(JsonFile, DeeplyNestedDialogueSilencesItsLanguage) {
    testing::internal::CaptureStderr();
    dialogue::setDialogueText(
        1, "{\"valdro\": [[[\"Hi.\"]]], \"x\": " + nested(kHostileNesting) + "}");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("conversaciones_en.json: nested deeper than 64 levels"), std::string::npos)
        << said;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(dialogue::conversationsFor(1, 4, 0).empty());
    testing::internal::GetCapturedStderr();
    dialogue::setDialogueText(1, "{}");
}
