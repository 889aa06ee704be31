#include "menus/PauseMenu.hpp"

#include <SDL_events.h>
#include <SDL_render.h>
#include <SDL_ttf.h>

#include <string>

#include "app/GameGlobals.hpp"
#include "input/PadInput.hpp"
#include "menus/Button.hpp"
#include "menus/MenuLayouts.hpp"
#include "menus/MenuTextures.hpp"
#include "menus/TextCache.hpp"
#include "npc/Items.hpp"
#include "npc/Objeto.hpp"
#include "render/Audio.hpp"
#include "render/CoreTextures.hpp"
#include "render/Fonts.hpp"
#include "render/LineCache.hpp"
#include "scene/BandClip.hpp"

PauseMenu::PauseMenu()
    : Menu(kPause, coreTextures().pauseScreen, menu_layouts::pauseButtons()),
      itemsPanel(nullptr, 0.0, 0.0, kWidth, kHeight) {
    itemsPanel.ensureDstRect();
}

void PauseMenu::setLanguage(int language) {
    language_ = language == 0 ? 0 : 1;
    Menu::setLanguage(language);
}

void PauseMenu::updateDstRect(double scale, double camX, double camY) {
    Menu::updateDstRect(scale, camX, camY);
    itemsPanel.updateDstRect(scale, camX, camY);
    // The icons of the items bought are placed with the screen: a run cannot be resized, so
    // waiting for a resize would leave them without a place.
    for (const auto& [kind, entry] : items::inventory().entries()) {
        if (entry.icon) {
            entry.icon->ensureDstRect();
            entry.icon->updateDstRect(scale, camX, camY);
        }
    }
}

void PauseMenu::press(double px, double py) {
    if (!itemsPanelOpen) {
        Menu::press(px, py);
        return;
    }
    // While the panel is open a press on it closes it; the buttons underneath are covered.
    clickedButton = 0;
    if (itemsPanel.x <= px && px <= itemsPanel.x + itemsPanel.w && itemsPanel.y <= py &&
        py <= itemsPanel.y + itemsPanel.h) {
        audio::playSound("click");
        clickedButton = kClosePanelId;
    }
}

void PauseMenu::pressButton(const Button& button) {
    if (!itemsPanelOpen) {
        Menu::pressButton(button);
        return;
    }
    // The open panel covers the buttons: A closes it, as a press on it does.
    audio::playSound("click");
    clickedButton = kClosePanelId;
    clicked = true;
}

void PauseMenu::handlePad(const PadInput& input) {
    if (input.control != PadControl::Start) {
        Menu::handlePad(input);
        return;
    }
    // Start works as the pause key: picked on the press, acted on the release.
    if (input.pressed) {
        clickedButton = itemsPanelOpen ? kClosePanelId : kResumeId;
    } else if (clickedButton == kResumeId || clickedButton == kClosePanelId) {
        clicked = true;
    }
}

void PauseMenu::handleKey(const SDL_KeyboardEvent& key) {
    if (key.keysym.sym != globals().activeKeys.pauseKey || key.repeat != 0) {
        return;
    }
    if (key.type == SDL_KEYDOWN) {
        clickedButton = itemsPanelOpen ? kClosePanelId : kResumeId;
    } else if (clickedButton == kResumeId || clickedButton == kClosePanelId) {
        // Acted on release, like a mouse click: the key is up again when the level resumes.
        clicked = true;
    }
}

int PauseMenu::takeClick(int id) {
    switch (id) {
        case kResumeId:
            return kActionResume;
        case kSettingsId:
            return kActionSettingsFromPause;
        case kBackId:
            return kActionToTitle;
        case kItemsId:
            itemsPanelOpen = true;
            break;
        case kClosePanelId:
            itemsPanelOpen = false;
            break;
        default:
            break;
    }
    clearClick();
    return kActionNone;
}

void PauseMenu::renderExtras(SDL_Renderer* renderer) {
    renderItemIcons(renderer);
    if (itemsPanelOpen) {
        itemsPanel.texture = menuTextures().itemInfo[static_cast<std::size_t>(language_)];
        itemsPanel.render(renderer);
    }
}

void PauseMenu::renderItemIcons(SDL_Renderer* renderer) {
    TTF_Font* font = fonts::interfaceFont();
    for (const auto& [kind, entry] : items::inventory().entries()) {
        if (!entry.icon || entry.icon->dstRect == nullptr || dstRect == nullptr) {
            continue;
        }
        Objeto& icon = *entry.icon;
        const ClipBackup backup = clipToRect(icon, *dstRect);
        icon.render(renderer);
        restoreClip(icon, backup);
        if (font == nullptr) {
            continue;
        }
        // How many of the kind were bought, right of the icon.
        const std::string count = "x" + std::to_string(entry.count);
        const SDL_Rect& d = *icon.dstRect;
        const SDL_Rect where{d.x + d.w, d.y,
                             static_cast<int>(count.size()) * TTF_FontHeight(font) / 2, d.h};
        line_cache::draw(renderer, font, count, text_cache::kWhite, where);
    }
}
