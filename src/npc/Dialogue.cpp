#include "npc/Dialogue.hpp"

#include <fstream>
#include <nlohmann/json.hpp>

#include "render/Paths.hpp"

namespace dialogue {
namespace {
nlohmann::json gText[2];
}

void loadDialogueFiles() {
    const char* files[2] = {paths::kDialogueEs, paths::kDialogueEn};
    for (int i = 0; i < 2; ++i) {
        std::ifstream in(files[i]);
        gText[i] = nlohmann::json::parse(in, nullptr, false);
    }
}

void setDialogueText(int language, const std::string& jsonText) {
    gText[language == 0 ? 0 : 1] = nlohmann::json::parse(jsonText, nullptr, false);
}

std::vector<Conversation> conversationsFor(int language, int kind, int index) {
    try {
        return gText[language == 0 ? 0 : 1]
            .at(kCharacterKeys[kind])
            .at(static_cast<std::size_t>(index))
            .get<std::vector<Conversation>>();
    } catch (const std::exception&) {
        return {};
    }
}
}  // namespace dialogue
