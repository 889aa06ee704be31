#include "npc/Dialogue.hpp"

#include <array>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>

#include "app/Console.hpp"
#include "render/Paths.hpp"
#include "save/JsonFile.hpp"

using nlohmann::json;

namespace dialogue {
namespace {

constexpr int kLanguages = 2;
constexpr std::array<const char*, kLanguages> kFiles = {paths::kDialogueEs, paths::kDialogueEn};
constexpr std::array<const char*, kLanguages> kLanguageNames = {"Spanish", "English"};

// The parsed file of each language; null when it could not be read.
std::array<json, kLanguages> gDocuments;
// Which unreadable entries were already reported, so a character that is built again in every
// scene complains once.
std::set<std::tuple<int, int, int>> gReported;

using console::say;

int languageSlot(int language) {
    // Any setting other than Spanish reads English, like the configuration's "language".
    return language == 0 ? 0 : 1;
}

std::string where(const char* key, int index) {
    return "\"" + std::string(key) + "\"[" + std::to_string(index) + "]";
}

// Converts one entry to conversations; on a wrong type returns false with the reason.
bool readEntry(const json& entry, const std::string& place, std::vector<Conversation>& out,
               std::string& why) {
    if (!entry.is_array()) {
        why = place + " must be a list of conversations, but is " + entry.type_name();
        return false;
    }
    out.reserve(entry.size());
    for (std::size_t c = 0; c < entry.size(); ++c) {
        const json& conversation = entry[c];
        const std::string conversationPlace = place + "[" + std::to_string(c) + "]";
        if (!conversation.is_array()) {
            why =
                conversationPlace + " must be a list of lines, but is " + conversation.type_name();
            return false;
        }
        Conversation lines;
        lines.reserve(conversation.size());
        for (std::size_t l = 0; l < conversation.size(); ++l) {
            if (!conversation[l].is_string()) {
                why = conversationPlace + "[" + std::to_string(l) + "] must be text, but is " +
                      conversation[l].type_name();
                return false;
            }
            lines.push_back(conversation[l].get<std::string>());
        }
        out.push_back(std::move(lines));
    }
    return true;
}

}  // namespace

void loadDialogueFiles() {
    gReported.clear();
    for (int language = 0; language < kLanguages; ++language) {
        json_file::Document file = json_file::read(kFiles[language]);
        if (!file.ok()) {
            say(std::string(kFiles[language]) + ": " + file.problem +
                "; the characters say nothing in " + kLanguageNames[language]);
            gDocuments[language] = json();
            continue;
        }
        gDocuments[language] = std::move(file.json);
    }
}

void setDialogueText(int language, const std::string& jsonText) {
    const int slot = languageSlot(language);
    gReported.clear();
    json_file::Document parsed = json_file::parse(jsonText);
    if (!parsed.ok()) {
        say(std::string(kFiles[slot]) + ": " + parsed.problem + "; the characters say nothing in " +
            kLanguageNames[slot]);
        gDocuments[slot] = json();
        return;
    }
    gDocuments[slot] = std::move(parsed.json);
}

std::vector<Conversation> conversationsFor(int language, int kind, int index) {
    const int slot = languageSlot(language);
    std::vector<Conversation> conversations;
    if (kind < 0 || kind >= static_cast<int>(std::size(kCharacterKeys))) {
        return conversations;
    }
    const char* key = kCharacterKeys[kind];
    const json& doc = gDocuments[slot];
    std::string why;
    if (!doc.is_object()) {
        why = where(key, index) + " cannot be read: the file was not read";
    } else if (!doc.contains(key)) {
        why = where(key, index) + " is missing: there is no \"" + key + "\"";
    } else if (!doc.at(key).is_array()) {
        why = "\"" + std::string(key) + "\" must be a list of entries, but is " +
              doc.at(key).type_name();
    } else if (index < 0 || static_cast<std::size_t>(index) >= doc.at(key).size()) {
        why = where(key, index) + " is missing";
    } else if (readEntry(doc.at(key)[static_cast<std::size_t>(index)], where(key, index),
                         conversations, why)) {
        return conversations;
    }
    conversations.clear();
    if (gReported.insert({slot, kind, index}).second) {
        say(std::string(kFiles[slot]) + ": " + why + "; the character says nothing");
    }
    return conversations;
}

}  // namespace dialogue
