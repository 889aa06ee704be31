#include "app/RecordingCommands.hpp"

#include <SDL.h>

#include <exception>
#include <random>

#include "app/CommandLine.hpp"
#include "app/Console.hpp"
#include "app/GameGlobals.hpp"
#include "app/GameVersion.hpp"
#include "app/Platform.hpp"
#include "render/Paths.hpp"
#include "replay/RecordedRun.hpp"
#include "replay/Recording.hpp"
#include "replay/StateHash.hpp"
#include "save/JsonFile.hpp"
#include "scene/SceneData.hpp"

namespace recording_commands {

namespace {

using console::say;

// Runs the started app to its end; false (with the reason said) on an internal error.
bool playToTheEnd(App& app) {
    try {
        app.runLoop();
        return true;
    } catch (const std::exception& e) {
        say(std::string("stopped by an internal error: ") + e.what());
        return false;
    }
}

// The scene a recording names, as --scene would find it.
bool sceneOf(const std::string& sceneName, App::Options& options, std::string& why) {
    const std::optional<CommandLine> cl = command_line::parse({"--scene", sceneName}, why);
    if (!cl) {
        return false;
    }
    json_file::Document scenes = json_file::read(paths::kScenesFile);
    if (!scenes.ok()) {
        why = std::string(paths::kScenesFile) + ": " + scenes.problem;
        return false;
    }
    SceneData scene;
    if (!command_line::findScene(scenes.json, *cl->sceneSlot, cl->scenePosition, scene, why)) {
        return false;
    }
    options.scene = scene;
    options.sceneIsTutorial = *cl->sceneSlot == "tutorial";
    return true;
}

}  // namespace

int recordGame(App::Options options, const std::string& sceneSpec, const std::string& path) {
    if (!options.seed) {
        options.seed = std::random_device{}();
    }
    Recording tape;
    tape.gameVersion = gameVersion();
    tape.seed = *options.seed;
    tape.difficulty = options.difficulty;
    tape.scene = sceneSpec;
    RecordedRun run(tape, ::platform());
    ScopedPlatform useRecorder(run.platform());
    options.feed = &run;
    App app(options);
    if (!app.startUp()) {
        return 1;
    }
    SDL_GetWindowSize(app.window(), &tape.windowWidth, &tape.windowHeight);
    tape.keys = globals().activeKeys;
    tape.language = globals().language;
    if (!playToTheEnd(app)) {
        app.shutDown();
        return 1;
    }
    tape.frames = run.framesFed();
    const std::string hash = StateHash::of(app.game());
    tape.endState = hash;
    app.shutDown();
    if (!tape.save(path)) {
        say(path + ": the recording could not be written");
        return 1;
    }
    std::printf("state hash: %s\n", hash.c_str());
    return 0;
}

bool replayOptions(const Recording& tape, App::Options& options, std::string& why) {
    options.seed = tape.seed;
    options.difficulty = tape.difficulty;
    if (!tape.scene.empty() && !sceneOf(tape.scene, options, why)) {
        return false;
    }
    options.windowSize = {tape.windowWidth, tape.windowHeight};
    options.savePlayerFiles = false;
    options.keys = tape.keys;
    options.language = tape.language;
    return true;
}

int replayGame(App::Options options, const std::string& path) {
    std::string why;
    const std::optional<Recording> tape = Recording::load(path, gameVersion(), why);
    if (!tape) {
        say(why);
        return 2;
    }
    if (!replayOptions(*tape, options, why)) {
        say(path + ": " + why);
        return 2;
    }
    if (!options.frames || *options.frames > tape->frames) {
        options.frames = tape->frames;
    }
    const bool toTheEnd = *options.frames == tape->frames;
    Platform& real = ::platform();
    RecordedRun run(*tape, &real);
    ScopedPlatform useReplay(run.platform());
    options.feed = &run;
    App app(options);
    if (!app.startUp()) {
        return 1;
    }
    // Headless, nobody watches: no need to keep the recorded speed.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::string(driver) == "dummy") {
        run.setPace(nullptr);
    }
    if (!playToTheEnd(app)) {
        app.shutDown();
        return 1;
    }
    if (run.interrupted()) {
        app.shutDown();
        say(path + ": the replay was closed before its end");
        return 1;
    }
    const std::string hash = StateHash::of(app.game());
    app.shutDown();
    std::printf("state hash: %s\n", hash.c_str());
    if (toTheEnd && tape->endState && *tape->endState != hash) {
        say(path + ": the recording ended in state " + *tape->endState +
            "; this game plays it differently");
        return 1;
    }
    return 0;
}

}  // namespace recording_commands
