#pragma once

typedef struct _TTF_Font TTF_Font;

// The game's one typeface opened twice at the window's scale: the interface font (menus, HUD,
// buttons) and the dialogue font (conversation boxes). Reopened after every window resize.
namespace fonts {

void openFonts(int pointSize);
void closeFonts();
TTF_Font* interfaceFont();
TTF_Font* dialogueFont();
int pointSize();

}  // namespace fonts
