#include "menus/TextCache.hpp"

#include <SDL_render.h>
#include <SDL_ttf.h>

#include <map>

#include "render/Fonts.hpp"
#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace text_cache {
namespace {

struct Entry {
    SDL_Texture* texture = nullptr;
    SDL_Color colour = kTextRed;
};

std::map<std::string, Entry>& cache() {
    static std::map<std::string, Entry> instance;
    return instance;
}

void destroy(Entry& entry) {
    textures::destroy(entry.texture);
}

bool sameColour(SDL_Color a, SDL_Color b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

}  // namespace

const std::vector<std::string>& menuStrings() {
    static const std::vector<std::string> strings = {"Modo Historia",
                                                     "Modo Infinito",
                                                     "Ajustes",
                                                     "Ranking",
                                                     "Salir",
                                                     "Continuar",
                                                     "Story Mode",
                                                     "Infinite Mode",
                                                     "Settings",
                                                     "Exit",
                                                     "Resume",
                                                     "Objetos",
                                                     "Items",
                                                     "Idioma",
                                                     "Español",
                                                     "Inglés",
                                                     "Language",
                                                     "Spanish",
                                                     "English",
                                                     "Atrás",
                                                     "Back",
                                                     "Borrar Historial",
                                                     "Clear History",
                                                     "Volumen de los efectos",
                                                     "Volumen de la música",
                                                     "Music volume",
                                                     "Sound effects volume",
                                                     "+",
                                                     "-",
                                                     kSpeakerOn,
                                                     kSpeakerOff,
                                                     "Controles",
                                                     "Controls",
                                                     "Easy",
                                                     "Fácil",
                                                     "Normal",
                                                     "Difícil",
                                                     "Hard",
                                                     "Imposible",
                                                     "Impossible",
                                                     "Revivir",
                                                     "Revive",
                                                     "Reiniciar",
                                                     "Restart",
                                                     "Menú principal",
                                                     "Main menu",
                                                     "Predeterminado 1",
                                                     "Predeterminado 2",
                                                     "Predeterminado 3",
                                                     "Personalizado",
                                                     "Restablecer",
                                                     "Izda",
                                                     "Dcha",
                                                     "Salto",
                                                     "Agacharse",
                                                     "Interactuar",
                                                     "Pausar",
                                                     "Restore",
                                                     "Default 1",
                                                     "Default 2",
                                                     "Default 3",
                                                     "Custom",
                                                     "Left",
                                                     "Right",
                                                     "Curl",
                                                     "Jump",
                                                     "Interact",
                                                     "Pause",
                                                     "Stick/cruceta: mover",
                                                     "Stick/D-pad: move",
                                                     "Abajo: agacharse",
                                                     "Down: curl",
                                                     "RT: disparar",
                                                     "RT: shoot",
                                                     "Stick dcho.: apuntar",
                                                     "Right stick: aim",
                                                     "B: atrás",
                                                     "B: back",
                                                     "LT: impulso",
                                                     "LT: dash",
                                                     "Impulso",
                                                     "Dash"};
    return strings;
}

SDL_Texture* renderText(const std::string& text, SDL_Color colour) {
    TTF_Font* font = fonts::interfaceFont();
    SDL_Renderer* renderer = textures::renderer();
    if (font == nullptr || renderer == nullptr || text.empty()) {
        return nullptr;
    }
    SDL_Surface* surface = TTF_RenderUTF8_Solid(font, text.c_str(), colour);
    if (surface == nullptr) {
        return nullptr;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    return texture;
}

void build() {
    clear();
    for (const std::string& text : menuStrings()) {
        Entry entry;
        if (text == kSpeakerOn) {
            entry.texture = textures::load(paths::kSpeaker);
        } else if (text == kSpeakerOff) {
            entry.texture = textures::load(paths::kSpeakerMuted);
        } else {
            // The language names stand out in white.
            entry.colour = (text == "Español" || text == "English") ? kWhite : kTextRed;
            entry.texture = renderText(text, entry.colour);
        }
        cache()[text] = entry;
    }
}

void clear() {
    for (auto& [text, entry] : cache()) {
        destroy(entry);
    }
    cache().clear();
}

SDL_Texture* get(const std::string& text) {
    auto it = cache().find(text);
    return it == cache().end() ? nullptr : it->second.texture;
}

void recolour(const std::string& text, SDL_Color colour) {
    Entry& entry = cache()[text];
    if (entry.texture != nullptr && sameColour(entry.colour, colour)) {
        return;
    }
    destroy(entry);
    entry.colour = colour;
    entry.texture = renderText(text, colour);
}

SDL_Color colourOf(const std::string& text) {
    auto it = cache().find(text);
    return it == cache().end() ? kTextRed : it->second.colour;
}

}  // namespace text_cache
