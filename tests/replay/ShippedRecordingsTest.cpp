// Recordings that ship with the tests: the tutorial, a level and a boss fight, each played by a
// scripted player through the same recorder --record uses. CI replays them with the game's own
// --replay, headless, and they must end in the state stored in them: a change that alters
// play shows here at once.
//
// To record them again after a change that alters play on purpose:
//   VALDRO_RERECORD=1 build/tests/valdro_tests --gtest_filter='ShippedRecordings*'
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "app/App.hpp"
#include "menus/Button.hpp"
#include "app/GameGlobals.hpp"
#include "app/GameVersion.hpp"
#include "menus/Menu.hpp"
#include "menus/PauseMenu.hpp"
#include "app/Platform.hpp"
#include "app/RecordingCommands.hpp"
#include "replay/RecordedRun.hpp"
#include "replay/Recording.hpp"
#include "replay/StateHash.hpp"
#include "npc/Dialogue.hpp"
#include "npc/NPC.hpp"
#include "scene/Escena.hpp"
#include "support/SceneHarness.hpp"
#include "support/TempRunFolder.hpp"

namespace {

namespace fs = std::filesystem;

constexpr const char* kConfigFile = "datus/config/config.json";
constexpr const char* kRankingFile = "datus/config/ranking.json";

struct Shipped {
    const char* name;
    const char* scene;  // as --scene takes it; empty for a run started from the title
    const char* slot;
    int position;
    int difficulty;
    long long frames;
};

constexpr Shipped kShipped[] = {
    {"tutorial", "tutorial", "tutorial", -1, 1, 700},
    {"level", "scenes_1:0", "scenes_1", 0, 1, 700},
    {"greed", "greed", "greed", -1, 1, 700},
    // Story -> Normal from the title, into the tutorial, then Pause -> Exit back to the title.
    {"story", "", "", -1, 1, 640},
};

constexpr long long kStoryClickedAt = 5;
constexpr long long kNormalClickedAt = 15;
constexpr long long kPausedAt = 560;
constexpr long long kExitClickedAt = 580;

fs::path fileOf(const Shipped& s) {
    return fs::path(VALDRO_SOURCE_DIR) / "tests/recordings" / (std::string(s.name) + ".rec");
}

// A player pressing on to the right: walking, jumping now and then, talking when asked,
// shooting in bursts at a point ahead and dashing once in a while.
void playFrame(ScriptedPlatform& machine, long long frame) {
    auto push = [](SDL_Event e) { SDL_PushEvent(&e); };
    machine.advanceMs(10);
    machine.mouseX = 1000 - static_cast<int>(frame % 200);
    machine.mouseY = 330 + static_cast<int>(frame % 90);
    machine.buttons = (frame / 60) % 3 != 0 ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0;
    if (frame == 10) {
        push(harness::keyEvent(SDL_KEYDOWN, SDLK_d));
    }
    if (frame % 70 == 20) {
        push(harness::keyEvent(SDL_KEYDOWN, SDLK_w));
    }
    if (frame % 70 == 45) {
        push(harness::keyEvent(SDL_KEYUP, SDLK_w));
    }
    if (frame % 50 == 30) {
        push(harness::keyEvent(SDL_KEYDOWN, SDLK_f));
    }
    if (frame % 50 == 32) {
        push(harness::keyEvent(SDL_KEYUP, SDLK_f));
    }
    if (frame % 300 == 150) {
        push(harness::buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    }
    if (frame % 300 == 153) {
        push(harness::buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
    }
}

// A click of the left button in the middle of a menu button, where the window shows it.
void clickButton(ScriptedPlatform& machine, App& app, Menu& menu, int id) {
    Game& game = app.game();
    for (const auto& b : menu.buttons) {
        if (b->id != id) {
            continue;
        }
        const SDL_Point at = harness::pushClick(*b, game.camX(), game.camY(), game.scale());
        machine.mouseX = at.x;
        machine.mouseY = at.y;
        return;
    }
    ADD_FAILURE() << "no button " << id;
}

// The story run's player: through the title's menus into the tutorial, where it plays as the
// others do, then pauses and leaves.
void playStoryFrame(ScriptedPlatform& machine, App& app, long long frame) {
    if (frame < kNormalClickedAt + 10) {
        machine.advanceMs(10);
        machine.buttons = 0;
        if (frame == kStoryClickedAt) {
            clickButton(machine, app, app.game().titleScreen(), 4);  // Modo Historia
        } else if (frame == kNormalClickedAt) {
            clickButton(machine, app, app.game().difficultyScreen(), 23);  // Normal
        }
        return;
    }
    if (frame < kPausedAt) {
        playFrame(machine, frame);
        return;
    }
    machine.advanceMs(10);
    machine.buttons = 0;
    if (frame == kPausedAt) {
        SDL_Event e = harness::keyEvent(SDL_KEYDOWN, SDLK_ESCAPE);
        SDL_PushEvent(&e);
        e = harness::keyEvent(SDL_KEYUP, SDLK_ESCAPE);
        SDL_PushEvent(&e);
    } else if (frame == kExitClickedAt) {
        clickButton(machine, app, app.game().pauseScreen(), Menu::kBackId);  // Salir
    }
}

// Plays s with the scripted player, recording as --record does.
Recording record(const Shipped& s) {
    TempRunFolder folder;
    ScriptedPlatform machine;
    ScopedPlatform useMachine{machine};
    Recording tape;
    tape.gameVersion = gameVersion();
    tape.seed = 1234;
    tape.difficulty = s.difficulty;
    tape.scene = s.scene;
    RecordedRun run(tape, machine);
    ScopedPlatform useRecorder{run.platform()};
    App::Options options;
    options.seed = tape.seed;
    options.difficulty = s.difficulty;
    const bool fromTitle = std::string(s.scene).empty();
    if (!fromTitle) {
        options.scene = harness::shippedScene(s.slot, s.position);
        options.sceneIsTutorial = std::string(s.slot) == "tutorial";
        options.savePlayerFiles = false;
    }
    options.frames = s.frames;
    options.feed = &run;
    App app(options);
    EXPECT_TRUE(app.startUp());
    SDL_GetWindowSize(app.window(), &tape.windowWidth, &tape.windowHeight);
    tape.keys = globals().activeKeys;
    tape.language = globals().language;
    for (long long frame = 0; frame < s.frames; ++frame) {
        if (fromTitle) {
            playStoryFrame(machine, app, frame);
        } else {
            playFrame(machine, frame);
        }
        if (!app.frame()) {
            break;
        }
    }
    tape.frames = run.framesFed();
    tape.endState = StateHash::of(app.game());
    app.shutDown();
    return tape;
}

// Replays a file with the game binary, headless; returns what it printed and its exit code.
std::string replay(const fs::path& file, int& exitCode) {
    char name[] = "/tmp/valdro-replay-XXXXXX";
    const fs::path out = fs::path(mkdtemp(name));
    const std::string command = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy HOME='" +
                                out.string() + "' XDG_DATA_HOME='" + out.string() +
                                "' \"" VALDRO_RUN_DIR "/valdro\" --replay '" + file.string() +
                                "' > '" + (out / "said").string() + "' 2>&1";
    const int status = std::system(command.c_str());
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::string said = TempRunFolder::read(out / "said");
    std::error_code ec;
    fs::remove_all(out, ec);
    return said;
}

TEST(ShippedRecordings, ReplayToTheirStoredEndState) {
    const bool rerecord = std::getenv("VALDRO_RERECORD") != nullptr;
    for (const Shipped& s : kShipped) {
        if (rerecord) {
            const Recording tape = record(s);
            ASSERT_TRUE(tape.save(fileOf(s).string())) << fileOf(s);
            std::printf("recorded %s: state %s after %lld frames\n", fileOf(s).c_str(),
                        tape.endState->c_str(), tape.frames);
        }
        std::string why;
        const auto tape = Recording::load(fileOf(s).string(), gameVersion(), why);
        ASSERT_TRUE(tape) << why << "\nrecord them again: VALDRO_RERECORD=1 "
                          << "build/tests/valdro_tests --gtest_filter='ShippedRecordings*'";
        ASSERT_TRUE(tape->endState);
        EXPECT_GE(tape->events().size(), 20u) << s.name;
        // The same end as stored; the level twice, to see a replay end the same every time.
        const int times = std::string(s.name) == "level" ? 2 : 1;
        for (int time = 0; time < times; ++time) {
            int exitCode = -1;
            const std::string said = replay(fileOf(s), exitCode);
            EXPECT_EQ(exitCode, 0) << s.name << ": " << said;
            EXPECT_NE(said.find("state hash: " + *tape->endState + "\n"), std::string::npos)
                << s.name << ": " << said;
        }
    }
}

// A replay is watched, not played: the settings and ranking it finds are byte for byte what it
// leaves, even where the recording's keys and language are not the player's and the run it
// replays reached a new scene and was given up.
TEST(ShippedRecordings, ReplaysLeaveThePlayersFilesByteForByte) {
    TempRunFolder folder;
    nlohmann::json config = nlohmann::json::parse(TempRunFolder::read(kConfigFile));
    config["language"] = "en";
    config["SelectedKeySet"] = 2;
    config["maxLevel"] = 0;
    TempRunFolder::write(kConfigFile, config.dump(2));
    const std::string configBefore = TempRunFolder::read(kConfigFile);
    const std::string rankingBefore = TempRunFolder::read(kRankingFile);
    for (const Shipped& s : kShipped) {
        EXPECT_EQ(recording_commands::replayGame(App::Options{}, fileOf(s).string()), 0) << s.name;
        EXPECT_EQ(TempRunFolder::read(kConfigFile), configBefore) << s.name;
        EXPECT_EQ(TempRunFolder::read(kRankingFile), rankingBefore) << s.name;
    }
}

// The recorded language rules from the first line the first scene's characters are given.
TEST(ShippedRecordings, AReplaySpeaksTheRecordedLanguageFromItsFirstScene) {
    TempRunFolder folder;
    nlohmann::json config = nlohmann::json::parse(TempRunFolder::read(kConfigFile));
    config["language"] = "en";
    TempRunFolder::write(kConfigFile, config.dump(2));
    std::string why;
    const auto tape = Recording::load(fileOf(kShipped[0]).string(), gameVersion(), why);
    ASSERT_TRUE(tape) << why;
    ASSERT_EQ(tape->language, 0);
    App::Options options;
    ASSERT_TRUE(recording_commands::replayOptions(*tape, options, why)) << why;
    App app(options);
    ASSERT_TRUE(app.startUp());
    const auto& scene = app.game().level();
    ASSERT_TRUE(scene);
    ASSERT_FALSE(scene->npcs.empty());
    globals().language = 0;  // the scene is built; what it was built with is what it says
    for (const auto& npc : scene->npcs) {
        const int entry = npc->kind == NPC::kTutorial ? 0 : npc->linesIndex;
        EXPECT_EQ(npc->conversations, dialogue::conversationsFor(0, npc->kind, entry))
            << "character " << npc->kind << " speaks the settings' English";
    }
    app.shutDown();
}

TEST(ShippedRecordings, ARecordingOfAnotherVersionIsRefusedWithExitCodeTwo) {
    std::string text = TempRunFolder::read(fileOf(kShipped[1]));
    const std::string version = std::string("game ") + gameVersion() + "\n";
    ASSERT_NE(text.find(version), std::string::npos);
    text.replace(text.find(version), version.size(), "game 0.0.0-elsewhere\n");
    // Sealed again, as the other version would have sealed it.
    std::string body = text.substr(0, text.rfind("check "));
    text = body + "check " + Recording::checksum(body) + "\n";

    char name[] = "/tmp/valdro-other-XXXXXX";
    const fs::path dir = mkdtemp(name);
    TempRunFolder::write(dir / "other.rec", text);
    TempRunFolder::write(dir / "cut.rec", text.substr(0, text.size() / 2));
    for (const char* file : {"other.rec", "cut.rec"}) {
        int exitCode = -1;
        const std::string said = replay(dir / file, exitCode);
        EXPECT_EQ(exitCode, 2) << file << ": " << said;
        EXPECT_EQ(said.find("state hash"), std::string::npos) << said;
        EXPECT_NE(said.find(file), std::string::npos) << said;
    }
    int exitCode = -1;
    EXPECT_NE(replay(dir / "other.rec", exitCode).find("recorded with Valdro 0.0.0-elsewhere"),
              std::string::npos);
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
