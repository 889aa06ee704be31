#include "bosses/Valdro.hpp"

#include <algorithm>
#include <cmath>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "bosses/BossTextures.hpp"
#include "bosses/Calavera.hpp"
#include "bosses/Onda.hpp"
#include "enemies/RandomDraw.hpp"
#include "render/Audio.hpp"
#include "render/Paths.hpp"
#include "scene/World.hpp"

namespace {
// Base weights: phases 1 and 2 with the player far (8.0 or more) or near, and phase 3.
constexpr double kFarWeights[Valdro::kActionCount] = {0, 20, 20, 20, 20, 0, 10, 0, 0, 0};
constexpr double kNearWeights[Valdro::kActionCount] = {20, 20, 20, 0, 0, 20, 10, 0, 0, 0};
constexpr double kTopWeights[Valdro::kActionCount] = {0, 0, 0, 0, 0, 0, 0, 40, 40, 30};
constexpr double kNearDistance = 8.0;
constexpr double kVanishWeight = 10.0;
constexpr double kLearnGain = 10.0;
constexpr double kLearnLoss = 2.0;
constexpr double kRestPenalty = -10.0;

// Melee: walks up until the player is this close, then swings; the whole sprite hurts from
// frame 25 to 37 of the swing; from frame 50 it walks back home.
constexpr double kMeleeReach = 2.5;
constexpr int kSwingWideFrom = 25;
constexpr int kSwingWideUntil = 37;
constexpr int kWalkHomeFrom = 50;
constexpr double kHomeFromWall = 3.5;
// Waves and skulls leave halfway through their cast.
constexpr int kCastAt = 50;
constexpr int kCastEnds = 100;
// Vanish: gone at frame 0, back at frame 40, done at 80.
constexpr int kReappearAt = 40;
constexpr int kVanishEnds = 80;
constexpr double kVanishedX = -1000.0;
// The last form hovers at the top of the arena.
constexpr WorldRect kTopForm{5.2, 0.0, 5.6, 4.0};
constexpr int kRestEnds = 100;
constexpr int kWeaveAt = 50;
constexpr int kWeaveEnds = 100;
constexpr int kVolleyEvery = 80;
constexpr int kWallsEnd = 400;
constexpr int kGapChance = 3;  // one row in three is left open
// Fire rain: gone at once, moves at frame 50, rains at 100.
constexpr double kRainHiddenX = 10000.0;
constexpr int kRainMoveAt = 50;
constexpr int kRainAt = 100;
constexpr double kRainSpot = 5.2;
constexpr int kRainSpots = 3;
constexpr double kRainFromLeftBelow = 9.0;
constexpr double kRainFromRightAbove = 3.0;
constexpr double kBoxShrinkAfterVanish = 1.0;
}  // namespace

Valdro::Valdro() {
    sheet = bossTextures().valdro1Sheet;
    enterArena(kStartX, kStartY, kWidth, kHeight, kHealth, kScore, 0, 0.02);
    addAnimation("idle", 3, 0, 1280, 896, 640, 33, true, false);
    addAnimation("idle3", 4, 0, 0, 896, 640, 25, true, false);
    addAnimation("cast", 3, 0, 1920, 896, 640, 33, false, false);
    addAnimation("holdhit", 1, 0, 2560, 896, 640, 100, true, false);
    addAnimation("hit", 3, 896, 2560, 896, 640, 16, false, false);
    addAnimation("shoot", 4, 0, 0, 896, 640, 25, false, false);
    addAnimation("puf", 4, 0, 640, 896, 640, 10, false, false);
    addAnimation("fup", 4, 0, 640, 896, 640, 10, false, true);
    addAnimation("fupuf", 3, 0, 640, 896, 640, 16, false, false, "idle3");
    addAnimation("pufupu", 3, 0, 640, 896, 640, 16, false, true, "fupuf");
    addAnimation("death", 3, 0, 1280, 896, 640, 16, false, false, "dead");
    addAnimation("dead", 1, 1792, 1280, 896, 640, 1000, true, false);
    setAnimation("idle");
}

void Valdro::updateHitboxes() {
    hitbox = WorldRect{x + kArmWidth, y, w - 2.0 * kArmWidth, h};
    box2 = hitbox;
}

const char* Valdro::fightMusic() const {
    return paths::kBoss3Music;
}

void Valdro::update(Prota& prota, World& world, double, double) {
    if (phase == 0) {
        lastPlayerHp = prota.hp;
        startOnceTheTalkIsOver(world);
    } else if (!deathReported && hp > 0) {
        // Once its health is gone it only sinks to the floor.
        const WorldRect player = prota.drawnRect();
        if (!actionRunning) {
            choose(player, prota.hp);
        }
        runAction(player, world);
    }
    fall();
}

void Valdro::fall() {
    y = std::min(y + vy, kFloorY - h);
    hitbox.y = y;
}

void Valdro::choose(const WorldRect& player, int playerHp) {
    if ((phase == 1 && hp < (3 * maxHp) / 4) || (phase == 2 && hp < maxHp / 2)) {
        phase += 1;
        for (ActionRecord& a : actions) {
            a.baseWeight = 0.0;
            a.learnedWeight = 0.0;
        }
        record(State::Vanish).baseWeight = kVanishWeight;
        phaseChanged = true;
    } else {
        setBaseWeights(std::abs(player.centerX() - centre()));
    }
    learn(playerHp);
    double sum = 0.0;
    for (const ActionRecord& a : actions) {
        sum += a.baseWeight + a.learnedWeight;
    }
    // With nothing to draw from it keeps its last action.
    if (const auto drawn = randomBelow(static_cast<int>(std::ceil(sum)))) {
        roll = *drawn + 1;
        action = State::FireRain;
        double running = 0.0;
        for (int i = 0; i < kActionCount; ++i) {
            const ActionRecord& a = actions[static_cast<std::size_t>(i)];
            running += a.baseWeight + a.learnedWeight;
            if (roll <= running) {
                action = static_cast<State>(i);
                break;
            }
        }
    }
    ActionRecord& rest = record(State::Rest);
    rest.learnedWeight = std::max(rest.learnedWeight, 0.0);
}

void Valdro::setBaseWeights(double distance) {
    const double* table = phase >= 3                  ? kTopWeights
                          : distance >= kNearDistance ? kFarWeights
                                                      : kNearWeights;
    for (int i = 0; i < kActionCount; ++i) {
        actions[static_cast<std::size_t>(i)].baseWeight = table[i];
    }
}

void Valdro::learn(int playerHp) {
    ActionRecord& last = record(action);
    if (playerHp < lastPlayerHp) {
        last.hurtPlayer = true;
    }
    lastPlayerHp = playerHp;
    if (!last.hurtPlayer || phaseChanged) {
        last.learnedWeight = std::max(last.learnedWeight - kLearnLoss, 0.0);
    } else {
        last.hurtPlayer = false;
        last.learnedWeight += kLearnGain;
    }
}

void Valdro::runAction(const WorldRect& player, World& world) {
    switch (action) {
        case State::MeleeHit:
            meleeStep(player, world);
            break;
        case State::Wave:
            waveStep(world, false);
            break;
        case State::RushingWave:
            waveStep(world, true);
            break;
        case State::SkullArc:
            skullStep(world, Calavera::kArc);
            break;
        case State::SkullDrop:
            skullStep(world, Calavera::kDrop);
            break;
        case State::Vanish:
            vanishStep(world);
            break;
        case State::Rest:
            restStep();
            break;
        case State::WeavingSkulls:
            weavingStep(world);
            break;
        case State::SkullWalls:
            wallStep(player, world);
            break;
        case State::FireRain:
            fireRainStep(world);
            break;
    }
}

void Valdro::finish() {
    actionRunning = false;
    step = 0;
}

void Valdro::meleeStep(const WorldRect& player, const World& world) {
    const WorldRect room = world.room();
    const double midline = room.x + room.w / 2.0;
    if (step == 0) {
        actionRunning = true;
        speed = side ? kStepSpeed : -kStepSpeed;
        const bool mayWalk = side ? centre() <= midline : centre() >= midline;
        if (std::abs(player.centerX() - centre()) > kMeleeReach && mayWalk) {
            if (!walkAnimSet) {
                walkAnimSet = true;
                setAnimation("holdhit");
            }
            x += speed;
            updateHitboxes();
            return;
        }
        setAnimation("hit");
        audio::playSound("valdroSwing");
        step = 1;
        return;
    }
    if (step >= kWalkHomeFrom) {
        // A swing thrown from home would step him out through his own wall: the wall stops him.
        x = std::clamp(x - speed, room.x, std::max(room.x, room.x + room.w - w));
        updateHitboxes();
        // Home is 3.5 from its own wall; the wall itself stops it too, so the walk always ends.
        const bool home =
            side ? centre() <= room.x + kHomeFromWall || x <= room.x
                 : centre() >= room.x + room.w - kHomeFromWall || x + w >= room.x + room.w;
        if (home) {
            walkAnimSet = false;
            updateHitboxes();
            finish();
        }
        return;
    }
    if (step == kSwingWideFrom) {
        // The swing: the whole sprite hurts.
        syncBox2();
    } else if (step == kSwingWideUntil) {
        updateHitboxes();
    }
    step += 1;
}

void Valdro::waveStep(World& world, bool rushing) {
    if (step == 0) {
        actionRunning = true;
        setAnimation("shoot");
    } else if (step == kCastAt) {
        audio::playSound("valdroWave");
        world.addEnemy(std::make_shared<Onda>(towardsPlayerSide(), rushing, phase, world.room()));
    } else if (step >= kCastEnds) {
        finish();
        return;
    }
    step += 1;
}

void Valdro::skullStep(World& world, int pattern) {
    if (step == 0) {
        actionRunning = true;
        setAnimation("cast");
        audio::playSound("plainSkull");
    } else if (step == kCastAt) {
        const double shift = pattern == Calavera::kDrop ? randomBelow(2).value_or(0) : 0;
        for (int index = 1; index <= 3; ++index) {
            world.addEnemy(std::make_shared<Calavera>(towardsPlayerSide(), pattern, index, phase,
                                                      shift, world.room()));
        }
    } else if (step >= kCastEnds) {
        finish();
        return;
    }
    step += 1;
}

void Valdro::reappear(const World& world) {
    const WorldRect room = world.room();
    // Comes back at the other end of the arena, facing in.
    if (side) {
        x = room.x + room.w - w;
        flipped = false;
    } else {
        x = room.x;
        flipped = true;
    }
    setAnimation("fup");
    audio::playSound("fire");
}

void Valdro::vanishStep(const World& world) {
    if (step == 0) {
        actionRunning = true;
        setAnimation("puf");
        audio::playSound("fire");
        hitbox.x = kVanishedX;
        box2.x = kVanishedX;
    } else if (step == kReappearAt) {
        if (!phaseChanged) {
            reappear(world);
        } else if (phase == 2) {
            sheet = bossTextures().valdro2Sheet;
            phaseChanged = false;
            reappear(world);
        } else {
            sheet = bossTextures().valdro3Sheet;
            phaseChanged = false;
            setAnimation("fupuf");
            audio::playSound("fire");
            x = kTopForm.x;
            y = kTopForm.y;
            w = kTopForm.w;
            h = kTopForm.h;
        }
    } else if (step >= kVanishEnds) {
        updateHitboxes();
        side = !side;
        box2.h -= kBoxShrinkAfterVanish;
        finish();
        return;
    }
    step += 1;
}

void Valdro::restStep() {
    if (step == 0) {
        actionRunning = true;
        step = 1;
        record(State::Rest).learnedWeight = kRestPenalty;
        return;
    }
    if (step >= kRestEnds) {
        finish();
        return;
    }
    step += 1;
}

void Valdro::weavingStep(World& world) {
    if (step == 0) {
        actionRunning = true;
        step = 1;
        return;
    }
    if (step >= kWeaveEnds) {
        finish();
        return;
    }
    if (step == kWeaveAt) {
        audio::playSound("fire");
        for (int dir : {1, -1}) {
            for (int index : {1, 2}) {
                world.addEnemy(std::make_shared<Calavera>(dir, Calavera::kWeave, index, phase, 0.0,
                                                          world.room()));
            }
        }
    }
    step += 1;
}

void Valdro::wallStep(const WorldRect& player, World& world) {
    const WorldRect room = world.room();
    if (step == 0) {
        actionRunning = true;
        step = 1;
        return;
    }
    if (step >= kWallsEnd) {
        volleyCount = 1;
        finish();
        return;
    }
    if (step == volleyCount * kVolleyEvery) {
        audio::playSound("fire");
        volleyCount += 1;
        // The wall starts on the player's side and crosses the arena.
        const int dir = player.centerX() > room.x + room.w / 2.0 ? -1 : 1;
        for (int row = 1; row <= 3; ++row) {
            const bool gap = randomBelow(kGapChance).value_or(1) == 0;
            world.addEnemy(std::make_shared<Calavera>(dir, Calavera::kWall, gap ? 0 : row, phase,
                                                      0.0, world.room()));
        }
    }
    step += 1;
}

void Valdro::fireRainStep(World& world) {
    if (step == 0) {
        actionRunning = true;
        step = 1;
        setAnimation("pufupu");
        audio::playSound("fire");
        hitbox.x = kRainHiddenX;
        box2.x = kRainHiddenX;
        return;
    }
    if (step == kRainMoveAt) {
        x = randomBelow(kRainSpots).value_or(1) * kRainSpot;
    } else if (step >= kRainAt) {
        audio::playSound("fire");
        for (int index = 0; index < 3; ++index) {
            if (x < kRainFromLeftBelow) {
                world.addEnemy(std::make_shared<Calavera>(1, Calavera::kRain, index, phase, 0.0,
                                                          world.room()));
            }
            if (x > kRainFromRightAbove) {
                world.addEnemy(std::make_shared<Calavera>(-1, Calavera::kRain, index, phase, 0.0,
                                                          world.room()));
            }
        }
        finish();
        updateHitboxes();
        return;
    }
    step += 1;
}

bool Valdro::hitByShot(std::shared_ptr<Disparo> shot) {
    if (!shot || hp <= 0 || !overlaps(shot->rect(), hitbox)) {
        return false;
    }
    if (takeShot(*shot)) {
        vy = kSinkSpeed;  // it sinks to the floor
    } else {
        flashRed();
    }
    return true;
}
