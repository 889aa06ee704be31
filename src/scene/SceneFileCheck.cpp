#include "scene/SceneFileCheck.hpp"

#include <nlohmann/json.hpp>

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

constexpr SlotRule kSlots[] = {
    {"tutorial", 0}, {"scenes_1", 3}, {"shop_1", 0},    {"scenes_2", 3}, {"botones_2", 0},
    {"greed", 0},    {"scenes_3", 3}, {"shop_2", 0},    {"scenes_4", 3}, {"botones_3", 0},
    {"lust", 0},     {"scenes_5", 6}, {"botones_4", 0}, {"valdro", 0},
};

struct DialogueDoc {
    const json& doc;
    const char* file;
};

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
            checkScene(value, slot);
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
            checkScene(value[i], slot + "[" + std::to_string(i) + "]");
        }
    }

    void report(const std::string& what) {
        errors.push_back(std::string(kSceneFile) + ": " + what);
    }

    std::vector<std::string> errors;

private:
    void checkScene(const json& scene, const std::string& where) {
        if (!scene.is_object()) {
            report(where + ": must be a scene object, but is " + scene.type_name());
            return;
        }
        SceneData data;
        try {
            data = scene.get<SceneData>();
        } catch (const json::exception& e) {
            report(where + ": cannot be read: " + e.what());
            return;
        }
        checkTables(data, where);
        checkParallel(data, where);
        checkLines(where, "linesBolsillos", data.linesBolsillos, "bolsillos");
        checkLines(where, "linesBotones", data.linesBotones, "botones");
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
        const auto index = static_cast<std::size_t>(value);
        for (const DialogueDoc& dialogue : dialogues_) {
            const json& doc = dialogue.doc;
            if (!doc.is_object() || !doc.contains(character) || !doc.at(character).is_array()) {
                report(head + ", but " + dialogue.file + " has no " + quoted(character) + " array");
                continue;
            }
            const json& entries = doc.at(character);
            if (index >= entries.size()) {
                report(head + ", but " + quoted(character) + " in " + dialogue.file + " has only " +
                       std::to_string(entries.size()) + " entries");
                continue;
            }
            if (!isConversationList(entries[index])) {
                report(head + ", but entry " + std::to_string(value) + " of " + quoted(character) +
                       " in " + dialogue.file +
                       " is not a list of conversations made of text lines");
            }
        }
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
    return checker.errors;
}
