#pragma once

class Escena;
struct SDL_Renderer;

// Draws the room as the player sees it, back to front: the garden through the windows, the
// room's picture, the shopkeeper and the bellboy, platforms, shots, enemies, the boss, items,
// the hero, the speech boxes and, while nobody talks, the prompts, hearts and crosshair.
class ScenePainter {
public:
    explicit ScenePainter(Escena& scene) : s_(scene) {}

    void render(SDL_Renderer* renderer);

private:
    Escena& s_;
};
