#include "npc/NPC.hpp"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/GameGlobals.hpp"
#include "render/Fonts.hpp"

namespace {

const WorldRect kStand{5.0, 6.4, 1.5, 2.5};

// Both dialogue files, the same characters with the lines marked by language.
const char* kSpanishLines = R"({
    "bolsillos": [[["a1", "a2"], ["b1"]], [], [[], ["after an empty one"]]],
    "botones": [[["s1", "s2", "s3"]], [["c0"], ["c1"], ["c2"], ["c3"], ["c4"]],
                [["c0"], ["c1"], ["c2"], ["c3"]]],
    "codicia": [[["Greed before the fight"], ["Greed beaten"]]],
    "tutorial": [[["t1", "t2"]]]
})";
const char* kEnglishLines = R"({
    "bolsillos": [[["A1", "A2"], ["B1"]]],
    "botones": [[["E1", "E2", "E3"]]],
    "codicia": [[["GREED"]]]
})";

class NpcTalk : public ::testing::Test {
protected:
    NpcTalk() : savedLanguage_(globals().language) {
        dialogue::setDialogueText(0, kSpanishLines);
        dialogue::setDialogueText(1, kEnglishLines);
        globals().language = 0;
    }
    ~NpcTalk() override { globals().language = savedLanguage_; }

    // What the player sees after each press: the line, "" for no box, or "done" for no box from
    // a character with nothing more to say.
    static std::vector<std::string> press(NPC& npc, int times) {
        std::vector<std::string> seen;
        for (int i = 0; i < times; ++i) {
            npc.advance();
            seen.push_back(npc.talking ? npc.currentLine() : npc.finished() ? "done" : "");
        }
        return seen;
    }

private:
    int savedLanguage_;
};

struct Script {
    std::string name;
    int kind;
    int entry;
    std::vector<std::string> seen;
};

}  // namespace

TEST_F(NpcTalk, EachPressShowsTheNextLine) {
    const Script scripts[] = {
        {"two conversations, then nothing forever",
         NPC::kBolsillos,
         0,
         {"a1", "a2", "", "b1", "done", "done", "done"}},
        {"the tutorial guide starts over",
         NPC::kTutorial,
         -1,
         {"t1", "t2", "", "t1", "t2", "", "t1"}},
        {"an empty conversation ends at once",
         NPC::kBolsillos,
         2,
         {"", "after an empty one", "done"}},
        {"no conversations at all", NPC::kBolsillos, 1, {"done", "done"}},
        {"an entry the file lacks", NPC::kBolsillos, 9, {"done"}},
    };
    testing::internal::CaptureStderr();  // the missing entry complains once
    for (const Script& s : scripts) {
        NPC npc(kStand, s.kind, s.entry, 0);
        EXPECT_EQ(npc.currentLine(), "") << s.name;
        EXPECT_EQ(press(npc, static_cast<int>(s.seen.size())), s.seen) << s.name;
    }
    EXPECT_NE(testing::internal::GetCapturedStderr().find("\"bolsillos\"[9] is missing"),
              std::string::npos);
}

// The tutorial moves its characters by conversation number, directly or with jumpTo; whatever
// it asks, a press never reads past the end of the entry.
TEST_F(NpcTalk, JumpsAndOutOfRangeIndicesStayInsideTheEntry) {
    struct Jump {
        std::string name;
        int entry;  // of "botones": 1 has five conversations, 2 four, 0 one
        int conversation;
        int line;
        bool viaJumpTo;
        std::string seen;
    };
    const Jump jumps[] = {
        {"to 3 with a fifth to say", 1, 3, -1, true, "c4"},
        {"to 3 when it is the last", 2, 3, -1, true, "done"},
        {"to 3 of a one-conversation entry", 0, 3, -1, true, "done"},
        {"back to 2: the reminder again", 1, 2, -1, true, "c3"},
        {"set past the end by hand", 0, 7, 5, false, "done"},
        {"set below the start by hand", 1, -9, -4, false, "c0"},
    };
    for (const Jump& j : jumps) {
        NPC npc(kStand, NPC::kBotones, j.entry, 0);
        press(npc, 3);
        if (j.viaJumpTo) {
            npc.jumpTo(j.conversation);
        } else {
            npc.conversationIndex = j.conversation;
            npc.lineIndex = j.line;
        }
        EXPECT_EQ(press(npc, 1), std::vector<std::string>{j.seen}) << j.name;
        for (int i = 0; i < 8; ++i) {
            npc.advance();
            EXPECT_LT(npc.conversationIndex, npc.conversationCount()) << j.name;
        }
    }
    // A line index set past the end of a running conversation closes it.
    NPC npc(kStand, NPC::kBotones, 0, 0);
    npc.advance();
    npc.lineIndex = 42;
    EXPECT_EQ(npc.currentLine(), "");
    EXPECT_EQ(press(npc, 2), (std::vector<std::string>{"done", "done"}));
}

TEST_F(NpcTalk, ChangingLanguageMidConversationKeepsTheLineNumbers) {
    NPC bellboy(kStand, NPC::kBotones, 0, 0);
    NPC greed(WorldRect{}, NPC::kCodicia, 0, 0);
    press(bellboy, 2);
    greed.advance();
    ASSERT_EQ(bellboy.currentLine(), "s2");

    globals().language = 1;
    bellboy.reloadLines();
    greed.reloadLines();
    EXPECT_EQ(bellboy.currentLine(), "E2");
    EXPECT_EQ(press(bellboy, 2), (std::vector<std::string>{"E3", "done"}));
    // Only the shopkeeper and the bellboy re-read; a boss keeps what it was saying.
    EXPECT_EQ(greed.currentLine(), "Greed before the fight");
}

namespace {

// An 800 × 450 window drawn in memory: the text box spans y 204 to 454 at 50 pixels per unit.
class DialogueDrawing : public NpcTalk {
protected:
    DialogueDrawing() {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(VALDRO_RUN_DIR);
        TTF_Init();
        surface_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer_ = SDL_CreateSoftwareRenderer(surface_);
        npcs::updateDialogueRects(kScale, 0.0, 0.0);
    }
    ~DialogueDrawing() override {
        fonts::closeFonts();
        npcs::freeNpcAssets();
        SDL_DestroyRenderer(renderer_);
        SDL_FreeSurface(surface_);
        TTF_Quit();
        std::filesystem::current_path(previous_);
    }

    // Bright pixels (the white text) inside and outside the text box after drawing npc.
    std::pair<int, int> textPixels(NPC& npc) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        npc.drawDialogue(renderer_);
        SDL_RenderPresent(renderer_);
        const SDL_Rect box = npcs::textBoxRect();
        int inside = 0;
        int outside = 0;
        const auto* pixels = static_cast<const Uint32*>(surface_->pixels);
        for (int py = 0; py < kHeight; ++py) {
            for (int px = 0; px < kWidth; ++px) {
                Uint8 r, g, b;
                SDL_GetRGB(pixels[py * surface_->pitch / 4 + px], surface_->format, &r, &g, &b);
                if (r > 128 && g > 128 && b > 128) {
                    const bool inBox =
                        px >= box.x && px < box.x + box.w && py >= box.y && py < box.y + box.h;
                    (inBox ? inside : outside) += 1;
                }
            }
        }
        return {inside, outside};
    }

    static constexpr int kWidth = 800;
    static constexpr int kHeight = 450;
    static constexpr double kScale = 50.0;
    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;

private:
    std::filesystem::path previous_;
};

}  // namespace

TEST_F(DialogueDrawing, AnOpenConversationWritesItsLineInTheTextBox) {
    ASSERT_NE(renderer_, nullptr) << SDL_GetError();
    fonts::openFonts(48);
    ASSERT_NE(fonts::dialogueFont(), nullptr) << "the run folder has no font";
    const SDL_Rect box = npcs::textBoxRect();
    EXPECT_EQ(box.y, 204);  // 4.1 units down, truncated
    EXPECT_EQ(box.w, 800);

    NPC bellboy(kStand, NPC::kBotones, 0, 0);
    EXPECT_EQ(textPixels(bellboy), std::make_pair(0, 0)) << "nothing before the first press";
    bellboy.advance();
    const auto [inside, outside] = textPixels(bellboy);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);

    // Greed's later conversations, held at its body, are written in the same box.
    NPC greed(WorldRect{}, NPC::kCodicia, 0, 0);
    press(greed, 3);
    ASSERT_EQ(greed.currentLine(), "Greed beaten");
    const auto [greedInside, greedOutside] = textPixels(greed);
    EXPECT_GT(greedInside, 20);
    EXPECT_EQ(greedOutside, 0);

    // No font, a font too small for a character to be a pixel wide, a box too narrow for one
    // character: no text, and no division by zero.
    fonts::closeFonts();
    EXPECT_EQ(textPixels(bellboy), std::make_pair(0, 0));
    fonts::openFonts(1);
    ASSERT_LT(TTF_FontHeight(fonts::dialogueFont()), 4);
    EXPECT_EQ(textPixels(bellboy), std::make_pair(0, 0));
    npcs::updateDialogueRects(0.01, 0.0, 0.0);
    fonts::openFonts(48);
    EXPECT_EQ(textPixels(bellboy), std::make_pair(0, 0));
}
