#pragma once

#include <SDL_pixels.h>

#include <string>
#include <vector>

struct SDL_Texture;

// Every menu text rendered once at start-up and looked up by its string. Buttons borrow these
// textures; only the controls screen changes them, to light up the key set in use.
namespace text_cache {

// Text red of the menus, the buttons and the ranking; the highlight is white.
inline constexpr SDL_Color kTextRed{131, 28, 36, 255};
inline constexpr SDL_Color kWhite{255, 255, 255, 255};

// The two speaker icons of the volume mute buttons are pictures, not texts.
inline constexpr const char* kSpeakerOn = "silenciar";
inline constexpr const char* kSpeakerOff = "desilenciar";

// Every string the menus show, Spanish and English.
const std::vector<std::string>& menuStrings();

// Renders every menu string with the interface font (white for the two language names, text red
// for the rest) and loads the speaker icons. Without a renderer or a font the entries exist with
// no texture and draw nothing.
void build();
// Destroys every texture.
void clear();

// The texture of a menu string; null when it is not a menu string.
SDL_Texture* get(const std::string& text);
// Renders text again in colour, replacing (and destroying) its old texture.
void recolour(const std::string& text, SDL_Color colour);
// The colour text was last rendered in (text red for strings it does not hold).
SDL_Color colourOf(const std::string& text);

// Renders any text with the interface font; the caller owns the texture (null without a font).
SDL_Texture* renderText(const std::string& text, SDL_Color colour);

}  // namespace text_cache
