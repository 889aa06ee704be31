#include "scene/ScenePictures.hpp"

#include "bosses/Jefe.hpp"
#include "npc/NPC.hpp"
#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace scene_pictures {
namespace {
void addPortrait(std::vector<std::string>& list, int kind) {
    if (const char* file = npcs::portraitFile(kind)) {
        list.emplace_back(file);
    }
}
}  // namespace

std::vector<std::string> of(const SceneData& scene, bool openingOnly) {
    std::vector<std::string> list;
    if (scene.bg >= 0 && scene.bg < static_cast<int>(paths::kBackgroundImages.size())) {
        list.emplace_back(paths::kBackgroundImages[static_cast<std::size_t>(scene.bg)]);
    }
    if (scene.linesBolsillos != -1) {
        list.emplace_back(npcs::sheetFile(NPC::kBolsillos));
        addPortrait(list, NPC::kBolsillos);
    }
    if (scene.linesBotones != -1) {
        list.emplace_back(npcs::sheetFile(NPC::kBotones));
        addPortrait(list, NPC::kBotones);
        addPortrait(list, NPC::kProta);
    }
    switch (scene.boss) {
        case Jefe::kGreed:
            list.insert(list.end(), {paths::kGreedSheet});
            break;
        case Jefe::kLust:
            list.insert(list.end(), {paths::kLustSheet, paths::kLampySheet, paths::kLampyLight,
                                     paths::kSpotlight});
            break;
        case Jefe::kValdro:
            list.emplace_back(paths::kValdro1Sheet);
            if (!openingOnly) {
                list.insert(list.end(), {paths::kValdro2Sheet, paths::kValdro3Sheet});
            }
            break;
        default:
            break;
    }
    if (scene.boss >= Jefe::kGreed && scene.boss <= Jefe::kValdro) {
        addPortrait(list, NPC::kCodicia + scene.boss);
    }
    return list;
}

std::vector<std::string> wanted(const SceneData& current, const SceneData* next) {
    std::vector<std::string> list = of(current);
    if (next != nullptr) {
        for (std::string& path : of(*next, true)) {
            list.push_back(std::move(path));
        }
    }
    return list;
}

void prefetchAround(const std::vector<SceneData>& levels, int index) {
    const std::size_t at = static_cast<std::size_t>(index);
    if (index >= 0 && at < levels.size()) {
        textures::prefetch(wanted(levels[at], at + 1 < levels.size() ? &levels[at + 1] : nullptr));
    }
}

}  // namespace scene_pictures
