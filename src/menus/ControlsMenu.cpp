#include "menus/ControlsMenu.hpp"

#include <SDL_events.h>
#include <SDL_keycode.h>

#include <array>
#include <string>

#include "app/GameGlobals.hpp"
#include "menus/Button.hpp"
#include "menus/MenuLayouts.hpp"
#include "menus/TextCache.hpp"
#include "render/CoreTextures.hpp"

namespace {
// The names of each key set on its button, Spanish and English.
constexpr std::array<std::array<const char*, 2>, 4> kSetNames = {{{"Predeterminado 1", "Default 1"},
                                                                  {"Predeterminado 2", "Default 2"},
                                                                  {"Predeterminado 3", "Default 3"},
                                                                  {"Personalizado", "Custom"}}};

// Any value outside the fixed sets stands for the custom one.
int setIndex(int set) {
    return set >= 0 && set < kCustomKeySet ? set : kCustomKeySet;
}
}  // namespace

ControlsMenu::ControlsMenu()
    : Menu(kControls, coreTextures().backgrounds[kMenuBoardBackground],
           menu_layouts::controlsButtons()) {}

int* ControlsMenu::slotKey(KeySet& keys, int slot) {
    switch (slot) {
        case 0:
            return &keys.rightKey;
        case 1:
            return &keys.leftKey;
        case 2:
            return &keys.upKey;
        case 3:
            return &keys.downKey;
        case 5:
            return &keys.interactKey;
        case 6:
            return &keys.pauseKey;
        default:
            return nullptr;
    }
}

Button* ControlsMenu::padValueButton(int slot) const {
    for (const auto& b : buttons) {
        if (b->id == menu_layouts::kPadSlotId && b->texts.empty() && b->param == slot) {
            return b.get();
        }
    }
    return nullptr;
}

void ControlsMenu::showPadButtons() {
    PadBindings shown = globals().padBindings;
    for (int slot = 0; slot < PadBindings::kSlotCount; ++slot) {
        if (Button* value = padValueButton(slot)) {
            value->setNameText(PadBindings::buttonName(*shown.slot(slot)));
            value->tint(slot == awaitedPadSlot ? text_cache::kWhite : text_cache::kTextRed);
        }
    }
}

void ControlsMenu::choosePadSlot(int slot) {
    // Clicked again, it stops waiting.
    awaitedPadSlot = awaitedPadSlot == slot || padValueButton(slot) == nullptr ? -1 : slot;
    showPadButtons();
}

void ControlsMenu::bindPadButton(int button) {
    int* bound = globals().padBindings.slot(awaitedPadSlot);
    if (bound != nullptr && button >= 0 && button < PadBindings::kButtonCount) {
        *bound = button;
    }
    awaitedPadSlot = -1;
    showPadButtons();
}

Button* ControlsMenu::valueButton(int slot) const {
    for (const auto& b : buttons) {
        if (b->id == kSlotId && b->texts.empty() && b->param == slot) {
            return b.get();
        }
    }
    return nullptr;
}

void ControlsMenu::highlight(int selected, int previous) {
    if (previous >= 0) {
        for (const char* name : kSetNames[static_cast<std::size_t>(setIndex(previous))]) {
            text_cache::recolour(name, text_cache::kTextRed);
        }
    }
    for (const char* name : kSetNames[static_cast<std::size_t>(setIndex(selected))]) {
        text_cache::recolour(name, text_cache::kWhite);
    }
}

void ControlsMenu::reapplySetTexts() {
    for (const auto& b : buttons) {
        if (b->id == kKeySetId) {
            b->setText(language_);
        }
    }
}

void ControlsMenu::showKeys(const KeySet& keys) {
    KeySet shown = keys;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int* key = slotKey(shown, slot);
        Button* value = valueButton(slot);
        if (key != nullptr && value != nullptr) {
            value->setKeyText(*key);
            value->tint(text_cache::kTextRed);
        }
    }
}

void ControlsMenu::setLanguage(int language) {
    language_ = language;
    Menu::setLanguage(language);
}

void ControlsMenu::refreshKeyLabels() {
    const KeySet& shown = pendingKeys ? *pendingKeys : globals().activeKeys;
    highlight(shown.configOption, -1);
    reapplySetTexts();
    showKeys(shown);
    if (Button* awaited = valueButton(awaitedSlot)) {
        awaited->tint(text_cache::kWhite);
    }
    showPadButtons();
}

void ControlsMenu::handleKey(const SDL_KeyboardEvent& key) {
    if (awaitedSlot == -1) {
        Menu::handleKey(key);
        return;
    }
    // A held key repeats, and a key SDL cannot name cannot be shown or saved.
    if (key.type == SDL_KEYDOWN && key.repeat == 0 && key.keysym.sym != SDLK_UNKNOWN) {
        bindKey(key.keysym.sym);
    }
}

int ControlsMenu::takeClick(int id) {
    clearClick();
    switch (id) {
        case kKeySetId:
            chooseSet(selectedParam);
            break;
        case kSlotId:
            chooseSlot(selectedParam);
            break;
        case kRestoreId:
            restore();
            break;
        case menu_layouts::kPadSlotId:
            choosePadSlot(selectedParam);
            break;
        case menu_layouts::kPadRestoreId:
            globals().padBindings = PadBindings{};
            awaitedPadSlot = -1;
            showPadButtons();
            break;
        case kBackId:
            return back();
        default:
            break;
    }
    return kActionNone;
}

void ControlsMenu::chooseSet(int set) {
    if (set < 0 || set > kCustomKeySet) {
        return;
    }
    const int previous =
        pendingKeys ? pendingKeys->configOption : globals().activeKeys.configOption;
    pendingKeys = globals().keySets[static_cast<std::size_t>(set)];
    pendingKeys->configOption = set;
    // The keys are shown again even for the same set: an unsaved rebinding is dropped with it.
    showKeys(*pendingKeys);
    if (set == previous) {
        return;
    }
    highlight(set, previous);
    reapplySetTexts();
}

void ControlsMenu::chooseSlot(int slot) {
    if (valueButton(slot) == nullptr) {
        return;
    }
    if (awaitedSlot == slot) {
        awaitedSlot = -1;
        valueButton(slot)->tint(text_cache::kTextRed);
        return;
    }
    if (Button* previous = valueButton(awaitedSlot)) {
        previous->tint(text_cache::kTextRed);
    }
    awaitedSlot = slot;
    valueButton(slot)->tint(text_cache::kWhite);
}

void ControlsMenu::bindKey(int keycode) {
    if (!pendingKeys) {
        pendingKeys = globals().activeKeys;
    }
    if (pendingKeys->configOption != kCustomKeySet) {
        // A rebinding turns the set in use into the custom set.
        highlight(kCustomKeySet, pendingKeys->configOption);
        reapplySetTexts();
        pendingKeys->configOption = kCustomKeySet;
    }
    if (int* key = slotKey(*pendingKeys, awaitedSlot)) {
        *key = keycode;
    }
    if (Button* value = valueButton(awaitedSlot)) {
        value->setKeyText(keycode);
        value->tint(text_cache::kTextRed);
    }
    awaitedSlot = -1;
}

void ControlsMenu::restore() {
    const KeySet& active = globals().activeKeys;
    if (pendingKeys && pendingKeys->configOption != active.configOption) {
        highlight(active.configOption, pendingKeys->configOption);
        reapplySetTexts();
    }
    pendingKeys.reset();
    // A slot waiting for a key stops waiting: the edit is gone.
    awaitedSlot = -1;
    showKeys(active);
}

int ControlsMenu::back() {
    GameGlobals& g = globals();
    if (pendingKeys) {
        g.activeKeys = *pendingKeys;
        pendingKeys.reset();
        if (g.activeKeys.configOption == kCustomKeySet) {
            g.keySets[kCustomKeySet] = g.activeKeys;
        }
    }
    if (Button* awaited = valueButton(awaitedSlot)) {
        awaited->tint(text_cache::kTextRed);
    }
    awaitedSlot = -1;
    awaitedPadSlot = -1;
    showPadButtons();
    return fromPause ? kActionSettingsFromPause : kActionSettingsFromTitle;
}
