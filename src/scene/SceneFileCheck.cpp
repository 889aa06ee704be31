#include "scene/SceneFileCheck.hpp"

#include <nlohmann/json.hpp>
#include <sstream>

#include "npc/Dialogue.hpp"
#include "scene/PatrolLimits.hpp"
#include "scene/SceneData.hpp"

using nlohmann::json;

namespace {

constexpr const char* kSceneFile = "datus/config/scenes.json";
constexpr const char* kDialogueEsFile = "datus/dialog/conversaciones_es.json";
constexpr const char* kDialogueEnFile = "datus/dialog/conversaciones_en.json";

constexpr int kBackgroundCount = 9;     // bg0, bg1, bg2, shop, two menus, three boss arenas
constexpr int kPlatformImageCount = 5;  // table, stool, two cases, counter
constexpr int kInvisiblePlatform = -1;
constexpr int kNoCharacter = -1;

// The slots the story reads, in the order it reads them. drawn = 0 marks a single scene object;
// otherwise the slot is a pool the story shuffles and takes that many scenes from.
struct SlotRule {
    const char* name;
    std::size_t drawn;
};

constexpr const char* kTutorialSlot = "tutorial";

constexpr SlotRule kSlots[] = {
    {kTutorialSlot, 0}, {"scenes_1", 3}, {"shop_1", 0},    {"scenes_2", 3}, {"botones_2", 0},
    {"greed", 0},       {"scenes_3", 3}, {"shop_2", 0},    {"scenes_4", 3}, {"botones_3", 0},
    {"lust", 0},        {"scenes_5", 6}, {"botones_4", 0}, {"valdro", 0},
};

// How the loader reads each key of a scene object, in the order it reads them, so a scene that
// cannot be read is reported with the key (and list element) at fault.
enum class Shape {
    Int,
    Double,
    Bool,
    PixelRect,
    WorldRect,
    IntList,
    DoubleList,
    PixelRectList,
    WorldRectList,
    LimitsList
};

struct KeyRule {
    const char* key;
    Shape shape;
};

constexpr KeyRule kSceneKeys[] = {
    {"bg", Shape::Int},
    {"width", Shape::Double},
    {"height", Shape::Double},
    {"wShown", Shape::Double},
    {"src", Shape::PixelRect},
    {"platformIndex", Shape::IntList},
    {"platformPositions", Shape::WorldRectList},
    {"platformSrc", Shape::PixelRectList},
    {"platformSurfaces", Shape::DoubleList},
    {"blankyPositions", Shape::WorldRectList},
    {"pikabooPositions", Shape::WorldRectList},
    {"peanutPositions", Shape::WorldRectList},
    {"butterPositions", Shape::WorldRectList},
    {"butterLimits", Shape::LimitsList},
    {"handyPositions", Shape::WorldRectList},
    {"handyLimits", Shape::LimitsList},
    {"boss", Shape::Int},
    {"protaPosition", Shape::WorldRect},
    {"shop", Shape::Bool},
    {"linesBolsillos", Shape::Int},
    {"linesBotones", Shape::Int},
    {"obstacleIndex", Shape::IntList},
    {"obstaclePositions", Shape::WorldRectList},
    {"obstacleSrc", Shape::PixelRectList},
    {"obstacleHitboxes", Shape::WorldRectList},
    {"posBolsillos", Shape::WorldRect},
    {"posBotones", Shape::WorldRect},
    {"animationBotones", Shape::Int},
};

// Reads one value as the loader would; throws the loader's error.
void readOne(const json& value, Shape shape) {
    switch (shape) {
        case Shape::Int:
            scenedata::readInt(value);
            break;
        case Shape::Double:
            scenedata::readDouble(value);
            break;
        case Shape::Bool:
            value.get<bool>();
            break;
        case Shape::PixelRect:
            value.get<SDL_Rect>();
            break;
        case Shape::WorldRect:
            value.get<WorldRect>();
            break;
        default:
            break;
    }
}

Shape elementShape(Shape list) {
    switch (list) {
        case Shape::IntList:
            return Shape::Int;
        case Shape::DoubleList:
            return Shape::Double;
        case Shape::PixelRectList:
            return Shape::PixelRect;
        default:
            return Shape::WorldRect;
    }
}

bool isList(Shape shape) {
    return shape == Shape::IntList || shape == Shape::DoubleList || shape == Shape::PixelRectList ||
           shape == Shape::WorldRectList || shape == Shape::LimitsList;
}

// Reads one key's value; on failure returns the reason, with the list element at fault in
// `element` ("[2]") when one element of a list is wrong.
std::string problemWith(const json& value, Shape shape, std::string& element) {
    element.clear();
    try {
        if (!isList(shape)) {
            readOne(value, shape);
            return {};
        }
        if (!value.is_array()) {
            return std::string("must be an array, but is ") + value.type_name();
        }
        for (std::size_t i = 0; i < value.size(); ++i) {
            element = "[" + std::to_string(i) + "]";
            if (shape == Shape::LimitsList) {
                value[i].get<PatrolLimits>();
            } else {
                readOne(value[i], elementShape(shape));
            }
        }
        element.clear();
    } catch (const json::exception& e) {
        return std::string("cannot be read: ") + e.what();
    }
    return {};
}

// What each dialogue character is needed for, when every run needs it.
struct RequiredCharacter {
    const char* key;
    int entry;
    const char* speaker;
};

constexpr RequiredCharacter kRequiredCharacters[] = {
    {"codicia", 0, "Greed's arena"},
    {"lujuria", 0, "Lust's arena"},
    {"valdro", 0, "the final arena"},
    {"tutorial", 0, "the tutorial guide"},
    {"botones", dialogue::kReviveEntry, "a revive"},
    {"botones", dialogue::kClosingEntry, "the end of the final arena"},
    {"prota", dialogue::kEpilogueEntry, "the ending"},
};

// The tutorial gives the heart container once the bellboy has said this conversation, and
// sends a character that has said it (and has more to say) on to the jump conversation.
constexpr std::size_t kTutorialHeartConversation = 1;
constexpr std::size_t kTutorialJumpConversation = 3;
constexpr int kHeroThoughtsRoom = 3;  // "linesBotones" 3 brings in the hero's own thoughts

struct DialogueDoc {
    const json& doc;
    const char* file;
};

// A size as the file would write it: 16, 8.5, -9.
std::string number(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string quoted(const std::string& key) {
    return "\"" + key + "\"";
}

// A dialogue entry is a list of conversations, each a list of lines.
bool isConversationList(const json& entry) {
    if (!entry.is_array()) {
        return false;
    }
    for (const json& conversation : entry) {
        if (!conversation.is_array()) {
            return false;
        }
        for (const json& line : conversation) {
            if (!line.is_string()) {
                return false;
            }
        }
    }
    return true;
}

class Checker {
public:
    Checker(const json& es, const json& en)
        : dialogues_{DialogueDoc{es, kDialogueEsFile}, DialogueDoc{en, kDialogueEnFile}} {}

    void checkSlot(const json& scenes, const SlotRule& rule) {
        const std::string slot = quoted(rule.name);
        if (!scenes.contains(rule.name)) {
            report(slot + " is missing");
            return;
        }
        const json& value = scenes.at(rule.name);
        if (rule.drawn == 0) {
            checkScene(value, slot, rule.name == std::string(kTutorialSlot));
            return;
        }
        if (!value.is_array()) {
            report(slot + " must be an array of scene objects, but is " + value.type_name());
            return;
        }
        if (value.size() < rule.drawn) {
            report(slot + " holds " + std::to_string(value.size()) + " scenes, but a run draws " +
                   std::to_string(rule.drawn) + " from it");
        }
        for (std::size_t i = 0; i < value.size(); ++i) {
            checkScene(value[i], slot + "[" + std::to_string(i) + "]", false);
        }
    }

    // The characters every run meets say entry 0 in both languages.
    void checkRequiredCharacters() {
        for (const RequiredCharacter& c : kRequiredCharacters) {
            for (const DialogueDoc& dialogue : dialogues_) {
                std::string why;
                if (entryOf(dialogue, c.key, c.entry, why) == nullptr) {
                    errors.push_back(std::string(dialogue.file) + ": " + why + "; " + c.speaker +
                                     " says entry " + std::to_string(c.entry) + " of " +
                                     quoted(c.key));
                }
            }
        }
    }

    void report(const std::string& what) {
        errors.push_back(std::string(kSceneFile) + ": " + what);
    }

    std::vector<std::string> errors;

private:
    void checkScene(const json& scene, const std::string& where, bool tutorial) {
        if (!scene.is_object()) {
            report(where + ": must be a scene object, but is " + scene.type_name());
            return;
        }
        bool readable = true;
        for (const KeyRule& rule : kSceneKeys) {
            if (!scene.contains(rule.key)) {
                report(where + ": " + quoted(rule.key) + " is missing");
                readable = false;
                continue;
            }
            std::string element;
            const std::string problem = problemWith(scene.at(rule.key), rule.shape, element);
            if (!problem.empty()) {
                report(where + ": " + quoted(rule.key) + element + " " + problem);
                readable = false;
            }
        }
        if (!readable) {
            return;
        }
        SceneData data;
        try {
            data = scene.get<SceneData>();
        } catch (const json::exception& e) {
            report(where + ": cannot be read: " + e.what());
            return;
        }
        checkSize(data, where);
        checkTables(data, where);
        checkParallel(data, where);
        checkLines(where, "linesBolsillos", data.linesBolsillos, "bolsillos");
        if (data.shop && data.linesBolsillos >= 0) {
            // The shopkeeper's word on each purchase.
            checkSceneEntry(where + ": a shop whose \"linesBolsillos\" is " +
                                std::to_string(data.linesBolsillos) +
                                " has the purchases of entry " +
                                std::to_string(dialogue::kPurchaseEntryBase + data.linesBolsillos),
                            "bolsillos", dialogue::kPurchaseEntryBase + data.linesBolsillos);
        }
        checkLines(where, "linesBotones", data.linesBotones, "botones");
        if (data.linesBotones == kHeroThoughtsRoom) {
            const std::string head = where +
                                     ": \"linesBotones\" is 3, which brings in the hero's "
                                     "thoughts";
            checkSceneEntry(head, "prota", 0);
        }
        if (tutorial) {
            checkTutorialScript(data, where);
        }
    }

    // Entry `index` of `character` in one dialogue document, or null with the reason it cannot
    // be said.
    static const json* entryOf(const DialogueDoc& dialogue, const char* character, int index,
                               std::string& why) {
        const json& doc = dialogue.doc;
        if (!doc.is_object() || !doc.contains(character) || !doc.at(character).is_array()) {
            why = std::string("there is no ") + quoted(character) + " array";
            return nullptr;
        }
        const json& entries = doc.at(character);
        const auto at = static_cast<std::size_t>(index);
        if (index < 0 || at >= entries.size()) {
            why = quoted(character) + " has only " + std::to_string(entries.size()) + " entries";
            return nullptr;
        }
        if (!isConversationList(entries[at])) {
            why = "entry " + std::to_string(index) + " of " + quoted(character) +
                  " is not a list of conversations made of text lines";
            return nullptr;
        }
        return &entries[at];
    }

    // A scene names an entry (head: where and which key): both languages must have it.
    void checkSceneEntry(const std::string& head, const char* character, int index) {
        for (const DialogueDoc& dialogue : dialogues_) {
            std::string why;
            if (entryOf(dialogue, character, index, why) == nullptr) {
                report(head + ", but in " + dialogue.file + " " + why);
            }
        }
    }

    // The tutorial's script moves its characters by conversation number: the bellboy's entry
    // must have the conversation after which the heart container appears, and every character
    // there that can be sent on to the jump conversation must have it.
    void checkTutorialScript(const SceneData& d, const std::string& where) {
        for (const DialogueDoc& dialogue : dialogues_) {
            const std::string inFile = std::string(", but in ") + dialogue.file + " ";
            if (d.linesBotones >= 0) {
                checkTutorialEntry(dialogue,
                                   std::string(kSceneFile) + ": " + where +
                                       ": \"linesBotones\" is " + std::to_string(d.linesBotones) +
                                       inFile,
                                   "botones", d.linesBotones, true);
            }
            if (d.linesBolsillos >= 0) {
                checkTutorialEntry(dialogue,
                                   std::string(kSceneFile) + ": " + where +
                                       ": \"linesBolsillos\" is " +
                                       std::to_string(d.linesBolsillos) + inFile,
                                   "bolsillos", d.linesBolsillos, false);
            }
            checkTutorialEntry(dialogue, std::string(dialogue.file) + ": ", "tutorial", 0, false);
        }
    }

    void checkTutorialEntry(const DialogueDoc& dialogue, const std::string& head,
                            const char* character, int index, bool givesHeart) {
        std::string why;
        const json* entry = entryOf(dialogue, character, index, why);
        if (entry == nullptr) {
            return;  // reported where the scene or the run names the entry
        }
        const std::size_t count = entry->size();
        const std::string has = "entry " + std::to_string(index) + " of " + quoted(character) +
                                " has " + std::to_string(count) +
                                (count == 1 ? " conversation" : " conversations");
        if (givesHeart && count <= kTutorialHeartConversation) {
            errors.push_back(head + has +
                             "; the tutorial gives the heart container after its conversation "
                             "1, so it needs at least 2");
        }
        // Only a character that has said conversation 1 and is not at its last is sent on.
        if (count > kTutorialHeartConversation + 1 && count <= kTutorialJumpConversation) {
            errors.push_back(head + has +
                             "; the tutorial sends a character that has said its conversation 1 "
                             "on to conversation 3, so it needs a fourth (or no third)");
        }
    }

    // A scene of no size cannot be fitted to the window: the scale divides by its height and
    // shown width.
    void checkSize(const SceneData& d, const std::string& where) {
        const struct {
            const char* key;
            double value;
        } sizes[] = {{"width", d.width}, {"height", d.height}, {"wShown", d.wShown}};
        for (const auto& size : sizes) {
            if (!(size.value > 0.0)) {
                report(where + ": " + quoted(size.key) + " is " + number(size.value) +
                       ", but must be above 0");
            }
        }
        if (d.wShown > d.width) {
            report(where + ": \"wShown\" is " + number(d.wShown) +
                   ", wider than the scene's \"width\" " + number(d.width));
        }
        if (d.src.w <= 0 || d.src.h <= 0) {
            report(where + ": \"src\" must be wider and taller than 0 pixels");
        }
    }

    void checkTables(const SceneData& d, const std::string& where) {
        if (d.bg < 0 || d.bg >= kBackgroundCount) {
            report(where + ": \"bg\" is " + std::to_string(d.bg) +
                   ", outside the background table (0 to " + std::to_string(kBackgroundCount - 1) +
                   ")");
        }
        for (std::size_t i = 0; i < d.platformIndex.size(); ++i) {
            const int index = d.platformIndex[i];
            if (index < kInvisiblePlatform || index >= kPlatformImageCount) {
                report(where + ": \"platformIndex\"[" + std::to_string(i) + "] is " +
                       std::to_string(index) + ", outside the platform image table (0 to " +
                       std::to_string(kPlatformImageCount - 1) +
                       ", or -1 for an invisible platform)");
            }
        }
        for (std::size_t i = 0; i < d.obstacleIndex.size(); ++i) {
            const int index = d.obstacleIndex[i];
            if (index < 0 || index >= kPlatformImageCount) {
                report(where + ": \"obstacleIndex\"[" + std::to_string(i) + "] is " +
                       std::to_string(index) + ", outside the platform image table (0 to " +
                       std::to_string(kPlatformImageCount - 1) + ")");
            }
        }
    }

    void sameLength(const std::string& where, const char* key, std::size_t size,
                    const char* countKey, std::size_t count) {
        if (size != count) {
            report(where + ": " + quoted(key) + " has " + std::to_string(size) + " entries, but " +
                   quoted(countKey) + " has " + std::to_string(count));
        }
    }

    void checkParallel(const SceneData& d, const std::string& where) {
        const std::size_t platforms = d.platformPositions.size();
        sameLength(where, "platformIndex", d.platformIndex.size(), "platformPositions", platforms);
        sameLength(where, "platformSrc", d.platformSrc.size(), "platformPositions", platforms);
        sameLength(where, "platformSurfaces", d.platformSurfaces.size(), "platformPositions",
                   platforms);
        const std::size_t obstacles = d.obstaclePositions.size();
        sameLength(where, "obstacleIndex", d.obstacleIndex.size(), "obstaclePositions", obstacles);
        sameLength(where, "obstacleSrc", d.obstacleSrc.size(), "obstaclePositions", obstacles);
        sameLength(where, "obstacleHitboxes", d.obstacleHitboxes.size(), "obstaclePositions",
                   obstacles);
        sameLength(where, "butterLimits", d.butterLimits.size(), "butterPositions",
                   d.butterPositions.size());
        sameLength(where, "handyLimits", d.handyLimits.size(), "handyPositions",
                   d.handyPositions.size());
    }

    // The scene builds a character for every value other than -1, so anything else must be an
    // entry both languages can say.
    void checkLines(const std::string& where, const char* key, int value, const char* character) {
        if (value == kNoCharacter) {
            return;
        }
        const std::string head = where + ": " + quoted(key) + " is " + std::to_string(value);
        if (value < 0) {
            report(head + ", but it must be -1 (no character) or an entry of " + quoted(character));
            return;
        }
        checkSceneEntry(head, character, value);
    }

    DialogueDoc dialogues_[2];
};

}  // namespace

std::vector<std::string> checkSceneFile(const json& scenes, const json& dialogueEs,
                                        const json& dialogueEn) {
    Checker checker(dialogueEs, dialogueEn);
    if (!scenes.is_object()) {
        checker.report(std::string("must hold an object of scene slots, but holds ") +
                       scenes.type_name());
        return checker.errors;
    }
    for (const SlotRule& rule : kSlots) {
        checker.checkSlot(scenes, rule);
    }
    checker.checkRequiredCharacters();
    return checker.errors;
}
