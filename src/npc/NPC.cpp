#include "npc/NPC.hpp"

#include "app/GameGlobals.hpp"

NPC::NPC(const WorldRect& rect, int k, int lines, int look)
    : kind(k), variant(look), linesIndex(lines) {
    x = rect.x;
    y = rect.y;
    w = rect.w;
    h = rect.h;
    ensureDstRect();
    conversations = dialogue::conversationsFor(globals().language, kind,
                                               kind == kTutorial ? 0 : std::max(lines, 0));
}

void NPC::advance() {
    const int last = conversationCount() - 1;
    if (!talking && conversationIndex < last) {
        conversationIndex += 1;
        lineIndex = 0;
        talking = !conversations[conversationIndex].empty();
        if (!talking) {
            lineIndex = -1;
        }
    } else if (talking) {
        lineIndex += 1;
        if (lineIndex >= static_cast<int>(conversations[conversationIndex].size())) {
            talking = false;
            lineIndex = -1;
        }
    }
    if (kind == kTutorial && !talking && conversationIndex == last) {
        conversationIndex = -1;
    }
}

void NPC::reloadLines() {}

void NPC::drawDialogue(SDL_Renderer*) {}

bool NPC::finished() const {
    return !talking && conversationIndex >= conversationCount() - 1;
}

std::string NPC::currentLine() const {
    if (!talking) {
        return {};
    }
    return conversations[conversationIndex][lineIndex];
}

namespace npcs {
void loadNpcAssets(SDL_Renderer*) {}
void freeNpcAssets() {}
void updateDialogueRects(double, double, double) {}
SDL_Rect textBoxRect() {
    return {};
}
std::vector<std::string> wrapLine(const std::string& line, int) {
    return {line};
}
}  // namespace npcs
