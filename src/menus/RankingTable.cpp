#include "menus/RankingTable.hpp"

#include <SDL_render.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "menus/TextCache.hpp"
#include "render/Fonts.hpp"
#include "save/Ranking.hpp"

namespace ranking_table {
namespace {

constexpr std::uint64_t kMaxShownSeconds = 99 * 3600 + 59 * 60 + 59;
// Row 1 sits this far down the screen; each later row this far below the one above.
constexpr double kFirstRowY = 2.85;
constexpr std::array<double, 6> kRowGap = {0.0, 1.35, 1.35, 1.2, 1.15, 1.2};
constexpr double kRowX = 2.8;
constexpr double kHeadingY = 1.3;
constexpr double kHeadingXSpanish = 5.6;
constexpr double kHeadingXEnglish = 6.05;
// Rows never run into the screen's right margin.
constexpr double kRightMargin = 5.6;

std::string twoDigits(std::uint64_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

void drawText(SDL_Renderer* renderer, TTF_Font* font, const std::string& text,
              const SDL_Rect& where) {
    SDL_Surface* surface = TTF_RenderText_Solid(font, text.c_str(), text_cache::kTextRed);
    if (surface == nullptr) {
        return;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    SDL_RenderCopy(renderer, texture, nullptr, &where);
    SDL_DestroyTexture(texture);
}

}  // namespace

std::string clockText(std::uint64_t seconds) {
    seconds = std::min(seconds, kMaxShownSeconds);
    const std::uint64_t hours = seconds / 3600;
    const std::uint64_t minutes = seconds / 60 - hours * 60;
    const std::uint64_t secs = seconds % 60;
    return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(secs);
}

int alignmentSpaces(int score) {
    // Counted on the written number, so 0 and the negative scores of a hand-edited file line
    // up too.
    const std::string written = std::to_string(score);
    const int width = static_cast<int>(written.size());
    int powerOfTen = 1;
    for (int d = 1; d < width; ++d) {
        powerOfTen *= 10;
    }
    // A round power of ten gets one space more, as the table has always shown it.
    const int extra = score > 0 && score == powerOfTen ? 1 : 0;
    return std::max(6 - width + extra, 0);
}

std::string rowText(int position, int score, std::uint64_t seconds) {
    return std::to_string(position) + (position == 10 ? " - " : "   - ") +
           std::string(static_cast<std::size_t>(alignmentSpaces(score)), ' ') +
           std::to_string(score) + "   " + clockText(seconds);
}

std::string heading(int language) {
    return language == 0 ? "Puntuaciones" : "ScoreBoard";
}

void draw(SDL_Renderer* renderer, const Ranking& ranking, int language, double scale,
          double menuOffsetX, double menuOffsetY, int screenWidth) {
    TTF_Font* font = fonts::interfaceFont();
    if (renderer == nullptr || font == nullptr) {
        return;
    }
    const int fh = TTF_FontHeight(font);
    const int charW = static_cast<int>(fh * 0.35);
    const int rowH = static_cast<int>(fh * 0.7);
    const double left = std::fabs(menuOffsetX);

    const std::string title = heading(language);
    const double headingX = language == 0 ? kHeadingXSpanish : kHeadingXEnglish;
    drawText(renderer, font, title,
             SDL_Rect{static_cast<int>((left + headingX) * scale),
                      static_cast<int>((std::fabs(menuOffsetY) + kHeadingY) * scale),
                      static_cast<int>(title.size()) * charW, rowH});

    const int rowX = static_cast<int>((left + kRowX) * scale);
    // Rows follow the menu down in a tall window, as the heading does.
    int rowY = static_cast<int>((std::fabs(menuOffsetY) + kFirstRowY) * scale);
    int position = 1;
    for (const Ranking::Entry& entry : ranking.entries()) {
        if (position > 1) {
            rowY += static_cast<int>(scale * kRowGap[static_cast<std::size_t>(position - 1)]);
        }
        const std::string row = rowText(position, entry.score, entry.time);
        const int width = std::min(static_cast<int>(row.size()) * charW,
                                   screenWidth - static_cast<int>(scale * kRightMargin));
        drawText(renderer, font, row, SDL_Rect{rowX, rowY, width, rowH});
        if (++position > static_cast<int>(kRowGap.size())) {
            break;
        }
    }
}

}  // namespace ranking_table
