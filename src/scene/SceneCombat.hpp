#pragma once

class Enemigo;
class Escena;

// Who hits whom each frame: enemies, the boss and both sides' shots against the player, and
// what a kill brings (score, coins, a falling heart).
class SceneCombat {
public:
    // A falling heart: its size and how fast it speeds up.
    static constexpr double kHeartDropSize = 0.75;
    static constexpr double kHeartFallAccel = 0.001;
    // Furniture this close to the floor catches a falling heart.
    static constexpr double kStandsOnFloor = 2.0;

    explicit SceneCombat(Escena& scene) : s_(scene) {}

    void updateEnemies();
    void updateBoss(double camX, double viewWidth);
    void updateEnemyShots(double scale, double camX, double camY);
    void updatePlayerShots(double scale, double camX, double camY);
    // A heart falls from where the enemy was, onto the floor or a case standing on it.
    void dropHeart(const Enemigo& enemy);

private:
    void playerHit();

    Escena& s_;
};
