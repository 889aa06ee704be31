#pragma once

#include <functional>
#include <memory>
#include <vector>

class Obstucalo;
class Plataforma;
class Prota;
struct SceneData;
struct SDL_Texture;

// How the player meets a room's furniture: what a level plays and what the level checker
// proves, from one implementation, so the checker can never pass a room the game plays
// differently.
namespace room_physics {

// The floor every scene shares.
inline constexpr double kFloorY = 8.9;

// The floor lies along the bottom of the band or the whole scene: it holds the player anywhere
// once the feet reach it.
bool isFloor(const Plataforma& p, double sceneWidth);

// The scene's platforms in the file's order, then its obstacles, which are platforms too (and
// also listed in obstacles). A platform without a picture index is an invisible ledge whose top
// is its y. image gives the picture of a furniture index (null for none).
void build(const SceneData& d, const std::function<SDL_Texture*(int)>& image,
           std::vector<std::shared_ptr<Plataforma>>& platforms,
           std::vector<std::shared_ptr<Obstucalo>>& obstacles);

// One frame's landing: the first platform that holds the falling player takes it; the top of
// the scene is a ceiling; a player walking off an edge starts to fall. Returns the index of the
// platform landed on, or -1.
int land(const std::vector<std::shared_ptr<Plataforma>>& platforms, Prota& p, double sceneWidth);

// Pushes the moving player out of the obstacles' solid boxes: back out of a face, down from an
// underside, onto a top. Returns the index of the last obstacle landed on top, or -1.
int collide(const std::vector<std::shared_ptr<Obstucalo>>& obstacles, Prota& p, double sceneWidth);

}  // namespace room_physics
