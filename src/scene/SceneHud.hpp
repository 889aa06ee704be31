#pragma once

#include <cstdint>
#include <string>

class Escena;
class Objeto;
struct SDL_Renderer;

// What the scene shows about the player over the room: the hearts, the prompts over what may
// be used, the prices in the shop, and the line of score, high score, coins and play time
// around the band.
class SceneHud {
public:
    // The score shown never passes this.
    static constexpr int kMaxScore = 99999;
    // Prompts: how far above an item or a character, and above the floor line at the exit.
    static constexpr double kPromptLift = 0.75;
    static constexpr double kExitPromptHeight = 3.5;

    explicit SceneHud(Escena& scene) : s_(scene) {}

    // The prompt goes over the exit, the item underfoot or the character beside the player.
    void placePrompt(double scale, double camX, double camY);
    void drawPrompts(SDL_Renderer* renderer);
    void drawHearts(SDL_Renderer* renderer);
    void drawPriceLabel(SDL_Renderer* renderer, const Objeto& item);

    // The line above the band: score (left third), high score (middle), play time (right);
    // the coins below it.
    void drawHighScore(SDL_Renderer* renderer, int best) const;
    void drawScore(SDL_Renderer* renderer) const;
    void drawTime(SDL_Renderer* renderer, std::int64_t seconds) const;

    // Texts of the HUD, as drawn.
    static std::string scoreText(int score);
    static std::string highScoreText(int best);
    static std::string coinText(int coins);
    static std::string timeText(std::int64_t seconds);
    static std::string extraHeartsText(int hp);

private:
    Escena& s_;
};
