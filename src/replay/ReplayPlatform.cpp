#include "replay/ReplayPlatform.hpp"

#include <cstdio>

void ReplayPlatform::beginFrame(long long frame) {
    input_ = tape_.frameInput(frame);
    nowMs_ += input_.stepMs;
}

void ReplayPlatform::showMessage(const std::string& title, const std::string& text, SDL_Window*) {
    messages_.push_back(title + ": " + text);
    std::fprintf(stderr, "valdro: %s: %s\n", title.c_str(), text.c_str());
}
