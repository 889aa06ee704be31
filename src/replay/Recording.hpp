#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "input/KeySet.hpp"

union SDL_Event;

// A played game as a file that plays it again: what decided the game (the seed, the difficulty,
// the active keys, the language, the window size, the scene practised) and every input frame by
// frame, the clock and the mouse as the platform gave them and each event the game reacts to.
//
// The file is text, one record a line, closed by a checksum of everything before it. A
// recording from another version of the game, a damaged or cut-short file, or a line the game
// cannot read is refused with one line saying why, never replayed into a silent desync.
class Recording {
public:
    static constexpr int kFormatVersion = 1;
    static constexpr const char* kMagic = "valdro-recording";

    // What the game reads through the platform during one frame. Only frames where it changes
    // are kept in the file; a frame without its own line repeats the frame before.
    struct FrameInput {
        int stepMs = 0;  // clock advance since the frame before
        int mouseX = 0;
        int mouseY = 0;
        std::uint32_t mouseButtons = 0;
        bool operator==(const FrameInput&) const = default;
    };

    // One input event the game reacts to, on the frame it was handled.
    struct Event {
        enum class Kind {
            KeyDown,
            KeyUp,
            MouseDown,
            MouseUp,
            Window,
            Quit,
            PadButtonDown,
            PadButtonUp,
            PadAxis,
            PadAdded,
            PadRemoved
        };
        long long frame = 0;
        Kind kind = Kind::Quit;
        // Keys: keycode, scancode, modifiers, repeat. Mouse: button, x, y, clicks.
        // Window: the window event, data1, data2. Pad buttons: the pad, the button. Pad axes:
        // the pad, the axis, the value. A pad plugged in: its device index; pulled out: the pad.
        int a = 0;
        int b = 0;
        int c = 0;
        int d = 0;
        bool operator==(const Event&) const = default;

        // The recordable part of an SDL event; nothing for kinds the game ignores.
        static std::optional<Event> of(const SDL_Event& event, long long frame);
        void toSdl(SDL_Event& out) const;
    };

    std::string gameVersion;
    std::uint32_t seed = 0;
    int difficulty = 1;
    std::string scene;  // as given to --scene; empty when the game started on its title
    int windowWidth = 1280;
    int windowHeight = 720;
    KeySet keys;                          // the active bindings; configOption names their set
    int language = 0;                     // 0 Spanish, 1 English: the characters' lines differ
    long long frames = 0;                 // frames played
    std::optional<std::string> endState;  // the state hash when the recording closed

    // Frames are added in order; the input is kept only where it changed.
    void addFrame(long long frame, const FrameInput& input);
    // Events are added in frame order.
    void addEvent(const Event& event);
    // The input of any frame, carried over from the last frame that changed it.
    FrameInput frameInput(long long frame) const;
    const std::vector<Event>& events() const { return events_; }

    std::string serialise() const;
    // Nothing, with one line saying why, for another format or game version, a damaged or
    // cut-short text, or a line out of place.
    static std::optional<Recording> parse(const std::string& text,
                                          const std::string& thisGameVersion, std::string& why);

    // Written atomically. False when the file cannot be written.
    bool save(const std::string& path) const;
    // As parse; the reason names the file.
    static std::optional<Recording> load(const std::string& path,
                                         const std::string& thisGameVersion, std::string& why);

    // The checksum closing a recording: FNV-1a, 64 bits, as 16 hex digits.
    static std::string checksum(const std::string& text);

private:
    struct Change {
        long long frame;
        FrameInput input;
    };
    std::vector<Change> changes_;
    std::vector<Event> events_;
};
