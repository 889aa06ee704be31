#include "menus/MenuLayouts.hpp"

#include <iterator>
#include <string>

#include "menus/Button.hpp"
#include "menus/TextCache.hpp"
#include "render/CoreTextures.hpp"

namespace menu_layouts {
namespace {

struct Row {
    int id;
    double x, y, w, h;
    const char* spanish;
    const char* english;
    int param = -1;
};

enum class Plate { None, Short, Long };

SDL_Texture* plateTexture(Plate plate) {
    switch (plate) {
        case Plate::Short:
            return coreTextures().shortButton;
        case Plate::Long:
            return coreTextures().longButton;
        case Plate::None:
            break;
    }
    return nullptr;
}

std::shared_ptr<Button> make(const Row& r, Plate plate = Plate::None) {
    std::map<int, std::string> texts;
    if (r.spanish != nullptr) {
        texts = {{0, r.spanish}, {1, r.english}};
    }
    return std::make_shared<Button>(r.id, WorldRect{r.x, r.y, r.w, r.h}, std::move(texts),
                                    plateTexture(plate), r.param);
}

Buttons plain(std::initializer_list<Row> rows) {
    Buttons list;
    for (const Row& r : rows) {
        list.push_back(make(r));
    }
    return list;
}

}  // namespace

Buttons titleButtons() {
    return plain({{4, 5.61, 4.76, 4.95, 1.09, "Modo Historia", "Story Mode"},
                  {5, 5.61, 6.1, 4.95, 1.09, "Modo Infinito", "Infinite Mode"},
                  {6, 5.61, 7.38, 4.95, 1.09, "Ranking", "Ranking"},
                  {3, 5.61, 8.58, 4.95, 1.09, "Ajustes", "Settings"},
                  {2, 5.61, 9.79, 4.95, 1.09, "Salir", "Exit"}});
}

Buttons pauseButtons() {
    return plain({{1, 5.64, 6.14, 4.65, 1.02, "Continuar", "Resume"},
                  {3, 5.64, 7.42, 4.65, 1.02, "Ajustes", "Settings"},
                  {2, 5.64, 8.58, 4.65, 1.02, "Salir", "Exit"},
                  {16, 0.99, 3.57, 2.58, 1.18, "Objetos", "Items"}});
}

Buttons settingsButtons() {
    Buttons list =
        plain({{2, 0.3, 10.1, 3.0, 1.5, "Atrás", "Back"},
               {0, 12.48, 6.0, 3.2, 1.0, "Idioma", "Language"},
               {8, 12.83, 7.2, 2.5, 0.8, "Español", "Spanish"},
               {7, 12.83, 8.2, 2.5, 0.8, "Inglés", "English"},
               {0, 4.5, 5.0, 7.0, 1.0, "Volumen de la música", "Music volume"},
               {0, 4.5, 8.0, 7.0, 1.0, "Volumen de los efectos", "Sound effects volume"},
               {12, 6.0, 6.0, 1.0, 1.0, "-", "-"},
               {13, 6.0, 9.0, 1.0, 1.0, "-", "-"},
               {11, 9.0, 9.0, 1.0, 1.0, "+", "+"},
               {10, 9.0, 6.0, 1.0, 1.0, "+", "+"},
               // The mute buttons show a crossed speaker (0) or a speaker (1).
               {14, 5.0, 6.0, 1.0, 1.0, text_cache::kSpeakerOff, text_cache::kSpeakerOn},
               {15, 5.0, 9.0, 1.0, 1.0, text_cache::kSpeakerOff, text_cache::kSpeakerOn}});
    list.push_back(make({18, 6.0, 10.5, 4.0, 1.0, "Controles", "Controls"}, Plate::Long));
    return list;
}

Buttons controlsButtons() {
    Buttons list = plain({{2, 0.3, 10.1, 3.0, 1.5, "Atrás", "Back"}});
    list.push_back(
        make({20, 5.0, 5.25, 6.0, 1.0, "Predeterminado 1", "Default 1", 0}, Plate::Long));
    list.push_back(make({20, 5.0, 6.5, 6.0, 1.0, "Predeterminado 2", "Default 2", 1}, Plate::Long));
    list.push_back(
        make({20, 5.0, 7.75, 6.0, 1.0, "Predeterminado 3", "Default 3", 2}, Plate::Long));
    list.push_back(make({20, 5.0, 9.0, 6.0, 1.0, "Personalizado", "Custom", 3}, Plate::Long));
    list.push_back(make({19, 5.5, 10.55, 5.0, 1.0, "Restablecer", "Restore"}, Plate::Long));
    // Both cards keep a thin frame (a small plate's corners) and their rows inside it.
    constexpr double kCardCorner = 0.4;
    constexpr double kCardInsetX = 0.3;
    constexpr double kCardInsetTop = 0.3;
    constexpr double kCardInsetBottom = 0.35;
    auto card = [&](double x, double y, double w, double h) {
        auto plate = make({0, x, y, w, h, nullptr, nullptr}, Plate::Short);
        plate->cardCorner = kCardCorner;
        list.push_back(std::move(plate));
    };

    // The keys, on a card of their own right of the key sets, over the language plates of the
    // shared art: a label and the key bound to it for each slot.
    struct Slot {
        int slot;
        const char* spanish;
        const char* english;
    };
    constexpr Slot kSlots[] = {
        {1, "Izda", "Left"},      {0, "Dcha", "Right"},           {2, "Salto", "Jump"},
        {3, "Agacharse", "Curl"}, {5, "Interactuar", "Interact"}, {6, "Pausar", "Pause"}};
    constexpr double kKeysX = 12.15;
    constexpr double kKeysY = 4.5;
    constexpr double kKeysWidth = 3.7;
    constexpr double kKeyRow = 0.85;
    constexpr double kKeyStep = 0.95;
    constexpr double kKeyGap = 0.1;
    const double keysInner = kKeysWidth - 2.0 * kCardInsetX;
    const double keysHeight =
        kKeyStep * (std::size(kSlots) - 1) + kKeyRow + kCardInsetTop + kCardInsetBottom;
    card(kKeysX, kKeysY, kKeysWidth, keysHeight);
    const double keysLeft = kKeysX + kCardInsetX;
    for (int i = 0; i < static_cast<int>(std::size(kSlots)); ++i) {
        const Slot& s = kSlots[i];
        const double rowY = kKeysY + kCardInsetTop + kKeyStep * i;
        list.push_back(make({21, keysLeft, rowY, keysInner - kKeyRow - kKeyGap, kKeyRow, s.spanish,
                             s.english, s.slot}));
    }
    // The value buttons show the key bound to each slot.
    for (int i = 0; i < static_cast<int>(std::size(kSlots)); ++i) {
        const double rowY = kKeysY + kCardInsetTop + kKeyStep * i;
        list.push_back(make({21, keysLeft + keysInner - kKeyRow, rowY, kKeyRow, kKeyRow, nullptr,
                             nullptr, kSlots[i].slot},
                            Plate::Short));
    }

    // The pad, on a card left of the key sets: what stays put, then the four buttons that may
    // be moved (a label and the button it is on), then Restore for them.
    struct LegendLine {
        const char* spanish;
        const char* english;
    };
    constexpr LegendLine kPadLegend[] = {
        {"Stick/cruceta: mover", "Stick/D-pad: move"},
        {"Abajo: agacharse", "Down: curl"},
        {"RT: disparar", "RT: shoot"},
        {"LT: impulso", "LT: dash"},
        {"Stick dcho.: apuntar", "Right stick: aim"},
        {"B: atrás", "B: back"},
    };
    constexpr LegendLine kPadSlots[] = {
        {"Salto", "Jump"}, {"Interactuar", "Interact"}, {"Impulso", "Dash"}, {"Pausar", "Pause"}};
    constexpr double kPadX = 0.15;
    constexpr double kPadY = 4.4;
    constexpr double kPadWidth = 3.7;
    constexpr double kLegendLine = 0.3;
    constexpr double kPadRow = 0.5;
    constexpr double kPadGap = 0.1;
    constexpr double kPadValueWidth = 0.9;
    const double padInner = kPadWidth - 2.0 * kCardInsetX;
    const double padHeight = kCardInsetTop + kLegendLine * std::size(kPadLegend) + kPadGap +
                             kPadRow * std::size(kPadSlots) + kPadGap + kPadRow + kCardInsetBottom;
    card(kPadX, kPadY, kPadWidth, padHeight);
    const double left = kPadX + kCardInsetX;
    double y = kPadY + kCardInsetTop;
    for (const LegendLine& line : kPadLegend) {
        list.push_back(make({0, left, y, padInner, kLegendLine, line.spanish, line.english}));
        y += kLegendLine;
    }
    y += kPadGap;
    for (int slot = 0; slot < static_cast<int>(std::size(kPadSlots)); ++slot) {
        const LegendLine& name = kPadSlots[slot];
        const double rowY = y + kPadRow * slot;
        list.push_back(make({kPadSlotId, left, rowY, padInner - kPadValueWidth, kPadRow,
                             name.spanish, name.english, slot}));
        list.push_back(make({kPadSlotId, left + padInner - kPadValueWidth, rowY, kPadValueWidth,
                             kPadRow, nullptr, nullptr, slot},
                            Plate::Short));
    }
    list.push_back(make({kPadRestoreId, left + 0.3, y + kPadRow * std::size(kPadSlots) + kPadGap,
                         padInner - 0.6, kPadRow, "Restablecer", "Restore"},
                        Plate::Long));
    return list;
}

Buttons difficultyButtons() {
    Buttons list = plain({{2, 0.3, 10.1, 3.0, 1.5, "Atrás", "Back"}});
    list.push_back(make({22, 6.0, 5.5, 3.5, 1.0, "Fácil", "Easy"}, Plate::Long));
    list.push_back(make({23, 6.0, 7.0, 3.5, 1.0, "Normal", "Normal"}, Plate::Long));
    list.push_back(make({24, 6.0, 8.5, 3.5, 1.0, "Difícil", "Hard"}, Plate::Long));
    list.push_back(make({25, 6.0, 10.0, 3.5, 1.0, "Imposible", "Impossible"}, Plate::Long));
    return list;
}

Buttons rankingButtons() {
    return plain({{2, 0.72, 10.5, 5.9, 1.0, "Atrás", "Back"},
                  {9, 9.75, 10.46, 5.25, 1.24, "Borrar Historial", "Clear History"}});
}

Buttons gameOverButtons() {
    return plain({{26, 5.64, 6.14, 4.65, 1.02, "Revivir", "Revive"},
                  {27, 5.64, 7.42, 4.65, 1.02, "Reiniciar", "Restart"},
                  {2, 5.64, 8.58, 4.65, 1.02, "Menú principal", "Main menu"}});
}

}  // namespace menu_layouts
