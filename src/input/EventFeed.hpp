#pragma once

class Game;
struct SDL_Window;

// Where a frame's input events come from. Without a feed the game drains SDL's queue itself;
// a recording feeds what it writes down, a replay what it reads back.
class EventFeed {
public:
    virtual ~EventFeed() = default;
    // Hands this frame's events to the game; true means quit.
    virtual bool feed(Game& game, SDL_Window* window) = 0;
};
