#include "replay/RecordedRun.hpp"

#include <SDL.h>

#include "app/Game.hpp"

RecordedRun::RecordedRun(Recording& tape, Platform& real)
    : mode_(Mode::Record), tape_(&tape), source_(tape) {
    recorder_.emplace(real, tape);
}

RecordedRun::RecordedRun(const Recording& tape, Platform* pace)
    : mode_(Mode::Replay), source_(tape) {
    replayer_.emplace(tape, pace);
}

Platform& RecordedRun::platform() {
    if (recorder_) {
        return *recorder_;
    }
    return *replayer_;
}

void RecordedRun::beginFrame(long long frame) {
    frame_ = frame;
    if (recorder_) {
        recorder_->beginFrame(frame);
    } else {
        replayer_->beginFrame(frame);
    }
}

void RecordedRun::setPace(Platform* pace) {
    if (replayer_) {
        replayer_->setPace(pace);
    }
}

bool RecordedRun::feed(Game& game, SDL_Window* window) {
    beginFrame(frame_);
    const bool quit = handOver(game, window);
    ++frame_;
    return quit;
}

bool RecordedRun::handOver(Game& game, SDL_Window* window) {
    bool quit = false;
    SDL_Event event;
    if (mode_ == Mode::Record) {
        // Only what can be written down reaches the game, so the replay sees the same.
        while (SDL_PollEvent(&event) != 0) {
            const std::optional<Recording::Event> recorded = Recording::Event::of(event, frame_);
            if (recorded) {
                tape_->addEvent(*recorded);
                quit = game.handleEvent(event, window) || quit;
            }
        }
        return quit;
    }
    // The machine's own events are not the recording's: only closing the window counts.
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_QUIT ||
            (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
            interrupted_ = true;
        }
    }
    if (interrupted_) {
        return true;
    }
    const auto& events = source_.events();
    for (; nextEvent_ < events.size() && events[nextEvent_].frame <= frame_; ++nextEvent_) {
        events[nextEvent_].toSdl(event);
        quit = game.handleEvent(event, window) || quit;
    }
    return quit;
}
