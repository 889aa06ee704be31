#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/Screen.hpp"

// After Valdro: the hero looks back over the lobby while the run's score and time and a short
// credits roll go up the screen, with the cast standing by. The interaction key, Escape or any
// pad button skips it; when it has rolled by (or is skipped) the title comes back.
class EndingScreen : public Screen {
public:
    // How long the roll takes to go by, in frames.
    static constexpr int kRollFrames = 4200;

    // One row of the roll: its text and whether it is a heading (drawn larger).
    struct Row {
        std::string text;
        bool heading = false;
    };

    // score and seconds: the finished run's; language 0 Spanish, 1 English. The hero's words
    // are read from the dialogue of that language.
    EndingScreen(int score, std::uint64_t seconds, int language);

    int screenType() const override { return kEnding; }
    void handleEvent(const SDL_Event& event, double scale, double camX, double camY) override;
    void handlePad(const PadInput& input) override;
    int update(double scale, double& camX, double camY, double viewWidth,
               double scrollMargin) override;
    void render(SDL_Renderer* renderer) override;
    void updateDstRect(double, double, double) override {}

    const std::vector<Row>& rows() const { return rows_; }
    int frame() const { return frame_; }
    bool skipped() const { return skipped_; }

private:
    void addWrapped(const std::string& text);

    std::vector<Row> rows_;
    int frame_ = 0;
    bool skipped_ = false;
};
