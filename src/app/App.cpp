#include "app/App.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>

#include "app/CommandLine.hpp"
#include "app/Console.hpp"
#include "app/FramePacer.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "app/RecordingCommands.hpp"
#include "app/Screen.hpp"
#include "input/EventFeed.hpp"
#include "menus/MenuTextures.hpp"
#include "menus/TextCache.hpp"
#include "npc/Dialogue.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "render/Audio.hpp"
#include "render/CoreTextures.hpp"
#include "render/EnemyTextures.hpp"
#include "render/Fonts.hpp"
#include "render/Paths.hpp"
#include "render/RendererPicker.hpp"
#include "render/TextureLoader.hpp"
#include "save/AtomicFile.hpp"
#include "save/ConfigFile.hpp"
#include "save/DataFolders.hpp"
#include "save/JsonFile.hpp"
#include "save/SystemLanguage.hpp"
#include "scene/SceneFileCheck.hpp"
#include "scene/SceneImages.hpp"

namespace {
constexpr const char* kWindowTitle = "Valdro";
constexpr int kMinWindowWidth = 320;
constexpr int kMinWindowHeight = 240;
constexpr std::size_t kProblemsShown = 5;

using console::say;

// The game runs in its data folder: beside the binary in the build's run folder, in
// <prefix>/share/valdro once installed. The player's files may live elsewhere (DataFolders).
std::optional<DataFolders> enterDataFolder() {
    std::filesystem::path binaryDir = std::filesystem::current_path();
    if (char* base = SDL_GetBasePath(); base != nullptr) {
        binaryDir = base;
        SDL_free(base);
    }
    std::string why;
    std::optional<DataFolders> folders =
        DataFolders::locate(binaryDir, DataFolders::Environment::ofProcess(), why);
    if (!folders) {
        say(why);
        return std::nullopt;
    }
    if (chdir(folders->gameData().c_str()) != 0) {
        say("cannot enter the game folder " + folders->gameData().string());
        return std::nullopt;
    }
    if (!folders->seedPlayerFiles(why)) {
        say(why);
    }
    return folders;
}

std::optional<std::string> fromStartFolder(const std::optional<std::string>& path) {
    if (!path || path->empty() || (*path)[0] == '/') {
        return path;
    }
    std::optional<std::string> whole = path;
    char* cwd = getcwd(nullptr, 0);
    if (cwd != nullptr) {
        whole = std::string(cwd) + "/" + *path;
        std::free(cwd);
    }
    return whole;
}

// A JSON document the game cannot start without; false with a reason when unreadable.
bool readDocument(const char* path, nlohmann::json& out, std::string& why) {
    json_file::Document file = json_file::read(path);
    if (!file.ok()) {
        why = std::string(path) + ": " + file.problem;
        return false;
    }
    out = std::move(file.json);
    return true;
}
}  // namespace

App::App() = default;
App::App(Options options) : options_(options) {}

App::~App() {
    shutDown();
}

int App::frameDelayMs(std::int64_t elapsedNs) {
    const int elapsed = static_cast<int>(elapsedNs / 1'000'000.0);
    if (elapsed < 0) {
        return kFrameMs;
    }
    return elapsed < kFrameMs ? kFrameMs - elapsed : 0;
}

bool App::fail(const std::string& why, const std::string& details) {
    say(why);
    // A player who started the game from the desktop never sees stderr.
    platform().showMessage("Valdro", details.empty() ? why : details + "\n" + why, window_);
    releaseLibraries();
    return false;
}

bool App::startUp() {
    // Pictures come and go (PictureStore): their pixels are mapped on their own and given back
    // to the system when freed. Left to itself the allocator would, after the first big free,
    // serve pictures of up to 32 MB from its heap and keep that memory once they are gone.
    mallopt(M_MMAP_THRESHOLD, kMappedFromBytes);
    if (options_.savePlayerFiles) {
        // A save cut short by a kill leaves its temporary file beside the player's file.
        for (const std::string& saved :
             {options_.configFile, options_.rankingFile, options_.runFile}) {
            if (saved.empty()) {
                continue;
            }
            const int removed = atomic_file::removeStaleTemporaries(saved);
            if (removed > 0) {
                say(saved + ": removed " + std::to_string(removed) +
                    " temporary file(s) left by a save that was cut short");
            }
        }
    }
    config_file::Loaded config = config_file::load(options_.configFile, SystemLanguage::code());
    for (const std::string& line : config.problems) {
        say(line);
    }
    const config_file::Settings settings = config_file::settingsOf(config.document);

    // The scenes and the dialogue are checked whole before the window opens, so a broken file
    // is reported at once, naming the scene and the key, rather than in the middle of a run.
    nlohmann::json scenes;
    nlohmann::json dialogueEs;
    nlohmann::json dialogueEn;
    std::string why;
    if (!readDocument(paths::kScenesFile, scenes, why) ||
        !readDocument(paths::kDialogueEs, dialogueEs, why) ||
        !readDocument(paths::kDialogueEn, dialogueEn, why)) {
        return fail(why + "; the game cannot start without it");
    }
    const std::vector<std::string> sceneProblems = checkSceneFile(scenes, dialogueEs, dialogueEn);
    if (!sceneProblems.empty()) {
        std::string details;
        for (std::size_t i = 0; i < sceneProblems.size(); ++i) {
            say(sceneProblems[i]);
            // The box shows the first few; the rest are on stderr.
            if (i < kProblemsShown) {
                details += sceneProblems[i] + "\n";
            }
        }
        return fail("the scene file has " + std::to_string(sceneProblems.size()) +
                        " problem(s); the game cannot start until they are mended",
                    details);
    }

    TTF_Init();
    // Joystick or haptic subsystems may be missing on a machine; video, timer and events may not.
    if (SDL_Init(SDL_INIT_EVERYTHING) != 0 &&
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        return fail(std::string("cannot start SDL: ") + SDL_GetError());
    }
    sdlStarted_ = true;
    IMG_Init(IMG_INIT_PNG);
    // Without a sound device the game plays on in silence.
    SDL_Init(SDL_INIT_AUDIO);
    audio::openDevice();

    const auto [windowWidth, windowHeight] =
        options_.windowSize.value_or(std::pair{settings.width, settings.height});
    window_ = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                               windowWidth, windowHeight, SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
    if (window_ == nullptr) {
        return fail(std::string("cannot open the game window: ") + SDL_GetError());
    }
    SDL_SetWindowMinimumSize(window_, kMinWindowWidth, kMinWindowHeight);
    // Recordings are played and replayed one update a frame, at the frame loop's own pace.
    paced_ = settings.vsync && options_.feed == nullptr;
    // Under X11 SDL would show the software renderer's picture through OpenGL, which without a
    // graphics card costs more than the drawing itself; the picture goes straight to the window.
    // (SDL_FRAMEBUFFER_ACCELERATION in the environment still has the last word.)
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer_ = RendererPicker::open(window_, paced_ ? SDL_RENDERER_PRESENTVSYNC : 0);
    if (renderer_ == nullptr) {
        return fail(std::string("cannot draw in the game window: ") + SDL_GetError());
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    textures::setRenderer(renderer_, platform().maxTextureSide(renderer_));

    std::srand(options_.seed ? *options_.seed : static_cast<unsigned>(std::time(nullptr)));

    audio::initAudio(settings.musicVolume, settings.sfxVolume);

    GameGlobals& g = globals();
    g.keySets = buildKeySets(settings.customKeys);
    g.activeKeys = options_.keys ? *options_.keys
                                 : g.keySets[static_cast<std::size_t>(settings.selectedKeySet)];
    g.maxLevel = settings.maxLevel;
    std::vector<std::string> padProblems;
    g.padBindings = PadBindings::fromConfig(config.document, options_.configFile, padProblems);
    for (const std::string& line : padProblems) {
        say(line);
    }

    // The title shows its background and button plates at once. The other menus keep their
    // pictures from the moment they are made, so those are made now but decoded behind the
    // title; what only a run draws is loaded once the title is on screen (loadPlayPictures).
    textures::deferLoads(
        {paths::kTitleScreen, paths::kTitleMargin, paths::kShortButton, paths::kLongButton});
    loadMenuCoreTextures();
    loadMenuTextures();
    textures::stopDeferring();
    playPicturesDue_ = true;
    dialogue::loadDialogueFiles();
    g.language = options_.language ? *options_.language : settings.language;

    int width = settings.width;
    int height = settings.height;
    SDL_GetWindowSize(window_, &width, &height);
    game_ = Game(width, height, renderer_, std::move(config.document), options_.seed);
    game_.scenes() = std::move(scenes);
    if (options_.savePlayerFiles) {
        game_.setPlayerFiles(options_.configFile, options_.rankingFile);
    } else {
        game_.keepPlayerFilesUntouched();
    }
    if (options_.savePlayerFiles && !options_.runFile.empty() && !options_.scene) {
        game_.setRunFile(RunFile(options_.runFile));
    }
    if (options_.rankingFile != paths::kRankingFile) {
        // The Game reads the run folder's ranking; an installed game keeps the player's own.
        std::vector<std::string> problems;
        game_.ranking() = Ranking::load(options_.rankingFile, problems);
        for (const std::string& line : problems) {
            say(line);
        }
    }
    text_cache::build();
    game_.applyLanguage(g.language);
    // Older files have no fullscreen key; anything but true means a window.
    const auto fullscreen = game_.config().find(Game::kFullscreenKey);
    if (fullscreen != game_.config().end() && *fullscreen == true) {
        game_.setFullscreen(true, window_);
    }

    // Mouse motion is read as state when needed, never as events.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    started_ = true;
    if (options_.scene) {
        finishLoading();
        game_.startSceneRun(*options_.scene, options_.difficulty, options_.sceneIsTutorial,
                            window_);
    }
    return true;
}

bool App::frame(bool draw) {
    showDrawn();
    // Once the title is on screen, the pictures only a run needs are loaded behind it.
    if (framesDrawn_ > 0) {
        loadPlayPictures();
    }
    if (options_.feed != nullptr ? options_.feed->feed(game_, window_)
                                 : game_.handleEvents(window_)) {
        return false;
    }
    if (game_.update(window_)) {
        return false;
    }
    if (game_.currentType() == kTitle) {
        textures::fillDecoded(kPicturesFilledPerFrame);
    } else {
        finishLoading();
    }
    if (draw) {
        SDL_RenderClear(renderer_);
        game_.render(renderer_);
        drawnNotShown_ = true;
        ++framesDrawn_;
    } else {
        // Nothing is drawn, but the animations move on as if it were.
        game_.render(nullptr);
    }
    textures::endFrame();
    return true;
}

void App::showDrawn() {
    if (drawnNotShown_) {
        platform().present(renderer_);
        drawnNotShown_ = false;
    }
}

bool App::countFrame(long long count) {
    if (options_.frames && count >= *options_.frames) {
        if (options_.screenshot) {
            saveScreenshot(*options_.screenshot);
        }
        return true;
    }
    return false;
}

void App::runLoop() {
    if (!paced_) {
        for (long long count = 1;; ++count) {
            const std::int64_t start = platform().steadyNowNs();
            if (!frame() || countFrame(count)) {
                return;
            }
            const int delay = frameDelayMs(platform().steadyNowNs() - start);
            if (delay > 0) {
                platform().sleepMs(delay);
            }
        }
    }
    // As many updates as real time calls for, then the latest state drawn once and presented
    // in step with the display.
    FramePacer pacer;
    pacer.start(platform().steadyNowNs());
    for (long long count = 0;;) {
        showDrawn();
        const std::int64_t now = platform().steadyNowNs();
        const int due = pacer.stepsDue(now);
        if (due == 0) {
            platform().sleepMs(pacer.msUntilNext(now));
            continue;
        }
        for (int i = 0; i < due; ++i) {
            ++count;
            const bool last = i == due - 1 || (options_.frames && count >= *options_.frames);
            if (!frame(last) || countFrame(count)) {
                return;
            }
        }
    }
}

void App::loadPlayPictures() {
    if (!playPicturesDue_) {
        return;
    }
    playPicturesDue_ = false;
    textures::deferLoads({});
    loadPlayCoreTextures();
    loadSceneImages();
    items::loadItemAssets(renderer_);
    npcs::loadNpcAssets(renderer_);
    textures::stopDeferring();
}

void App::finishLoading() {
    loadPlayPictures();
    if (textures::decodingPending() > 0) {
        textures::finishDecoding();
    }
}

bool App::saveScreenshot(const std::string& path) {
    int width = 0;
    int height = 0;
    if (renderer_ == nullptr || SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) {
        say(path + ": no picture to save");
        return false;
    }
    SDL_Surface* shot =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    bool saved = false;
    if (shot != nullptr && SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888,
                                                shot->pixels, shot->pitch) == 0) {
        saved = IMG_SavePNG(shot, path.c_str()) == 0;
    }
    if (!saved) {
        say(path + ": the screenshot could not be saved: " + SDL_GetError());
    }
    SDL_FreeSurface(shot);
    return saved;
}

void App::shutDown() {
    if (!started_) {
        return;
    }
    started_ = false;
    const GameGlobals& g = globals();
    if (!options_.savePlayerFiles) {
        releaseLibraries();
        return;
    }
    PadBindings::storeIn(game_.config(), g.padBindings);
    if (!config_file::save(options_.configFile, game_.config(), g.keySets[kCustomKeySet],
                           g.activeKeys.configOption)) {
        say(options_.configFile + ": could not be written; the settings of this session are lost");
    }
    if (!game_.ranking().save(options_.rankingFile)) {
        say(options_.rankingFile + ": could not be written");
    }
    releaseLibraries();
}

void App::releaseLibraries() {
    textures::abandonDecoding();
    playPicturesDue_ = false;
    framesDrawn_ = 0;
    drawnNotShown_ = false;
    game_ = Game();
    text_cache::clear();
    freeMenuTextures();
    fonts::closeFonts();
    freeEnemyTextures();
    npcs::freeNpcAssets();
    items::freeItemAssets();
    freeSceneImages();
    freeCoreTextures();
    textures::setRenderer(nullptr);
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
    }
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }
    audio::closeDevice();
    IMG_Quit();
    if (sdlStarted_) {
        SDL_Quit();
        sdlStarted_ = false;
    }
    if (TTF_WasInit() != 0) {
        TTF_Quit();
    }
}

int App::run(const std::vector<std::string>& args) {
    std::string why;
    const std::optional<CommandLine> cl = command_line::parse(args, why);
    if (!cl) {
        say(why);
        return 2;
    }
    if (cl->help) {
        std::fputs(command_line::usage().c_str(), stdout);
        return 0;
    }
    // Paths are taken as given from where the game was started.
    const std::optional<std::string> screenshot = fromStartFolder(cl->screenshot);
    const std::optional<std::string> record = fromStartFolder(cl->record);
    const std::optional<std::string> replay = fromStartFolder(cl->replay);
    const std::optional<DataFolders> folders = enterDataFolder();
    if (!folders) {
        return 1;
    }
    Options options;
    if (!folders->playerFilesBesideData()) {
        options.configFile = folders->configFile();
        options.rankingFile = folders->rankingFile();
    }
    if (!cl->sceneSlot && !cl->record && !cl->replay) {
        options.runFile = (folders->playerFolder() / RunFile::kFileName).string();
    }
    options.seed = cl->seed;
    options.difficulty = cl->difficulty;
    options.frames = cl->frames;
    options.screenshot = screenshot;
    if (cl->sceneSlot) {
        nlohmann::json scenes;
        SceneData scene;
        if (!readDocument(paths::kScenesFile, scenes, why) ||
            !command_line::findScene(scenes, *cl->sceneSlot, cl->scenePosition, scene, why)) {
            say(why);
            return 2;
        }
        options.scene = scene;
        options.sceneIsTutorial = *cl->sceneSlot == "tutorial";
        // A practice run is not the player's story: it leaves settings and ranking alone.
        options.savePlayerFiles = false;
    }
    if (replay) {
        return recording_commands::replayGame(options, *replay);
    }
    if (record) {
        const std::string sceneSpec =
            cl->sceneSlot
                ? *cl->sceneSlot +
                      (cl->scenePosition ? ":" + std::to_string(*cl->scenePosition) : std::string{})
                : std::string{};
        return recording_commands::recordGame(options, sceneSpec, *record);
    }
    App app(options);
    try {
        if (!app.startUp()) {
            return 1;
        }
        app.runLoop();
    } catch (const std::exception& e) {
        // Whatever went wrong, the player's settings and ranking are still written.
        say(std::string("stopped by an internal error: ") + e.what());
        app.shutDown();
        return 1;
    }
    app.shutDown();
    return 0;
}
