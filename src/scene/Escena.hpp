#pragma once

#include <memory>
#include <vector>

#include "render/Renderizable.hpp"

class Button;
class Disparo;
class Enemigo;

// Screen types.
enum ScreenType : int {
    kLevel = 2,
    kTitle = 3,
    kGameOver = 4,
    kPause = 5,
    kSettings = 6,
    kRanking = 7,
    kControls = 8,
    kDifficulty = 9,
};

// The object behind every screen. A playable scene's world rectangle (x, y, w, h) is the level's
// bounds; enemies read it and hand it their shots and minions. Menu screens are the same class
// built with a list of buttons.
class Escena : public Renderizable {
public:
    // An empty playable scene of the given size (levels fill themselves from their scene data).
    Escena(double width, double height);
    // A menu screen: width × height world units, its background and pixel rectangle.
    Escena(double width, double height, SDL_Texture* background, const SDL_Rect& dst, int type,
           std::vector<std::shared_ptr<Button>> buttons);
    ~Escena() override;

    Escena(const Escena&) = delete;
    Escena& operator=(const Escena&) = delete;

    void render(SDL_Renderer* renderer) override;

    // Bosses call this to bring minions and missiles that behave like enemies.
    void addEnemy(std::shared_ptr<Enemigo> enemy);
    // Enemies and bosses call this when they shoot.
    void addEnemyShot(std::shared_ptr<Disparo> shot);

    int type = kLevel;
    bool exitRequested = false;  // on menu screens: the "clicked" flag
    bool pauseRequested = false;
    bool isTutorial = false;
    bool freeItem = false;
    bool quiet = false;
    double wShown = 0.0;
    double backgroundScroll = 0.0;

    std::vector<std::shared_ptr<Enemigo>> enemies;
    std::vector<std::shared_ptr<Disparo>> enemyShots;
    std::vector<std::shared_ptr<Disparo>> playerShots;
    std::vector<std::shared_ptr<Button>> buttons;
    int clickedButton = 0;
    int levelNumber = 0;
};
