#include "menus/SettingsMenu.hpp"

#include <algorithm>

#include "menus/Button.hpp"
#include "menus/MenuLayouts.hpp"
#include "menus/MenuTextures.hpp"
#include "render/Audio.hpp"

namespace {
constexpr int kEnglishId = 7;
constexpr int kSpanishId = 8;
constexpr int kMusicUpId = 10;
constexpr int kSfxUpId = 11;
constexpr int kMusicDownId = 12;
constexpr int kSfxDownId = 13;
constexpr int kMusicMuteId = 14;
constexpr int kSfxMuteId = 15;
constexpr int kControlsId = 18;

constexpr double kBarX = 7.0;
constexpr double kMusicBarY = 6.0;
constexpr double kSfxBarY = 9.0;
constexpr double kBarHeight = 1.0;
}  // namespace

SettingsMenu::SettingsMenu()
    : Menu(kSettings, nullptr, menu_layouts::settingsButtons()),
      musicBar(nullptr, kBarX, kMusicBarY, 0.0, kBarHeight),
      sfxBar(nullptr, kBarX, kSfxBarY, 0.0, kBarHeight) {
    musicBar.ensureDstRect();
    sfxBar.ensureDstRect();
    volumeChanged(true);
    volumeChanged(false);
}

void SettingsMenu::volumeUp(int& volume, int& saved) {
    if (saved != 0) {
        std::swap(volume, saved);
    }
    volume = std::min(volume + kVolumeStep, kMaxVolume);
}

void SettingsMenu::volumeDown(int& volume, int& saved) {
    int from = volume;
    if (saved != 0) {
        // Lowering a muted volume unmutes it one step lower.
        from = saved;
        saved = 0;
    }
    volume = std::max(from - kVolumeStep, 0);
}

void SettingsMenu::toggleMute(int& volume, int& saved) {
    std::swap(volume, saved);
}

int SettingsMenu::takeClick(int id) {
    clearClick();
    AudioState& a = audio::state();
    switch (id) {
        case kBackId:
            return fromPause ? kActionPause : kActionToTitle;
        case kSpanishId:
            return kActionSetSpanish;
        case kEnglishId:
            return kActionSetEnglish;
        case kControlsId:
            return kActionShowControls;
        case kMusicUpId:
            volumeUp(a.musicVolume, a.savedMusicVolume);
            break;
        case kMusicDownId:
            volumeDown(a.musicVolume, a.savedMusicVolume);
            break;
        case kMusicMuteId:
            toggleMute(a.musicVolume, a.savedMusicVolume);
            break;
        case kSfxUpId:
            volumeUp(a.sfxVolume, a.savedSfxVolume);
            break;
        case kSfxDownId:
            volumeDown(a.sfxVolume, a.savedSfxVolume);
            break;
        case kSfxMuteId:
            toggleMute(a.sfxVolume, a.savedSfxVolume);
            break;
        default:
            return kActionNone;
    }
    const bool music = id == kMusicUpId || id == kMusicDownId || id == kMusicMuteId;
    volumeChanged(music);
    return music ? kActionMusicVolumeChanged : kActionSfxVolumeChanged;
}

void SettingsMenu::volumeChanged(bool music) {
    const AudioState& a = audio::state();
    const int volume = music ? a.musicVolume : a.sfxVolume;
    if (music) {
        audio::applyMusicVolume();
    } else {
        audio::applyEffectsVolume();
    }
    if (Button* mute = find(music ? kMusicMuteId : kSfxMuteId)) {
        mute->setText(volume != 0 ? 1 : 0);
    }
    Renderizable& bar = music ? musicBar : sfxBar;
    bar.setSrcRect(SDL_Rect{0, 0, volume * kBarPixelsPerPoint, kBarImageHeight});
    bar.w = volume / kBarPointsPerUnit;
    bar.updateDstRect(scale_, camX_, camY_);
}

void SettingsMenu::updateDstRect(double scale, double camX, double camY) {
    Menu::updateDstRect(scale, camX, camY);
    musicBar.updateDstRect(scale, camX, camY);
    sfxBar.updateDstRect(scale, camX, camY);
}

void SettingsMenu::renderExtras(SDL_Renderer* renderer) {
    musicBar.texture = sfxBar.texture = menuTextures().volumeBar;
    musicBar.render(renderer);
    sfxBar.render(renderer);
}
