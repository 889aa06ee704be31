#pragma once

#include <optional>

#include "input/KeySet.hpp"
#include "menus/Menu.hpp"

// The controls screen: pick one of the three fixed key sets or the custom one, or rebind a key
// (which makes the custom set a copy of the set in use with that key changed). Nothing is in
// force until Back; Restore throws the edit away.
class ControlsMenu : public Menu {
public:
    // Button ids.
    static constexpr int kRestoreId = 19;
    static constexpr int kKeySetId = 20;
    static constexpr int kSlotId = 21;
    // Key slots: 0 right, 1 left, 2 jump, 3 curl, 5 interact, 6 pause (there is no slot 4).
    static constexpr int kSlotCount = 7;

    ControlsMenu();

    // The key a slot of a set holds; null for a slot that does not exist.
    static int* slotKey(KeySet& keys, int slot);

    void setLanguage(int language) override;
    // Shows the set in use and its keys (start-up, and after the language changed).
    void refreshKeyLabels();

    // The pad's slot waiting for a button takes it: in force at once, kept in the settings.
    void bindPadButton(int button);

    std::optional<KeySet> pendingKeys;  // the edit in progress, until Back or Restore
    int awaitedSlot = -1;               // the slot waiting for a key, -1 none
    int awaitedPadSlot = -1;            // the pad slot waiting for a button, -1 none

protected:
    int takeClick(int id) override;
    void handleKey(const SDL_KeyboardEvent& key) override;

private:
    void chooseSet(int set);
    void chooseSlot(int slot);
    void bindKey(int keycode);
    void restore();
    int back();

    // Lights up the names of set selected in white and those of previous in text red.
    void highlight(int selected, int previous);
    void reapplySetTexts();
    // The value buttons show the keys of keys, in text red.
    void showKeys(const KeySet& keys);
    Button* valueButton(int slot) const;
    Button* padValueButton(int slot) const;
    void choosePadSlot(int slot);
    void showPadButtons();
    int language_ = 0;
};
