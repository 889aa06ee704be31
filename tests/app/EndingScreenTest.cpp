#include "menus/EndingScreen.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include "app/GameGlobals.hpp"
#include "input/PadInput.hpp"
#include "support/SceneHarness.hpp"

namespace {

enum class Press { None, Interact, Escape, Jump, PadButton, PadStick };

struct Case {
    const char* name;
    Press press;
    int atFrame;
    int titleAfter;  // frames shown before the title comes back
};

// The ending goes by on its own; the interaction key, Escape or a pad button skip it, but not
// in its first second (a press meant for the last line) nor with any other key or the stick.
TEST(EndingScreen, RollsByOrIsSkippedByTheRightPresses) {
    constexpr int kRoll = EndingScreen::kRollFrames;
    const Case cases[] = {
        {"left alone", Press::None, 0, kRoll},      {"interact", Press::Interact, 300, 300},
        {"escape", Press::Escape, 300, 300},        {"pad button", Press::PadButton, 300, 300},
        {"too early", Press::Interact, 10, kRoll},  {"another key", Press::Jump, 300, kRoll},
        {"the stick", Press::PadStick, 300, kRoll},
    };
    for (const Case& c : cases) {
        EndingScreen ending(1234, 3725, 1);
        double camX = 0.0;
        int shown = 0;
        while (ending.update(1.0, camX, 0.0, 16.0, 6.0) == kActionNone && shown <= kRoll) {
            shown += 1;
            if (shown != c.atFrame) {
                continue;
            }
            const KeySet& k = globals().activeKeys;
            switch (c.press) {
                case Press::Interact:
                case Press::Escape:
                case Press::Jump: {
                    const SDL_Keycode key = c.press == Press::Interact ? k.interactKey
                                            : c.press == Press::Escape ? SDLK_ESCAPE
                                                                       : k.upKey;
                    ending.handleEvent(harness::keyEvent(SDL_KEYDOWN, key), 1.0, 0.0, 0.0);
                    break;
                }
                case Press::PadButton:
                    ending.handlePad(PadInput{PadControl::Confirm, true});
                    break;
                case Press::PadStick:
                    ending.handlePad(PadInput{PadControl::Left, true});
                    break;
                case Press::None:
                    break;
            }
        }
        EXPECT_EQ(shown, c.titleAfter) << c.name;
    }
    EndingScreen english(1234, 3725, 1);
    bool score = false;
    bool time = false;
    for (const EndingScreen::Row& row : english.rows()) {
        score = score || row.text == "Score: 01234";
        time = time || row.text == "Time: 01:02:05";
    }
    EXPECT_TRUE(score && time);
}

}  // namespace
