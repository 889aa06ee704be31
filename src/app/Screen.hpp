#pragma once

struct PadInput;
struct SDL_Renderer;
union SDL_Event;

// Screen types: what the game shows at the moment.
enum ScreenType : int {
    kLevel = 2,
    kTitle = 3,
    kGameOver = 4,
    kPause = 5,
    kSettings = 6,
    kRanking = 7,
    kControls = 8,
    kDifficulty = 9,
    kEnding = 10,  // after the story: the ending and its credits
};

// Action codes a screen's update hands back to the game.
enum GameAction : int {
    kActionNone = 2,
    kActionGameOver = 3,
    kActionLevelCompleted = 4,
    kActionToTitle = 5,
    kActionChooseStory = 6,
    kActionPause = 7,
    kActionResume = 8,
    kActionSettingsFromPause = 9,
    kActionSettingsFromTitle = 10,
    kActionExit = 11,
    kActionShowRanking = 12,
    kActionChooseInfinite = 13,
    kActionSetEnglish = 14,
    kActionSetSpanish = 15,
    kActionClearRanking = 16,
    kActionMusicVolumeChanged = 17,
    kActionSfxVolumeChanged = 18,
    kActionShowControls = 19,
    kActionStartEasy = 20,
    kActionStartNormal = 21,
    kActionStartHard = 22,
    kActionStartImpossible = 23,
    kActionRevive = 24,
};

// One thing the game can show: a playable scene or a menu. Exactly one is current; it alone
// receives input, is updated and is drawn.
class Screen {
public:
    virtual ~Screen() = default;

    virtual int screenType() const = 0;
    // One input event. scale is pixels per world unit; the camera is the world point at the
    // window's top-left corner.
    virtual void handleEvent(const SDL_Event& event, double scale, double camX, double camY) = 0;
    // One change on the gamepad (a press, a release or a new aim).
    virtual void handlePad(const PadInput&) {}
    // One frame. A playable scene may scroll camX. Returns a GameAction.
    virtual int update(double scale, double& camX, double camY, double viewWidth,
                       double scrollMargin) = 0;
    virtual void render(SDL_Renderer* renderer) = 0;
    // Recomputes every pixel rectangle after the scale or the camera changed.
    virtual void updateDstRect(double scale, double camX, double camY) = 0;
    // The window was minimised or lost focus: a running level pauses on its next update.
    virtual void requestPause() {}
};
