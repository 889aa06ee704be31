#include "bosses/BossArena.hpp"

#include "bosses/Jefe.hpp"
#include "render/Paths.hpp"

namespace bosses {
std::shared_ptr<Jefe> enterArena(int) {
    return nullptr;
}
void releaseBossTextures() {}
const char* talkMusic(int kind) {
    switch (kind) {
        case 0: return paths::kBoss1TalkMusic;
        case 1: return paths::kBoss2TalkMusic;
        default: return paths::kBoss3TalkMusic;
    }
}
}  // namespace bosses
