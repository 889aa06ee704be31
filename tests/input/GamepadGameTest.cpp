#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "app/App.hpp"
#include "app/Game.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "input/Gamepad.hpp"
#include "input/KeySet.hpp"
#include "menus/Button.hpp"
#include "menus/ControlsMenu.hpp"
#include "menus/Menu.hpp"
#include "menus/MenuLayouts.hpp"
#include "menus/PauseMenu.hpp"
#include "npc/NPC.hpp"
#include "render/Audio.hpp"
#include "replay/RecordedRun.hpp"
#include "replay/StateHash.hpp"
#include "scene/Escena.hpp"
#include "support/SceneHarness.hpp"
#include "support/TempRunFolder.hpp"
#include "autoplay/VirtualPad.hpp"

namespace {

constexpr int kPadValue = menu_layouts::kPadSlotId;

// The whole game, started as the player starts it, played with a pad alone.
class PadGame : public ::testing::Test {
protected:
    void SetUp() override {
        audio::setSoundListener([this](const std::string& key) { sounds.push_back(key); });
        // The dummy window never has the focus, and SDL keeps a pad's events from a game
        // without it.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        app = std::make_unique<App>(App::Options{1234});
        ASSERT_TRUE(app->startUp());
        ASSERT_NE(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u);
    }
    void TearDown() override {
        pad.unplug();
        app.reset();
        audio::setSoundListener(nullptr);
    }
    Game& game() { return app->game(); }
    int screen() { return game().currentType(); }

    void frames(int n = 1) {
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(app->frame());
            clock.advanceMs(10);
        }
    }
    void plugIn() {
        ASSERT_TRUE(pad.plug()) << SDL_GetError();
        frames(2);
        ASSERT_EQ(game().gamepad().openCount(), 1);
    }
    void openControls() {
        game().perform(kActionSettingsFromTitle, app->window());
        game().perform(kActionShowControls, app->window());
        ASSERT_EQ(screen(), kControls);
    }
    void tap(SDL_GameControllerButton b) {
        pad.button(b, true);
        frames();
        pad.button(b, false);
        frames();
    }
    std::string highlighted(Menu& menu) {
        const Button* b = menu.highlighted();
        return menu.highlightShown && b != nullptr ? b->spanishText() : "(none)";
    }
    int shotsFired() {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), "shootProta"));
    }

    TempRunFolder run;
    ScriptedPlatform clock;
    ScopedPlatform useClock{clock};
    std::unique_ptr<App> app;
    VirtualPad pad;
    std::vector<std::string> sounds;
};

TEST_F(PadGame, APadAloneGoesFromTheTitleIntoTheTutorialAndPlaysIt) {
    plugIn();

    // The title: the first push shows the highlight, on Story mode.
    EXPECT_EQ(highlighted(game().titleScreen()), "(none)");
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(highlighted(game().titleScreen()), "Modo Historia");
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(highlighted(game().titleScreen()), "Modo Infinito");
    tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
    tap(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(screen(), kDifficulty);
    EXPECT_EQ(highlighted(game().difficultyScreen()), "Fácil");
    // One push of the stick is one step, however long it is held short of the repeat.
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 30000);
    frames(5);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    frames();
    EXPECT_EQ(highlighted(game().difficultyScreen()), "Normal");
    tap(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(screen(), kLevel);
    EXPECT_EQ(globals().difficulty, 1);
    ASSERT_TRUE(game().level()->isTutorial);

    Escena& scene = *game().level();
    Prota& hero = *scene.prota;
    frames(60);  // standing on the floor
    const double startX = hero.x;
    const double floorY = hero.y;

    // A jumps.
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    frames(8);
    EXPECT_LT(hero.y, floorY - 0.5);
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    frames(150);
    EXPECT_DOUBLE_EQ(hero.y, floorY);

    // Walk right with the stick to the front desk bell and talk to it with X.
    const auto found = std::find_if(scene.npcs.begin(), scene.npcs.end(),
                                    [](const auto& n) { return n->kind == NPC::kTutorial; });
    ASSERT_NE(found, scene.npcs.end());
    const NPC* bell = found->get();
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 30000);
    for (int i = 0; i < 600 && hero.x + hero.w / 2.0 < bell->x + bell->w / 2.0; ++i) {
        frames();
    }
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    frames(2);
    EXPECT_GT(hero.x, startX + 2.0);
    const double stoppedX = hero.x;
    frames(10);
    EXPECT_DOUBLE_EQ(hero.x, stoppedX);
    tap(SDL_CONTROLLER_BUTTON_X);
    EXPECT_TRUE(bell->talking);
    for (int i = 0; i < 60 && bell->talking; ++i) {
        tap(SDL_CONTROLLER_BUTTON_X);
    }
    EXPECT_FALSE(bell->talking);

    // The right stick aims up and to the right; released, the crosshair stays.
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 20000);
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, -20000);
    frames();
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, 0);
    frames(3);
    const double diagonal = Escena::kPadAimDistance / std::sqrt(2.0);
    EXPECT_NEAR(scene.crosshair->x + scene.crosshair->w / 2.0 - (hero.x + hero.w / 2.0), diagonal,
                1e-9);
    EXPECT_NEAR(scene.crosshair->y + scene.crosshair->h / 2.0 - (hero.y + hero.h / 2.0), -diagonal,
                1e-9);

    // The right trigger held fires on at the hero's rate, up and to the right.
    const int firedBefore = shotsFired();
    pad.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    frames();
    ASSERT_FALSE(scene.playerShots.empty());
    const Disparo& shot = *scene.playerShots.back();
    EXPECT_GT(shot.vx, 0.0);
    EXPECT_NEAR(shot.vy, -shot.vx, 1e-9);
    frames(100);
    const int fired = shotsFired() - firedBefore;
    EXPECT_GE(fired, 2);
    pad.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
    frames(100);
    EXPECT_EQ(shotsFired() - firedBefore, fired);

    // The mouse moved: it aims again.
    clock.mouseX = 200;
    clock.mouseY = 100;
    frames();
    EXPECT_NEAR(scene.crosshair->x + scene.crosshair->w / 2.0, 200 / game().scale() + game().camX(),
                1e-9);

    // Start pauses and resumes.
    tap(SDL_CONTROLLER_BUTTON_START);
    ASSERT_EQ(screen(), kPause);
    EXPECT_EQ(highlighted(game().pauseScreen()), "Continuar");
    tap(SDL_CONTROLLER_BUTTON_START);
    ASSERT_EQ(screen(), kLevel);

    // Pulled out while walking: the run pauses and the hero stops.
    const std::shared_ptr<Escena> run = game().level();
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    frames(3);
    EXPECT_TRUE(hero.held(Prota::kKeyLeft));
    pad.unplug();
    frames(2);
    EXPECT_EQ(screen(), kPause);
    EXPECT_EQ(game().gamepad().openCount(), 0);
    EXPECT_FALSE(game().gamepad().held(PadControl::Left));

    // Plugged in again, Start resumes where the run was.
    plugIn();
    tap(SDL_CONTROLLER_BUTTON_START);
    ASSERT_EQ(screen(), kLevel);
    EXPECT_EQ(game().level(), run);
    EXPECT_EQ(hero.keys, 0);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 30000);
    const double beforeWalk = hero.x;
    frames(20);
    EXPECT_GT(hero.x, beforeWalk);
}

TEST_F(PadGame, TheMouseHidesTheHighlightAndThePadShowsItAgain) {
    plugIn();
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_TRUE(game().padInUse());
    clock.mouseX = 40;
    frames();
    EXPECT_FALSE(game().titleScreen().highlightShown);
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);  // only shows it again, where it was
    EXPECT_EQ(highlighted(game().titleScreen()), "Modo Historia");
    SDL_Event click = harness::buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    SDL_PushEvent(&click);
    frames();
    EXPECT_FALSE(game().titleScreen().highlightShown);
    // Held long enough, a direction steps on by itself.
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    frames();
    EXPECT_EQ(highlighted(game().titleScreen()), "Modo Historia");
    frames(Gamepad::kNavRepeatDelayMs / 10 + 1);
    EXPECT_EQ(highlighted(game().titleScreen()), "Modo Infinito");
}

TEST_F(PadGame, APadButtonMovedOnTheControlsScreenJumpsAndTheMenusKeepTheirs) {
    auto clickPad = [&](int id, int param) {
        for (const auto& b : game().controlsScreen().buttons) {
            if (b->id == id && b->param == param && b->texts.empty() == (id == kPadValue)) {
                harness::pushClick(*b, game().camX(), game().camY(), game().scale());
                frames();
                return;
            }
        }
        FAIL() << "no pad button " << id << " " << param;
    };
    auto padValue = [&](int slot) {
        for (const auto& b : game().controlsScreen().buttons) {
            if (b->id == kPadValue && b->param == slot && b->texts.empty()) {
                return b->shownText;
            }
        }
        return std::string("(none)");
    };
    auto jumps = [&](SDL_GameControllerButton b) {
        frames(80);  // on the floor
        const double y = game().level()->prota->y;
        tap(b);
        frames(5);
        return game().level()->prota->y < y - 0.1;
    };
    plugIn();
    openControls();
    EXPECT_EQ(padValue(0), "A");
    EXPECT_EQ(padValue(3), "Start");
    clickPad(kPadValue, 0);  // jump: waits for a button
    tap(SDL_CONTROLLER_BUTTON_Y);
    EXPECT_EQ(padValue(0), "Y");
    EXPECT_EQ(screen(), kControls);  // taken, not pressed on the menu
    clickPad(kPadValue, 3);          // pause onto B, which still goes back on the menus
    tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(padValue(3), "B");
    tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(screen(), kSettings);

    // Kept for the next start.
    pad.unplug();
    app.reset();
    pad.forget();
    const auto saved = nlohmann::json::parse(TempRunFolder::read("datus/config/config.json"));
    EXPECT_EQ(saved["padBindings"],
              nlohmann::json({{"jump", 3}, {"interact", 2}, {"dash", 10}, {"pause", 1}}));
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");  // SDL_Quit forgot it
    app = std::make_unique<App>(App::Options{1234});
    ASSERT_TRUE(app->startUp());
    plugIn();
    tap(SDL_CONTROLLER_BUTTON_A);  // shows the highlight
    tap(SDL_CONTROLLER_BUTTON_A);  // the menus keep A: Story Mode
    tap(SDL_CONTROLLER_BUTTON_A);  // Easy
    ASSERT_EQ(screen(), kLevel);
    EXPECT_FALSE(jumps(SDL_CONTROLLER_BUTTON_A));
    EXPECT_TRUE(jumps(SDL_CONTROLLER_BUTTON_Y));
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(screen(), kLevel);
    tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(screen(), kPause);
    tap(SDL_CONTROLLER_BUTTON_START);  // the pause menu keeps Start
    EXPECT_EQ(screen(), kLevel);

    // Restore puts today's buttons back.
    game().perform(kActionToTitle, app->window());
    openControls();
    EXPECT_EQ(padValue(0), "Y");
    clickPad(menu_layouts::kPadRestoreId, -1);
    EXPECT_EQ(padValue(0), "A");
    EXPECT_EQ(globals().padBindings, PadBindings{});
}

SDL_Event padEvent(Uint32 type, int which, int value = 0) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_CONTROLLERAXISMOTION) {
        e.caxis.axis = static_cast<Uint8>(which);
        e.caxis.value = static_cast<Sint16>(value);
    } else if (type == SDL_CONTROLLERDEVICEADDED) {
        e.cdevice.which = which;
    } else {
        e.cbutton.button = static_cast<Uint8>(which);
    }
    return e;
}

// A practice run of the first level played with a pad's events: walking right, aiming up and
// firing, jumping once, the pad pulled out and in again (a pad that cannot be opened: the game
// plays on).
void playWithAPad(long long frame) {
    const struct {
        long long frame;
        SDL_Event event;
    } script[] = {
        {2, padEvent(SDL_CONTROLLERAXISMOTION, SDL_CONTROLLER_AXIS_LEFTX, 25000)},
        {10, padEvent(SDL_CONTROLLERAXISMOTION, SDL_CONTROLLER_AXIS_RIGHTY, -30000)},
        {20, padEvent(SDL_CONTROLLERAXISMOTION, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 30000)},
        {40, padEvent(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_A)},
        {44, padEvent(SDL_CONTROLLERBUTTONUP, SDL_CONTROLLER_BUTTON_A)},
        {90, padEvent(SDL_CONTROLLERAXISMOTION, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0)},
        {90, padEvent(SDL_CONTROLLERDEVICEREMOVED, 0)},
        {100, padEvent(SDL_CONTROLLERDEVICEADDED, 99)},
        {100, padEvent(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_START)},
        {101, padEvent(SDL_CONTROLLERBUTTONUP, SDL_CONTROLLER_BUTTON_START)},
    };
    for (auto [at, event] : script) {
        if (at == frame) {
            SDL_PushEvent(&event);
        }
    }
}

TEST(PadRecording, APadPlayedRunReplaysToTheSameEnd) {
    constexpr long long kFrames = 160;
    TempRunFolder folder;
    Recording tape;
    tape.gameVersion = "test";
    auto options = [](RecordedRun& run) {
        App::Options o;
        o.feed = &run;
        o.seed = 5;
        o.scene = harness::shippedScene("scenes_1", 0);
        return o;
    };
    std::string played;
    {
        ScriptedPlatform machine;
        ScopedPlatform useMachine{machine};
        RecordedRun run(tape, machine);
        ScopedPlatform useRecorder{run.platform()};
        App app(options(run));
        ASSERT_TRUE(app.startUp());
        const double startX = app.game().level()->prota->x;
        std::size_t shotsSeen = 0;
        for (long long frame = 0; frame < kFrames; ++frame) {
            machine.advanceMs(10);
            playWithAPad(frame);
            ASSERT_TRUE(app.frame()) << frame;
            if (app.game().level()) {
                shotsSeen = std::max(shotsSeen, app.game().level()->playerShots.size());
            }
            if (frame == 95) {
                EXPECT_EQ(app.game().currentType(), kPause);  // pulled out
            }
        }
        EXPECT_EQ(app.game().currentType(), kLevel);
        // The pad played: the hero went right and fired.
        EXPECT_GT(app.game().level()->prota->x, startX + 1.0);
        EXPECT_GT(shotsSeen, 0u);
        tape.frames = kFrames;
        played = StateHash::of(app.game());
        app.shutDown();
    }
    std::string why;
    const auto loaded = Recording::parse(tape.serialise(), "test", why);
    ASSERT_TRUE(loaded) << why;
    RecordedRun run(*loaded, nullptr);
    ScopedPlatform useReplay{run.platform()};
    App app(options(run));
    ASSERT_TRUE(app.startUp());
    for (long long frame = 0; frame < loaded->frames; ++frame) {
        ASSERT_TRUE(app.frame()) << frame;
    }
    EXPECT_EQ(StateHash::of(app.game()), played);
    app.shutDown();
}

}  // namespace
