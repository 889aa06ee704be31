#pragma once

#include <SDL_rect.h>

class Animated;
class Renderizable;
struct SDL_Renderer;

// Everything in a scene is drawn cut to its band, the part of the window the room shows in.

// Cuts r's pixel rectangle to clip and its source rectangle in proportion. Returns what to put
// back afterwards with restoreClip, so nothing stays cropped once r leaves the edge.
struct ClipBackup {
    bool hadSrc = false;
    SDL_Rect src{};
    SDL_Rect dst{};
};
ClipBackup clipToRect(Renderizable& r, const SDL_Rect& clip);
void restoreClip(Renderizable& r, const ClipBackup& backup);

// The band: the background's pixel rectangle, or nothing before it has one.
SDL_Rect bandOf(const Renderizable& r);
// Draws r cut to the band and puts its rectangles back afterwards.
void drawInBand(SDL_Renderer* renderer, Renderizable& r, const SDL_Rect& band);
// Draws an animated body cut to the band; its pixel rectangle is whole again afterwards, so a
// frame drawn twice (a screenshot, a paused window) looks the same.
void drawAnimatedInBand(SDL_Renderer* renderer, Animated& a, const SDL_Rect& band);
