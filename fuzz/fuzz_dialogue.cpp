// The dialogue files as the game reads them: the start-up check of the shipped scenes against
// them, then the conversations every character asks for. Neither ever fails; a character whose
// entry cannot be read says nothing.
#include <cstddef>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "FuzzSupport.hpp"
#include "npc/Dialogue.hpp"
#include "save/JsonFile.hpp"
#include "scene/SceneFileCheck.hpp"

using nlohmann::json;

namespace {

constexpr int kEntriesAsked = 8;  // more than any shipped character has

const json& shippedScenes() {
    static const json scenes = json::parse(fuzz::shippedText("datus/config/scenes.json"));
    return scenes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const json_file::Document file = json_file::parse(text);
    if (file.ok()) {
        // The same text in both languages, as the start-up check reads them.
        checkSceneFile(shippedScenes(), file.json, file.json);
    }

    for (int language = 0; language < 2; ++language) {
        dialogue::setDialogueText(language, text);
        for (int kind = -1; kind <= static_cast<int>(std::size(dialogue::kCharacterKeys)); ++kind) {
            for (int index = -1; index < kEntriesAsked; ++index) {
                for (const Conversation& c : dialogue::conversationsFor(language, kind, index)) {
                    (void)c;
                }
            }
        }
    }
    return 0;
}
