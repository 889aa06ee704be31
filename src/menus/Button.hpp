#pragma once

#include <SDL_pixels.h>
#include <SDL_rect.h>

#include <map>
#include <optional>
#include <string>

#include "render/Renderizable.hpp"
#include "scene/WorldRect.hpp"

// A menu button: a world rectangle to press, an optional plate drawn behind it and a text laid
// out inside. The inherited rectangle and texture are the text's; the text texture is borrowed
// from the text cache, or owned when the button shows a key name.
class Button : public Renderizable {
public:
    // The text never fills the whole button: 90 % of its height, and of its width at most.
    static constexpr double kTextFill = 0.9;
    // On a plate the text keeps clear of its rounded ends.
    static constexpr double kPlateTextFill = 0.72;
    // A character is drawn half as wide as it is high.
    static constexpr double kCharAspect = 0.5;

    // texts: 0 Spanish, 1 English (the mute buttons keep their two speaker icons there).
    Button(int id, const WorldRect& area, std::map<int, std::string> texts,
           SDL_Texture* background = nullptr, int param = -1);
    ~Button() override;
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;

    void render(SDL_Renderer* renderer) override;
    void updateDstRect(double scale, double camX, double camY) override;

    // Shows texts[index], centred and scaled to fit.
    void setText(int index);
    // Shows the name of a key in white (tint it afterwards).
    void setKeyText(int keycode);
    // Shows a name of its own (a pad button's) in white.
    void setNameText(const std::string& name);
    void tint(SDL_Color colour);

    // Edges count as inside.
    bool contains(double px, double py) const;
    // The Spanish text, or empty.
    const std::string& spanishText() const;

    WorldRect area;
    int id = 0;      // what the button does; 0 is a label
    int param = -1;  // key set or key slot on the controls screen
    std::map<int, std::string> texts;
    SDL_Texture* background = nullptr;
    std::optional<SDL_Rect> backgroundDst;
    // A card (a tall or wide plate holding other buttons) keeps its frame as thin as a small
    // plate's: its corners are drawn at this size in world units and only its middle stretches.
    // 0 stretches the whole plate.
    double cardCorner = 0.0;
    std::string shownText;  // the text shown now (a menu string or a key name)
    SDL_Color tintColour{255, 255, 255, 255};

private:
    void renderCard(SDL_Renderer* renderer, const SDL_Rect& to) const;
    void layOut(const std::string& text);
    void dropOwnedTexture();

    bool ownsTexture_ = false;
    int cornerPixels_ = 0;
};
