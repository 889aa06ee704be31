#include "app/PauseMenu.hpp"

#include <SDL_events.h>

#include "app/Button.hpp"
#include "app/GameGlobals.hpp"
#include "app/MenuLayouts.hpp"
#include "app/MenuTextures.hpp"
#include "render/Audio.hpp"
#include "render/CoreTextures.hpp"

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

void PauseMenu::renderItemIcons(SDL_Renderer*) {}
