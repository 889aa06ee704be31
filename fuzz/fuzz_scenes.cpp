// The scene file as the game reads it before the first run: parsed, checked whole against the
// shipped dialogue, and then read scene by scene as the story enters them. The check and the
// loader never fail in any other way than with the library's JSON errors, and a file the check
// lets through loads every scene the story can reach.
#include <cstddef>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "FuzzSupport.hpp"
#include "save/JsonFile.hpp"
#include "scene/SceneData.hpp"
#include "scene/SceneFileCheck.hpp"

using nlohmann::json;

namespace {

const json& shippedDialogue(int language) {
    static const json es = json::parse(fuzz::shippedText("datus/dialog/conversaciones_es.json"));
    static const json en = json::parse(fuzz::shippedText("datus/dialog/conversaciones_en.json"));
    return language == 0 ? es : en;
}

// Reads one scene as the story does; false when the loader refuses it.
bool loads(const json& scene) {
    try {
        const SceneData data = scene.get<SceneData>();
        (void)data;
        return true;
    } catch (const json::exception&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Parsed as the game reads its files.
    const json_file::Document file =
        json_file::parse(std::string(reinterpret_cast<const char*>(data), size));
    if (!file.ok()) {
        return 0;
    }
    const json& scenes = file.json;
    const std::vector<std::string> problems =
        checkSceneFile(scenes, shippedDialogue(0), shippedDialogue(1));
    if (!scenes.is_object()) {
        fuzz::require(!problems.empty(), "a scene file that is not an object is refused");
        return 0;
    }
    for (const auto& [slot, value] : scenes.items()) {
        const bool pool = value.is_array();
        bool allLoad = true;
        if (pool) {
            for (const json& scene : value) {
                allLoad = loads(scene) && allLoad;
            }
        } else {
            allLoad = loads(value);
        }
        // Extra slots are the file's own business; the story's slots must load once checked.
        const bool storySlot = slot == "tutorial" || slot.rfind("scenes_", 0) == 0 ||
                               slot.rfind("shop_", 0) == 0 || slot.rfind("botones_", 0) == 0 ||
                               slot == "greed" || slot == "lust" || slot == "valdro";
        if (problems.empty() && storySlot) {
            fuzz::require(allLoad, "every scene of a checked scene file loads");
        }
    }
    return 0;
}
