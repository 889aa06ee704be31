#include "replay/Recording.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replay/RecorderPlatform.hpp"
#include "replay/ReplayPlatform.hpp"
#include "support/TempRunFolder.hpp"

namespace {

using Kind = Recording::Event::Kind;

Recording sample() {
    Recording r;
    r.gameVersion = "1.2.3";
    r.seed = 4'000'000'000u;
    r.difficulty = 2;
    r.scene = "scenes_1:0";
    r.windowWidth = 1600;
    r.windowHeight = 900;
    r.keys = kFixedKeySets[2];
    r.language = 1;
    r.addFrame(0, {10, 640, 360, 0});
    r.addFrame(1, {10, 640, 360, 0});  // unchanged: no line of its own
    r.addFrame(2, {12, 700, 300, SDL_BUTTON(SDL_BUTTON_LEFT)});
    r.addFrame(3, {10, 700, 300, SDL_BUTTON(SDL_BUTTON_LEFT)});
    r.addEvent({2, Kind::KeyDown, SDLK_UP, SDL_SCANCODE_UP, KMOD_LSHIFT, 0});
    r.addEvent({2, Kind::MouseDown, SDL_BUTTON_LEFT, 700, 300, 1});
    r.addEvent({5, Kind::KeyUp, SDLK_UP, SDL_SCANCODE_UP, 0, 0});
    r.addEvent({6, Kind::MouseUp, SDL_BUTTON_RIGHT, -4, 20, 2});
    r.addEvent({7, Kind::Window, SDL_WINDOWEVENT_RESIZED, 800, 600, 0});
    r.addEvent({7, Kind::PadAdded, 0, 0, 0, 0});
    r.addEvent({8, Kind::PadAxis, 3, SDL_CONTROLLER_AXIS_RIGHTX, -32768, 0});
    r.addEvent({8, Kind::PadButtonDown, 3, SDL_CONTROLLER_BUTTON_A, 0, 0});
    r.addEvent({8, Kind::PadButtonUp, 3, SDL_CONTROLLER_BUTTON_START, 0, 0});
    r.addEvent({9, Kind::PadRemoved, 3, 0, 0, 0});
    r.addEvent({9, Kind::Quit, 0, 0, 0, 0});
    r.frames = 10;
    r.endState = "00ff00ff00ff00ff";
    return r;
}

// Replaces the body's line that starts with `from` and seals the text with a fresh checksum,
// as a careless hand edit followed by a re-sealing tool would: the checks beyond integrity.
std::string resealed(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    text.replace(at, text.find('\n', at) - at, to);
    std::string body = text.substr(0, text.rfind("check "));
    return body + "check " + Recording::checksum(body) + "\n";
}

TEST(Recording, AnotherVersionOrADamagedFileIsRefusedSayingWhy) {
    const std::string good = sample().serialise();
    std::string flipped = good;
    flipped[flipped.find("e 5 keyup") + 2] = '4';
    const struct {
        const char* what;
        std::string text;
        const char* said;
    } cases[] = {
        {"empty", "", "not a Valdro recording"},
        {"a picture", "\x89PNG\r\n", "not a Valdro recording"},
        {"a later format", resealed(good, "valdro-recording 1", "valdro-recording 2"),
         "format \"2\""},
        {"one changed byte", flipped, "checksum does not match"},
        {"cut short", good.substr(0, good.size() / 2), "cut short"},
        {"the checksum line cut", good.substr(0, good.size() - 5), "cut short"},
        {"a line added after the checksum", good + "f 3 10 0 0 0\n", "cut short"},
        {"an unknown event", resealed(good, "e 6 mouseup", "e 6 mousewheel 1 2 3 4"),
         "line 15: unknown event \"mousewheel\""},
        {"frames out of order", resealed(good, "e 7 window", "e 1 window 5 800 600 0"),
         "line 16: frame 1 is out of order"},
        {"a missing field", resealed(good, "f 2 12", "f 2 12 700 300"),
         "expected \"f FRAME STEP_MS X Y BUTTONS\""},
        {"input after the end", resealed(good, "frames 10", "frames 8"),
         "input on frame 9 of a game 8 frames long"},
        {"a difficulty out of range", resealed(good, "difficulty 2", "difficulty 7"),
         "line 4: expected \"difficulty N\""},
        {"a negative seed", resealed(good, "seed 4000000000", "seed -3"), "line 3:"},
        {"a stray line", resealed(good, "state 00ff", "bogus 1"), "unexpected \"bogus 1\""},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_FALSE(Recording::parse(c.text, "1.2.3", why)) << c.what;
        EXPECT_NE(why.find(c.said), std::string::npos) << c.what << ": " << why;
    }

    std::string why;
    EXPECT_FALSE(Recording::parse(good, "1.3.0", why));
    EXPECT_NE(why.find("recorded with Valdro 1.2.3; this is Valdro 1.3.0"), std::string::npos)
        << why;
}

}  // namespace
