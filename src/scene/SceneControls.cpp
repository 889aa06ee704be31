#include "scene/SceneControls.hpp"

#include <SDL_events.h>

#include <cstdint>

#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "input/PadInput.hpp"
#include "render/Audio.hpp"
#include "scene/Escena.hpp"

void SceneControls::handleEvent(const SDL_Event& event, double scale, double camX, double camY) {
    s_.scale_ = scale;
    s_.camX_ = camX;
    s_.camY_ = camY;
    const KeySet& keys = globals().activeKeys;
    const bool someoneTalking = s_.talking(false);

    switch (event.type) {
        case SDL_KEYDOWN: {
            const int key = event.key.keysym.sym;
            // Movement keys are taken only when nobody at all is talking; a press made during
            // a conversation is lost.
            if (!s_.talking(true)) {
                if (key == keys.rightKey) {
                    s_.prota->keys |= Prota::kKeyRight;
                } else if (key == keys.leftKey) {
                    s_.prota->keys |= Prota::kKeyLeft;
                } else if (key == keys.upKey) {
                    s_.prota->keys |= Prota::kKeyJump;
                } else if (key == keys.downKey) {
                    s_.prota->keys |= Prota::kKeyDuck;
                }
            }
            // A held key's auto-repeat never races through dialogue or toggles the pause.
            if (event.key.repeat != 0) {
                break;
            }
            if (key == keys.interactKey) {
                if (someoneTalking) {
                    s_.talk_.interactWhileTalking();
                } else {
                    s_.talk_.interact();
                }
            }
            if (key == keys.pauseKey && !someoneTalking) {
                s_.pauseRequested = true;
            }
            break;
        }
        case SDL_KEYUP: {
            // Releases always count, so nothing stays held after a conversation.
            const int key = event.key.keysym.sym;
            if (key == keys.rightKey) {
                s_.prota->keys &= ~Prota::kKeyRight;
            } else if (key == keys.leftKey) {
                s_.prota->keys &= ~Prota::kKeyLeft;
            } else if (key == keys.downKey) {
                s_.prota->keys &= ~Prota::kKeyDuck;
            } else if (key == keys.upKey) {
                s_.prota->keys &= ~Prota::kKeyJump;
            }
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
            if (someoneTalking) {
                break;
            }
            if (event.button.button == SDL_BUTTON_LEFT && s_.prota->shotCooldown < 1) {
                s_.prota->shoot(s_.playerShots, s_.crosshair->x + s_.crosshair->w / 2.0,
                                s_.crosshair->y + s_.crosshair->h / 2.0);
                audio::playSound("shootProta");
            } else if (event.button.button == SDL_BUTTON_RIGHT) {
                s_.prota->keys |= Prota::kKeyDash;
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_RIGHT) {
                s_.prota->keys &= ~Prota::kKeyDash;
            }
            break;
        default:
            break;
    }
}

void SceneControls::handlePad(const PadInput& input) {
    if (input.control == PadControl::Aim) {
        s_.padAiming = true;
        s_.padAimX = input.aimX;
        s_.padAimY = input.aimY;
        return;
    }
    std::uint8_t bit = 0;
    switch (input.control) {
        case PadControl::Left:
            bit = Prota::kKeyLeft;
            break;
        case PadControl::Right:
            bit = Prota::kKeyRight;
            break;
        case PadControl::Down:
            bit = Prota::kKeyDuck;
            break;
        case PadControl::Confirm:
            bit = Prota::kKeyJump;
            break;
        case PadControl::Dash:
            bit = Prota::kKeyDash;
            break;
        case PadControl::Fire:
            bit = Prota::kKeyFire;
            break;
        default:
            break;
    }
    if (!input.pressed) {
        // Releases always count, so nothing stays held after a conversation.
        s_.prota->keys &= static_cast<std::uint8_t>(~bit);
        return;
    }
    const bool someoneTalking = s_.talking(false);
    if (bit == Prota::kKeyDash || bit == Prota::kKeyFire) {
        // Like the mouse buttons: no fighting while a character speaks.
        if (!someoneTalking) {
            s_.prota->keys |= bit;
        }
    } else if (bit != 0) {
        // Like the movement keys: lost while anybody at all is talking.
        if (!s_.talking(true)) {
            s_.prota->keys |= bit;
        }
    } else if (input.control == PadControl::Interact) {
        if (someoneTalking) {
            s_.talk_.interactWhileTalking();
        } else {
            s_.talk_.interact();
        }
    } else if (input.control == PadControl::Start && !someoneTalking) {
        s_.pauseRequested = true;
    }
}

void SceneControls::placeCrosshair(int mouseX, int mouseY, double scale, double camX, double camY) {
    if (s_.padAiming) {
        s_.crosshair->x = s_.prota->x + s_.prota->w / 2.0 + Escena::kPadAimDistance * s_.padAimX -
                          s_.crosshair->w / 2.0;
        s_.crosshair->y = s_.prota->y + s_.prota->h / 2.0 + Escena::kPadAimDistance * s_.padAimY -
                          s_.crosshair->h / 2.0;
    } else {
        s_.crosshair->x = mouseX / scale + camX - s_.crosshair->w / 2.0;
        s_.crosshair->y = mouseY / scale + camY - s_.crosshair->h / 2.0;
    }
    s_.crosshair->updateDstRect(scale, camX, camY);
}
