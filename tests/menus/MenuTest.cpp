#include "menus/Menu.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/GameGlobals.hpp"
#include "input/PadInput.hpp"
#include "menus/Button.hpp"
#include "menus/ControlsMenu.hpp"
#include "menus/MenuLayouts.hpp"
#include "menus/PauseMenu.hpp"
#include "menus/RankingTable.hpp"
#include "menus/SettingsMenu.hpp"
#include "menus/TextCache.hpp"
#include "npc/Items.hpp"
#include "npc/Objeto.hpp"
#include "render/Audio.hpp"
#include "support/SceneHarness.hpp"

namespace {

constexpr double kScale = 50.0;

SDL_Event mouse(Uint32 type, double wx, double wy) {
    SDL_Event e{};
    e.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<int>(wx * kScale);
    e.button.y = static_cast<int>(wy * kScale);
    return e;
}

// The action of the menu's next update.
int next(Menu& menu) {
    double camX = 0.0;
    return menu.update(kScale, camX, 0.0, 16.0, 6.0);
}

// Presses at one world point and releases at another; returns the action of the next update.
int click(Menu& menu, double downX, double downY, double upX, double upY) {
    menu.handleEvent(mouse(SDL_MOUSEBUTTONDOWN, downX, downY), kScale, 0.0, 0.0);
    menu.handleEvent(mouse(SDL_MOUSEBUTTONUP, upX, upY), kScale, 0.0, 0.0);
    return next(menu);
}

// Clicks the centre of the first button with this id (and param, when given).
int clickButton(Menu& menu, int id, int param = -2) {
    for (const auto& b : menu.buttons) {
        if (b->id == id && (param == -2 || b->param == param)) {
            const double cx = b->area.x + b->area.w / 2;
            const double cy = b->area.y + b->area.h / 2;
            return click(menu, cx, cy, cx, cy);
        }
    }
    ADD_FAILURE() << "no button " << id;
    return -1;
}

int typeKey(Menu& menu, SDL_Keycode sym, bool repeat = false) {
    menu.handleEvent(harness::keyEvent(SDL_KEYDOWN, sym, repeat), kScale, 0.0, 0.0);
    menu.handleEvent(harness::keyEvent(SDL_KEYUP, sym), kScale, 0.0, 0.0);
    return next(menu);
}

class MenuPlay : public ::testing::Test {
protected:
    void SetUp() override {
        globals() = GameGlobals{};
        text_cache::build();
        audio::setSoundListener([this](const std::string& k) { sounds.push_back(k); });
    }
    void TearDown() override {
        audio::setSoundListener(nullptr);
        text_cache::clear();
    }
    std::vector<std::string> sounds;
};

TEST_F(MenuPlay, APressCountsOnReleaseWhereverThePointerIs) {
    Menu title(kTitle, nullptr, menu_layouts::titleButtons());
    title.setLanguage(0);
    // Pressed on "Salir", released outside: still Exit, with one click sound.
    EXPECT_EQ(click(title, 6.0, 10.0, 0.5, 0.5), kActionExit);
    EXPECT_EQ(sounds, std::vector<std::string>{"click"});
    title.clearClick();
    // Pressed outside every button, released on one: nothing.
    EXPECT_EQ(click(title, 0.5, 0.5, 6.0, 10.0), kActionNone);
    EXPECT_EQ(clickButton(title, 4), kActionChooseStory);
    title.clearClick();
    // Held Escape repeats: only the first press counts.
    EXPECT_EQ(typeKey(title, SDLK_ESCAPE, true), kActionNone);
    EXPECT_EQ(typeKey(title, SDLK_ESCAPE), kActionExit);
}

TEST_F(MenuPlay, VolumesStepMuteAndRemember) {
    SettingsMenu settings;
    settings.setLanguage(0);
    AudioState& a = audio::state();
    a.musicVolume = 60;
    a.savedMusicVolume = 0;
    struct Step {
        int buttonId;
        int volume;
        int saved;
        const char* speaker;
    };
    // Mute at 60, then "+" unmutes and raises; "-" while muted at 5 goes to 0.
    for (const Step& s :
         {Step{14, 0, 60, text_cache::kSpeakerOff}, Step{10, 65, 0, text_cache::kSpeakerOn},
          Step{12, 60, 0, text_cache::kSpeakerOn}, Step{14, 0, 60, text_cache::kSpeakerOff},
          Step{14, 60, 0, text_cache::kSpeakerOn}}) {
        EXPECT_EQ(clickButton(settings, s.buttonId), kActionMusicVolumeChanged);
        EXPECT_EQ(a.musicVolume, s.volume);
        EXPECT_EQ(a.savedMusicVolume, s.saved);
        EXPECT_EQ(settings.find(14)->shownText, s.speaker);
    }
    EXPECT_DOUBLE_EQ(settings.musicBar.w, 60 / 50.0);
    ASSERT_NE(settings.musicBar.dstRect, nullptr);
    EXPECT_EQ(settings.musicBar.dstRect->w, 60);  // placed with the screen, not only on resize
    a.sfxVolume = 0;
    a.savedSfxVolume = 5;
    EXPECT_EQ(clickButton(settings, 13), kActionSfxVolumeChanged);
    EXPECT_EQ(a.sfxVolume, 0);
    EXPECT_EQ(a.savedSfxVolume, 0);
    EXPECT_EQ(settings.find(15)->shownText, text_cache::kSpeakerOff);
    for (int i = 0; i < 25; ++i) {
        clickButton(settings, 11);
    }
    EXPECT_EQ(a.sfxVolume, 100);
    a.musicVolume = a.sfxVolume = 50;
}

TEST_F(MenuPlay, RebindingMakesTheCustomSetAndRestoreOrBackDecide) {
    GameGlobals& g = globals();
    g.activeKeys = g.keySets[0];
    ControlsMenu controls;
    controls.setLanguage(0);
    controls.refreshKeyLabels();
    auto valueText = [&](int slot) {
        for (const auto& b : controls.buttons) {
            if (b->id == ControlsMenu::kSlotId && b->texts.empty() && b->param == slot) {
                return b->shownText;
            }
        }
        return std::string("?");
    };
    EXPECT_EQ(valueText(2), "W");
    EXPECT_EQ(text_cache::colourOf("Predeterminado 1").g, 255);  // the set in use is white

    // Default 2, then rebind jump to K and pause to Escape (Escape does not leave the screen).
    EXPECT_EQ(clickButton(controls, ControlsMenu::kKeySetId, 1), kActionNone);
    EXPECT_EQ(valueText(2), "Space");
    EXPECT_EQ(text_cache::colourOf("Predeterminado 2").g, 255);
    EXPECT_EQ(text_cache::colourOf("Predeterminado 1").g, 28);
    clickButton(controls, ControlsMenu::kSlotId, 2);
    EXPECT_EQ(typeKey(controls, SDLK_k), kActionNone);
    clickButton(controls, ControlsMenu::kSlotId, 6);
    EXPECT_EQ(typeKey(controls, SDLK_ESCAPE), kActionNone);
    EXPECT_EQ(typeKey(controls, SDLK_ESCAPE, true), kActionNone);  // the held key's repeat
    EXPECT_EQ(valueText(2), "K");
    EXPECT_EQ(valueText(6), "Escape");
    EXPECT_EQ(text_cache::colourOf("Personalizado").g, 255);
    EXPECT_EQ(text_cache::colourOf("Predeterminado 2").g, 28);

    // Restore throws the edit away: the old keys are in force and shown.
    EXPECT_EQ(clickButton(controls, ControlsMenu::kRestoreId), kActionNone);
    EXPECT_EQ(g.activeKeys, g.keySets[0]);
    EXPECT_EQ(valueText(2), "W");
    EXPECT_EQ(text_cache::colourOf("Predeterminado 1").g, 255);

    // The same edit again, then Back commits it as the custom set.
    clickButton(controls, ControlsMenu::kKeySetId, 1);
    clickButton(controls, ControlsMenu::kSlotId, 2);
    typeKey(controls, SDLK_k);
    EXPECT_EQ(typeKey(controls, SDLK_ESCAPE), kActionSettingsFromTitle);
    KeySet expected = kFixedKeySets[1];
    expected.upKey = SDLK_k;
    expected.configOption = kCustomKeySet;
    EXPECT_EQ(g.activeKeys, expected);
    EXPECT_EQ(g.keySets[kCustomKeySet], expected);
    controls.fromPause = true;
    EXPECT_EQ(clickButton(controls, 2), kActionSettingsFromPause);
}

TEST_F(MenuPlay, PauseKeyResumesOnReleaseAndClosesTheItemsPanel) {
    PauseMenu pause;
    pause.setLanguage(0);
    // A bought item's icon is placed with the screen.
    items::inventory().clear();
    items::inventory().recordPurchase(0);
    next(pause);
    const auto& icon = items::inventory().entries().at(0).icon;
    ASSERT_NE(icon->dstRect, nullptr);
    EXPECT_EQ(icon->dstRect->w, static_cast<int>(icon->w * kScale));
    items::inventory().clear();

    EXPECT_EQ(clickButton(pause, PauseMenu::kItemsId), kActionNone);
    EXPECT_TRUE(pause.itemsPanelOpen);
    EXPECT_EQ(click(pause, 6.0, 6.5, 6.0, 6.5), kActionNone);  // on Resume, but the panel covers it
    EXPECT_FALSE(pause.itemsPanelOpen);
    clickButton(pause, PauseMenu::kItemsId);
    EXPECT_EQ(typeKey(pause, SDLK_ESCAPE), kActionNone);  // the pause key closes the panel first
    EXPECT_FALSE(pause.itemsPanelOpen);
    pause.handleEvent(harness::keyEvent(SDL_KEYDOWN, SDLK_ESCAPE), kScale, 0, 0);
    EXPECT_EQ(next(pause), kActionNone);  // not before the release
    EXPECT_EQ(typeKey(pause, SDLK_ESCAPE), kActionResume);
}

TEST(RankingTable, RowsAlignScoresAndCapTheClock) {
    struct Case {
        int score;
        int spaces;
    };
    for (const Case& c : {Case{12345, 1}, Case{10000, 2}, Case{7, 5}, Case{1, 6}, Case{0, 5},
                          Case{-40, 3}, Case{99999, 1}}) {
        EXPECT_EQ(ranking_table::alignmentSpaces(c.score), c.spaces) << c.score;
    }
    EXPECT_EQ(ranking_table::clockText(3725), "01:02:05");
    EXPECT_EQ(ranking_table::clockText(100 * 3600 + 125), "99:59:59");
    EXPECT_EQ(ranking_table::rowText(1, 12345, 3725), "1   -  12345   01:02:05");
    EXPECT_EQ(ranking_table::rowText(10, 7, 0), "10 -      7   00:00:00");
}

TEST_F(MenuPlay, EveryMenuTextHasItsPictureThePadLegendIncluded) {
    const std::vector<std::string>& rendered = text_cache::menuStrings();
    auto has = [&](const std::string& text) {
        return std::find(rendered.begin(), rendered.end(), text) != rendered.end();
    };
    int legendLines = 0;
    for (const auto& list : {menu_layouts::titleButtons(), menu_layouts::pauseButtons(),
                             menu_layouts::settingsButtons(), menu_layouts::controlsButtons(),
                             menu_layouts::difficultyButtons(), menu_layouts::rankingButtons(),
                             menu_layouts::gameOverButtons()}) {
        for (const auto& b : list) {
            for (const auto& [language, text] : b->texts) {
                EXPECT_TRUE(has(text)) << "\"" << text << "\" is drawn from nothing";
                legendLines += text == "LT: impulso" || text == "LT: dash" ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(legendLines, 2);  // the controls screen shows the pad, in both languages
}

}  // namespace
