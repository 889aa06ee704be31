#include "menus/Menu.hpp"

#include <SDL_events.h>
#include <SDL_render.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "app/GameGlobals.hpp"
#include "input/PadInput.hpp"
#include "menus/Button.hpp"
#include "menus/MenuTextures.hpp"
#include "menus/TextCache.hpp"
#include "render/Audio.hpp"
#include "render/CoreTextures.hpp"
#include "render/Fonts.hpp"
#include "render/LineCache.hpp"
#include "render/Ring.hpp"
#include "render/TextureLoader.hpp"

namespace {
// The run starts again at the difficulty it was played at.
constexpr std::array<int, 4> kRestartAction = {kActionStartEasy, kActionStartNormal,
                                               kActionStartHard, kActionStartImpossible};

// Title ids.
constexpr int kStoryId = 4;
constexpr int kInfiniteId = 5;
constexpr int kRankingId = 6;
constexpr int kSettingsId = 3;
// Difficulty ids.
constexpr int kEasyId = 22;
constexpr int kNormalId = 23;
constexpr int kHardId = 24;
constexpr int kImpossibleId = 25;
// Ranking ids.
constexpr int kClearHistoryId = 9;
// Game-over ids.
constexpr int kReviveId = 26;
constexpr int kRestartId = 27;

constexpr int kEscape = 27;

// The highlight's frame around a button, in pixels per world unit of scale.
constexpr double kHighlightThickness = 0.06;
// How dark the art is drawn in the margins beside a screen (of 255).
constexpr Uint8 kMarginShade = 90;
// Moving the highlight: a button must lie at least this far the way pushed (so one level with
// the highlighted one is beside it, not below), and being off to the side counts this many
// times its distance.
constexpr double kMinStep = 0.05;
constexpr double kSidewaysWeight = 2.0;

double centreX(const Button& b) {
    return b.area.x + b.area.w / 2.0;
}
double centreY(const Button& b) {
    return b.area.y + b.area.h / 2.0;
}
}  // namespace

std::string revivesText(int revivesLeft) {
    if (revivesLeft == -1) {
        return "xinf";
    }
    return (revivesLeft >= 0 && revivesLeft < 10 ? "x0" : "x") + std::to_string(revivesLeft);
}

Menu::Menu(int type, SDL_Texture* background, std::vector<std::shared_ptr<Button>> menuButtons)
    : Renderizable(background, 0.0, 0.0, kWidth, kHeight),
      buttons(std::move(menuButtons)),
      type_(type) {
    ensureDstRect();
}

Menu::~Menu() = default;

void Menu::clearClick() {
    clicked = false;
    clickedButton = 0;
}

Button* Menu::find(int id) const {
    for (const auto& b : buttons) {
        if (b->id == id) {
            return b.get();
        }
    }
    return nullptr;
}

bool Menu::hidden(const Button& button) const {
    if (!fromPause) {
        return false;
    }
    const std::string& text = button.spanishText();
    for (const char* language : {"Idioma", "Español", "Inglés", "Language", "Spanish", "English"}) {
        if (text == language) {
            return true;
        }
    }
    return false;
}

void Menu::press(double px, double py) {
    clickedButton = 0;
    for (const auto& b : buttons) {
        // A card behind other buttons takes no press.
        if (hidden(*b) || !b->contains(px, py) || (b->id == 0 && b->texts.empty())) {
            continue;
        }
        clickedButton = b->id;
        selectedParam = b->param;
        if (b->id != 0) {
            audio::playSound("click");
        }
        return;
    }
}

void Menu::handleKey(const SDL_KeyboardEvent& key) {
    // A held key repeats: only a fresh press counts, or holding Escape would go back and then
    // quit the game.
    if (key.type != SDL_KEYDOWN || key.repeat != 0 || key.keysym.sym != kEscape) {
        return;
    }
    goBack();
}

void Menu::goBack() {
    if (type_ == kTitle || type_ == kSettings || type_ == kRanking || type_ == kControls) {
        clickedButton = kBackId;
        clicked = true;
    }
}

bool Menu::pressable(const Button& button) const {
    return button.id != 0 && !hidden(button);
}

Button* Menu::highlighted() const {
    if (highlight < 0 || highlight >= static_cast<int>(buttons.size())) {
        return nullptr;
    }
    Button* b = buttons[static_cast<std::size_t>(highlight)].get();
    return pressable(*b) ? b : nullptr;
}

void Menu::resetHighlight() {
    highlight = -1;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Button& b = *buttons[i];
        if (!pressable(b)) {
            continue;
        }
        // Back waits for B, and the ranking is never cleared by a press of A on arrival.
        const bool mainChoice = b.id != kBackId && !(type_ == kRanking && b.id == kClearHistoryId);
        if (mainChoice) {
            highlight = static_cast<int>(i);
            return;
        }
        if (highlight == -1) {
            highlight = static_cast<int>(i);
        }
    }
}

void Menu::moveHighlight(int dx, int dy) {
    const Button* from = highlighted();
    if (from == nullptr) {
        resetHighlight();
        return;
    }
    int best = -1;
    double bestScore = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Button& b = *buttons[i];
        if (static_cast<int>(i) == highlight || !pressable(b)) {
            continue;
        }
        const double offX = centreX(b) - centreX(*from);
        const double offY = centreY(b) - centreY(*from);
        const double along = offX * dx + offY * dy;
        const double sideways = std::abs(dx != 0 ? offY : offX);
        if (along < kMinStep) {
            continue;
        }
        const double score = along + kSidewaysWeight * sideways;
        if (score < bestScore) {
            bestScore = score;
            best = static_cast<int>(i);
        }
    }
    if (best != -1) {
        highlight = best;
    }
}

void Menu::pressHighlighted() {
    if (const Button* b = highlighted()) {
        pressButton(*b);
    }
}

void Menu::pressButton(const Button& button) {
    clickedButton = button.id;
    selectedParam = button.param;
    clicked = true;
    audio::playSound("click");
}

void Menu::handlePad(const PadInput& input) {
    if (!input.pressed || input.control == PadControl::Aim) {
        return;
    }
    const bool wasShown = highlightShown;
    highlightShown = true;
    if (highlighted() == nullptr) {
        resetHighlight();
    }
    switch (input.control) {
        case PadControl::Up:
        case PadControl::Down:
        case PadControl::Left:
        case PadControl::Right:
            // The first push only shows where the highlight is.
            if (wasShown) {
                const int dx = input.control == PadControl::Left    ? -1
                               : input.control == PadControl::Right ? 1
                                                                    : 0;
                const int dy = input.control == PadControl::Up     ? -1
                               : input.control == PadControl::Down ? 1
                                                                   : 0;
                moveHighlight(dx, dy);
            }
            break;
        case PadControl::Confirm:
            pressHighlighted();
            break;
        case PadControl::Back:
            // A stray B on the title would quit the game; a pad leaves by the Exit button.
            if (type_ != kTitle) {
                goBack();
            }
            break;
        default:
            break;
    }
}

void Menu::handleEvent(const SDL_Event& event, double scale, double camX, double camY) {
    switch (event.type) {
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT && scale > 0.0) {
                press(event.button.x / scale + camX, event.button.y / scale + camY);
            }
            break;
        case SDL_MOUSEBUTTONUP:
            // The press counts on release, wherever the pointer is then.
            if (event.button.button == SDL_BUTTON_LEFT && clickedButton != 0) {
                clicked = true;
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            handleKey(event.key);
            break;
        default:
            break;
    }
}

int Menu::update(double scale, double& camX, double camY, double, double) {
    updateDstRect(scale, camX, camY);
    if (!clicked) {
        return kActionNone;
    }
    return takeClick(clickedButton);
}

int Menu::takeClick(int id) {
    switch (type_) {
        case kTitle:
            switch (id) {
                case kStoryId:
                    return kActionChooseStory;
                case kInfiniteId:
                    return kActionChooseInfinite;
                case kRankingId:
                    return kActionShowRanking;
                case kSettingsId:
                    return kActionSettingsFromTitle;
                case kBackId:
                    return kActionExit;
                default:
                    break;
            }
            break;
        case kDifficulty:
            switch (id) {
                case kBackId:
                    return kActionToTitle;
                case kEasyId:
                    return kActionStartEasy;
                case kNormalId:
                    return kActionStartNormal;
                case kHardId:
                    return kActionStartHard;
                case kImpossibleId:
                    return kActionStartImpossible;
                default:
                    break;
            }
            break;
        case kRanking:
            if (id == kBackId) {
                return kActionToTitle;
            }
            if (id == kClearHistoryId) {
                // Taken here, or the ranking would be cleared again every frame.
                clearClick();
                return kActionClearRanking;
            }
            break;
        case kGameOver: {
            const GameGlobals& g = globals();
            if (id == kReviveId) {
                if (g.revivesLeft > 0 || g.revivesLeft == -1) {
                    return kActionRevive;
                }
                audio::playSound("nonono");
                clearClick();
                return kActionNone;
            }
            if (id == kRestartId) {
                const int d = g.difficulty >= 0 && g.difficulty < 4 ? g.difficulty : 0;
                return kRestartAction[static_cast<std::size_t>(d)];
            }
            if (id == kBackId) {
                return kActionToTitle;
            }
            break;
        }
        default:
            break;
    }
    clearClick();
    return kActionNone;
}

void Menu::updateDstRect(double scale, double camX, double camY) {
    scale_ = scale;
    camX_ = camX;
    camY_ = camY;
    Renderizable::updateDstRect(scale, camX, camY);
    for (const auto& b : buttons) {
        b->updateDstRect(scale, camX, camY);
    }
}

void Menu::setLanguage(int language) {
    const AudioState& volumes = audio::state();
    for (const auto& b : buttons) {
        int index = language;
        if (b->id == 14) {
            index = volumes.musicVolume != 0 ? 1 : 0;
        } else if (b->id == 15) {
            index = volumes.sfxVolume != 0 ? 1 : 0;
        }
        b->setText(index);
    }
}

void Menu::render(SDL_Renderer* renderer) {
    if (renderer == nullptr) {
        return;
    }
    if (texture != nullptr) {
        renderMargins(renderer);
        textures::copy(renderer, texture, srcRect, dstRect);
    }
    for (const auto& b : buttons) {
        if (!hidden(*b)) {
            b->render(renderer);
        }
    }
    renderExtras(renderer);
    renderHighlight(renderer);
}

void Menu::renderMargins(SDL_Renderer* renderer) const {
    int width = 0;
    int height = 0;
    if (dstRect == nullptr || SDL_GetRendererOutputSize(renderer, &width, &height) != 0) {
        return;
    }
    const SDL_Rect& d = *dstRect;
    if (d.x <= 0 && d.y <= 0 && d.x + d.w >= width && d.y + d.h >= height) {
        return;
    }
    // The art goes on past its edges as its own mirror image, darkened.
    const std::pair<SDL_Rect, SDL_RendererFlip> margins[] = {
        {{d.x - d.w, d.y, d.w, d.h}, SDL_FLIP_HORIZONTAL},
        {{d.x + d.w, d.y, d.w, d.h}, SDL_FLIP_HORIZONTAL},
        {{d.x, d.y - d.h, d.w, d.h}, SDL_FLIP_VERTICAL},
        {{d.x, d.y + d.h, d.w, d.h}, SDL_FLIP_VERTICAL},
    };
    // The backdrop alone where the screen has one, so no plate or card shows twice.
    SDL_Texture* backdrop = marginArtFor(texture);
    SDL_Texture* art = backdrop != nullptr ? backdrop : texture;
    const SDL_Rect* part = backdrop != nullptr ? nullptr : srcRect;
    SDL_SetTextureColorMod(art, kMarginShade, kMarginShade, kMarginShade);
    for (const auto& [to, flip] : margins) {
        textures::copyEx(renderer, art, part, &to, 0.0, nullptr, flip);
    }
    SDL_SetTextureColorMod(art, 255, 255, 255);
}

void Menu::renderHighlight(SDL_Renderer* renderer) const {
    const Button* b = highlighted();
    if (!highlightShown || b == nullptr) {
        return;
    }
    const int thickness = std::max(2, static_cast<int>(scale_ * kHighlightThickness));
    const SDL_Rect frame{static_cast<int>((b->area.x - camX_) * scale_),
                         static_cast<int>((b->area.y - camY_) * scale_),
                         static_cast<int>(b->area.w * scale_),
                         static_cast<int>(b->area.h * scale_)};
    ring::draw(renderer, frame, thickness, text_cache::kWhite);
}

void Menu::renderExtras(SDL_Renderer* renderer) {
    if (type_ != kGameOver || dstRect == nullptr) {
        return;
    }
    // The revive counter in the top-right corner, the hero's head left of it.
    TTF_Font* font = fonts::interfaceFont();
    if (font == nullptr) {
        return;
    }
    const std::string text = revivesText(globals().revivesLeft);
    const int fh = TTF_FontHeight(font);
    const int width = static_cast<int>(text.size()) * fh / 2;
    const SDL_Rect where{dstRect->x + dstRect->w - width - 5, 0, width, fh};
    if (!line_cache::draw(renderer, font, text, text_cache::kWhite, where)) {
        return;
    }
    const int headW = 4 * fh / 5;
    const SDL_Rect head{where.x - headW, 0, headW, fh};
    SDL_RenderCopy(renderer, menuTextures().protaHead, nullptr, &head);
}
