// valdro_soak: a seeded monkey plays the real game headless. It checks nothing itself: run it
// under AddressSanitizer and UBSan (the build-asan tree), which stop it at the first fault or
// leak. What it does each frame is random but follows a mood that lasts a few hundred frames:
//
//   player    plays for progress: starts story and endless runs and plays them with the tests'
//             scripted player (talks to everyone, fights, leaves by the exit); pauses, now and
//             then gives a run up; revives after a death
//   reckless  runs into the enemies without shooting, so runs end in game over; then revives,
//             restarts or goes back to the title
//   explorer  clicks every button of every menu (settings, volumes, mute, both languages, the
//             controls screen and its rebinding, the ranking), pauses runs to reach the menus
//   chaos     presses, clicks and types anything anywhere
//   pad       plays with a virtual pad alone: d-pad and stick through the menus, A, B, X and
//             Start, sticks and triggers in a run, and the pad pulled out and plugged in again
//
// Whatever the mood, now and then the window is resized, loses focus, or goes fullscreen and
// back (F11 or Alt+Enter), and very rarely the player quits (the game then starts again).
//
//   valdro_soak [--frames N] [--seed S] [--draw-every N] [--window WxH]
//
// --draw-every N draws one frame in N (every frame is still handled and updated, and its
// animations move on): drawing with the software renderer is most of a frame's cost. --window sets
// the window's first size.
//
// At the end it prints the frames each screen was shown and what happened, read off the Game:
// runs started per difficulty, endless runs, game overs, revives, levels completed, language
// switches, fullscreen toggles, restarts. Memory (resident and, under the sanitizers or glibc,
// the bytes in use on the heap) is sampled on the title screen, where nothing of a run is loaded,
// from the frame every screen and event has been seen once to the end; the report gives the
// samples and the growth per 100 000 frames fitted to them.
// A progress line is printed every 50 000 frames.
#include <SDL.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime (its header does not ship with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "ScratchRunFolder.hpp"
#include "actors/Prota.hpp"
#include "app/App.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "app/Screen.hpp"
#include "bosses/Jefe.hpp"
#include "enemies/Enemigo.hpp"
#include "input/KeySet.hpp"
#include "menus/Button.hpp"
#include "menus/ControlsMenu.hpp"
#include "menus/Menu.hpp"
#include "menus/SettingsMenu.hpp"
#include "npc/NPC.hpp"
#include "render/Audio.hpp"
#include "save/ConfigFile.hpp"
#include "scene/Escena.hpp"
#include "autoplay/ScriptedPlayer.hpp"
#include "autoplay/VirtualPad.hpp"

namespace {

constexpr long long kDefaultFrames = 20'000;
constexpr int kFrameMs = App::kFrameMs;
// Memory is sampled this many times between the frame everything was seen and the end.
constexpr int kMemorySamples = 20;
// A progress line every this many frames.
constexpr long long kProgressEvery = 50'000;

// Button ids of the menus, as laid out in MenuLayouts.
enum ButtonId : int {
    kResumeButton = 1,
    kBackButton = Menu::kBackId,
    kSettingsButton = 3,
    kStoryButton = 4,
    kInfiniteButton = 5,
    kRankingButton = 6,
    kEnglishButton = 7,
    kSpanishButton = 8,
    kClearRankingButton = 9,
    kMusicUpButton = 10,
    kSfxUpButton = 11,
    kMusicDownButton = 12,
    kSfxDownButton = 13,
    kMusicMuteButton = 14,
    kSfxMuteButton = 15,
    kItemsButton = 16,
    kControlsButton = 18,
    kEasyButton = 22,
    kNormalButton = 23,
    kHardButton = 24,
    kImpossibleButton = 25,
    kReviveButton = 26,
    kRestartButton = 27,
};

// ---- Memory -------------------------------------------------------------------------------

long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The bytes the program holds on the heap now: what leaks or unbounded caches grow, without
// the allocator's own reserves (the sanitizer's quarantine of freed blocks fills for a long
// time and makes resident memory climb on its own).
long heapKb() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return static_cast<long>(mallinfo2().uordblks / 1024);
#endif
}

struct MemorySample {
    long long frame;
    long residentKb;
    long heapKb;
};

// Least-squares slope of kb against frame, in MB per 100 000 frames.
double slopeMbPer100k(const std::vector<MemorySample>& samples, long MemorySample::*kb) {
    if (samples.size() < 2) {
        return 0.0;
    }
    double meanX = 0.0;
    double meanY = 0.0;
    for (const MemorySample& s : samples) {
        meanX += static_cast<double>(s.frame);
        meanY += static_cast<double>(s.*kb);
    }
    meanX /= static_cast<double>(samples.size());
    meanY /= static_cast<double>(samples.size());
    double sxy = 0.0;
    double sxx = 0.0;
    for (const MemorySample& s : samples) {
        const double dx = static_cast<double>(s.frame) - meanX;
        sxy += dx * (static_cast<double>(s.*kb) - meanY);
        sxx += dx * dx;
    }
    return sxx > 0.0 ? sxy / sxx * 100'000.0 / 1024.0 : 0.0;
}

// ---- What happened ------------------------------------------------------------------------

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
        case kEnding:
            return "ending";
        default:
            return "other";
    }
}

constexpr int kScreenTypes[] = {kLevel,    kTitle,   kGameOver, kPause,
                                kSettings, kRanking, kControls, kDifficulty};
constexpr const char* kDifficultyNames[] = {"easy", "normal", "hard", "impossible"};

// Everything counted is read off the Game after each frame, by comparing it with the frame
// before; the monkey's intentions count for nothing.
class Tally {
public:
    void observe(Game& game) {
        const int type = game.currentType();
        ++shown[type];
        const GameGlobals& g = globals();
        const Escena* level = game.level().get();
        if (type != previousType_) {
            if (type == kGameOver) {
                ++gameOvers;
            } else if (type == kPause) {
                ++pauses;
            } else if (type == kLevel && level != previousLevel_) {
                // A new scene object: a run started, a revive or a restart from game over.
                const bool revived = previousType_ == kGameOver &&
                                     game.gameOverScreen().clickedButton == kReviveButton;
                if (revived) {
                    ++revives;
                } else {
                    ++runsByDifficulty[static_cast<std::size_t>(std::clamp(g.difficulty, 0, 3))];
                    endlessRuns += game.infiniteSelected() ? 1 : 0;
                }
            } else if (type == kEnding && previousType_ == kLevel) {
                // Only leaving the last scene of the story goes from a level to the ending.
                ++levelsCompleted;
                ++storiesCompleted;
            }
        }
        if (type == kLevel && level == previousLevel_ && level != nullptr &&
            game.levelIndex() != previousLevelIndex_) {
            ++levelsCompleted;
            endlessLaps += game.infiniteSelected() && game.levelIndex() < previousLevelIndex_;
        }
        if (g.language != previousLanguage_) {
            ++languageSwitches;
        }
        if (game.fullscreen() != previousFullscreen_) {
            ++fullscreenToggles;
        }
        const ControlsMenu& controls = game.controlsScreen();
        if (previousAwaitedSlot_ >= 0 && controls.awaitedSlot < 0 && controls.pendingKeys &&
            controls.pendingKeys != previousPending_) {
            ++keysRebound;
        }
        const AudioState& a = audio::state();
        volumeChanges += a.musicVolume != previousMusic_ || a.sfxVolume != previousSfx_;
        const bool muted = a.savedMusicVolume != 0 || a.savedSfxVolume != 0;
        mutes += muted && !previousMuted_;
        maxLevel = std::max(maxLevel, g.maxLevel);
        const int pads = game.gamepad().openCount();
        padsPlugged += pads > previousPads_;
        previousPads_ = pads;

        previousType_ = type;
        previousLevel_ = level;
        previousLevelIndex_ = game.levelIndex();
        previousLanguage_ = g.language;
        previousFullscreen_ = game.fullscreen();
        previousAwaitedSlot_ = controls.awaitedSlot;
        previousPending_ = controls.pendingKeys;
        previousMusic_ = a.musicVolume;
        previousSfx_ = a.sfxVolume;
        previousMuted_ = muted;
    }

    // A new App starts on the title with what its settings say.
    void restarted(Game& game) {
        previousType_ = 0;
        previousPads_ = 0;
        previousLevel_ = nullptr;
        previousLanguage_ = globals().language;
        previousFullscreen_ = game.fullscreen();
        previousAwaitedSlot_ = -1;
        previousPending_.reset();
        previousMusic_ = audio::state().musicVolume;
        previousSfx_ = audio::state().sfxVolume;
        previousMuted_ = audio::state().savedMusicVolume != 0 || audio::state().savedSfxVolume != 0;
    }

    // Every screen shown and every event the monkey is after seen at least once: runs at every
    // difficulty, endless, game over and revive, a level left, both languages, fullscreen and
    // back, a key rebound, a volume changed, a mute, a pause.
    bool everythingSeen() const {
        for (int type : kScreenTypes) {
            if (shown.count(type) == 0) {
                return false;
            }
        }
        const bool everyDifficulty = std::all_of(runsByDifficulty.begin(), runsByDifficulty.end(),
                                                 [](long long n) { return n > 0; });
        return everyDifficulty && gameOvers > 0 && revives > 0 && endlessRuns > 0 &&
               levelsCompleted > 0 && languageSwitches >= 2 && fullscreenToggles >= 2 &&
               keysRebound > 0 && volumeChanges > 0 && mutes > 0 && pauses > 0 && padsPlugged > 0;
    }

    void print(long long frames) const {
        std::printf("screens (frames shown):\n");
        for (int type : kScreenTypes) {
            const auto it = shown.find(type);
            const long long n = it == shown.end() ? 0 : it->second;
            std::printf(
                "  %-12s %10lld  %5.1f %%\n", screenName(type), n,
                frames > 0 ? 100.0 * static_cast<double>(n) / static_cast<double>(frames) : 0.0);
        }
        std::printf("runs started:");
        for (std::size_t d = 0; d < runsByDifficulty.size(); ++d) {
            std::printf(" %s %lld", kDifficultyNames[d], runsByDifficulty[d]);
        }
        std::printf(" (endless %lld)\n", endlessRuns);
        std::printf("game overs %lld, revives %lld, pauses %lld\n", gameOvers, revives, pauses);
        std::printf(
            "levels completed %lld, stories completed %lld, endless laps %lld, "
            "furthest story level %d\n",
            levelsCompleted, storiesCompleted, endlessLaps, maxLevel);
        std::printf(
            "language switches %lld, fullscreen toggles %lld, keys rebound %lld, "
            "volume changes %lld, mutes %lld, pads plugged in %lld\n",
            languageSwitches, fullscreenToggles, keysRebound, volumeChanges, mutes, padsPlugged);
    }

    std::map<int, long long> shown;
    std::array<long long, 4> runsByDifficulty{};
    long long endlessRuns = 0;
    long long endlessLaps = 0;
    long long gameOvers = 0;
    long long revives = 0;
    long long pauses = 0;
    long long levelsCompleted = 0;
    long long storiesCompleted = 0;
    long long languageSwitches = 0;
    long long fullscreenToggles = 0;
    long long keysRebound = 0;
    long long volumeChanges = 0;
    long long mutes = 0;
    long long padsPlugged = 0;
    int maxLevel = 0;

private:
    int previousType_ = 0;
    const Escena* previousLevel_ = nullptr;
    int previousLevelIndex_ = 0;
    int previousLanguage_ = 0;
    bool previousFullscreen_ = false;
    int previousAwaitedSlot_ = -1;
    std::optional<KeySet> previousPending_;
    int previousMusic_ = 0;
    int previousSfx_ = 0;
    bool previousMuted_ = false;
    int previousPads_ = 0;
};

// ---- The monkey ---------------------------------------------------------------------------

enum class Mood { Player, Reckless, Explorer, Chaos, Pad };

struct MoodWeight {
    Mood mood;
    int weight;
};
constexpr MoodWeight kMoods[] = {{Mood::Player, 32},
                                 {Mood::Reckless, 27},
                                 {Mood::Explorer, 22},
                                 {Mood::Chaos, 9},
                                 {Mood::Pad, 10}};
// With the pad: one frame in this many it is pulled out (and plugged in again the next).
constexpr int kPadPulledOneIn = 600;
constexpr int kShortestMoodFrames = 200;
constexpr int kLongestMoodFrames = 1'200;

// The window's own events, whatever the mood: one frame in this many each.
constexpr int kResizeOneIn = 400;
constexpr int kFocusLostOneIn = 900;
constexpr int kFullscreenOneIn = 1'500;
// A quit is rare: the game starts again.
constexpr int kQuitOneIn = 30'000;

// A jump is held this many frames.
constexpr int kJumpHoldFrames = 4;
// How often a deliberate player presses something, in frames.
constexpr int kMenuThinkFrames = 8;

class Monkey {
public:
    Monkey(std::uint32_t seed, ScriptedPlatform& platform) : rng_(seed), platform_(platform) {}

    // The events of one frame, pushed onto SDL's queue.
    void play(Game& game, SDL_Window* window) {
        pilotPlayed_ = false;
        if (--moodLeft_ <= 0) {
            // Whatever the last mood held down is let go before the next one takes over.
            letGo();
            chooseMood();
        }
        if (oneIn(kQuitOneIn)) {
            SDL_Event e{};
            e.type = SDL_QUIT;
            push(e);
            return;
        }
        windowEvents();
        // Message boxes are not read; they must not pile up either.
        platform_.messages.clear();
        const int type = game.currentType();
        if (mood_ == Mood::Pad) {
            padPlay();
        } else if (mood_ == Mood::Chaos && type != kTitle) {
            chaos(window);
        } else if (type == kLevel && game.level()) {
            inLevel(game, *game.level());
        } else {
            releaseAll();
            // A paused level forgets the keys held; so does the pilot.
            pilot_.reset();
            inMenu(game);
        }
    }

    // After the game played the frame: the pilot sees what its moves did.
    void frameSeen(Game& game) {
        // The scene the pilot played in may be gone (a game over): an expired pointer
        // then equals the empty level.
        if (pilotPlayed_ && pilot_ && game.level() && pilotScene_.lock() == game.level()) {
            pilot_->frameSeen();
        }
    }

    // A new App: nothing is held any more.
    void forget() {
        pad_.forget();
        padTapped_.clear();
        held_.clear();
        pilot_.reset();
        platform_.buttons = 0;
        platform_.messages.clear();
    }

    Mood mood() const { return mood_; }

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }
    bool oneIn(int n) { return std::uniform_int_distribution<int>(1, n)(rng_) == 1; }
    int below(int n) { return std::uniform_int_distribution<int>(0, std::max(n, 1) - 1)(rng_); }

    void chooseMood() {
        int total = 0;
        for (const MoodWeight& m : kMoods) {
            total += m.weight;
        }
        int pick = below(total);
        for (const MoodWeight& m : kMoods) {
            if (pick < m.weight) {
                mood_ = m.mood;
                break;
            }
            pick -= m.weight;
        }
        moodLeft_ = kShortestMoodFrames + below(kLongestMoodFrames - kShortestMoodFrames);
    }

    static void push(SDL_Event e) { SDL_PushEvent(&e); }

    static SDL_Event keyEvent(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE) {
        SDL_Event e{};
        e.type = type;
        e.key.keysym.sym = key;
        e.key.keysym.mod = mod;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        return e;
    }

    void tap(SDL_Keycode key, Uint16 mod = KMOD_NONE) {
        push(keyEvent(SDL_KEYDOWN, key, mod));
        push(keyEvent(SDL_KEYUP, key, mod));
    }

    // Keys stay down until the monkey wants something else. A jump is held a few frames: the
    // level reads the keys held at its update, so a press and release in one frame is no jump.
    void hold(std::vector<SDL_Keycode> keys) {
        if (jumpFramesLeft_ > 0) {
            --jumpFramesLeft_;
            keys.push_back(globals().activeKeys.upKey);
        }
        for (SDL_Keycode key : held_) {
            if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
                push(keyEvent(SDL_KEYUP, key));
            }
        }
        for (SDL_Keycode key : keys) {
            if (std::find(held_.begin(), held_.end(), key) == held_.end()) {
                push(keyEvent(SDL_KEYDOWN, key));
            }
        }
        held_ = keys;
    }

    void releaseAll() {
        hold({});
        setButton(SDL_BUTTON_LEFT, false);
        setButton(SDL_BUTTON_RIGHT, false);
    }

    void jump() { jumpFramesLeft_ = kJumpHoldFrames; }

    // Every key the level listens to up, both buttons up, the pilot dismissed.
    void letGo() {
        jumpFramesLeft_ = 0;
        const KeySet& keys = globals().activeKeys;
        for (SDL_Keycode key :
             {keys.rightKey, keys.leftKey, keys.upKey, keys.downKey, keys.interactKey}) {
            push(keyEvent(SDL_KEYUP, key));
        }
        held_.clear();
        platform_.buttons |= SDL_BUTTON(SDL_BUTTON_LEFT) | SDL_BUTTON(SDL_BUTTON_RIGHT);
        setButton(SDL_BUTTON_LEFT, false);
        setButton(SDL_BUTTON_RIGHT, false);
        pilot_.reset();
        // The pad leaves with its mood, as a player puts it down: the run pauses.
        pad_.unplug();
        padTapped_.clear();
    }

    // The monkey's own keys take over from the pilot.
    void ownKeys() {
        if (pilot_) {
            letGo();
        }
    }

    // The scripted player plays this frame of the level.
    void pilot(Game& game) {
        if (!pilot_ || pilotScene_.lock() != game.level()) {
            // The pilot starts with nothing held.
            letGo();
            pilot_ = std::make_unique<ScriptedPlayer>(*game.level(), platform_);
            pilotScene_ = game.level();
        }
        const PlayView view{game.scale(), game.camX(), game.camY(), game.viewWidth(),
                            Game::kCameraFollow};
        for (const SDL_Event& e : pilot_->decideFrame(view)) {
            push(e);
        }
        pilotPlayed_ = true;
    }

    void setButton(Uint8 button, bool down) {
        const bool isDown = (platform_.buttons & SDL_BUTTON(button)) != 0;
        if (isDown == down) {
            return;
        }
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = button;
        e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = platform_.mouseX;
        e.button.y = platform_.mouseY;
        if (down) {
            platform_.buttons |= SDL_BUTTON(button);
        } else {
            platform_.buttons &= ~SDL_BUTTON(button);
        }
        push(e);
    }

    void clickAt(int x, int y) {
        platform_.mouseX = x;
        platform_.mouseY = y;
        setButton(SDL_BUTTON_LEFT, true);
        setButton(SDL_BUTTON_LEFT, false);
    }

    void pointAtWorld(const Game& game, double wx, double wy) {
        platform_.mouseX = static_cast<int>((wx - game.camX()) * game.scale());
        platform_.mouseY = static_cast<int>((wy - game.camY()) * game.scale());
    }

    void windowEvents() {
        if (oneIn(kResizeOneIn)) {
            SDL_Event e{};
            e.type = SDL_WINDOWEVENT;
            e.window.event = SDL_WINDOWEVENT_RESIZED;
            e.window.data1 = 320 + below(1600);
            e.window.data2 = 240 + below(900);
            push(e);
        }
        if (oneIn(kFocusLostOneIn)) {
            SDL_Event e{};
            e.type = SDL_WINDOWEVENT;
            e.window.event = chance(0.8) ? SDL_WINDOWEVENT_FOCUS_LOST : SDL_WINDOWEVENT_MINIMIZED;
            push(e);
        }
        if (oneIn(kFullscreenOneIn)) {
            if (chance(0.5)) {
                tap(SDLK_F11);
            } else {
                tap(chance(0.8) ? SDLK_RETURN : SDLK_KP_ENTER, chance(0.5) ? KMOD_LALT : KMOD_RALT);
            }
        }
    }

    // ---- Menus

    // Clicks the middle of the first shown button with this id (a little off the middle now
    // and then); false when the screen has none.
    bool clickButton(Game& game, int id) {
        auto* menu = dynamic_cast<Menu*>(game.current().get());
        if (menu == nullptr) {
            return false;
        }
        for (const auto& b : menu->buttons) {
            if (b->id == id && !menu->hidden(*b)) {
                clickArea(game, *b);
                return true;
            }
        }
        return false;
    }

    void clickArea(const Game& game, const Button& b) {
        const double fx = 0.2 + 0.6 * std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
        const double fy = 0.2 + 0.6 * std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
        pointAtWorld(game, b.area.x + fx * b.area.w, b.area.y + fy * b.area.h);
        clickAt(platform_.mouseX, platform_.mouseY);
    }

    // Any shown button of the screen, labels included (clicking them does nothing).
    void clickAnyButton(Game& game) {
        auto* menu = dynamic_cast<Menu*>(game.current().get());
        if (menu == nullptr || menu->buttons.empty()) {
            return;
        }
        const Button& b =
            *menu->buttons[static_cast<std::size_t>(below(static_cast<int>(menu->buttons.size())))];
        if (!menu->hidden(b)) {
            clickArea(game, b);
        }
    }

    void inMenu(Game& game) {
        if (!oneIn(kMenuThinkFrames)) {
            return;
        }
        switch (mood_) {
            case Mood::Player:
                playerMenu(game, false);
                break;
            case Mood::Reckless:
                playerMenu(game, true);
                break;
            case Mood::Explorer:
                explorerMenu(game);
                break;
            case Mood::Chaos:
                // Only the title comes here: its Exit would end the game over and over.
                explorerMenu(game);
                break;
            case Mood::Pad:
                break;  // the pad plays the menus itself
        }
    }

    // Straight into runs: story or endless, any difficulty (the hardest when reckless), revive
    // after a death while revives last.
    void playerMenu(Game& game, bool reckless) {
        switch (game.currentType()) {
            case kTitle:
                clickButton(game, chance(0.6) ? kStoryButton : kInfiniteButton);
                break;
            case kDifficulty: {
                static constexpr int kCalm[] = {kEasyButton,   kEasyButton, kEasyButton,
                                                kNormalButton, kHardButton, kImpossibleButton};
                // Mostly where a death leaves revives to use.
                static constexpr int kWild[] = {kEasyButton,   kEasyButton, kNormalButton,
                                                kNormalButton, kHardButton, kImpossibleButton};
                clickButton(game, reckless ? kWild[below(std::size(kWild))]
                                           : kCalm[below(std::size(kCalm))]);
                break;
            }
            case kGameOver: {
                const int revivesLeft = globals().revivesLeft;
                if (revivesLeft != 0 && chance(reckless ? 0.7 : 0.9)) {
                    clickButton(game, kReviveButton);
                } else {
                    clickButton(game, chance(0.5) ? kRestartButton : kBackButton);
                }
                break;
            }
            case kPause:
                // Now and then the run is given up, so that new ones start.
                clickButton(game, chance(reckless ? 0.05 : 0.15) ? kBackButton : kResumeButton);
                break;
            default:
                if (chance(0.3)) {
                    tap(SDLK_ESCAPE);
                } else {
                    clickButton(game, kBackButton);
                }
                break;
        }
    }

    // Everything on every menu; while rebinding, whatever key comes to mind.
    void explorerMenu(Game& game) {
        const int type = game.currentType();
        if (type == kControls && game.controlsScreen().awaitedSlot >= 0) {
            if (chance(0.9)) {
                tap(chance(0.8) ? static_cast<SDL_Keycode>('a' + below(26))
                                : static_cast<SDL_Keycode>(below(0x40000200)));
            } else {
                tap(SDLK_ESCAPE);
            }
            return;
        }
        if (type == kTitle) {
            // The explorer wants the settings and the ranking more than a run.
            static constexpr int kTitlePicks[] = {kSettingsButton, kSettingsButton,
                                                  kSettingsButton, kRankingButton,
                                                  kStoryButton,    kInfiniteButton};
            clickButton(game, kTitlePicks[below(std::size(kTitlePicks))]);
            return;
        }
        if (type == kSettings && game.settingsScreen().fromPause && chance(0.3)) {
            // The languages are chosen from the title's settings only.
            clickButton(game, kBackButton);
            return;
        }
        if (type == kSettings && chance(0.3)) {
            // Both languages, so each switch is a real change now and then.
            clickButton(game, globals().language == 0 ? kEnglishButton : kSpanishButton);
            return;
        }
        if (type == kPause && chance(0.6)) {
            static constexpr int kPausePicks[] = {kSettingsButton, kSettingsButton, kItemsButton,
                                                  kBackButton};
            clickButton(game, kPausePicks[below(std::size(kPausePicks))]);
            return;
        }
        if (type == kRanking && chance(0.3)) {
            clickButton(game, chance(0.2) ? kClearRankingButton : kBackButton);
            return;
        }
        if (chance(0.05)) {
            static constexpr SDL_Keycode kMenuKeys[] = {SDLK_RETURN, SDLK_UP,    SDLK_DOWN,
                                                        SDLK_LEFT,   SDLK_RIGHT, SDLK_ESCAPE};
            tap(kMenuKeys[below(std::size(kMenuKeys))]);
            return;
        }
        clickAnyButton(game);
    }

    // ---- Levels

    void inLevel(Game& game, Escena& scene) {
        const KeySet& keys = globals().activeKeys;
        if (mood_ == Mood::Explorer) {
            // A little play, then the pause menu and the settings behind it.
            ownKeys();
            if (oneIn(60)) {
                tap(keys.pauseKey);
            } else {
                hold({keys.rightKey});
            }
            return;
        }
        const Prota& hero = *scene.prota;
        const double heroX = hero.x + hero.w / 2.0;
        const Renderizable* foe = nearestFoe(scene, heroX);
        if (mood_ == Mood::Reckless && foe != nullptr && !scene.talking()) {
            ownKeys();
            reckless(*foe, heroX);
            return;
        }
        // The player, or the reckless with nobody to run into: on through the scene.
        if (oneIn(1'500)) {
            letGo();
            tap(keys.pauseKey);
            return;
        }
        pilot(game);
    }

    // The nearest enemy standing, or the boss while it lives; null when none.
    static const Renderizable* nearestFoe(const Escena& scene, double heroX) {
        const Renderizable* best = nullptr;
        double bestDistance = 0.0;
        for (const auto& e : scene.enemies) {
            const double d = std::abs(e->x + e->w / 2.0 - heroX);
            if (best == nullptr || d < bestDistance) {
                best = e.get();
                bestDistance = d;
            }
        }
        if (scene.boss != nullptr && scene.boss->hp > 0) {
            best = scene.boss.get();
        }
        return best;
    }

    // Walks at the enemies with its arms down.
    void reckless(const Renderizable& foe, double heroX) {
        const KeySet& keys = globals().activeKeys;
        setButton(SDL_BUTTON_LEFT, false);
        const double foeX = foe.x + foe.w / 2.0;
        // Over whatever is in the way, into the enemy.
        if (oneIn(40) || std::abs(heroX - lastHeroX_) < 1e-9) {
            jump();
        }
        lastHeroX_ = heroX;
        hold({foeX > heroX ? keys.rightKey : keys.leftKey});
    }

    // ---- Pad: a virtual pad alone

    void padPlay() {
        if (!pad_.plugged()) {
            pad_.plug();
            return;
        }
        if (oneIn(kPadPulledOneIn)) {
            pad_.unplug();
            padTapped_.clear();
            return;
        }
        // Buttons tapped last frame come up now.
        for (SDL_GameControllerButton b : padTapped_) {
            pad_.button(b, false);
        }
        padTapped_.clear();
        static constexpr SDL_GameControllerButton kTapped[] = {
            SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_A,
            SDL_CONTROLLER_BUTTON_X,         SDL_CONTROLLER_BUTTON_X,
            SDL_CONTROLLER_BUTTON_DPAD_UP,   SDL_CONTROLLER_BUTTON_DPAD_DOWN,
            SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
            SDL_CONTROLLER_BUTTON_B,         SDL_CONTROLLER_BUTTON_START};
        switch (below(10)) {
            case 0:
            case 1: {
                // Mostly the first eight: B and Start would back out of everything.
                const int pick = chance(0.9) ? below(8) : 8 + below(2);
                const SDL_GameControllerButton b = kTapped[pick];
                pad_.button(b, true);
                padTapped_.push_back(b);
                break;
            }
            case 2:
                // The left stick anywhere, near its dead zone too; mostly to the right.
                pad_.axis(SDL_CONTROLLER_AXIS_LEFTX,
                          chance(0.6) ? 12'000 + below(20'000) : below(65'536) - 32'768);
                pad_.axis(SDL_CONTROLLER_AXIS_LEFTY,
                          chance(0.8) ? below(16'000) - 8'000 : below(65'536) - 32'768);
                break;
            case 3:
                pad_.axis(SDL_CONTROLLER_AXIS_RIGHTX, below(65'536) - 32'768);
                pad_.axis(SDL_CONTROLLER_AXIS_RIGHTY, below(65'536) - 32'768);
                break;
            case 4:
                // Triggers from rest to fully pulled.
                pad_.axis(chance(0.7) ? SDL_CONTROLLER_AXIS_TRIGGERRIGHT
                                      : SDL_CONTROLLER_AXIS_TRIGGERLEFT,
                          below(65'536) - 32'768);
                break;
            case 5:
                pad_.button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, chance(0.3));
                break;
            default:
                break;  // nothing, most frames
        }
    }

    // ---- Chaos: the old monkey, anything anywhere

    void chaos(SDL_Window* window) {
        const KeySet& keys = globals().activeKeys;
        switch (below(12)) {
            case 0:
                hold({keys.rightKey});
                break;
            case 1:
                hold({keys.leftKey});
                break;
            case 2:
                jump();
                hold({});
                break;
            case 3:
                tap(keys.downKey);
                break;
            case 4:
                tap(keys.interactKey);
                break;
            case 5:
                if (oneIn(10)) {
                    tap(keys.pauseKey);
                }
                break;
            case 6:
                tap(chance(0.8) ? static_cast<SDL_Keycode>('a' + below(26))
                                : static_cast<SDL_Keycode>(below(0x40000200)));
                break;
            case 7: {
                int w = 1;
                int h = 1;
                SDL_GetWindowSize(window, &w, &h);
                clickAt(below(w), below(h));
                break;
            }
            case 8:
                setButton(SDL_BUTTON_RIGHT,
                          !((platform_.buttons & SDL_BUTTON(SDL_BUTTON_RIGHT)) != 0));
                break;
            case 9:
                releaseAll();
                break;
            default:
                break;  // nothing, most frames
        }
    }

    std::mt19937 rng_;
    ScriptedPlatform& platform_;
    std::vector<SDL_Keycode> held_;
    std::unique_ptr<ScriptedPlayer> pilot_;
    std::weak_ptr<Escena> pilotScene_;
    bool pilotPlayed_ = false;
    int jumpFramesLeft_ = 0;
    double lastHeroX_ = 0.0;
    Mood mood_ = Mood::Player;
    int moodLeft_ = 0;
    VirtualPad pad_;
    std::vector<SDL_GameControllerButton> padTapped_;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Options {
    long long frames = kDefaultFrames;
    std::uint32_t seed = 1;
    int drawEvery = 1;
    std::optional<std::pair<int, int>> window;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--frames" && hasValue) {
            o.frames = std::max(1LL, std::atoll(argv[++i]));
        } else if (arg == "--seed" && hasValue) {
            o.seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--draw-every" && hasValue) {
            o.drawEvery = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--window" && hasValue) {
            int w = 0;
            int h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) != 2 || w < 320 || h < 240) {
                return false;
            }
            o.window = std::pair{w, h};
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--frames N] [--seed S] [--draw-every N] [--window WxH "
                     "(at least 320x240)]\n",
                     argv[0]);
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // Ctrl+C or a kill stops the soak; SDL would turn it into a quit, and the game would start
    // again.
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
    // The dummy window never has the focus; SDL would keep the virtual pad's events from it.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    // The endless mode is unlocked, so the monkey can reach it from the title screen.
    nlohmann::json settings = config_file::defaults();
    settings["infiniteUnlock"] = true;
    ScratchRunFolder scratch(ScratchRunFolder::ofThisBinary(), settings);
    ScriptedPlatform platform;
    ScopedPlatform usePlatform(platform);
    Monkey monkey(options.seed, platform);
    Tally tally;

    const auto started = std::chrono::steady_clock::now();
    long long restarts = 0;
    long long played = 0;
    long long seenAt = -1;
    long long sampleEvery = 0;
    bool sampleDue = false;
    std::vector<MemorySample> samples;
    while (played < options.frames) {
        App::Options appOptions;
        appOptions.seed = options.seed + static_cast<std::uint32_t>(restarts);
        appOptions.windowSize = options.window;
        App app(appOptions);
        if (!app.startUp()) {
            std::fprintf(stderr, "valdro_soak: the game did not start\n");
            return 1;
        }
        monkey.forget();
        tally.restarted(app.game());
        bool quit = false;
        while (played < options.frames && !quit) {
            monkey.play(app.game(), app.window());
            platform.advanceMs(kFrameMs);
            quit = !app.frame(played % options.drawEvery == 0);
            ++played;
            if (quit) {
                break;
            }
            monkey.frameSeen(app.game());
            tally.observe(app.game());
            if (played % kProgressEvery == 0) {
                // A long soak shows how far it has got, in case it must be stopped early.
                std::printf(
                    "frame %lld: %.0f s, resident %.1f MB, heap %.1f MB, %lld game overs, "
                    "%lld revives, %lld levels completed%s\n",
                    played, secondsSince(started), residentKb() / 1024.0, heapKb() / 1024.0,
                    tally.gameOvers, tally.revives, tally.levelsCompleted,
                    seenAt >= 0 ? ", everything seen" : "");
                std::fflush(stdout);
            }
            if (seenAt < 0 && tally.everythingSeen()) {
                seenAt = played;
                sampleEvery = std::max(1LL, (options.frames - seenAt) / kMemorySamples);
                sampleDue = true;
            } else if (seenAt >= 0 && (played - seenAt) % sampleEvery == 0) {
                sampleDue = true;
            }
            // Memory is compared on the title, where nothing of a run is loaded: mid-run the
            // heap holds that scene's pictures, and a boss's sheets alone are a hundred MB.
            if (sampleDue && app.game().currentType() == kTitle) {
                samples.push_back({played, residentKb(), heapKb()});
                sampleDue = false;
            }
        }
        app.shutDown();
        if (quit) {
            ++restarts;
        }
    }
    const double seconds = secondsSince(started);

    std::printf(
        "valdro_soak: seed %u, %lld frames (one in %d drawn), %lld restarts, %.0f s "
        "(%.2f ms a frame)\n",
        options.seed, played, options.drawEvery, restarts, seconds,
        played > 0 ? seconds * 1000.0 / static_cast<double>(played) : 0.0);
    tally.print(played);
    if (seenAt < 0) {
        std::printf("not everything was seen; memory was not sampled\n");
        return 0;
    }
    std::printf("everything seen by frame %lld; memory on the title from then on (MB):\n", seenAt);
    std::printf("  %10s %10s %10s\n", "frame", "resident", "heap");
    for (const MemorySample& s : samples) {
        std::printf("  %10lld %10.1f %10.1f\n", s.frame, s.residentKb / 1024.0, s.heapKb / 1024.0);
    }
    std::printf("growth per 100 000 frames: resident %+.2f MB, heap %+.2f MB\n",
                slopeMbPer100k(samples, &MemorySample::residentKb),
                slopeMbPer100k(samples, &MemorySample::heapKb));
    return 0;
}
