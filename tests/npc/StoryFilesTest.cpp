#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// The two dialogue files tell the same story: same characters, entries, conversations and lines,
// and every line fits the text box of the smallest window.
namespace {

using nlohmann::json;

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

std::size_t characters(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) {
        n += (c & 0xC0) != 0x80;
    }
    return n;
}

// Rows a line takes when wrapped word by word at maxChars characters a row.
int rowsFor(const std::string& line, std::size_t maxChars) {
    int rows = 0;
    std::size_t row = 0;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string::npos) {
            end = line.size();
        }
        const std::size_t word = characters(line.substr(start, end - start));
        if (row == 0) {
            rows += 1;
            row = word;
        } else if (row + 1 + word <= maxChars) {
            row += 1 + word;
        } else {
            rows += 1;
            row = word;
        }
        start = end + 1;
    }
    return rows;
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

TEST(StoryFiles, EveryLineFitsTheTextBoxOfTheSmallestWindow) {
    // A 320 x 240 window shows 16 x 12 units at 20 pixels each; the dialogue font is opened at
    // that many points and the box is 16 x 5 units. Rows are fh / 2 apart from fh / 2 down, at
    // a fixed fh / 4 pixels a character, less four characters of margin.
    constexpr int kScale = 20;
    constexpr int kBoxWidth = 16 * kScale;
    constexpr int kBoxHeight = 5 * kScale;
    ASSERT_EQ(TTF_Init(), 0);
    TTF_Font* font = TTF_OpenFont(VALDRO_RUN_DIR "/fonts/cavolini_b.ttf", kScale);
    ASSERT_NE(font, nullptr) << TTF_GetError();
    const int fh = TTF_FontHeight(font);
    TTF_CloseFont(font);
    TTF_Quit();
    const std::size_t maxChars = static_cast<std::size_t>(kBoxWidth / (fh / 4) - 4);
    const int maxRows = kBoxHeight / (fh / 2) - 1;
    ASSERT_GE(maxRows, 3);

    for (const char* language : {"es", "en"}) {
        const json doc = readDialogue(language);  // the loop below must not outlive it
        for (const auto& [character, entries] : doc.items()) {
            for (const json& entry : entries) {
                for (const json& conversation : entry) {
                    for (const json& line : conversation) {
                        const std::string text = line.get<std::string>();
                        EXPECT_FALSE(text.empty()) << language << " " << character;
                        EXPECT_LE(rowsFor(text, maxChars), maxRows)
                            << language << " " << character << ": " << text;
                    }
                }
            }
        }
    }
}

}  // namespace
