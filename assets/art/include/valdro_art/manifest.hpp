// Valdro art manifest: every image the game loads, its size, and every frame
// rectangle or source rectangle the game cuts out of it. The generator draws
// exactly these sizes; the contact-sheet tool and the tests read the same table.
#pragma once

#include <array>
#include <string_view>

namespace valdro::art {

enum class Family {
    Player,
    Enemy,
    Boss,
    Npc,
    Portrait,
    Item,
    Hud,
    Platform,
    Background,
    TreeLayer,
    Menu,
};

struct ImageSpec {
    std::string_view path;  // relative to the run folder
    int w;
    int h;
    Family family;
    bool opaque;  // fully opaque picture (backgrounds, menus), otherwise a sprite on transparency
};

// One named animation (or a single source rectangle: frames = 1) cut from an image.
// Frame i is (x + i * w, y, w, h).
struct Cut {
    std::string_view image;
    std::string_view name;
    int frames;
    int x;
    int y;
    int w;
    int h;
};

inline constexpr int kBackgroundPxPerUnit = 100;  // backgrounds: 100 px per world unit, 900 px tall
inline constexpr int kTreeViewW = 768;
inline constexpr int kTreeViewH = 432;

inline constexpr std::array kImages = {
    // start-up
    ImageSpec{"img/prota_sheet.png", 896, 768, Family::Player, false},
    ImageSpec{"img/disparoProta.png", 100, 100, Family::Player, false},
    ImageSpec{"img/plat_table1.png", 384, 192, Family::Platform, false},
    ImageSpec{"img/plat_stool1.png", 128, 192, Family::Platform, false},
    ImageSpec{"img/obst_case1.png", 256, 384, Family::Platform, false},
    ImageSpec{"img/obst_case2.png", 384, 256, Family::Platform, false},
    ImageSpec{"img/plat_counter1.png", 512, 256, Family::Platform, false},
    ImageSpec{"img/boton_corto.png", 128, 128, Family::Hud, false},
    ImageSpec{"img/boton_largo.png", 600, 100, Family::Hud, false},
    // menu screens
    ImageSpec{"img/TitleScreen.png", 1600, 1200, Family::Menu, true},
    ImageSpec{"img/PauseScreen.png", 1600, 1200, Family::Menu, true},
    ImageSpec{"img/GameMenu.png", 1600, 1200, Family::Menu, true},
    ImageSpec{"img/game_over.png", 1600, 1200, Family::Menu, true},
    ImageSpec{"img/scuseMe.png", 1600, 1200, Family::Menu, true},
    ImageSpec{"img/GameMenuLang.png", 1600, 1200, Family::Menu, true},
    // what the menus' margins show beside a 4:3 menu on a wider window
    ImageSpec{"img/TitleScreen_margin.png", 800, 600, Family::Menu, true},
    ImageSpec{"img/PauseScreen_margin.png", 800, 600, Family::Menu, true},
    ImageSpec{"img/GameMenu_margin.png", 800, 600, Family::Menu, true},
    ImageSpec{"img/game_over_margin.png", 800, 600, Family::Menu, true},
    ImageSpec{"img/scuseMe_margin.png", 800, 600, Family::Menu, true},
    // scene and HUD
    ImageSpec{"img/cruceta.png", 128, 128, Family::Hud, false},
    ImageSpec{"img/reticula.png", 300, 200, Family::Hud, false},
    ImageSpec{"img/hp.png", 350, 50, Family::Hud, false},
    ImageSpec{"img/hp_empty.png", 350, 50, Family::Hud, false},
    ImageSpec{"img/bg0.png", 6400, 900, Family::Background, false},
    ImageSpec{"img/bg1.png", 6400, 900, Family::Background, false},
    ImageSpec{"img/bg2.png", 6400, 900, Family::Background, false},
    ImageSpec{"img/bgshop.png", 3200, 900, Family::Background, false},
    ImageSpec{"img/bgshop_en.png", 3200, 900, Family::Background, false},
    ImageSpec{"img/bg_greed.png", 6400, 900, Family::Background, false},
    ImageSpec{"img/bg_lust.png", 3200, 900, Family::Background, false},
    ImageSpec{"img/bg_valdro.png", 3200, 900, Family::Background, false},
    ImageSpec{"img/coin.png", 128, 128, Family::Hud, false},
    ImageSpec{"img/f.png", 163, 162, Family::Hud, false},
    ImageSpec{"img/trees1.png", 1537, 432, Family::TreeLayer, false},
    ImageSpec{"img/trees2.png", 1537, 432, Family::TreeLayer, false},
    ImageSpec{"img/trees3.png", 1537, 432, Family::TreeLayer, true},
    ImageSpec{"img/infoObjetosES.png", 1600, 1200, Family::Menu, true},
    ImageSpec{"img/infoObjetosEN.png", 1600, 1200, Family::Menu, true},
    ImageSpec{"img/prota_head.png", 128, 160, Family::Hud, false},
    ImageSpec{"img/triangle.png", 2000, 1000, Family::Hud, false},
    // regular enemies
    ImageSpec{"img/blanky_sheet.png", 512, 384, Family::Enemy, false},
    ImageSpec{"img/disparoEnemigo.png", 100, 100, Family::Enemy, false},
    ImageSpec{"img/pikaboo_sheet.png", 512, 512, Family::Enemy, false},
    ImageSpec{"img/peanut_sheet.png", 512, 384, Family::Enemy, false},
    ImageSpec{"img/butter_sheet.png", 512, 256, Family::Enemy, false},
    ImageSpec{"img/butter_shit.png", 100, 100, Family::Enemy, false},
    ImageSpec{"img/handy_sheet.png", 512, 896, Family::Enemy, false},
    ImageSpec{"img/sci_shot.png", 128, 128, Family::Enemy, false},
    ImageSpec{"img/rock_shot.png", 128, 128, Family::Enemy, false},
    // bosses
    ImageSpec{"img/greed_sheet.png", 1728, 2048, Family::Boss, false},
    ImageSpec{"img/lust_sheet.png", 3840, 1152, Family::Boss, false},
    ImageSpec{"img/valdro1_sheet.png", 3584, 3200, Family::Boss, false},
    ImageSpec{"img/valdro2_sheet.png", 3584, 3200, Family::Boss, false},
    ImageSpec{"img/valdro3_sheet.png", 3584, 3200, Family::Boss, false},
    ImageSpec{"img/lampy_sheet.png", 512, 256, Family::Boss, false},
    ImageSpec{"img/lampy_light.png", 512, 1152, Family::Boss, false},
    ImageSpec{"img/spotlight.png", 300, 155, Family::Boss, false},
    // talking characters
    ImageSpec{"img/bellboy_body.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/bellboy_body_en.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/bellboy_sheet.png", 2304, 576, Family::Npc, false},
    ImageSpec{"img/bolsillos_body.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/bolsillos_body_en.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/valdro_body.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/codicia_body.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/codicia_body_en.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/lujuria_body.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/lujuria_body_en.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/pocketman_sheet.png", 768, 576, Family::Npc, false},
    ImageSpec{"img/prota_body.png", 1600, 900, Family::Portrait, false},
    ImageSpec{"img/tutorial_body.png", 1600, 900, Family::Portrait, false},
    // shop items and their labels
    ImageSpec{"img/attack_plus.png", 240, 160, Family::Item, false},
    ImageSpec{"img/cad_plus.png", 240, 160, Family::Item, false},
    ImageSpec{"img/cadencyObject.png", 128, 128, Family::Item, false},
    ImageSpec{"img/damageObject.png", 128, 128, Family::Item, false},
    ImageSpec{"img/heart.png", 128, 128, Family::Item, false},
    ImageSpec{"img/hp_plus.png", 240, 160, Family::Item, false},
    ImageSpec{"img/potion.png", 128, 128, Family::Item, false},
    ImageSpec{"img/rangeObject.png", 128, 128, Family::Item, false},
    ImageSpec{"img/range_plus.png", 240, 160, Family::Item, false},
    ImageSpec{"img/speedObject.png", 128, 128, Family::Item, false},
    ImageSpec{"img/speed_plus.png", 240, 160, Family::Item, false},
    // settings screen
    ImageSpec{"img/altavoz.png", 128, 128, Family::Hud, false},
    ImageSpec{"img/altavozX.png", 128, 128, Family::Hud, false},
};

static_assert(kImages.size() == 84, "the game loads 84 images");

// Every animation table and source rectangle the game uses.
inline constexpr std::array kCuts = {
    // player
    Cut{"img/prota_sheet.png", "idle", 5, 0, 0, 128, 256},
    Cut{"img/prota_sheet.png", "walk", 4, 0, 256, 128, 256},
    Cut{"img/prota_sheet.png", "dash", 3, 0, 512, 256, 256},
    Cut{"img/prota_sheet.png", "duck", 3, 512, 256, 128, 256},
    Cut{"img/prota_sheet.png", "curl", 2, 640, 256, 128, 256},
    Cut{"img/prota_sheet.png", "stand", 3, 512, 256, 128, 256},
    Cut{"img/disparoProta.png", "shot", 1, 0, 0, 100, 100},
    // Blanky
    Cut{"img/blanky_sheet.png", "idle", 4, 0, 0, 128, 128},
    Cut{"img/blanky_sheet.png", "puf", 3, 0, 128, 128, 128},
    Cut{"img/blanky_sheet.png", "fup", 3, 0, 128, 128, 128},
    Cut{"img/blanky_sheet.png", "damage", 1, 0, 256, 128, 128},
    Cut{"img/blanky_sheet.png", "death", 4, 0, 256, 128, 128},
    Cut{"img/disparoEnemigo.png", "shot", 1, 0, 0, 100, 100},
    // Pikaboo
    Cut{"img/pikaboo_sheet.png", "idle", 4, 0, 0, 128, 128},
    Cut{"img/pikaboo_sheet.png", "wind-up", 2, 0, 128, 128, 128},
    Cut{"img/pikaboo_sheet.png", "charge", 2, 256, 128, 128, 128},
    Cut{"img/pikaboo_sheet.png", "dizzy", 4, 0, 256, 128, 128},
    Cut{"img/pikaboo_sheet.png", "damage", 1, 0, 384, 128, 128},
    Cut{"img/pikaboo_sheet.png", "death", 4, 0, 384, 128, 128},
    // Peanut
    Cut{"img/peanut_sheet.png", "idle", 4, 0, 0, 128, 128},
    Cut{"img/peanut_sheet.png", "shoot", 4, 0, 128, 128, 128},
    Cut{"img/peanut_sheet.png", "damage", 1, 0, 256, 128, 128},
    Cut{"img/peanut_sheet.png", "death", 4, 0, 256, 128, 128},
    // Butter
    Cut{"img/butter_sheet.png", "idle", 4, 0, 0, 128, 128},
    Cut{"img/butter_sheet.png", "damage", 1, 0, 128, 128, 128},
    Cut{"img/butter_sheet.png", "death", 4, 0, 128, 128, 128},
    Cut{"img/butter_shit.png", "drop", 1, 0, 0, 100, 100},
    // Handy
    Cut{"img/handy_sheet.png", "scissor_idle", 2, 0, 768, 128, 128},
    Cut{"img/handy_sheet.png", "paper", 4, 0, 0, 128, 128},
    Cut{"img/handy_sheet.png", "rock", 2, 0, 128, 128, 128},
    Cut{"img/handy_sheet.png", "rock_atk", 4, 0, 128, 128, 128},
    Cut{"img/handy_sheet.png", "scissor", 4, 0, 256, 128, 128},
    Cut{"img/handy_sheet.png", "trans", 4, 0, 384, 128, 128},
    Cut{"img/handy_sheet.png", "damage", 1, 0, 512, 128, 128},
    Cut{"img/handy_sheet.png", "death", 4, 0, 512, 128, 128},
    Cut{"img/handy_sheet.png", "shoot", 3, 0, 640, 128, 128},
    Cut{"img/sci_shot.png", "whole", 1, 0, 0, 128, 128},
    Cut{"img/rock_shot.png", "whole", 1, 0, 0, 128, 128},
    // Greed and its throws
    Cut{"img/greed_sheet.png", "idle", 2, 0, 0, 512, 576},
    Cut{"img/greed_sheet.png", "run", 3, 0, 576, 576, 576},
    Cut{"img/greed_sheet.png", "tired", 2, 0, 1152, 576, 448},
    Cut{"img/greed_sheet.png", "damage", 1, 1152, 1152, 576, 448},
    Cut{"img/greed_sheet.png", "death", 2, 0, 1600, 576, 448},
    Cut{"img/greed_sheet.png", "dead", 1, 576, 1600, 576, 448},
    Cut{"img/greed_sheet.png", "pearl", 1, 1088, 64, 192, 192},
    Cut{"img/greed_sheet.png", "diamond", 1, 1344, 64, 192, 192},
    Cut{"img/greed_sheet.png", "coin", 1, 1216, 320, 192, 192},
    // Lust, her lamp, its light, the blackout and her hearts
    Cut{"img/lust_sheet.png", "idle", 4, 0, 0, 384, 576},
    Cut{"img/lust_sheet.png", "strut", 4, 1536, 0, 384, 576},
    Cut{"img/lust_sheet.png", "smack", 4, 0, 576, 768, 576},
    Cut{"img/lust_sheet.png", "kiss", 2, 3072, 0, 384, 576},
    Cut{"img/lust_sheet.png", "death", 1, 3072, 576, 384, 576},
    Cut{"img/lust_sheet.png", "dead", 1, 3072, 576, 384, 576},
    Cut{"img/lust_sheet.png", "heart", 1, 3456, 640, 128, 128},
    Cut{"img/lampy_sheet.png", "idle", 4, 0, 0, 128, 128},
    Cut{"img/lampy_sheet.png", "damage", 1, 0, 128, 128, 128},
    Cut{"img/lampy_sheet.png", "death", 4, 0, 128, 128, 128},
    Cut{"img/lampy_light.png", "idle", 1, 0, 0, 512, 1152},
    Cut{"img/spotlight.png", "idle", 1, 0, 0, 300, 155},
// the final boss, three sheets with one table
#define VALDRO_SHEET_CUTS(sheet)                                                                \
    Cut{sheet, "idle", 3, 0, 1280, 896, 640}, Cut{sheet, "idle3", 4, 0, 0, 896, 640},           \
        Cut{sheet, "cast", 3, 0, 1920, 896, 640}, Cut{sheet, "holdhit", 1, 0, 2560, 896, 640},  \
        Cut{sheet, "hit", 3, 896, 2560, 896, 640}, Cut{sheet, "shoot", 4, 0, 0, 896, 640},      \
        Cut{sheet, "puf", 4, 0, 640, 896, 640}, Cut{sheet, "fup", 4, 0, 640, 896, 640},         \
        Cut{sheet, "fupuf", 3, 0, 640, 896, 640}, Cut{sheet, "pufupu", 3, 0, 640, 896, 640},    \
        Cut{sheet, "death", 3, 0, 1280, 896, 640}, Cut{sheet, "dead", 1, 1792, 1280, 896, 640}, \
        Cut{sheet, "wave1", 1, 2688, 1280, 256, 640},                                           \
        Cut{sheet, "wave2", 1, 2688, 1920, 384, 640},                                           \
        Cut{sheet, "skull1", 1, 3072, 1280, 192, 192}, Cut {                                    \
        sheet, "skull2", 1, 3072, 1920, 192, 192                                                \
    }
    VALDRO_SHEET_CUTS("img/valdro1_sheet.png"),
    VALDRO_SHEET_CUTS("img/valdro2_sheet.png"),
    VALDRO_SHEET_CUTS("img/valdro3_sheet.png"),
#undef VALDRO_SHEET_CUTS
    // talking characters
    Cut{"img/pocketman_sheet.png", "idle", 2, 0, 0, 384, 576},
    Cut{"img/bellboy_sheet.png", "idle_variant0", 2, 0, 0, 384, 576},
    Cut{"img/bellboy_sheet.png", "idle_variant2", 2, 768, 0, 384, 576},
    Cut{"img/bellboy_sheet.png", "idle_variant1", 2, 1536, 0, 384, 576},
    // HUD and scene pieces
    Cut{"img/reticula.png", "idle", 1, 0, 0, 300, 200},
    Cut{"img/f.png", "prompt", 1, 0, 0, 163, 162},
    Cut{"img/hp.png", "seven_hearts", 7, 0, 0, 50, 50},
    Cut{"img/hp_empty.png", "seven_slots", 7, 0, 0, 50, 50},
    Cut{"img/triangle.png", "volume_100", 1, 0, 0, 2000, 1000},
    Cut{"img/triangle.png", "volume_5", 1, 0, 0, 100, 1000},
    // items: drops and inventory icons use (0, 0, 128, 128)
    Cut{"img/damageObject.png", "icon", 1, 0, 0, 128, 128},
    Cut{"img/speedObject.png", "icon", 1, 0, 0, 128, 128},
    Cut{"img/cadencyObject.png", "icon", 1, 0, 0, 128, 128},
    Cut{"img/rangeObject.png", "icon", 1, 0, 0, 128, 128},
    Cut{"img/potion.png", "icon", 1, 0, 0, 128, 128},
    Cut{"img/heart.png", "icon", 1, 0, 0, 128, 128},
    // recommended source rectangles for scene authors (one band of 16 x 9 world units)
    Cut{"img/bg0.png", "band", 1, 0, 0, 1600, 900},
    Cut{"img/bg1.png", "band", 1, 0, 0, 1600, 900},
    Cut{"img/bg2.png", "band", 1, 0, 0, 1600, 900},
    Cut{"img/bgshop.png", "band", 1, 0, 0, 1600, 900},
    Cut{"img/bgshop_en.png", "band", 1, 0, 0, 1600, 900},
    Cut{"img/bg_greed.png", "band", 1, 0, 0, 1600, 900},
    Cut{"img/bg_lust.png", "band", 1, 0, 0, 1600, 900},
    Cut{"img/bg_valdro.png", "band", 1, 0, 0, 1600, 900},
    Cut{"img/GameMenu.png", "band", 1, 0, 0, 1600, 1200},
    Cut{"img/GameMenuLang.png", "band", 1, 0, 0, 1600, 1200},
    Cut{"img/trees1.png", "view", 1, 0, 0, kTreeViewW, kTreeViewH},
    Cut{"img/trees2.png", "view", 1, 0, 0, kTreeViewW, kTreeViewH},
    Cut{"img/trees3.png", "view", 1, 0, 0, kTreeViewW, kTreeViewH},
    Cut{"img/trees1.png", "view_last", 1, 768, 0, kTreeViewW, kTreeViewH},
    Cut{"img/plat_table1.png", "whole", 1, 0, 0, 384, 192},
    Cut{"img/plat_stool1.png", "whole", 1, 0, 0, 128, 192},
    Cut{"img/obst_case1.png", "whole", 1, 0, 0, 256, 384},
    Cut{"img/obst_case2.png", "whole", 1, 0, 0, 384, 256},
    Cut{"img/plat_counter1.png", "whole", 1, 0, 0, 512, 256},
};

// Menu buttons drawn without a plate of their own: the menu picture carries the plate.
// World units on a 16 x 12 screen (100 px per unit at 1600 x 1200).
struct Plate {
    std::string_view image;
    double x;
    double y;
    double w;
    double h;
};

inline constexpr std::array kPlates = {
    Plate{"img/TitleScreen.png", 5.61, 4.76, 4.95, 1.09},
    Plate{"img/TitleScreen.png", 5.61, 6.1, 4.95, 1.09},
    Plate{"img/TitleScreen.png", 5.61, 7.38, 4.95, 1.09},
    Plate{"img/TitleScreen.png", 5.61, 8.58, 4.95, 1.09},
    Plate{"img/TitleScreen.png", 5.61, 9.79, 4.95, 1.09},
    Plate{"img/PauseScreen.png", 5.64, 6.14, 4.65, 1.02},
    Plate{"img/PauseScreen.png", 5.64, 7.42, 4.65, 1.02},
    Plate{"img/PauseScreen.png", 5.64, 8.58, 4.65, 1.02},
    Plate{"img/PauseScreen.png", 0.99, 3.57, 2.58, 1.18},
    Plate{"img/game_over.png", 5.64, 6.14, 4.65, 1.02},
    Plate{"img/game_over.png", 5.64, 7.42, 4.65, 1.02},
    Plate{"img/game_over.png", 5.64, 8.58, 4.65, 1.02},
    Plate{"img/scuseMe.png", 0.72, 10.5, 5.9, 1.0},
    Plate{"img/scuseMe.png", 9.75, 10.46, 5.25, 1.24},
    Plate{"img/GameMenu.png", 0.3, 10.1, 3.0, 1.5},
    Plate{"img/GameMenuLang.png", 0.3, 10.1, 3.0, 1.5},
    Plate{"img/GameMenuLang.png", 12.48, 6.0, 3.2, 1.0},
    Plate{"img/GameMenuLang.png", 12.83, 7.2, 2.5, 0.8},
    Plate{"img/GameMenuLang.png", 12.83, 8.2, 2.5, 0.8},
};

// Dialogue portraits cover world (0, 0, 16, 9); the text box is (0, 4.1, 16, 5).
inline constexpr double kPortraitUnit = 100.0;
inline constexpr double kTextBoxY = 4.1;

constexpr const ImageSpec* findImage(std::string_view path) {
    for (const auto& img : kImages) {
        if (img.path == path)
            return &img;
    }
    return nullptr;
}

}  // namespace valdro::art
