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
// A gamepad moves a highlight over the buttons instead: the nearest button in the direction
// pushed, found from where the buttons stand. A presses the highlighted button, B does what
// Escape does. The highlight shows while the pad is the last thing used.
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
    void handlePad(const PadInput& input) override;
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

    // Moves the highlight to the nearest button the player can press in the direction (dx, dy),
    // one of the four; it stays where it is when there is none that way.
    void moveHighlight(int dx, int dy);
    // Presses the highlighted button, as a click on it would.
    void pressHighlighted();
    // The highlighted button, or null.
    Button* highlighted() const;
    // The screen's first choice (never Back nor clearing the ranking), as on entering it.
    void resetHighlight();

    bool clicked = false;
    int clickedButton = 0;
    int selectedParam = -1;
    bool fromPause = false;
    std::vector<std::shared_ptr<Button>> buttons;
    int highlight = -1;  // index in buttons, -1 none
    bool highlightShown = false;

protected:
    // The pick became a click: the action it leads to.
    virtual int takeClick(int id);
    // A key press or release; the base handles Escape on the screens where it means Back.
    virtual void handleKey(const SDL_KeyboardEvent& key);
    // A left press at the world point (px, py).
    virtual void press(double px, double py);
    // The pad pressed this button: picked and clicked at once.
    virtual void pressButton(const Button& button);
    // What Escape (or B) does here: Back on the title, settings, controls and ranking screens.
    virtual void goBack();
    // A button that shows and does something.
    bool pressable(const Button& button) const;
    // The screen's extra pictures, drawn over the buttons.
    virtual void renderExtras(SDL_Renderer* renderer);
    void renderHighlight(SDL_Renderer* renderer) const;
    // Where the window is wider or taller than the screen, the screen's own edges are drawn out
    // to the window's, darkened, instead of black bars.
    void renderMargins(SDL_Renderer* renderer) const;

    double scale_ = 1.0;
    double camX_ = 0.0;
    double camY_ = 0.0;

private:
    int type_;
};

// The revive counter of the game-over screen: "xinf" for unlimited revives, else x and two
// digits.
std::string revivesText(int revivesLeft);
