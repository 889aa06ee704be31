#include "menus/MenuTextures.hpp"

#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

MenuTextures& menuTextures() {
    static MenuTextures instance;
    return instance;
}

void loadMenuTextures() {
    freeMenuTextures();
    MenuTextures& t = menuTextures();
    t.volumeBar = textures::load(paths::kVolumeBar);
    t.protaHead = textures::load(paths::kProtaHead);
    t.itemInfo[0] = textures::load(paths::kItemInfoEs);
    t.itemInfo[1] = textures::load(paths::kItemInfoEn);
}

void freeMenuTextures() {
    MenuTextures& t = menuTextures();
    textures::destroy(t.volumeBar);
    textures::destroy(t.protaHead);
    textures::destroy(t.itemInfo[0]);
    textures::destroy(t.itemInfo[1]);
}
