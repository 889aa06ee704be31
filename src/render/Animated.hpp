#pragma once

#include <map>
#include <string>

#include "render/AnimationInfo.hpp"
#include "render/Renderizable.hpp"

struct SDL_Point;

// Sprite-sheet animation by name. One tick is one call of draw() or drawClipped(), which the
// scene makes once per frame, so every duration here counts frames.
//
// Rules every animated object relies on:
//  - the first animation added is also stored as "default" (unless "default" came first);
//  - "damage" is special: while it plays, requested animations are queued behind it, and when
//    it runs out the object returns to what it was doing (or to what was requested meanwhile).
class Animated : public Renderizable {
public:
    // Without a sheet: the subclass assigns sheet and allocates dstRect itself.
    Animated() = default;
    // With a sheet: a zeroed dstRect is allocated.
    explicit Animated(SDL_Texture* sheet);

    bool addAnimation(const std::string& name, int frames, int sheetX, int sheetY, int frameW,
                      int frameH, int ticksPerFrame, bool loop, bool reverse,
                      const std::string& next = "default");
    bool setAnimation(const std::string& name);
    bool setAnimation(const std::string& name, bool flip);
    void playDamage();
    // Switches at once, cutting a running "damage" flash short (a death must not wait behind
    // the flash). Keeps flipped.
    bool interruptWith(const std::string& name);

    // Draws the current frame rotated about center (null: the rectangle's centre), then advances
    // the animation by one tick.
    void draw(SDL_Renderer* renderer, double drawAngle, const SDL_Point* center);
    // Draws the current frame cut to the pixel rectangle clip, red while tintTicks runs (white
    // otherwise, whatever else drew from the sheet), advances one tick and counts tintTicks down.
    void drawClipped(SDL_Renderer* renderer, const SDL_Rect& clip);

    // The sheet rectangle of the shown frame; false when the current animation is unknown.
    bool currentFrameRect(SDL_Rect& out) const;
    bool isPlaying(const std::string& name) const { return currentAnimation == name; }
    // The sheet rectangle the last drawClipped() copied, after clipping.
    const SDL_Rect& lastClippedSource() const { return lastClippedSource_; }

    SDL_Texture* sheet = nullptr;
    std::map<std::string, AnimationInfo> animations;
    std::string currentAnimation = "default";
    int ticksLeft = 0;
    int frame = 0;
    std::string resumeAnimation = "default";
    bool flipped = false;
    int tintTicks = 0;  // drawn frames left of a red hit flash

protected:
    void advanceTick();

private:
    SDL_Rect lastClippedSource_{0, 0, 0, 0};

    void switchTo(const std::string& name);
    void clipToRect(SDL_Rect& src, const SDL_Rect& clip) const;
};
