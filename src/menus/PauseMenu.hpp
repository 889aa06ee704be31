#pragma once

#include "menus/Menu.hpp"

// The pause screen over a running level: Resume, Settings, Exit, the items bought in this run
// and a panel explaining what each item does. The pause key, or Start on a pad, resumes (or
// closes the panel).
class PauseMenu : public Menu {
public:
    static constexpr int kResumeId = 1;
    static constexpr int kSettingsId = 3;
    static constexpr int kItemsId = 16;
    static constexpr int kClosePanelId = 17;

    PauseMenu();

    void setLanguage(int language) override;
    void updateDstRect(double scale, double camX, double camY) override;
    void handlePad(const PadInput& input) override;

    bool itemsPanelOpen = false;
    Renderizable itemsPanel;

protected:
    int takeClick(int id) override;
    void handleKey(const SDL_KeyboardEvent& key) override;
    void press(double px, double py) override;
    void pressButton(const Button& button) override;
    void renderExtras(SDL_Renderer* renderer) override;

private:
    void renderItemIcons(SDL_Renderer* renderer);
    int language_ = 0;
};
