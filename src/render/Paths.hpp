#pragma once

#include <array>

// Every file the game reads or writes, relative to the run folder (the working directory).
namespace paths {

inline constexpr const char* kConfigFile = "datus/config/config.json";
inline constexpr const char* kScenesFile = "datus/config/scenes.json";
inline constexpr const char* kRankingFile = "datus/config/ranking.json";
inline constexpr const char* kDialogueEs = "datus/dialog/conversaciones_es.json";
inline constexpr const char* kDialogueEn = "datus/dialog/conversaciones_en.json";

inline constexpr const char* kMenuMusic = "music/main.mp3";
inline constexpr const char* kQuietMusic = "music/quiet_music.mp3";
inline constexpr const char* kLevelMusic = "music/level_music.mp3";
inline constexpr const char* kBoss1Music = "music/boss1.mp3";
inline constexpr const char* kBoss2Music = "music/boss2.mp3";
inline constexpr const char* kBoss3Music = "music/boss3.mp3";
inline constexpr const char* kBoss1TalkMusic = "music/boss1talk.mp3";
inline constexpr const char* kBoss2TalkMusic = "music/boss2talk.mp3";
inline constexpr const char* kBoss3TalkMusic = "music/boss3talk.mp3";

inline constexpr std::array<const char*, 9> kAllMusic = {
    kMenuMusic,  kQuietMusic,     kLevelMusic,     kBoss1Music,    kBoss2Music,
    kBoss3Music, kBoss1TalkMusic, kBoss2TalkMusic, kBoss3TalkMusic};

inline constexpr const char* kFont = "fonts/cavolini_b.ttf";

// Sound keys and their files, in loading order: key i is loaded from file i.
struct SoundFile {
    const char* key;
    const char* file;
};
inline constexpr std::array<SoundFile, 34> kSoundFiles = {{
    {"click", "music/click.wav"},
    {"dash", "music/dash.wav"},
    {"heartFall", "music/heart_fall.wav"},
    {"enemyHit", "music/hit_enemy.wav"},
    {"shootProta", "music/shoot_prota.wav"},
    {"shootBlanky", "music/shoot_blanky.wav"},
    {"shootPeanut", "music/shoot_peanut.wav"},
    {"shootButter", "music/shoot_butter.wav"},
    {"shootPikaboo", "music/shoot_pikaboo.wav"},
    {"shootHandyRock", "music/shoot_handy_rock.mp3"},
    {"shootHandyScissors", "music/shoot_handy_scissors.mp3"},
    {"itemBought", "music/item_bougth.wav"},
    {"interactProta", "music/interact_prota.wav"},
    {"damageTaken", "music/damage_taken.wav"},
    {"gameOver", "music/game_over.wav"},
    {"butterHit", "music/butter_damage.wav"},
    {"peanutHit", "music/peanut_damage.wav"},
    {"blankyHit", "music/blanky_damage.wav"},
    {"handyHit", "music/handy_damage.wav"},
    {"pikabooHit", "music/pikaboo_damage.wav"},
    {"storyCompleted", "music/story_completed.wav"},
    {"lustSwing", "music/lust_swing.wav"},
    {"valdroSwing", "music/valdro_swing.wav"},
    {"kiss", "music/lust_kiss.wav"},
    {"pearl", "music/greed_pearl.wav"},
    {"diamond", "music/greed_diamond.wav"},
    {"coins", "music/greed_coins.wav"},
    {"valdroWave", "music/valdro_wave.wav"},
    {"plainSkull", "music/skull.wav"},
    {"fire", "music/fire_skull.wav"},
    {"lustLaugh", "music/lust_laugh.wav"},
    {"greedRun", "music/greed_start_running.wav"},
    {"bossHit", "music/dano.mp3"},
    {"nonono", "music/nonono.wav"},
}};

// Images loaded once at start-up.
inline constexpr const char* kProtaSheet = "img/prota_sheet.png";
inline constexpr const char* kProtaShot = "img/disparoProta.png";
inline constexpr const char* kShortButton = "img/boton_corto.png";
inline constexpr const char* kLongButton = "img/boton_largo.png";
// The platform image table that scene files index ("platformIndex", "obstacleIndex").
inline constexpr std::array<const char*, 5> kPlatformImages = {
    "img/plat_table1.png", "img/plat_stool1.png", "img/obst_case1.png", "img/obst_case2.png",
    "img/plat_counter1.png"};

// Menu backgrounds.
inline constexpr const char* kTitleScreen = "img/TitleScreen.png";
inline constexpr const char* kPauseScreen = "img/PauseScreen.png";
inline constexpr const char* kGameMenu = "img/GameMenu.png";
inline constexpr const char* kGameMenuLang = "img/GameMenuLang.png";
inline constexpr const char* kGameOverScreen = "img/game_over.png";
inline constexpr const char* kRankingScreen = "img/scuseMe.png";
// What each menu's margins show on a window wider or taller than the menu: its backdrop alone.
inline constexpr const char* kTitleMargin = "img/TitleScreen_margin.png";
inline constexpr const char* kPauseMargin = "img/PauseScreen_margin.png";
inline constexpr const char* kGameMenuMargin = "img/GameMenu_margin.png";
inline constexpr const char* kGameOverMargin = "img/game_over_margin.png";
inline constexpr const char* kRankingMargin = "img/scuseMe_margin.png";

// The background table that scene files index ("bg").
inline constexpr std::array<const char*, 9> kBackgroundImages = {
    "img/bg0.png", "img/bg1.png",      "img/bg2.png",     "img/bgshop.png",   kGameMenu,
    kGameMenuLang, "img/bg_greed.png", "img/bg_lust.png", "img/bg_valdro.png"};
// The shop's background with its sign in English.
inline constexpr const char* kShopBackgroundEn = "img/bgshop_en.png";

// Scene and HUD pictures.
inline constexpr const char* kCrosshair = "img/cruceta.png";
inline constexpr const char* kReticle = "img/reticula.png";
inline constexpr const char* kHearts = "img/hp.png";
inline constexpr const char* kEmptyHearts = "img/hp_empty.png";
inline constexpr const char* kCoin = "img/coin.png";
inline constexpr const char* kPrompt = "img/f.png";
inline constexpr std::array<const char*, 3> kTreeLayers = {"img/trees1.png", "img/trees2.png",
                                                           "img/trees3.png"};
inline constexpr const char* kItemInfoEs = "img/infoObjetosES.png";
inline constexpr const char* kItemInfoEn = "img/infoObjetosEN.png";
inline constexpr const char* kProtaHead = "img/prota_head.png";
inline constexpr const char* kVolumeBar = "img/triangle.png";
inline constexpr const char* kSpeaker = "img/altavoz.png";
inline constexpr const char* kSpeakerMuted = "img/altavozX.png";

// Regular enemies.
inline constexpr const char* kBlankySheet = "img/blanky_sheet.png";
inline constexpr const char* kEnemyShot = "img/disparoEnemigo.png";
inline constexpr const char* kPikabooSheet = "img/pikaboo_sheet.png";
inline constexpr const char* kPeanutSheet = "img/peanut_sheet.png";
inline constexpr const char* kButterSheet = "img/butter_sheet.png";
inline constexpr const char* kButterDrop = "img/butter_shit.png";
inline constexpr const char* kHandySheet = "img/handy_sheet.png";
inline constexpr const char* kScissorsShot = "img/sci_shot.png";
inline constexpr const char* kRockShot = "img/rock_shot.png";

// Bosses and their companions.
inline constexpr const char* kGreedSheet = "img/greed_sheet.png";
inline constexpr const char* kLustSheet = "img/lust_sheet.png";
inline constexpr const char* kLampySheet = "img/lampy_sheet.png";
inline constexpr const char* kLampyLight = "img/lampy_light.png";
inline constexpr const char* kSpotlight = "img/spotlight.png";
inline constexpr const char* kValdro1Sheet = "img/valdro1_sheet.png";
inline constexpr const char* kValdro2Sheet = "img/valdro2_sheet.png";
inline constexpr const char* kValdro3Sheet = "img/valdro3_sheet.png";

// Talking characters.
inline constexpr const char* kBellboyBody = "img/bellboy_body.png";
inline constexpr const char* kBellboyBodyEn = "img/bellboy_body_en.png";
inline constexpr const char* kBellboySheet = "img/bellboy_sheet.png";
inline constexpr const char* kBolsillosBody = "img/bolsillos_body.png";
inline constexpr const char* kBolsillosBodyEn = "img/bolsillos_body_en.png";
inline constexpr const char* kValdroBody = "img/valdro_body.png";
inline constexpr const char* kCodiciaBody = "img/codicia_body.png";
inline constexpr const char* kCodiciaBodyEn = "img/codicia_body_en.png";
inline constexpr const char* kLujuriaBody = "img/lujuria_body.png";
inline constexpr const char* kLujuriaBodyEn = "img/lujuria_body_en.png";
inline constexpr const char* kPocketmanSheet = "img/pocketman_sheet.png";
inline constexpr const char* kProtaBody = "img/prota_body.png";
inline constexpr const char* kTutorialBody = "img/tutorial_body.png";

// Shop items, in item-kind order, and their labels.
inline constexpr std::array<const char*, 6> kItemImages = {
    "img/damageObject.png", "img/speedObject.png", "img/cadencyObject.png",
    "img/rangeObject.png",  "img/potion.png",      "img/heart.png"};
inline constexpr std::array<const char*, 5> kItemLabels = {"img/attack_plus.png",
                                                           "img/speed_plus.png", "img/cad_plus.png",
                                                           "img/range_plus.png", "img/hp_plus.png"};

}  // namespace paths
