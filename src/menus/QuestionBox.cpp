#include "menus/QuestionBox.hpp"

#include <SDL_events.h>
#include <SDL_mouse.h>
#include <SDL_render.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "menus/TextCache.hpp"
#include "render/CoreTextures.hpp"
#include "render/Fonts.hpp"
#include "render/Ring.hpp"
#include "render/TextureLoader.hpp"

namespace {

constexpr SDL_Color kWall{42, 16, 30, 255};
constexpr SDL_Color kBrass{196, 150, 70, 255};
constexpr SDL_Color kCream{244, 232, 206, 255};
constexpr SDL_Color kInk{70, 40, 44, 255};
// How long the box waits for an event before drawing itself again (a window uncovered).
constexpr int kRedrawMs = 250;
// How bright the menu board stays behind the box.
constexpr Uint8 kBoardShade = 80;

void fill(SDL_Renderer* renderer, const SDL_Rect& r, SDL_Color c) {
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
    SDL_RenderFillRect(renderer, &r);
}

SDL_Texture* textTexture(SDL_Renderer* renderer, const std::string& text, SDL_Color colour,
                         int wrapWidth) {
    TTF_Font* font = fonts::interfaceFont();
    if (font == nullptr || text.empty()) {
        return nullptr;
    }
    SDL_Surface* s = wrapWidth > 0 ? TTF_RenderUTF8_Blended_Wrapped(font, text.c_str(), colour,
                                                                    static_cast<Uint32>(wrapWidth))
                                   : TTF_RenderUTF8_Blended(font, text.c_str(), colour);
    if (s == nullptr) {
        return nullptr;
    }
    SDL_Texture* t = SDL_CreateTextureFromSurface(renderer, s);
    SDL_FreeSurface(s);
    return t;
}

// Draws text scaled down (never up) to fit into area, centred in it.
void drawFitted(SDL_Renderer* renderer, SDL_Texture* text, const SDL_Rect& area) {
    int w = 0;
    int h = 0;
    if (text == nullptr || SDL_QueryTexture(text, nullptr, nullptr, &w, &h) != 0 || w <= 0 ||
        h <= 0) {
        return;
    }
    const double fit =
        std::min({1.0, static_cast<double>(area.w) / w, static_cast<double>(area.h) / h});
    const int dw = static_cast<int>(w * fit);
    const int dh = static_cast<int>(h * fit);
    const SDL_Rect to{area.x + (area.w - dw) / 2, area.y + (area.h - dh) / 2, dw, dh};
    SDL_RenderCopy(renderer, text, nullptr, &to);
}

bool inside(const SDL_Rect& r, int x, int y) {
    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

}  // namespace

QuestionBox::QuestionBox(std::string title, std::string text, std::vector<std::string> choices)
    : title_(std::move(title)), text_(std::move(text)), choices_(std::move(choices)) {}

QuestionBox::~QuestionBox() {
    dropTexts();
}

void QuestionBox::dropTexts() {
    for (SDL_Texture*& t : choiceTexts_) {
        if (t != nullptr) {
            SDL_DestroyTexture(t);
        }
    }
    choiceTexts_.clear();
    for (SDL_Texture** t : {&titleText_, &bodyText_}) {
        if (*t != nullptr) {
            SDL_DestroyTexture(*t);
            *t = nullptr;
        }
    }
}

int QuestionBox::ask(SDL_Window* window, const std::string& title, const std::string& text,
                     const std::vector<std::string>& choices) {
    SDL_Renderer* renderer = window != nullptr ? SDL_GetRenderer(window) : nullptr;
    if (renderer == nullptr || choices.empty()) {
        return kClosed;
    }
    QuestionBox box(title, text, choices);
    // The pad is read from its events: releases and stick moves taken here are handed back
    // to the game, so it never thinks a button is still held (and misses its next press).
    std::vector<SDL_Event> padEvents;
    bool redraw = true;
    while (!box.answered()) {
        int width = 0;
        int height = 0;
        SDL_GetRendererOutputSize(renderer, &width, &height);
        if (redraw) {
            box.render(renderer, width, height);
            SDL_RenderPresent(renderer);
            redraw = false;
        }
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, kRedrawMs) == 0) {
            redraw = true;
            continue;
        }
        const int before = box.highlighted();
        box.handle(event, width, height);
        if (event.type == SDL_QUIT) {
            // The game closes as it would have without the question.
            SDL_PushEvent(&event);
        } else if (event.type == SDL_CONTROLLERBUTTONUP || event.type == SDL_CONTROLLERAXISMOTION) {
            padEvents.push_back(event);
        }
        redraw = box.highlighted() != before || event.type == SDL_WINDOWEVENT;
    }
    for (SDL_Event& e : padEvents) {
        SDL_PushEvent(&e);
    }
    return box.answer();
}

void QuestionBox::take(int index) {
    answered_ = true;
    answer_ = index;
}

void QuestionBox::move(int step) {
    const int n = static_cast<int>(choices_.size());
    if (n > 0) {
        highlighted_ = std::clamp(highlighted_ + step, 0, n - 1);
    }
}

int QuestionBox::choiceAt(int x, int y, int width, int height) const {
    for (int i = 0; i < static_cast<int>(choices_.size()); ++i) {
        if (inside(choiceRect(i, width, height), x, y)) {
            return i;
        }
    }
    return -1;
}

bool QuestionBox::handle(const SDL_Event& event, int width, int height) {
    if (answered_) {
        return true;
    }
    // Answers are taken when the key, button or mouse button is let go, so the game never sees
    // half of the press that answered (nor acts on the release of the one that opened the box).
    switch (event.type) {
        case SDL_QUIT:
            take(kClosed);
            break;
        case SDL_KEYDOWN:
            switch (event.key.keysym.sym) {
                case SDLK_LEFT:
                    move(-1);
                    break;
                case SDLK_RIGHT:
                case SDLK_TAB:
                    move(1);
                    break;
                case SDLK_RETURN:
                case SDLK_KP_ENTER:
                case SDLK_SPACE:
                case SDLK_ESCAPE:
                    pressedKey_ = event.key.keysym.sym;
                    break;
                default:
                    break;
            }
            break;
        case SDL_KEYUP:
            if (pressedKey_ != 0 && event.key.keysym.sym == pressedKey_) {
                take(pressedKey_ == SDLK_ESCAPE ? kClosed : highlighted_);
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            switch (event.cbutton.button) {
                case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
                    move(-1);
                    break;
                case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
                    move(1);
                    break;
                case SDL_CONTROLLER_BUTTON_A:
                case SDL_CONTROLLER_BUTTON_B:
                    pressedPad_ = event.cbutton.button;
                    break;
                default:
                    break;
            }
            break;
        case SDL_CONTROLLERBUTTONUP:
            if (pressedPad_ >= 0 && event.cbutton.button == pressedPad_) {
                take(pressedPad_ == SDL_CONTROLLER_BUTTON_B ? kClosed : highlighted_);
            }
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                const int value = event.caxis.value;
                if (!stickHeld_ && std::abs(value) >= kStickPush) {
                    move(value < 0 ? -1 : 1);
                    stickHeld_ = true;
                } else if (std::abs(value) < kStickPush / 2) {
                    stickHeld_ = false;
                }
            }
            break;
        case SDL_MOUSEMOTION:
            if (const int i = choiceAt(event.motion.x, event.motion.y, width, height); i >= 0) {
                highlighted_ = i;
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) {
                pressedChoice_ = choiceAt(event.button.x, event.button.y, width, height);
                if (pressedChoice_ >= 0) {
                    highlighted_ = pressedChoice_;
                }
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT && pressedChoice_ >= 0 &&
                choiceAt(event.button.x, event.button.y, width, height) == pressedChoice_) {
                take(pressedChoice_);
            }
            pressedChoice_ = -1;
            break;
        default:
            break;
    }
    return answered_;
}

SDL_Rect QuestionBox::panel(int width, int height) const {
    const int w = std::min(width * 8 / 10, height * 12 / 10);
    const int h = w / 2;
    return SDL_Rect{(width - w) / 2, (height - h) / 2, w, h};
}

SDL_Rect QuestionBox::choiceRect(int index, int width, int height) const {
    const SDL_Rect p = panel(width, height);
    const int n = std::max(1, static_cast<int>(choices_.size()));
    const int gap = p.w / 16;
    const int w = (p.w - gap * (n + 1)) / n;
    const int h = p.h / 4;
    return SDL_Rect{p.x + gap + index * (w + gap), p.y + p.h - h - gap / 2, w, h};
}

void QuestionBox::makeTexts(SDL_Renderer* renderer, int width, int height) {
    if (textsWidth_ == width && textsHeight_ == height && titleText_ != nullptr) {
        return;
    }
    dropTexts();
    textsWidth_ = width;
    textsHeight_ = height;
    const SDL_Rect p = panel(width, height);
    titleText_ = textTexture(renderer, title_, text_cache::kTextRed, 0);
    bodyText_ = textTexture(renderer, text_, kInk, p.w * 9 / 10);
    for (const std::string& c : choices_) {
        choiceTexts_.push_back(textTexture(renderer, c, text_cache::kTextRed, 0));
    }
}

void QuestionBox::render(SDL_Renderer* renderer, int width, int height) {
    if (renderer == nullptr || width <= 0 || height <= 0) {
        return;
    }
    makeTexts(renderer, width, height);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    fill(renderer, SDL_Rect{0, 0, width, height}, kWall);
    // The menu board behind, darkened, as the menus stand on it.
    if (SDL_Texture* board = coreTextures().backgrounds[kMenuBoardBackground]; board != nullptr) {
        const int boardW = std::min(width, height * 4 / 3);
        const int boardH = boardW * 3 / 4;
        const SDL_Rect to{(width - boardW) / 2, (height - boardH) / 2, boardW, boardH};
        SDL_SetTextureColorMod(board, kBoardShade, kBoardShade, kBoardShade);
        textures::copy(renderer, board, nullptr, &to);
        SDL_SetTextureColorMod(board, 255, 255, 255);
    }
    const SDL_Rect p = panel(width, height);
    const int frame = std::max(3, p.w / 80);
    fill(renderer, p, kBrass);
    fill(renderer, SDL_Rect{p.x + frame, p.y + frame, p.w - 2 * frame, p.h - 2 * frame}, kCream);
    const int inset = p.w / 20;
    const int titleH = p.h / 6;
    drawFitted(renderer, titleText_,
               SDL_Rect{p.x + inset, p.y + inset / 2, p.w - 2 * inset, titleH});
    const SDL_Rect first = choiceRect(0, width, height);
    const int bodyTop = p.y + inset / 2 + titleH + inset / 2;
    drawFitted(renderer, bodyText_,
               SDL_Rect{p.x + inset, bodyTop, p.w - 2 * inset, first.y - bodyTop - inset / 2});
    for (int i = 0; i < static_cast<int>(choices_.size()); ++i) {
        const SDL_Rect r = choiceRect(i, width, height);
        if (SDL_Texture* plate = coreTextures().longButton; plate != nullptr) {
            SDL_RenderCopy(renderer, plate, nullptr, &r);
        } else {
            fill(renderer, r, kBrass);
        }
        drawFitted(renderer, i < static_cast<int>(choiceTexts_.size()) ? choiceTexts_[i] : nullptr,
                   SDL_Rect{r.x + r.w / 7, r.y + r.h / 6, r.w * 5 / 7, r.h * 2 / 3});
        if (i == highlighted_) {
            // A white ring round the plate, as the menus mark the button a pad is on.
            const int thickness = std::max(2, frame / 2);
            ring::draw(renderer,
                       SDL_Rect{r.x - thickness - 1, r.y - thickness - 1, r.w + 2 * thickness + 2,
                                r.h + 2 * thickness + 2},
                       thickness, SDL_Color{255, 255, 255, 255});
        }
    }
}
