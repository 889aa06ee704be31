// valdro_soak: a seeded monkey plays the real game headless. Every frame it may press or release
// keys, move the mouse, click, resize the window or ask to quit, chosen at random but weighted
// so that runs get far: the hero mostly walks right, jumps, shoots and talks, and menus are
// clicked all over. A quit starts the game again. It checks nothing itself: run it under
// AddressSanitizer and UBSan (the build-asan tree), which stop it at the first fault or leak.
//
//   valdro_soak [--frames N] [--seed S]
//
// Prints the frames played, the restarts, how many frames each screen was shown and resident
// memory after warming up and at the end.
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ScratchRunFolder.hpp"
#include "app/App.hpp"
#include "app/ConfigFile.hpp"
#include "app/GameGlobals.hpp"
#include "app/KeySet.hpp"
#include "app/Platform.hpp"
#include "app/Screen.hpp"

namespace {

constexpr long long kDefaultFrames = 20'000;
constexpr long long kWarmUpFrames = 2'000;
constexpr int kFrameMs = App::kFrameMs;

long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

const char* screenName(int type) {
    switch (type) {
        case kLevel:
            return "level";
        case kTitle:
            return "title";
        case kGameOver:
            return "game over";
        case kPause:
            return "pause";
        case kSettings:
            return "settings";
        case kRanking:
            return "ranking";
        case kControls:
            return "controls";
        case kDifficulty:
            return "difficulty";
        default:
            return "other";
    }
}

// The monkey's choices and their weights.
enum class Move {
    HoldRight,
    HoldLeft,
    Jump,
    Duck,
    Interact,
    Pause,
    Escape,
    MenuKey,
    AnyKey,
    ReleaseAll,
    Aim,
    Click,
    Dash,
    Resize,
    Quit,
    Nothing,
};

struct Weighted {
    Move move;
    int weight;
};

constexpr Weighted kMoves[] = {
    {Move::HoldRight, 30}, {Move::HoldLeft, 5},   {Move::Jump, 12},     {Move::Duck, 3},
    {Move::Interact, 10},  {Move::Pause, 2},      {Move::Escape, 1},    {Move::MenuKey, 3},
    {Move::AnyKey, 2},     {Move::ReleaseAll, 4}, {Move::Aim, 15},      {Move::Click, 14},
    {Move::Dash, 3},       {Move::Resize, 1},     {Move::Nothing, 120},
};
// Share of the moves made in a menu that become clicks.
constexpr double kMenuClickShare = 0.9;
// A quit is rare: one frame in this many.
constexpr int kQuitOneIn = 25'000;

class Monkey {
public:
    Monkey(std::uint32_t seed, ScriptedPlatform& platform) : rng_(seed), platform_(platform) {
        for (const Weighted& w : kMoves) {
            total_ += w.weight;
        }
    }

    // The events of one frame, pushed onto SDL's queue; true when it asked to quit.
    // In the menus most moves become clicks, and Escape (which backs out of a menu) is rare, so
    // the monkey gets into runs rather than back to the title.
    bool play(SDL_Window* window, bool inLevel) {
        if (std::uniform_int_distribution<int>(1, kQuitOneIn)(rng_) == 1) {
            push(quitEvent());
            return true;
        }
        int pick = std::uniform_int_distribution<int>(0, total_ - 1)(rng_);
        Move move = Move::Nothing;
        for (const Weighted& w : kMoves) {
            if (pick < w.weight) {
                move = w.move;
                break;
            }
            pick -= w.weight;
        }
        if (!inLevel && move != Move::Nothing && move != Move::Resize && move != Move::AnyKey &&
            move != Move::MenuKey && chance(kMenuClickShare)) {
            move = Move::Click;
        }
        const KeySet& keys = globals().activeKeys;
        switch (move) {
            case Move::HoldRight:
                press(keys.rightKey, false);
                break;
            case Move::HoldLeft:
                press(keys.leftKey, false);
                break;
            case Move::Jump:
                press(keys.upKey, true);
                break;
            case Move::Duck:
                press(keys.downKey, chance(0.5));
                break;
            case Move::Interact:
                press(keys.interactKey, true);
                break;
            case Move::Pause:
                press(keys.pauseKey, true);
                break;
            case Move::Escape:
                press(SDLK_ESCAPE, true);
                break;
            case Move::MenuKey: {
                static constexpr SDL_Keycode kMenuKeys[] = {SDLK_RETURN, SDLK_UP,    SDLK_DOWN,
                                                            SDLK_LEFT,   SDLK_RIGHT, SDLK_SPACE};
                press(kMenuKeys[below(std::size(kMenuKeys))], true);
                break;
            }
            case Move::AnyKey:
                // What a player types while rebinding: letters, digits, or anything at all.
                press(chance(0.8) ? static_cast<SDL_Keycode>('a' + below(26))
                                  : static_cast<SDL_Keycode>(below(0x40000200)),
                      true);
                break;
            case Move::ReleaseAll:
                releaseAll();
                break;
            case Move::Aim:
                aim(window);
                break;
            case Move::Click:
                aim(window);
                click(SDL_BUTTON_LEFT, chance(0.7));
                break;
            case Move::Dash:
                click(SDL_BUTTON_RIGHT, true);
                break;
            case Move::Resize:
                resize();
                break;
            case Move::Quit:
            case Move::Nothing:
                break;
        }
        return false;
    }

    void forget() {
        held_.clear();
        platform_.buttons = 0;
    }

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }
    int below(std::size_t n) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(rng_);
    }

    static void push(SDL_Event e) { SDL_PushEvent(&e); }

    static SDL_Event quitEvent() {
        SDL_Event e{};
        e.type = SDL_QUIT;
        return e;
    }

    static SDL_Event keyEvent(Uint32 type, SDL_Keycode key) {
        SDL_Event e{};
        e.type = type;
        e.key.keysym.sym = key;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        return e;
    }

    // A tap is pressed and released in the same frame; a hold stays down until released.
    void press(SDL_Keycode key, bool tap) {
        push(keyEvent(SDL_KEYDOWN, key));
        if (tap) {
            push(keyEvent(SDL_KEYUP, key));
        } else {
            held_.push_back(key);
        }
    }

    void releaseAll() {
        for (SDL_Keycode key : held_) {
            push(keyEvent(SDL_KEYUP, key));
        }
        held_.clear();
    }

    void aim(SDL_Window* window) {
        int w = 0;
        int h = 0;
        SDL_GetWindowSize(window, &w, &h);
        platform_.mouseX = below(static_cast<std::size_t>(std::max(w, 1)));
        platform_.mouseY = below(static_cast<std::size_t>(std::max(h, 1)));
    }

    void click(Uint8 button, bool release) {
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = button;
        e.button.state = SDL_PRESSED;
        e.button.x = platform_.mouseX;
        e.button.y = platform_.mouseY;
        platform_.buttons |= SDL_BUTTON(button);
        push(e);
        if (release) {
            e.type = SDL_MOUSEBUTTONUP;
            e.button.state = SDL_RELEASED;
            platform_.buttons &= ~SDL_BUTTON(button);
            push(e);
        }
    }

    void resize() {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = SDL_WINDOWEVENT_RESIZED;
        e.window.data1 = 320 + below(1600);
        e.window.data2 = 240 + below(900);
        push(e);
    }

    std::mt19937 rng_;
    ScriptedPlatform& platform_;
    int total_ = 0;
    std::vector<SDL_Keycode> held_;
};

}  // namespace

int main(int argc, char** argv) {
    long long frames = kDefaultFrames;
    std::uint32_t seed = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--frames" && i + 1 < argc) {
            frames = std::max(1LL, std::atoll(argv[++i]));
        } else if (arg == "--seed" && i + 1 < argc) {
            seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            std::fprintf(stderr, "usage: %s [--frames N] [--seed S]\n", argv[0]);
            return 2;
        }
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The endless mode is unlocked, so the monkey can reach it from the title screen.
    nlohmann::json settings = config_file::defaults();
    settings["infiniteUnlock"] = true;
    ScratchRunFolder scratch(ScratchRunFolder::ofThisBinary(), settings);
    ScriptedPlatform platform;
    ScopedPlatform usePlatform(platform);
    Monkey monkey(seed, platform);

    std::map<std::string, long long> shown;
    long long restarts = 0;
    long warmKb = 0;
    long endKb = 0;
    long long played = 0;
    while (played < frames) {
        App::Options options;
        options.seed = seed + static_cast<std::uint32_t>(restarts);
        App app(options);
        if (!app.startUp()) {
            std::fprintf(stderr, "valdro_soak: the game did not start\n");
            return 1;
        }
        monkey.forget();
        for (; played < frames; ++played) {
            monkey.play(app.window(), app.game().currentType() == kLevel);
            platform.advanceMs(kFrameMs);
            if (!app.frame()) {
                break;
            }
            ++shown[screenName(app.game().currentType())];
            if (played == kWarmUpFrames) {
                warmKb = residentKb();
            }
        }
        endKb = residentKb();
        app.shutDown();
        if (played < frames) {
            ++restarts;
            ++played;
        }
    }
    std::printf("valdro_soak: seed %u, %lld frames, %lld restarts\n", seed, played, restarts);
    for (const auto& [screen, count] : shown) {
        std::printf("  %-12s %10lld frames\n", screen.c_str(), count);
    }
    if (warmKb > 0) {
        std::printf("resident memory: %.1f MB after %lld frames, %.1f MB at the end (%+.1f MB)\n",
                    warmKb / 1024.0, kWarmUpFrames, endKb / 1024.0, (endKb - warmKb) / 1024.0);
    }
    return 0;
}
