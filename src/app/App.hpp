#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/Game.hpp"

struct SDL_Renderer;
struct SDL_Window;

// The program's spine: start-up, the frame loop and shutdown. The loop's pieces run one frame
// at a time, so tests and tools can play the whole game without sleeping.
class App {
public:
    struct Options {
        // Seeds the C generator and the level shuffle; without it they are seeded at random.
        std::optional<std::uint32_t> seed;
    };

    static constexpr int kFrameMs = 10;  // at most 100 frames per second

    App();
    explicit App(Options options);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The whole program: run folder, start-up, loop, shutdown. Returns the exit code.
    static int run();

    // Starts everything up in the working directory. On failure prints one line per reason on
    // stderr, releases what was started and returns false.
    bool startUp();
    // One pass of the loop: show the last frame, handle events, update, clear, draw.
    // False once the player has quit (the frame is then not drawn).
    bool frame();
    // Frames until the player quits, each lasting at least kFrameMs.
    void runLoop();
    // Writes the configuration and the ranking, then releases everything. Safe to call twice.
    void shutDown();

    // How long to sleep after a frame that took elapsedNs: whatever is left of 10 ms, nothing
    // for a slow frame. Slow frames are not made up for.
    static int frameDelayMs(std::int64_t elapsedNs);

    Game& game() { return game_; }
    SDL_Window* window() const { return window_; }
    SDL_Renderer* renderer() const { return renderer_; }

private:
    bool fail(const std::string& why);
    void releaseLibraries();

    Options options_;
    bool started_ = false;
    bool sdlStarted_ = false;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    Game game_;
};
