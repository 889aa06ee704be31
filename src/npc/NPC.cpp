#include "npc/NPC.hpp"

#include <SDL_render.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <array>

#include "app/GameGlobals.hpp"
#include "render/Fonts.hpp"
#include "render/LineCache.hpp"
#include "render/Paths.hpp"
#include "render/PrescaledTexture.hpp"
#include "render/TextureLoader.hpp"

namespace {

constexpr int kKinds = 7;
constexpr int kSheetKinds = 2;  // only the shopkeeper and the bellboy stand in a scene

// The "idle" animation of both sheets: two frames side by side.
constexpr int kIdleFrames = 2;
constexpr int kIdleFrameW = 384;
constexpr int kIdleFrameH = 576;
constexpr int kIdleTicksPerFrame = 50;
// The bellboy's looks are columns of its sheet: the first, the second (variant 2) and the third
// (variant 1 and anything unlisted).
constexpr int kBellboyFirstLookX = 0;
constexpr int kBellboySecondLookX = 768;
constexpr int kBellboyThirdLookX = 1536;
constexpr int kBellboySecondLookVariant = 2;

// The portraits cover the whole 16 × 9 view.
constexpr double kPortraitW = 16.0;
constexpr double kPortraitH = 9.0;

constexpr SDL_Color kTextColour{255, 255, 255, 255};

constexpr std::array<const char*, kSheetKinds> kSheetFiles = {paths::kPocketmanSheet,
                                                              paths::kBellboySheet};
constexpr std::array<const char*, kKinds> kPortraitFiles = {
    paths::kBolsillosBody, paths::kBellboyBody, paths::kCodiciaBody, paths::kLujuriaBody,
    paths::kValdroBody,    paths::kProtaBody,   paths::kTutorialBody};
// The portraits whose name plate reads differently in English: Bolsillos is Pockets there,
// Botones the Bellboy, Codicia and Lujuria are Greed and Lust.
constexpr std::array<const char*, kKinds> kEnglishPortraitFiles = {paths::kBolsillosBodyEn,
                                                                   paths::kBellboyBodyEn,
                                                                   paths::kCodiciaBodyEn,
                                                                   paths::kLujuriaBodyEn,
                                                                   nullptr,
                                                                   nullptr,
                                                                   nullptr};

std::array<SDL_Texture*, kSheetKinds> gSheets{};
std::array<SDL_Texture*, kKinds> gPortraitTextures{};
std::array<SDL_Texture*, kKinds> gEnglishPortraitTextures{};
std::array<std::shared_ptr<Renderizable>, kKinds> gPortraits{};
// Each portrait at the size the window shows it; the dialogue panel is opaque.
std::array<std::unique_ptr<PrescaledTexture>, kKinds> gPortraitsAtWindowSize;
SDL_Rect gTextBox{0, 0, 0, 0};

bool validKind(int kind) {
    return kind >= 0 && kind < kKinds;
}

int bellboyLookX(int variant) {
    if (variant == 0) {
        return kBellboyFirstLookX;
    }
    return variant == kBellboySecondLookVariant ? kBellboySecondLookX : kBellboyThirdLookX;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int characterCount(const std::string& text) {
    int n = 0;
    for (char c : text) {
        if (!isContinuationByte(c)) {
            ++n;
        }
    }
    return n;
}

// The byte length of the first `characters` characters of text.
std::size_t bytesOf(const std::string& text, int characters) {
    std::size_t i = 0;
    int seen = 0;
    while (i < text.size()) {
        if (!isContinuationByte(text[i])) {
            if (seen == characters) {
                break;
            }
            ++seen;
        }
        ++i;
    }
    return i;
}

void drawRow(SDL_Renderer* renderer, TTF_Font* font, const std::string& row, const SDL_Rect& dst) {
    line_cache::draw(renderer, font, row, kTextColour, dst);
}

}  // namespace

NPC::NPC(const WorldRect& rect, int characterKind, int entry, int look)
    : Animated(npcs::sheet(characterKind)), kind(characterKind), variant(look), linesIndex(entry) {
    x = rect.x;
    y = rect.y;
    w = rect.w;
    h = rect.h;
    if (kind == kBolsillos || kind == kBotones) {
        const int sheetX = kind == kBotones ? bellboyLookX(variant) : 0;
        addAnimation("idle", kIdleFrames, sheetX, 0, kIdleFrameW, kIdleFrameH, kIdleTicksPerFrame,
                     true, false);
        setAnimation("idle");
    }
    // The tutorial guide always says its one script, whatever the scene asks for.
    const int readEntry = kind == kTutorial ? 0 : linesIndex;
    conversations = dialogue::conversationsFor(globals().language, kind, readEntry);
}

std::shared_ptr<NPC> NPC::inPassing(int kind, int linesIndex, int conversation) {
    auto npc = std::make_shared<NPC>(WorldRect{}, kind, linesIndex, 0);
    npc->passing = true;
    npc->passingConversation_ = std::max(conversation, 0);
    npc->keepPassingConversation();
    npc->advance();
    return npc;
}

void NPC::keepPassingConversation() {
    if (conversations.empty()) {
        return;
    }
    const auto pick =
        std::min(static_cast<std::size_t>(passingConversation_), conversations.size() - 1);
    Conversation kept = std::move(conversations[pick]);
    conversations.clear();
    conversations.push_back(std::move(kept));
}

void NPC::advance() {
    const int last = conversationCount() - 1;
    // The scene may have moved the indices itself (the tutorial script); keep them in the entry.
    conversationIndex = std::clamp(conversationIndex, -1, last);
    if (talking && conversationIndex < 0) {
        talking = false;
    }
    if (!talking) {
        lineIndex = -1;
        if (conversationIndex < last) {
            ++conversationIndex;
            talking = true;
            lineIndex = 0;
            if (conversations[static_cast<std::size_t>(conversationIndex)].empty()) {
                endConversation();
            }
        } else if (kind == kTutorial) {
            // The guide has said everything: the next press starts its script again.
            conversationIndex = -1;
        }
        return;
    }
    lineIndex = std::max(lineIndex, -1) + 1;
    const auto lines =
        static_cast<int>(conversations[static_cast<std::size_t>(conversationIndex)].size());
    if (lineIndex >= lines) {
        endConversation();
    }
}

void NPC::endConversation() {
    talking = false;
    lineIndex = -1;
    if (kind == kTutorial && conversationIndex == conversationCount() - 1) {
        conversationIndex = -1;
    }
}

void NPC::jumpTo(int conversation) {
    conversationIndex = std::clamp(conversation, -1, conversationCount() - 1);
    lineIndex = -1;
    talking = false;
}

void NPC::reloadLines() {
    if (kind != kBolsillos && kind != kBotones) {
        return;
    }
    conversations = dialogue::conversationsFor(globals().language, kind, linesIndex);
    if (passing) {
        keepPassingConversation();
    }
}

bool NPC::finished() const {
    return !talking && conversationIndex >= conversationCount() - 1;
}

std::string NPC::currentLine() const {
    if (!talking || conversationIndex < 0 || conversationIndex >= conversationCount()) {
        return {};
    }
    const Conversation& lines = conversations[static_cast<std::size_t>(conversationIndex)];
    if (lineIndex < 0 || lineIndex >= static_cast<int>(lines.size())) {
        return {};
    }
    return lines[static_cast<std::size_t>(lineIndex)];
}

void NPC::drawDialogue(SDL_Renderer* renderer) {
    if (!talking || renderer == nullptr) {
        return;
    }
    const SDL_Rect box = npcs::textBoxRect();
    const std::shared_ptr<Renderizable> picture = npcs::portrait(kind);
    if (picture != nullptr && picture->dstRect != nullptr) {
        auto& atWindowSize = gPortraitsAtWindowSize[static_cast<std::size_t>(kind)];
        if (!atWindowSize) {
            atWindowSize = std::make_unique<PrescaledTexture>(true);
        }
        SDL_Texture* english = gEnglishPortraitTextures[static_cast<std::size_t>(kind)];
        SDL_Texture* shown =
            globals().language == 1 && english != nullptr ? english : picture->texture;
        atWindowSize->drawWhole(renderer, shown, *picture->dstRect);
    }

    TTF_Font* font = fonts::dialogueFont();
    if (font == nullptr) {
        return;
    }
    for (const npcs::DialogueRow& row :
         npcs::layOutLine(currentLine(), box, TTF_FontHeight(font))) {
        drawRow(renderer, font, row.text, row.dst);
    }
}

namespace npcs {

void loadNpcAssets(SDL_Renderer* renderer) {
    // Loading twice must not leak the first set.
    freeNpcAssets();
    for (int i = 0; i < kSheetKinds; ++i) {
        gSheets[i] = textures::load(renderer, kSheetFiles[i]);
    }
    for (int i = 0; i < kKinds; ++i) {
        gPortraitTextures[i] = textures::load(renderer, kPortraitFiles[i]);
        gPortraits[i] =
            std::make_shared<Renderizable>(gPortraitTextures[i], 0.0, 0.0, kPortraitW, kPortraitH);
        gPortraits[i]->ensureDstRect();
        if (kEnglishPortraitFiles[i] != nullptr) {
            gEnglishPortraitTextures[i] = textures::load(renderer, kEnglishPortraitFiles[i]);
        }
    }
}

void freeNpcAssets() {
    for (SDL_Texture*& t : gSheets) {
        textures::destroy(t);
    }
    for (int i = 0; i < kKinds; ++i) {
        gPortraitsAtWindowSize[i].reset();
        textures::destroy(gPortraitTextures[i]);
        textures::destroy(gEnglishPortraitTextures[i]);
        gPortraits[i].reset();
    }
}

SDL_Texture* sheet(int kind) {
    return kind >= 0 && kind < kSheetKinds ? gSheets[kind] : nullptr;
}

const char* sheetFile(int kind) {
    return kind >= 0 && kind < kSheetKinds ? kSheetFiles[kind] : nullptr;
}

const char* portraitFile(int kind) {
    return validKind(kind) ? kPortraitFiles[kind] : nullptr;
}

std::shared_ptr<Renderizable> portrait(int kind) {
    return validKind(kind) ? gPortraits[kind] : nullptr;
}

void updateDialogueRects(double scale, double camX, double camY) {
    gTextBox = SDL_Rect{static_cast<int>((kTextBox.x - camX) * scale),
                        static_cast<int>((kTextBox.y - camY) * scale),
                        static_cast<int>(scale * kTextBox.w), static_cast<int>(scale * kTextBox.h)};
    for (const auto& p : gPortraits) {
        if (p != nullptr) {
            p->updateDstRect(scale, camX, camY);
        }
    }
}

SDL_Rect textBoxRect() {
    return gTextBox;
}

std::vector<DialogueRow> layOutLine(const std::string& line, const SDL_Rect& box, int fontHeight) {
    std::vector<DialogueRow> placed;
    // Every character is drawn this many pixels wide; a tiny font leaves no room for text.
    const int charWidth = fontHeight / 4;
    if (charWidth < 1) {
        return placed;
    }
    const int rowHeight = fontHeight / 2;
    const int maxChars = box.w / charWidth - 4;
    std::vector<std::string> rows = wrapLine(line, maxChars);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SDL_Rect dst{
            box.x + 2 * charWidth, box.y + rowHeight + static_cast<int>(i) * rowHeight,
            std::min(characterCount(rows[i]) * charWidth, box.w - 4 * charWidth), rowHeight};
        placed.push_back(DialogueRow{std::move(rows[i]), dst});
    }
    return placed;
}

std::vector<std::string> wrapLine(const std::string& line, int maxChars) {
    std::vector<std::string> rows;
    if (maxChars < 1) {
        return rows;
    }
    std::string row;
    int rowChars = 0;
    auto flush = [&] {
        if (rowChars > 0) {
            rows.push_back(row);
        }
        row.clear();
        rowChars = 0;
    };
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string::npos) {
            end = line.size();
        }
        std::string word = line.substr(start, end - start);
        start = end + 1;
        int wordChars = characterCount(word);
        if (wordChars == 0) {
            continue;  // two spaces in a row
        }
        // A word wider than a row is cut into full rows of its own.
        while (wordChars > maxChars) {
            flush();
            const std::size_t cut = bytesOf(word, maxChars);
            rows.push_back(word.substr(0, cut));
            word.erase(0, cut);
            wordChars -= maxChars;
        }
        if (rowChars > 0 && rowChars + 1 + wordChars > maxChars) {
            flush();
        }
        if (rowChars > 0) {
            row += ' ';
            ++rowChars;
        }
        row += word;
        rowChars += wordChars;
    }
    flush();
    return rows;
}

}  // namespace npcs
