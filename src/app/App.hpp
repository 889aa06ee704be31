#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Game.hpp"
#include "input/KeySet.hpp"
#include "render/Paths.hpp"
#include "scene/SceneData.hpp"

class EventFeed;
struct SDL_Renderer;
struct SDL_Window;

// The program's spine: start-up, the frame loop and shutdown. The loop's pieces run one frame
// at a time, so tests and tools can play the whole game without sleeping.
class App {
public:
    struct Options {
        // Seeds the C generator and the level shuffle; without it they are seeded at random.
        std::optional<std::uint32_t> seed{};
        // Practise one scene as a fresh run at this difficulty instead of the title screen.
        std::optional<SceneData> scene{};
        int difficulty = 1;
        bool sceneIsTutorial = false;
        // Close normally after this many frames; with screenshot, save the last one first.
        std::optional<long long> frames{};
        std::optional<std::string> screenshot{};
        // The player's settings and ranking (by default in the run folder).
        std::string configFile = paths::kConfigFile;
        std::string rankingFile = paths::kRankingFile;
        // Where each frame's events come from (not owned); without, SDL's queue.
        EventFeed* feed = nullptr;
        // The window's size instead of the one in the settings.
        std::optional<std::pair<int, int>> windowSize{};
        // A replay or a practice run leaves the player's settings and ranking as they were.
        bool savePlayerFiles = true;
        // A replay plays with the keys and language it was recorded with, whatever the
        // settings say, from the first scene on.
        std::optional<KeySet> keys{};
        std::optional<int> language{};
        // Where a story or endless run is kept for the next start; empty keeps none (practice,
        // recordings, replays and the tools).
        std::string runFile{};
    };

    static constexpr int kFrameMs = 10;  // at most 100 frames per second
    // While the title shows, this many pictures decoded behind it get their pixels each frame.
    static constexpr int kPicturesFilledPerFrame = 2;
    // Blocks from this size up are mapped apart from the heap and returned when freed.
    static constexpr int kMappedFromBytes = 256 * 1024;

    App();
    explicit App(Options options);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The whole program: command line, run folder, start-up, loop, shutdown. Returns the exit
    // code: 0 after a normal close, 1 when the game could not start or stopped on an internal
    // error, 2 for a mistake on the command line (then no file is touched).
    static int run(const std::vector<std::string>& args);

    // Starts everything up in the working directory. On failure prints one line per reason on
    // stderr, releases what was started and returns false.
    bool startUp();
    // One pass of the loop: show the last frame drawn, handle events, update, clear, draw.
    // False once the player has quit (the frame is then not drawn). Without draw the frame is
    // played and its animations move on, but no pixel is drawn and the next frame shows nothing
    // new (the soak draws one frame in many).
    bool frame(bool draw = true);
    // Frames until the player quits (or the frame count of the options has run). With "vsync"
    // on (the default) the game updates 100 times a second by the clock and draws the latest
    // state once per display refresh (FramePacer); off, each frame updates once, draws, and
    // lasts at least kFrameMs. Recordings always run that way.
    void runLoop();
    // Saves what the window shows now as a PNG. False with a stderr line when it cannot.
    bool saveScreenshot(const std::string& path);
    // Start-up shows the title before most pictures are decoded; this waits for all of them. A
    // frame that leaves the title does it itself.
    void finishLoading();
    // Writes the configuration and the ranking, then releases everything. Safe to call twice.
    void shutDown();

    // How long to sleep after a frame that took elapsedNs: whatever is left of 10 ms, nothing
    // for a slow frame. Slow frames are not made up for.
    static int frameDelayMs(std::int64_t elapsedNs);

    Game& game() { return game_; }
    SDL_Window* window() const { return window_; }
    SDL_Renderer* renderer() const { return renderer_; }

private:
    bool fail(const std::string& why, const std::string& details = {});
    // Loads, decoding behind the title, the pictures only a run draws, once per start-up.
    void loadPlayPictures();
    void releaseLibraries();
    // Presents the frame drawn and not yet shown.
    void showDrawn();
    // True once count frames have run out the options' frame count (the screenshot taken).
    bool countFrame(long long count);

    Options options_;
    bool started_ = false;
    bool sdlStarted_ = false;
    bool playPicturesDue_ = false;
    bool paced_ = false;
    long long framesDrawn_ = 0;
    bool drawnNotShown_ = false;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    Game game_;
};
