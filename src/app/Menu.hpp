#pragma once

#include <SDL_rect.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Screen.hpp"
#include "render/Renderizable.hpp"

class Button;
struct SDL_KeyboardEvent;

// A menu screen: 16 × 12 world units with a background picture and a list of buttons. A left
// press on a button picks it (and clicks); the release acts, wherever the pointer then is. The
// update turns the pick into the GameAction the game carries out.
//
// This class runs the title, difficulty, ranking and game-over screens; the pause, settings and
// controls screens add their own logic.
class Menu : public Renderizable, public Screen {
public:
    static constexpr double kWidth = 16.0;
    static constexpr double kHeight = 12.0;

    // Button ids shared by several screens.
    static constexpr int kBackId = 2;  // Back, Exit or Main menu: what Escape presses

    Menu(int type, SDL_Texture* background, std::vector<std::shared_ptr<Button>> buttons);
    ~Menu() override;
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Screen
    int screenType() const override { return type_; }
    void handleEvent(const SDL_Event& event, double scale, double camX, double camY) override;
    int update(double scale, double& camX, double camY, double viewWidth,
               double scrollMargin) override;
    void render(SDL_Renderer* renderer) override;
    void updateDstRect(double scale, double camX, double camY) override;

    // Shows every button's text in language l (0 Spanish, 1 English).
    virtual void setLanguage(int language);
    // What the game does on entering the screen: forget any pick.
    void clearClick();

    // The first button with this id, or null.
    Button* find(int id) const;
    // Buttons hidden while a run is paused: the language choice.
    bool hidden(const Button& button) const;

    bool clicked = false;
    int clickedButton = 0;
    int selectedParam = -1;
    bool fromPause = false;
    std::vector<std::shared_ptr<Button>> buttons;

protected:
    // The pick became a click: the action it leads to.
    virtual int takeClick(int id);
    // A key press or release; the base handles Escape on the screens where it means Back.
    virtual void handleKey(const SDL_KeyboardEvent& key);
    // A left press at the world point (px, py).
    virtual void press(double px, double py);
    // The screen's extra pictures, drawn over the buttons.
    virtual void renderExtras(SDL_Renderer* renderer);

    double scale_ = 1.0;
    double camX_ = 0.0;
    double camY_ = 0.0;

private:
    int type_;
};

// The revive counter of the game-over screen: "xinf" for unlimited revives, else x and two
// digits.
std::string revivesText(int revivesLeft);
