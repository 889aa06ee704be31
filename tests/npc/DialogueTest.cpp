#include "npc/Dialogue.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempRunFolder.hpp"

namespace {

constexpr int kSpanish = 0;
constexpr int kEnglish = 1;
constexpr int kBotones = 1;
constexpr int kValdro = 4;

struct Unreadable {
    std::string name;
    std::string text;  // the English file
    int kind;
    int index;
    std::string message;  // the whole stderr line
};

}  // namespace

// Whatever is wrong with the file, the character says nothing, and the player's log gets one
// line naming the file and the key, not one per frame or per scene.
TEST(Dialogue, UnreadableEntriesSayNothingAndAreReportedOnce) {
    const std::string file = "valdro: datus/dialog/conversaciones_en.json: ";
    const std::string nothing = "; the character says nothing\n";
    const Unreadable cases[] = {
        {"entry past the end", R"({"botones": [[["Hi."]]]})", kBotones, 3,
         file + "\"botones\"[3] is missing" + nothing},
        {"negative entry", R"({"botones": [[["Hi."]]]})", kBotones, -1,
         file + "\"botones\"[-1] is missing" + nothing},
        {"character missing", R"({"botones": []})", kValdro, 0,
         file + "\"valdro\"[0] is missing: there is no \"valdro\"" + nothing},
        {"character not a list", R"({"valdro": {"0": []}})", kValdro, 0,
         file + "\"valdro\" must be a list of entries, but is object" + nothing},
        {"entry not a list", R"({"valdro": ["Hi."]})", kValdro, 0,
         file + "\"valdro\"[0] must be a list of conversations, but is string" + nothing},
        {"conversation not a list", R"({"valdro": [[["Hi."], 5]]})", kValdro, 0,
         file + "\"valdro\"[0][1] must be a list of lines, but is number" + nothing},
        {"line not text", R"({"valdro": [[["Hi.", null]]]})", kValdro, 0,
         file + "\"valdro\"[0][0][1] must be text, but is null" + nothing},
        {"file not an object", R"([1, 2])", kValdro, 0,
         file + "\"valdro\"[0] cannot be read: the file was not read" + nothing},
    };
    for (const Unreadable& c : cases) {
        dialogue::setDialogueText(kEnglish, c.text);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(dialogue::conversationsFor(kEnglish, c.kind, c.index).empty()) << c.name;
        EXPECT_TRUE(dialogue::conversationsFor(kEnglish, c.kind, c.index).empty()) << c.name;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message) << c.name;
    }
}

TEST(Dialogue, AMissingFileSilencesOnlyItsLanguage) {
    TempRunFolder run;
    std::filesystem::remove(run.path("datus/dialog/conversaciones_en.json"));
    testing::internal::CaptureStderr();
    dialogue::loadDialogueFiles();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("datus/dialog/conversaciones_en.json"), std::string::npos) << log;
    EXPECT_EQ(log.find("conversaciones_es.json"), std::string::npos) << log;

    testing::internal::CaptureStderr();
    EXPECT_TRUE(dialogue::conversationsFor(kEnglish, kBotones, 0).empty());
    EXPECT_FALSE(dialogue::conversationsFor(kSpanish, kBotones, 0).empty());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("\"botones\"[0]"), std::string::npos);
}
