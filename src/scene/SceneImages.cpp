#include "scene/SceneImages.hpp"

#include <utility>
#include <vector>

#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace {
std::vector<std::pair<SDL_Texture**, const char*>> handles(SceneImages& t) {
    std::vector<std::pair<SDL_Texture**, const char*>> list = {
        {&t.crosshair, paths::kCrosshair}, {&t.reticle, paths::kReticle},
        {&t.hearts, paths::kHearts},       {&t.emptyHearts, paths::kEmptyHearts},
        {&t.coin, paths::kCoin},           {&t.prompt, paths::kPrompt}};
    for (std::size_t i = 0; i < t.trees.size(); ++i) {
        list.emplace_back(&t.trees[i], paths::kTreeLayers[i]);
    }
    return list;
}
}  // namespace

SceneImages& sceneImages() {
    static SceneImages instance;
    return instance;
}

void loadSceneImages() {
    freeSceneImages();
    for (auto [handle, path] : handles(sceneImages())) {
        *handle = textures::load(path);
    }
}

void freeSceneImages() {
    for (auto [handle, path] : handles(sceneImages())) {
        textures::destroy(*handle);
    }
}
