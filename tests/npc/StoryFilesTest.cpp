#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "npc/NPC.hpp"
#include "render/Fonts.hpp"
#include "support/SceneHarness.hpp"

// The two dialogue files tell the same story: same characters, entries, conversations and lines,
// and every line shows whole in the text box.
namespace {

using nlohmann::json;

constexpr SDL_Keycode kRight = 'd';
// The tutorial's bellboy stands here; walking to him scrolls the camera.
constexpr double kBellboyX = 10.5;

json readDialogue(const char* language) {
    std::ifstream in(std::string(VALDRO_SOURCE_DIR) + "/data/datus/dialog/conversaciones_" +
                     language + ".json");
    return json::parse(in);
}

// characters -> entries -> conversations -> number of lines
std::map<std::string, std::vector<std::vector<std::size_t>>> shape(const json& doc) {
    std::map<std::string, std::vector<std::vector<std::size_t>>> s;
    for (const auto& [character, entries] : doc.items()) {
        for (const json& entry : entries) {
            std::vector<std::size_t> lines;
            for (const json& conversation : entry) {
                lines.push_back(conversation.size());
            }
            s[character].push_back(lines);
        }
    }
    return s;
}

TEST(StoryFiles, BothLanguagesHaveTheSameShape) {
    const json es = readDialogue("es");
    const json en = readDialogue("en");
    EXPECT_EQ(shape(es), shape(en));
    for (const char* character :
         {"bolsillos", "botones", "codicia", "lujuria", "valdro", "prota", "tutorial"}) {
        EXPECT_TRUE(es.contains(character)) << character;
    }
}

// Every line of both languages, wrapped and placed as the game draws it in the tutorial once the
// hero has walked to the bellboy and the camera has scrolled: each row inside the text box and
// the band (the box hangs a tenth of a unit below the band; its text never reaches there).
TEST(StoryFiles, EveryLineShowsWholeInTheBandOfEveryWindow) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(VALDRO_RUN_DIR);
    ASSERT_EQ(TTF_Init(), 0);
    const SDL_Point windows[] = {{1280, 720}, {800, 600}, {320, 240}};
    for (const SDL_Point window : windows) {
        const std::string size = std::to_string(window.x) + "x" + std::to_string(window.y);
        harness::Stage stage(harness::shippedScene("tutorial"), 1, true, 1, window);
        const double startCamX = stage.camX;
        stage.press(kRight);
        for (int f = 0; f < 2000 && stage.prota().x < kBellboyX; ++f) {
            stage.step();
        }
        stage.release(kRight);
        stage.step();
        ASSERT_GT(stage.camX, startCamX + 1.0) << size << ": the camera never scrolled";
        fonts::openFonts(static_cast<int>(stage.scale));
        TTF_Font* font = fonts::dialogueFont();
        ASSERT_NE(font, nullptr) << "the run folder has no font";
        const SDL_Rect band = *stage.scene->dstRect;
        const SDL_Rect box = npcs::textBoxRect();
        EXPECT_GE(box.x, band.x) << size;
        EXPECT_LE(box.x + box.w, band.x + band.w) << size;
        EXPECT_GE(box.y, band.y) << size;

        for (const char* language : {"es", "en"}) {
            const json doc = readDialogue(language);  // the loop below must not outlive it
            for (const auto& [character, entries] : doc.items()) {
                for (const json& entry : entries) {
                    for (const json& conversation : entry) {
                        for (const json& line : conversation) {
                            const std::string text = line.get<std::string>();
                            const auto rows = npcs::layOutLine(text, box, TTF_FontHeight(font));
                            std::string joined;
                            for (const npcs::DialogueRow& row : rows) {
                                const SDL_Rect& d = row.dst;
                                EXPECT_TRUE(d.x >= box.x && d.x + d.w <= box.x + box.w &&
                                            d.y >= box.y && d.y + d.h <= box.y + box.h &&
                                            d.y + d.h <= band.y + band.h)
                                    << size << " " << language << " " << character << ": "
                                    << row.text;
                                joined += (joined.empty() ? "" : " ") + row.text;
                            }
                            EXPECT_EQ(joined, text) << size << " " << language << " " << character;
                        }
                    }
                }
            }
        }
        fonts::closeFonts();
    }
    TTF_Quit();
    std::filesystem::current_path(previous);
}

}  // namespace
