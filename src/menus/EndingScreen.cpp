#include "menus/EndingScreen.hpp"

#include <SDL_events.h>
#include <SDL_render.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>

#include "app/GameGlobals.hpp"
#include "input/PadInput.hpp"
#include "menus/RankingTable.hpp"
#include "npc/Dialogue.hpp"
#include "npc/NPC.hpp"
#include "render/CoreTextures.hpp"
#include "render/Fonts.hpp"
#include "render/LineCache.hpp"

namespace {

// A press that was meant for the last line of the final words must not skip the ending too.
constexpr int kSkipGuardFrames = 100;
constexpr int kMaxScoreShown = 99999;
// Rows of the hero's words are broken at this many characters.
constexpr int kRowCharacters = 44;
// Rows stand this many row heights apart; headings are this much taller than the rest.
constexpr double kRowSpacing = 1.5;
constexpr double kHeadingSize = 1.5;
// The roll keeps to this share of the view's width.
constexpr double kRollWidth = 0.62;

// The lobby, where the story began, dimmed behind the roll.
constexpr std::size_t kLobbyBackground = 0;
constexpr SDL_Rect kLobbySource{0, 0, 1600, 900};
constexpr Uint8 kDimRed = 80;
constexpr Uint8 kDimGreen = 72;
constexpr Uint8 kDimBlue = 96;

// The shopkeeper and the bellboy stand on either side of the roll, in their idle frames.
constexpr int kCastFrameW = 384;
constexpr int kCastFrameH = 576;
constexpr int kCastFrames = 2;
constexpr int kCastTicksPerFrame = 50;
constexpr double kCastHeight = 0.42;  // of the view's height
constexpr double kCastMargin = 0.03;  // of the view's width, from its side
constexpr double kCastFloor = 0.97;   // of the view's height, where their feet are

constexpr SDL_Color kWhite{255, 255, 255, 255};
constexpr SDL_Color kGold{232, 188, 92, 255};

struct CreditTexts {
    const char* end;
    const char* stay;
    const char* score;
    const char* time;
    const char* cast;
    const char* names[7];
    const char* thanks;
    const char* unlocked;
};

constexpr CreditTexts kSpanish{
    "FIN",
    "Tu estancia",
    "Puntuación: ",
    "Tiempo: ",
    "Reparto",
    {"El botones", "Bolsillos", "La Codicia, que antes fue Cornelio", "La Lujuria", "Valdro",
     "El timbre de recepción", "Y tú, con tu bufanda amarilla"},
    "Gracias por jugar",
    "El modo infinito ya está abierto"};
constexpr CreditTexts kEnglish{"THE END",
                               "Your stay",
                               "Score: ",
                               "Time: ",
                               "Cast",
                               {"The bellboy", "Pockets", "Greed, who was Cornelius once", "Lust",
                                "Valdro", "The front desk bell", "And you, in your yellow scarf"},
                               "Thanks for playing",
                               "Endless mode is now open"};

// The part of the window the ending fills: the largest 16:9 rectangle, centred.
SDL_Rect viewOf(SDL_Renderer* renderer) {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer, &width, &height);
    const int w = std::min(width, height * 16 / 9);
    const int h = w * 9 / 16;
    return SDL_Rect{(width - w) / 2, (height - h) / 2, w, h};
}

void drawCast(SDL_Renderer* renderer, const SDL_Rect& view, int frame) {
    const int h = static_cast<int>(view.h * kCastHeight);
    const int w = h * kCastFrameW / kCastFrameH;
    const int look = frame / kCastTicksPerFrame % kCastFrames;
    const int y = view.y + static_cast<int>(view.h * kCastFloor) - h;
    const int margin = static_cast<int>(view.w * kCastMargin);
    const SDL_Rect pockets{view.x + margin, y, w, h};
    const SDL_Rect bellboy{view.x + view.w - margin - w, y, w, h};
    const SDL_Rect source{look * kCastFrameW, 0, kCastFrameW, kCastFrameH};
    if (SDL_Texture* sheet = npcs::sheet(NPC::kBolsillos)) {
        SDL_RenderCopy(renderer, sheet, &source, &pockets);
    }
    if (SDL_Texture* sheet = npcs::sheet(NPC::kBotones)) {
        // The bellboy faces the roll from the right.
        SDL_RenderCopyEx(renderer, sheet, &source, &bellboy, 0.0, nullptr, SDL_FLIP_HORIZONTAL);
    }
}

}  // namespace

EndingScreen::EndingScreen(int score, std::uint64_t seconds, int language) {
    const CreditTexts& t = language == 0 ? kSpanish : kEnglish;
    rows_.push_back({t.end, true});
    rows_.push_back({});
    for (const Conversation& words :
         dialogue::conversationsFor(language, NPC::kProta, dialogue::kEpilogueEntry)) {
        for (const std::string& line : words) {
            addWrapped(line);
            rows_.push_back({});
        }
    }
    char scoreText[16];
    std::snprintf(scoreText, sizeof scoreText, "%05d", std::clamp(score, 0, kMaxScoreShown));
    rows_.push_back({t.stay, true});
    rows_.push_back({std::string(t.score) + scoreText});
    rows_.push_back({std::string(t.time) + ranking_table::clockText(seconds)});
    rows_.push_back({});
    rows_.push_back({t.cast, true});
    for (const char* name : t.names) {
        rows_.push_back({name});
    }
    rows_.push_back({});
    rows_.push_back({"Valdro", true});
    rows_.push_back({t.thanks});
    rows_.push_back({t.unlocked});
}

void EndingScreen::addWrapped(const std::string& text) {
    for (std::string& row : npcs::wrapLine(text, kRowCharacters)) {
        rows_.push_back({std::move(row)});
    }
}

void EndingScreen::handleEvent(const SDL_Event& event, double, double, double) {
    if (event.type != SDL_KEYDOWN || event.key.repeat != 0 || frame_ < kSkipGuardFrames) {
        return;
    }
    const SDL_Keycode key = event.key.keysym.sym;
    if (key == globals().activeKeys.interactKey || key == SDLK_ESCAPE) {
        skipped_ = true;
    }
}

void EndingScreen::handlePad(const PadInput& input) {
    const bool button = input.control == PadControl::Confirm || input.control == PadControl::Back ||
                        input.control == PadControl::Interact || input.control == PadControl::Start;
    if (input.pressed && button && frame_ >= kSkipGuardFrames) {
        skipped_ = true;
    }
}

int EndingScreen::update(double, double&, double, double, double) {
    if (skipped_ || frame_ >= kRollFrames) {
        return kActionToTitle;
    }
    ++frame_;
    return kActionNone;
}

void EndingScreen::render(SDL_Renderer* renderer) {
    if (renderer == nullptr) {
        return;
    }
    const SDL_Rect view = viewOf(renderer);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderFillRect(renderer, nullptr);
    if (SDL_Texture* lobby = coreTextures().backgrounds[kLobbyBackground]) {
        SDL_SetTextureColorMod(lobby, kDimRed, kDimGreen, kDimBlue);
        SDL_RenderCopy(renderer, lobby, &kLobbySource, &view);
        SDL_SetTextureColorMod(lobby, 255, 255, 255);
    }
    drawCast(renderer, view, frame_);

    TTF_Font* font = fonts::dialogueFont();
    if (font == nullptr) {
        return;
    }
    const int rowH = std::max(1, TTF_FontHeight(font) / 2);
    const int step = static_cast<int>(rowH * kRowSpacing);
    const int headingH = static_cast<int>(rowH * kHeadingSize);
    int rollHeight = 0;
    for (const Row& row : rows_) {
        rollHeight += row.heading ? step + headingH - rowH : step;
    }
    // The roll comes up from under the view and leaves by its top.
    const int scrolled =
        static_cast<int>(static_cast<long long>(view.h + rollHeight) * frame_ / kRollFrames);
    const int maxWidth = static_cast<int>(view.w * kRollWidth);
    SDL_RenderSetClipRect(renderer, &view);
    int y = view.y + view.h - scrolled;
    for (const Row& row : rows_) {
        const int h = row.heading ? headingH : rowH;
        if (!row.text.empty() && y + h > view.y && y < view.y + view.h) {
            line_cache::drawCentred(renderer, font, row.text, row.heading ? kGold : kWhite, view.x,
                                    view.w, y, h, maxWidth);
        }
        y += row.heading ? step + (h - rowH) : step;
    }
    SDL_RenderSetClipRect(renderer, nullptr);
}
