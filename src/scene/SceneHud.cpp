#include "scene/SceneHud.hpp"

#include <SDL_render.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>

#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Fonts.hpp"
#include "render/LineCache.hpp"
#include "scene/BandClip.hpp"
#include "scene/Escena.hpp"
#include "scene/SceneImages.hpp"

namespace {

constexpr SDL_Color kWhite{255, 255, 255, 255};

// Draws white text stretched over a pixel rectangle; nothing without a font or a renderer.
void drawText(SDL_Renderer* renderer, const std::string& text, const SDL_Rect& where) {
    line_cache::draw(renderer, fonts::interfaceFont(), text, kWhite, where);
}

int fontHeight() {
    TTF_Font* font = fonts::interfaceFont();
    return font != nullptr ? TTF_FontHeight(font) : 0;
}

std::string format(const char* pattern, long long value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

}  // namespace

void SceneHud::drawPriceLabel(SDL_Renderer* renderer, const Objeto& item) {
    if (item.dstRect == nullptr) {
        return;
    }
    const SDL_Rect& d = *item.dstRect;
    const int side = static_cast<int>(d.w * 0.25);
    const SDL_Rect coin{d.x - static_cast<int>(side * -0.5),
                        d.y + d.h - static_cast<int>(side * -0.25), side, side};
    if (renderer != nullptr && sceneImages().coin != nullptr) {
        SDL_RenderCopy(renderer, sceneImages().coin, nullptr, &coin);
    }
    drawText(renderer, format("%02lld", items::price(item.kind)),
             SDL_Rect{coin.x + side, coin.y, static_cast<int>(side * 1.5), side});
}

void SceneHud::drawHearts(SDL_Renderer* renderer) {
    s_.emptyHearts->render(renderer);
    s_.hearts->render(renderer);
    if (s_.prota->hp > Escena::kMaxHeartsShown && s_.hearts->dstRect != nullptr) {
        const SDL_Rect& d = *s_.hearts->dstRect;
        drawText(renderer, extraHeartsText(s_.prota->hp), SDL_Rect{d.x + d.w, d.y, 90, d.h});
    }
}

void SceneHud::drawPrompts(SDL_Renderer* renderer) {
    if (s_.atExit() && s_.enemies.empty()) {
        if (s_.conversationsFinished() || s_.levelNumber < globals().maxLevel) {
            s_.prompt->render(renderer);
        }
        return;
    }
    for (const auto& item : s_.items) {
        if (!s_.overlapsPlayer(*item)) {
            continue;
        }
        if (item->kind != Objeto::kHeart) {
            if (auto info = items::label(item->kind)) {
                info->x = item->x + 0.75;
                info->y = item->y - 1.2;
                info->ensureDstRect();
                info->updateDstRect(s_.scale_, s_.camX_, s_.camY_);
                info->render(renderer);
            }
        }
        bool show = false;
        if (item->kind == Objeto::kHeart) {
            show = s_.enemies.empty();
        } else if (!s_.freeItem) {
            show = true;
        } else {
            show = s_.shop_.mayTake(*item);
        }
        if (show) {
            s_.prompt->render(renderer);
        }
    }
    for (const auto& n : s_.npcs) {
        if (s_.overlapsPlayer(*n) && !n->finished()) {
            s_.prompt->render(renderer);
        }
    }
}

void SceneHud::placePrompt(double scale, double camX, double camY) {
    if (s_.atExit() && s_.enemies.empty()) {
        s_.prompt->x = s_.w - Escena::kExitDepth - 0.5;
        s_.prompt->y = s_.h - kExitPromptHeight;
    } else {
        for (const auto& item : s_.items) {
            if (s_.overlapsPlayer(*item)) {
                s_.prompt->x = item->x - s_.prompt->w / 2.0;
                s_.prompt->y = item->y - kPromptLift;
            }
        }
        for (const auto& n : s_.npcs) {
            if (s_.overlapsPlayer(*n)) {
                s_.prompt->x = n->x + n->w / 2.0;
                s_.prompt->y = n->y - kPromptLift;
            }
        }
    }
    s_.prompt->updateDstRect(scale, camX, camY);
}

void SceneHud::drawScore(SDL_Renderer* renderer) const {
    const SDL_Rect band = bandOf(s_);
    const int fh = fontHeight();
    drawText(renderer, scoreText(s_.prota->score), SDL_Rect{band.x, band.y - fh, band.w / 3, fh});
    const std::string coins = coinText(s_.prota->coins);
    const int width = static_cast<int>(coins.size()) * fh / 2;
    const int x = band.x + band.w - width;
    const int y = band.y + band.h;
    drawText(renderer, coins, SDL_Rect{x, y, width, fh});
    if (renderer != nullptr && sceneImages().coin != nullptr) {
        const SDL_Rect coin{x - fh, y, fh, fh};
        SDL_RenderCopy(renderer, sceneImages().coin, nullptr, &coin);
    }
}

void SceneHud::drawHighScore(SDL_Renderer* renderer, int best) const {
    const SDL_Rect band = bandOf(s_);
    const int fh = fontHeight();
    const int quarter = static_cast<int>(band.w * 0.25);
    drawText(renderer, highScoreText(best),
             SDL_Rect{band.x + band.w / 3, band.y - fh, band.w - band.w / 3 - quarter, fh});
}

void SceneHud::drawTime(SDL_Renderer* renderer, std::int64_t seconds) const {
    const SDL_Rect band = bandOf(s_);
    const int fh = fontHeight();
    const int quarter = static_cast<int>(band.w * 0.25);
    drawText(renderer, timeText(seconds),
             SDL_Rect{band.x + band.w - quarter, band.y - fh, quarter, fh});
}

std::string SceneHud::scoreText(int score) {
    return format("Score: %05lld", std::clamp(score, 0, kMaxScore));
}

std::string SceneHud::highScoreText(int best) {
    return format("  HighScore: %05lld  ", std::max(best, 0));
}

std::string SceneHud::coinText(int coins) {
    return format("x%02lld", std::max(coins, 0));
}

std::string SceneHud::timeText(std::int64_t seconds) {
    constexpr std::int64_t kMaxShown = 99 * 3600 + 59 * 60 + 59;
    const std::int64_t t = std::clamp<std::int64_t>(seconds, 0, kMaxShown);
    char buffer[32];  // "99:59:59" needs 9; room for what the compiler cannot rule out
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld", static_cast<long long>(t / 3600),
                  static_cast<long long>(t / 60 % 60), static_cast<long long>(t % 60));
    return buffer;
}

std::string SceneHud::extraHeartsText(int hp) {
    return hp > Escena::kMaxHeartsShown ? format("+%02lld", hp - Escena::kMaxHeartsShown)
                                        : std::string();
}
