#pragma once

#include <memory>
#include <string>
#include <vector>

#include "npc/Dialogue.hpp"
#include "render/Animated.hpp"
#include "scene/WorldRect.hpp"

struct SDL_Renderer;
struct SDL_Texture;

// A talking character. Each press of the interaction key shows its next line; while a line is
// shown its portrait fills the screen and the line is word-wrapped into the text box.
class NPC : public Animated {
public:
    enum Kind : int {
        kBolsillos = 0,  // the shopkeeper
        kBotones = 1,    // the bellboy
        kCodicia = 2,
        kLujuria = 3,
        kValdro = 4,
        kProta = 5,     // the hero's own thoughts
        kTutorial = 6,  // the tutorial guide
    };

    // Reads its lines in the current language (globals().language): entry linesIndex of its
    // character (entry 0 for the tutorial guide). variant: the bellboy's look.
    NPC(const WorldRect& rect, int kind, int linesIndex, int variant);
    // A word said in passing (the bellboy after a revive, the shopkeeper on a purchase): only
    // conversation `conversation` of the entry (its last one when there are fewer), already
    // started. It stands nowhere in the scene, is heard wherever the player stands and hands
    // over to nobody. Without that entry it says nothing and is finished at once.
    static std::shared_ptr<NPC> inPassing(int kind, int linesIndex, int conversation);

    // Shows the next line: starts the next conversation when idle and one remains, otherwise
    // moves on a line and ends the conversation after its last line. An empty conversation ends
    // at once. Indices the scene set out of range are brought back inside the entry first, so a
    // press never reads past the end. The tutorial guide starts over once it has said its last
    // conversation; everybody else then has nothing more to say.
    void advance();
    // Sends the character to a conversation of its script (clamped to its last one) as if it had
    // just said it: any line shown is closed and the next advance() starts the conversation
    // after it. The tutorial uses
    // this when the player comes back to the bellboy after the heart container (jump to 3: the
    // farewell comes next) and at the exit (back to 2: the reminder is said again).
    void jumpTo(int conversation);
    // Re-reads the lines in the current language (shopkeeper and bellboy only), keeping the
    // position in the conversation.
    void reloadLines();
    // Portrait and text box, only while talking.
    void drawDialogue(SDL_Renderer* renderer);

    // Not talking and at (or past) its last conversation: it has nothing more to say. A
    // character without conversations is finished from the start.
    bool finished() const;
    int conversationCount() const { return static_cast<int>(conversations.size()); }
    // The line shown now; empty when not talking.
    std::string currentLine() const;

    int kind = 0;
    std::vector<Conversation> conversations;
    bool talking = false;
    int lineIndex = -1;
    int conversationIndex = -1;
    int variant = 0;
    int linesIndex = 0;
    bool passing = false;  // said in passing (inPassing)

private:
    // Keeps only the conversation said in passing out of the whole entry.
    void keepPassingConversation();

    // The line after the last was asked for: close the box (the guide rewinds after its last).
    void endConversation();

    int passingConversation_ = -1;
};

// Shared pictures of the characters and the text box, loaded once at start-up.
namespace npcs {

// The text box, in world units from the band's top-left corner: it and the portraits stay on the
// shown part of the scene wherever the camera has scrolled.
inline constexpr WorldRect kTextBox{0.0, 4.1, 16.0, 5.0};

void loadNpcAssets(SDL_Renderer* renderer);
void freeNpcAssets();
// The character sheets by kind (0 shopkeeper, 1 bellboy; null otherwise) and the full-screen
// portraits by kind 0 to 6 (null outside).
SDL_Texture* sheet(int kind);
std::shared_ptr<Renderizable> portrait(int kind);
// The files of those pictures (null outside), for loading them ahead of a scene.
const char* sheetFile(int kind);
const char* portraitFile(int kind);
// Converts the text box and the portraits to window pixels (called by the scene every frame and
// when the window size changes). bandCamX is the camera measured from the band's left end.
void updateDialogueRects(double scale, double bandCamX, double camY);
// The text box in window pixels as last converted.
SDL_Rect textBoxRect();

// Splits a line into rows of at most maxChars characters, word by word; a word longer than a row
// is broken (on a UTF-8 character boundary). Counts characters, not bytes. Rows carry no
// trailing space. Nothing fits in fewer than one character: no rows then.
std::vector<std::string> wrapLine(const std::string& line, int maxChars);

// One wrapped row of a line and where it is drawn in the window.
struct DialogueRow {
    std::string text;
    SDL_Rect dst;
};
// Where the rows of a line go in a text box with the dialogue font fontHeight pixels high: a
// fixed fontHeight / 4 pixels a character, two characters of margin each side, rows
// fontHeight / 2 apart from fontHeight / 2 down. No rows when a character would be under a pixel.
std::vector<DialogueRow> layOutLine(const std::string& line, const SDL_Rect& box, int fontHeight);

}  // namespace npcs
