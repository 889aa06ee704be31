#include "bosses/FightPilot.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "actors/Prota.hpp"
#include "bosses/Apagon.hpp"
#include "bosses/Foco.hpp"
#include "bosses/Jefe.hpp"
#include "bosses/Lampy.hpp"
#include "scene/Escena.hpp"

namespace {
// Shots reach about this far from the player's centre (muzzle 1.5 plus range 5, less a margin).
constexpr double kReach = 6.3;
// The gap kept between the player and the boss's body.
// How far ahead the pilot looks for things about to hit it, in frames.
constexpr int kLookAhead = 20;
constexpr int kFallLookAhead = 60;
// A dash starts this many frames before contact, so it carries the player through.
constexpr int kDashAt = 8;
// Things slower than this are walked away from while there is room.
constexpr double kOutwalkable = 0.06;
constexpr double kRoomToWalk = 3.0;
// How far a dash carries the player (33 frames at twice the walking speed).
constexpr double kDashReach = 4.6;
constexpr double kDashFrames = 33.0;
// A dash must not end this close to the boss: it may step up meanwhile.
constexpr double kBossMargin = 2.5;
// How far to the side of a boss overhead the player stands.
constexpr double kUnderneathGap = 2.5;

bool touching(const WorldRect& a, const WorldRect& b) {
    return overlaps(a, b);
}

}  // namespace

WorldRect FightPilot::ahead(const Seen& s, double frames) {
    return WorldRect{s.box.x + s.vx * frames, s.box.y + s.vy * frames, s.box.w, s.box.h};
}

double FightPilot::clearColumn(const std::vector<Seen>& hazards, bool lastIsBoss, double from,
                               double low, double high, double preferred) {
    const std::size_t falling = hazards.size() - (lastIsBoss ? 1 : 0);
    const auto clearAt = [&](double c) {
        for (std::size_t i = 0; i < falling; ++i) {
            const WorldRect& b = hazards[i].box;
            if (std::abs(hazards[i].vx) < 0.02 && b.x < c + 0.6 && c - 0.6 < b.x + b.w) {
                return false;
            }
        }
        return true;
    };
    for (double step = 0.0; step < 16.0; step += 0.1) {
        for (double sign : {preferred, -preferred}) {
            const double c = from + sign * step;
            if (c >= low && c <= high && clearAt(c)) {
                return c;
            }
        }
    }
    return from;
}

int FightPilot::contactIn(const Seen& s, const WorldRect& me) {
    // What falls straight down is seen coming from further off.
    const int horizon = std::abs(s.vx) < 0.02 ? kFallLookAhead : kLookAhead;
    for (int f = 0; f <= horizon; ++f) {
        if (touching(ahead(s, f), me)) {
            return f;
        }
    }
    return kFallLookAhead + 1;
}

FightPilot::Decision FightPilot::decide(const Escena& scene, const Jefe& boss) {
    const Prota& p = *scene.prota;
    const WorldRect me{p.x, p.y, p.w, p.h};
    const double myX = me.centerX();
    Decision d;

    // What moves on screen, with its speed as seen since the last frame.
    std::vector<Seen> hazards;
    std::map<const Enemigo*, Seen> seen;
    const Lampy* lamp = nullptr;
    for (const auto& e : scene.enemies) {
        if (dynamic_cast<const Foco*>(e.get()) || dynamic_cast<const Apagon*>(e.get())) {
            continue;
        }
        if (auto l = dynamic_cast<const Lampy*>(e.get())) {
            if (!l->dying) {
                lamp = l;
            }
            continue;
        }
        if (e->dying) {
            continue;
        }
        const WorldRect box = e->box2;
        Seen s{box};
        auto it = lastSeen_.find(e.get());
        // Speed is known from the second frame it is in play (boxes start parked far away),
        // its change from the third.
        if (it != lastSeen_.end() && it->second.box.x > -1000.0) {
            s.vx = box.x - it->second.box.x;
            s.vy = box.y - it->second.box.y;
            s.ax = s.vx - it->second.vx;
            s.ay = s.vy - it->second.vy;
        }
        seen[e.get()] = s;
        if (box.x > -1000.0) {
            hazards.push_back(s);
        }
    }
    lastSeen_ = std::move(seen);

    // The boss as drawn, and how it moved.
    const WorldRect bossBox{boss.x, boss.y, boss.w, boss.h};
    // A sprite drawn much wider than what touches (Valdro's arms) may swing out to its full
    // width: keep clear of all of it.
    Seen bossSeen{bossBox.w > boss.box2.w + 2.0 ? bossBox : boss.box2};
    if (haveLastBoss_) {
        bossSeen.vx = bossBox.x - lastBoss_.x;
    }
    lastBoss_ = bossBox;
    haveLastBoss_ = true;
    const bool bossAlive = boss.hp > 0;
    const bool bossSolid = bossAlive && boss.box2.x > -100.0 && boss.box2.x < 1000.0;
    if (bossSolid) {
        hazards.push_back(bossSeen);
    }

    // Target: the lamp while it shines, otherwise the boss.
    // Shots land on the boss's body: for Valdro the middle of the picture, between the arms.
    const bool bodyInPlay = boss.hitbox.x > -100.0 && boss.hitbox.x < 1000.0;
    const WorldRect target = lamp != nullptr ? lamp->drawnRect()
                             : bodyInPlay    ? boss.hitbox
                                             : bossBox;
    // Aim a little inside the target's nearest point.
    const double inset = std::min(0.05, target.w / 2.0);
    d.aimX = std::clamp(myX, target.x + inset, target.x + target.w - inset);
    d.aimY = std::clamp(me.centerY(), target.y + inset, target.y + target.h - inset);
    const double toTarget = std::hypot(d.aimX - myX, d.aimY - me.centerY());
    d.fire = bossAlive && toTarget < kReach;

    // Where to stand: beside the boss at the stand-off, on the side the player is on, within
    // reach of the target; the lamp is shot from a jump.
    // What hurts to touch is the boss's contact box; keep off that.
    const WorldRect body = bossSolid ? boss.box2 : bossBox;
    const bool leftOfBoss = myX < body.centerX();
    // A boss hovering overhead is shot from a little to one side of it.
    const bool overhead = body.y + body.h < me.y - 0.5;
    const double gap = overhead ? kUnderneathGap - body.w / 2.0 : standOff_;
    double wanted = leftOfBoss ? body.x - gap - me.w / 2.0 : body.x + body.w + gap + me.w / 2.0;
    const double low = scene.x + 0.6;
    const double high = scene.x + scene.w - 0.6;
    if (wanted < low || wanted > high) {
        // No room on this side: go round to the other.
        wanted = leftOfBoss ? body.x + body.w + gap + me.w / 2.0 : body.x - gap - me.w / 2.0;
    }
    wanted = std::clamp(wanted, low, high);
    // Never closer than wanted (a step too close can bring the boss's close-range attacks),
    // a little farther is fine.
    const double awayFromBoss = leftOfBoss ? wanted - myX : myX - wanted;
    if (awayFromBoss < 0.0 || awayFromBoss > 0.3) {
        d.keys |= wanted > myX ? Prota::kKeyRight : Prota::kKeyLeft;
    }
    // The lamp is shot at the top of a jump from the floor (from a table it would be touched).
    const double bossGap = std::max(body.x - (me.x + me.w), me.x - (body.x + body.w));
    if (lamp != nullptr && std::abs(target.centerX() - myX) < 5.0 && me.y + me.h > 8.5 &&
        bossGap > 2.0) {
        d.keys |= Prota::kKeyJump;
    }

    // The first thing about to hit decides: what falls is stepped away from; what flies at the
    // player is dashed through (away, if that would end in the boss), or jumped when it is low.
    const Seen* threat = nullptr;
    int soonest = kFallLookAhead + 1;
    bool threatIsBoss = false;
    for (std::size_t i = 0; i < hazards.size(); ++i) {
        const int t = contactIn(hazards[i], me);
        if (t < soonest) {
            soonest = t;
            threat = &hazards[i];
            threatIsBoss = bossSolid && i + 1 == hazards.size();
        }
    }
    if (threat != nullptr && !p.dashing) {
        const Seen& s = *threat;
        const bool fromRight = s.box.centerX() > myX;
        const bool mayDash = p.dashTimer < 1 && p.dashCooldown < 1 && !p.airborne;
        const auto go = [&d](bool right) {
            d.keys &= static_cast<std::uint8_t>(~(Prota::kKeyLeft | Prota::kKeyRight));
            d.keys |= right ? Prota::kKeyRight : Prota::kKeyLeft;
        };
        const auto dash = [&](bool right) {
            go(right);
            dashRight_ = right;
            if (!dashHeld_) {
                d.keys |= Prota::kKeyDash;
                dashes += 1;
            }
        };
        const double roomBehind = fromRight ? myX - low : high - myX;
        // A dash carries the player through the boss only if it is narrow or coming fast.
        const bool passable =
            dashThroughBoss_ || s.box.w + me.w < kDashFrames * (2.0 * p.walkSpeed + std::abs(s.vx));
        if (threatIsBoss && mayDash && soonest <= 3 && (roomBehind > kDashReach || passable)) {
            // Back off from the boss at a dash while there is room; cornered, dash through it.
            dash(roomBehind > kDashReach ? !fromRight : fromRight);
        } else if (threatIsBoss) {
            go(!fromRight);
        } else if (std::abs(s.vx) < 0.02) {
            // Falling on the player: step into the nearest clear column, rather away from the
            // boss when both are as near.
            const double clear =
                clearColumn(hazards, bossSolid, myX, low, high, leftOfBoss ? -1.0 : 1.0);
            if (std::abs(clear - myX) > 0.05) {
                go(clear > myX);
            } else {
                d.keys &= static_cast<std::uint8_t>(~(Prota::kKeyLeft | Prota::kKeyRight));
            }
        } else if (std::abs(s.vx) < kOutwalkable && roomBehind > kRoomToWalk) {
            // Slower than the player: just walk ahead of it.
            go(!fromRight);
        } else if (soonest <= kDashAt) {
            const double dashEnd = myX + (fromRight ? kDashReach : -kDashReach);
            // Where the boss will be when the dash ends, if it keeps walking.
            const WorldRect bossThen = ahead(bossSeen, kDashFrames);
            const bool bossLevel = boss.box2.y < me.y + me.h && me.y < boss.box2.y + boss.box2.h;
            const bool intoBoss =
                !threatIsBoss && bossSolid && bossLevel &&
                dashEnd > std::min(boss.box2.x, bossThen.x) - kBossMargin &&
                dashEnd < std::max(boss.box2.x, bossThen.x) + boss.box2.w + kBossMargin;
            const bool low = s.box.y > me.y + 0.4 && s.box.h < 2.0;
            if (low && !p.airborne && (intoBoss || !mayDash)) {
                d.keys |= Prota::kKeyJump;
                jumps += 1;
            } else if (mayDash) {
                // Through it, unless that ends in the boss and there is room to dash away, or it
                // is too slow to have passed when the dash ends.
                const WorldRect then = ahead(s, kDashFrames);
                const bool passes = fromRight ? then.x + then.w < dashEnd - me.w / 2.0
                                              : then.x > dashEnd + me.w / 2.0;
                if (intoBoss && roomBehind > kDashReach + 1.0) {
                    dash(!fromRight);
                } else if (passes || roomBehind < 1.0) {
                    dash(fromRight);
                } else {
                    go(!fromRight);
                }
            } else {
                go(!fromRight);
            }
        }
    }
    if (p.dashing) {
        // Letting go of the direction would end the dash at once.
        d.keys &=
            static_cast<std::uint8_t>(~(Prota::kKeyLeft | Prota::kKeyRight | Prota::kKeyJump));
        d.keys |= dashRight_ ? Prota::kKeyRight : Prota::kKeyLeft;
    }
    dashHeld_ = (d.keys & Prota::kKeyDash) != 0;
    return d;
}
