#include "bosses/BossArena.hpp"

#include "bosses/BossTextures.hpp"
#include "bosses/Codicia.hpp"
#include "bosses/Lujuria.hpp"
#include "bosses/Valdro.hpp"
#include "render/Paths.hpp"

namespace bosses {

std::shared_ptr<Jefe> enterArena(int kind) {
    loadBossTextures(kind);
    switch (kind) {
        case Jefe::kGreed:
            return std::make_shared<Codicia>();
        case Jefe::kLust:
            return std::make_shared<Lujuria>();
        case Jefe::kValdro:
            return std::make_shared<Valdro>();
        default:
            return nullptr;
    }
}

void releaseBossTextures() {
    freeBossTextures();
}

const char* talkMusic(int kind) {
    switch (kind) {
        case Jefe::kGreed:
            return paths::kBoss1TalkMusic;
        case Jefe::kLust:
            return paths::kBoss2TalkMusic;
        case Jefe::kValdro:
            return paths::kBoss3TalkMusic;
        default:
            return paths::kQuietMusic;
    }
}

}  // namespace bosses
