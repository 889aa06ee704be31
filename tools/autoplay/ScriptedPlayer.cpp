#include "autoplay/ScriptedPlayer.hpp"

#include <algorithm>
#include <cmath>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "bosses/Jefe.hpp"
#include "enemies/Enemigo.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "scene/Escena.hpp"

namespace {

// Keep this far from what it shoots at: close enough to hit, far enough to react.
constexpr double kNearest = 2.2;
constexpr double kFarthest = 4.0;
// Shots that will reach the player within this many frames are dodged: by a dash when it is
// that close, otherwise by a jump or a step aside.
constexpr int kDodgeLookahead = 30;
constexpr int kContactLookahead = 12;
constexpr int kDashWithin = 3;
constexpr int kDodgeCommitFrames = 20;
constexpr int kJumpWithin = 13;
// An enemy moving faster than this per frame is charging.
constexpr double kFastEnemy = 0.08;
// Droppings are given this much room on each side, and the jump over one starts within this
// much of the last moment.
constexpr double kDroppingMargin = 0.2;
constexpr double kJumpWindow = 0.35;
// How far a dash carries the player.
constexpr double kDashLength = 4.5;
// A press of jump is held this long: long enough to be seen, short enough not to bounce.
constexpr int kJumpHoldFrames = 3;
// Looking this far ahead for an enemy before stepping aside.
constexpr double kWayAhead = 1.5;
// No jumping over furniture with a moving shot closer than this.
constexpr double kShotWatch = 12.0;
// An enemy that cannot be hurt now counts as this much farther away.
constexpr double kHiddenPenalty = 1000.0;
// Where boxes of untouchable enemies are parked.
constexpr double kParked = 900.0;

bool touchable(const WorldRect& box) {
    return std::abs(box.x) < kParked && std::abs(box.y) < kParked;
}

// What the player sees of a character: it has stopped talking after its last conversation.
bool saidEverything(const NPC& npc) {
    return !npc.talking && npc.conversationIndex >= npc.conversationCount() - 1;
}

WorldRect rectOf(const Renderizable& r) {
    return WorldRect{r.x, r.y, r.w, r.h};
}

}  // namespace

ScriptedPlayer::ScriptedPlayer(Escena& scene, ScriptedPlatform& platform, View view)
    : scene_(scene), platform_(platform), view_(view) {
    lastX_ = scene_.prota->x;
    lastHp_ = scene_.prota->hp;
}

// ---- One frame ------------------------------------------------------------------------------

int ScriptedPlayer::frame() {
    while (!events_.empty()) {
        scene_.handleEvent(events_.front(), view_.scale, view_.camX, view_.camY);
        events_.pop_front();
    }
    lastResult =
        scene_.update(view_.scale, view_.camX, view_.camY, view_.viewWidth, view_.scrollMargin);
    // Drawing moves the animations on (an enemy's death plays out as it is drawn); nothing is
    // shown, but every piece of the scene is drawn as the game draws it.
    scene_.render(nullptr);
    frameSeen();
    return lastResult;
}

std::deque<SDL_Event> ScriptedPlayer::decideFrame(const View& view) {
    view_ = view;
    const Intent in = decide();
    walking_ = in.move != 0;
    apply(in);
    std::deque<SDL_Event> decided;
    decided.swap(events_);
    return decided;
}

void ScriptedPlayer::frameSeen() {
    const Prota& p = *scene_.prota;
    if (p.hp < lastHp_) {
        hitsTaken += lastHp_ - p.hp;
    }
    lastHp_ = p.hp;
    lastSeen_.clear();
    for (const auto& e : scene_.enemies) {
        lastSeen_[e.get()] = WorldRect{e->x, e->y, e->w, e->h};
    }
    // Held against something: trying to walk and not getting anywhere.
    stillFrames_ = walking_ && std::abs(p.x - lastX_) < 1e-9 ? stillFrames_ + 1 : 0;
    lastX_ = p.x;
    frames += 1;
}

int ScriptedPlayer::finish(int maxFrames) {
    for (int f = 0; f < maxFrames; ++f) {
        const Intent in = decide();
        walking_ = in.move != 0;
        apply(in);
        if (frame() != kGoOn) {
            return lastResult;
        }
    }
    return lastResult;
}

// ---- Deciding -------------------------------------------------------------------------------

bool ScriptedPlayer::anyoneTalking() const {
    return std::any_of(scene_.npcs.begin(), scene_.npcs.end(),
                       [](const auto& npc) { return npc->talking; });
}

double ScriptedPlayer::centreX() const {
    const Prota& p = *scene_.prota;
    // A dash draws the player two bodies wide with the body at the front.
    return p.dashShifted ? p.x + p.bodyWidth + p.bodyWidth / 2.0 : p.x + p.w / 2.0;
}

ScriptedPlayer::Intent ScriptedPlayer::decide() {
    Intent in;
    const Prota& p = *scene_.prota;
    if (anyoneTalking()) {
        in.interact = true;
        return in;
    }
    // Hurt: pick up a heart lying on the floor.
    if (p.hp < p.maxHp) {
        for (const auto& item : scene_.items) {
            if (item->kind == 5 && !item->falling && item->y + item->h > 8.0) {
                steer(in, item->x + item->w / 2.0);
                in.interact = p.touches(rectOf(*item));
                dodge(in);
                return in;
            }
        }
    }
    if (fight(in)) {
        dodge(in);
        return in;
    }
    // Someone standing in the scene still has something to say.
    for (const auto& npc : scene_.npcs) {
        const bool standing =
            npc->kind != NPC::kProta && npc->kind != NPC::kTutorial && npc->w > 0.0;
        if (standing && !saidEverything(*npc)) {
            steer(in, npc->x + npc->w / 2.0);
            in.interact = p.touches(rectOf(*npc));
            return in;
        }
    }
    steer(in, scene_.data.width - 0.6);
    in.interact = p.x > scene_.data.width - Escena::kExitDepth;
    dodge(in);
    return in;
}

bool ScriptedPlayer::fight(Intent& in) {
    const Prota& p = *scene_.prota;
    const double px = centreX();
    const double py = p.y + p.h / 2.0;
    // The nearest enemy that can be hurt now; one that has vanished (a dissolved Blanky) is
    // only chased when there is nothing else, and then not across the furniture.
    const Mortal* target = nullptr;
    double best = 1e9;
    bool anyLeft = false;
    auto consider = [&](const Mortal& m) {
        anyLeft = true;
        const double d = std::hypot(m.x + m.w / 2.0 - px, m.y + m.h / 2.0 - py) +
                         (touchable(m.hitbox) ? 0.0 : kHiddenPenalty);
        if (d < best) {
            best = d;
            target = &m;
        }
    };
    for (const auto& e : scene_.enemies) {
        if (!e->dying) {
            consider(*e);
        }
    }
    if (scene_.boss && scene_.boss->hp > 0) {
        consider(*scene_.boss);
    }
    if (!anyLeft) {
        return false;
    }
    if (!touchable(target->hitbox)) {
        return true;  // wait where we are for it to show again
    }
    const double tx = target->x + target->w / 2.0;
    const double dx = tx - px;
    if (std::abs(dx) > kFarthest) {
        steer(in, tx - std::copysign(kFarthest - 0.5, dx));
    } else if (std::abs(dx) < kNearest) {
        // Too close: step back, unless the scene's end is behind.
        const double away = px - std::copysign(kNearest + 0.5, dx);
        if (away > 1.0 && away < scene_.data.width - 1.0) {
            steer(in, away);
        } else {
            steer(in, tx + std::copysign(kNearest + 0.5, dx));
        }
    }
    if (touchable(target->hitbox)) {
        const WorldRect& box = target->hitbox;
        const double reach = p.shotRange + Prota::kShotMuzzleDistance - 0.3;
        if (std::hypot(box.centerX() - px, box.centerY() - py) < reach) {
            in.fireAt = box;
        }
        // Out of reach overhead, the player waits below rather than jumping: in the air
        // there is no dashing out of the way.
    }
    return true;
}

void ScriptedPlayer::steer(Intent& in, double targetX) {
    const double cx = centreX();
    if (std::abs(targetX - cx) < 0.3) {
        in.move = 0;
        return;
    }
    in.move = targetX > cx ? 1 : -1;
    if (blockedAhead(in.move) || stillFrames_ > 3) {
        // Over the furniture, but not while shots are flying close by: in the air there is no
        // dashing out of their way.
        if (shotsNearby()) {
            in.move = 0;
        } else {
            in.jump = true;
        }
    }
}

bool ScriptedPlayer::roomToDash(int dir) const {
    const Prota& p = *scene_.prota;
    const double landing = centreX() + dir * kDashLength;
    if (landing < 1.0 || landing > scene_.data.width - 1.0) {
        return false;
    }
    // A case in the way stops the dash short, right where the danger is.
    const double from = std::min(p.x, p.x + dir * kDashLength);
    const double to = std::max(p.x + p.w, p.x + p.w + dir * kDashLength);
    const std::vector<WorldRect>& boxes = scene_.data.obstacleHitboxes;
    return std::none_of(boxes.begin(), boxes.end(), [&](const WorldRect& b) {
        return b.x < to && b.x + b.w > from && b.y < p.y + p.h - 0.1 && b.y + b.h > p.y;
    });
}

bool ScriptedPlayer::enemyInWay(int dir) const {
    const Prota& p = *scene_.prota;
    const WorldRect ahead{dir > 0 ? p.x : p.x - kWayAhead, p.y, p.w + kWayAhead, p.h};
    return std::any_of(scene_.enemies.begin(), scene_.enemies.end(), [&](const auto& e) {
        return !e->dying && touchable(e->box2) && overlaps(e->box2, ahead);
    });
}

bool ScriptedPlayer::shotsNearby() const {
    const Prota& p = *scene_.prota;
    return std::any_of(scene_.enemyShots.begin(), scene_.enemyShots.end(), [&](const auto& s) {
        const bool moving = s->vx != 0.0 || s->vy != 0.0;
        return moving && std::hypot(s->x - p.x, s->y - p.y) < kShotWatch;
    });
}

bool ScriptedPlayer::blockedAhead(int dir) const {
    const Prota& p = *scene_.prota;
    const double front = dir > 0 ? p.x + p.w : p.x;
    const double feet = p.y + p.h;
    const std::vector<WorldRect>& boxes = scene_.data.obstacleHitboxes;
    return std::any_of(boxes.begin(), boxes.end(), [&](const WorldRect& b) {
        const double gap = dir > 0 ? b.x - front : front - (b.x + b.w);
        return gap >= -0.05 && gap < 0.6 && b.y < feet - 0.1 && b.y + b.h > p.y;
    });
}

void ScriptedPlayer::dodge(Intent& in) {
    const Prota& p = *scene_.prota;
    if (p.dashing) {
        // Nothing touches a dashing player. Letting go of the direction, turning or jumping
        // would end the dash at once.
        in.move = p.vx > 0.0 ? 1 : -1;
        in.jump = false;
        return;
    }
    if (dodgeFrames_ > 0 && !enemyInWay(dodgeMove_)) {
        // Keep walking out of the way until the shot has gone by: turning back at once would
        // walk straight into it.
        dodgeFrames_ -= 1;
        in.move = dodgeMove_;
        in.jump = false;
    }
    if (avoidDroppings(in)) {
        return;
    }
    const WorldRect me{p.x - 0.1, p.y + 0.3, p.w + 0.2, p.h - 0.3};
    int threat = -1;       // frames until something reaches the player
    double threatX = 0.0;  // where it meets the player
    bool fast = true;      // it outruns a walk: dash through it rather than away
    bool falling = false;  // a shot coming down more than across: walk out from under it
    auto consider = [&](int k, double atX, bool quick, bool steep) {
        if (threat < 0 || k < threat) {
            threat = k;
            threatX = atX;
            fast = quick;
            falling = steep;
        }
    };
    for (const auto& shot : scene_.enemyShots) {
        if (shot->vx == 0.0 && shot->vy == 0.0) {
            continue;  // droppings: see avoidDroppings
        }
        double x = shot->x;
        double y = shot->y;
        double vx = shot->vx;
        double vy = shot->vy;
        for (int k = 0; k < kDodgeLookahead; ++k) {
            if (overlaps(WorldRect{x, y, shot->w, shot->h}, me)) {
                consider(k, x + shot->w / 2.0, true, std::abs(vy) >= std::abs(vx));
                break;
            }
            x += vx;
            y += vy;
            vx += shot->ax;
            vy += shot->ay;
        }
    }
    // Enemies closing in (a charge, a walker): their motion since the last frame goes on.
    for (const auto& e : scene_.enemies) {
        if (e->dying || !touchable(e->box2)) {
            continue;
        }
        const auto seen = lastSeen_.find(e.get());
        const double dx = seen != lastSeen_.end() ? e->x - seen->second.x : 0.0;
        const double dy = seen != lastSeen_.end() ? e->y - seen->second.y : 0.0;
        for (int k = 0; k < kContactLookahead; ++k) {
            // Both move on: the enemy as it did, the player as it walks.
            const WorldRect box{e->box2.x + dx * k - p.vx * k, e->box2.y + dy * k, e->box2.w,
                                e->box2.h};
            if (overlaps(box, me)) {
                consider(k, e->x + e->w / 2.0, std::hypot(dx, dy) > kFastEnemy, false);
                break;
            }
        }
    }
    if (threat < 0 || p.airborne) {
        return;
    }
    const int away = threatX > centreX() ? -1 : 1;
    const bool canDash = !p.ducking && p.dashCooldown < 1 && p.dashTimer < 1;
    if (canDash && threat <= kDashWithin) {
        // A dash leaves nothing to hit for its whole length, so it is kept for the last
        // moment: dash through what rushes in, so that it ends up behind the player; away from
        // what only creeps closer. Never into the scene's end.
        int toward = fast ? -away : away;
        if (!roomToDash(toward)) {
            toward = -toward;
        }
        in.move = toward;
        in.dash = true;
        in.jump = false;
    } else if (!canDash && (falling || !fast) && threat <= kJumpWithin && !enemyInWay(away)) {
        // No dash left: walk out from under what comes down, or away from what creeps closer,
        // unless that walks into another enemy.
        in.move = away;
        dodgeMove_ = away;
        dodgeFrames_ = kDodgeCommitFrames;
    }
}

// Droppings lie where a Butter left them, on the floor or on a table top at head height.
// Walking into one, the player jumps just early enough for the feet to clear its top; too
// close for that, the player backs off. Standing in one, the player steps out.
bool ScriptedPlayer::avoidDroppings(Intent& in) {
    const Prota& p = *scene_.prota;
    if (p.airborne) {
        return false;
    }
    const double feet = p.y + p.h;
    for (const auto& shot : scene_.enemyShots) {
        if (shot->vx != 0.0 || shot->vy != 0.0) {
            continue;
        }
        const double rise = feet - shot->y;
        if (rise <= 0.0 || shot->y + shot->h < p.y + 0.3) {
            continue;  // under the feet, or over the head
        }
        const double left = shot->x - kDroppingMargin;
        const double right = shot->x + shot->w + kDroppingMargin;
        if (left <= p.x + p.w && p.x <= right) {
            in.move = shot->x + shot->w / 2.0 > centreX() ? -1 : 1;
            in.jump = false;
            return true;
        }
        if (in.move == 0) {
            continue;
        }
        const double gap = in.move > 0 ? left - (p.x + p.w) : p.x - right;
        if (gap < 0.0) {
            continue;  // behind
        }
        const double needed = p.walkSpeed * framesToRise(rise, p) + kDroppingMargin;
        if (gap <= needed) {
            if (gap >= needed - kJumpWindow) {
                in.jump = true;
            } else {
                in.move = -in.move;
            }
            return true;
        }
    }
    return false;
}

int ScriptedPlayer::framesToRise(double rise, const Prota& p) {
    double height = 0.0;
    double speed = Prota::kJumpSpeed;
    int frames = 0;
    while (height < rise && speed > 0.0) {
        height += speed;
        speed -= p.gravity;
        frames += 1;
    }
    return frames;
}

// ---- Acting ---------------------------------------------------------------------------------

void ScriptedPlayer::keyEvent(Uint32 type, int key) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    events_.push_back(e);
}

void ScriptedPlayer::mouseEvent(Uint32 type, Uint8 button) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = platform_.mouseX;
    e.button.y = platform_.mouseY;
    events_.push_back(e);
}

void ScriptedPlayer::apply(const Intent& in) {
    const KeySet& keys = globals().activeKeys;
    auto hold = [&](bool want, bool& held, int key) {
        if (want != held) {
            keyEvent(want ? SDL_KEYDOWN : SDL_KEYUP, key);
            held = want;
        }
    };
    hold(in.move > 0, moveRight_, keys.rightKey);
    hold(in.move < 0, moveLeft_, keys.leftKey);

    if (jumpHeld_) {
        jumpFrames_ += 1;
        if (jumpFrames_ >= kJumpHoldFrames) {
            hold(false, jumpHeld_, keys.upKey);
        }
    } else if (in.jump) {
        hold(true, jumpHeld_, keys.upKey);
        jumpFrames_ = 0;
    }

    if (dashHeld_) {
        mouseEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
        dashHeld_ = false;
    } else if (in.dash) {
        mouseEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
        dashHeld_ = true;
    }

    if (in.fireAt) {
        platform_.mouseX =
            static_cast<int>(std::lround((in.fireAt->centerX() - view_.camX) * view_.scale));
        platform_.mouseY =
            static_cast<int>(std::lround((in.fireAt->centerY() - view_.camY) * view_.scale));
        if (!fireHeld_) {
            platform_.buttons |= SDL_BUTTON_LMASK;
            mouseEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
            fireHeld_ = true;
        }
    } else if (fireHeld_) {
        platform_.buttons &= ~SDL_BUTTON_LMASK;
        mouseEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
        fireHeld_ = false;
    }

    // The interaction key is tapped: down one frame, up the next.
    if (interactHeld_) {
        hold(false, interactHeld_, keys.interactKey);
    } else if (in.interact) {
        hold(true, interactHeld_, keys.interactKey);
    }
}

// ---- Scripted steps -------------------------------------------------------------------------

bool ScriptedPlayer::walkTo(double x, int maxFrames) {
    for (int f = 0; f < maxFrames; ++f) {
        Intent in;
        steer(in, x);
        walking_ = in.move != 0;
        if (in.move == 0 && !scene_.prota->airborne) {
            apply(Intent{});
            frame();
            return true;
        }
        apply(in);
        frame();
    }
    return false;
}

void ScriptedPlayer::tapInteract() {
    Intent in;
    in.interact = true;
    apply(in);
    frame();
    apply(Intent{});
    frame();
}

bool ScriptedPlayer::talkThrough(int maxFrames) {
    for (int f = 0; f < maxFrames && anyoneTalking(); f += 2) {
        tapInteract();
    }
    return !anyoneTalking();
}

bool ScriptedPlayer::talkTo(const NPC& npc, int maxFrames) {
    if (!walkTo(npc.x + npc.w / 2.0, maxFrames)) {
        return false;
    }
    for (int f = 0; f < maxFrames && !saidEverything(npc); f += 2) {
        tapInteract();
    }
    return saidEverything(npc);
}

bool ScriptedPlayer::take(const Objeto& item, int maxFrames) {
    const std::size_t before = scene_.items.size();
    if (!walkTo(item.x + item.w / 2.0, maxFrames)) {
        return false;
    }
    tapInteract();
    return scene_.items.size() < before;
}

bool ScriptedPlayer::leave(int maxFrames) {
    for (int f = 0; f < maxFrames; ++f) {
        Intent in;
        steer(in, scene_.data.width - 0.6);
        walking_ = in.move != 0;
        in.interact = scene_.prota->x > scene_.data.width - Escena::kExitDepth;
        apply(in);
        if (frame() == kLevelCompleted) {
            return true;
        }
        if (anyoneTalking()) {
            return false;  // someone calls the player back
        }
    }
    return false;
}
