#include "app/Menu.hpp"

#include <SDL_events.h>
#include <SDL_render.h>
#include <SDL_ttf.h>

#include <array>

#include "app/Button.hpp"
#include "app/GameGlobals.hpp"
#include "app/MenuTextures.hpp"
#include "app/TextCache.hpp"
#include "render/Audio.hpp"
#include "render/Fonts.hpp"
#include "render/LineCache.hpp"

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
        if (hidden(*b) || !b->contains(px, py)) {
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
    if (type_ == kTitle || type_ == kSettings || type_ == kRanking || type_ == kControls) {
        clickedButton = kBackId;
        clicked = true;
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
        SDL_RenderCopy(renderer, texture, srcRect, dstRect);
    }
    for (const auto& b : buttons) {
        if (!hidden(*b)) {
            b->render(renderer);
        }
    }
    renderExtras(renderer);
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
    SDL_Texture* counter = line_cache::texture(renderer, font, text, text_cache::kWhite);
    if (counter == nullptr) {
        return;
    }
    const int fh = TTF_FontHeight(font);
    const int width = static_cast<int>(text.size()) * fh / 2;
    const SDL_Rect where{dstRect->x + dstRect->w - width - 5, 0, width, fh};
    SDL_RenderCopy(renderer, counter, nullptr, &where);
    const int headW = 4 * fh / 5;
    const SDL_Rect head{where.x - headW, 0, headW, fh};
    SDL_RenderCopy(renderer, menuTextures().protaHead, nullptr, &head);
}
