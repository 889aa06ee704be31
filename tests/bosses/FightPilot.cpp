#include "bosses/FightPilot.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "actors/Prota.hpp"

namespace {
// Shots reach about this far from the player's centre (muzzle 1.5 plus range 5 plus half a
// shot, less a margin).
constexpr double kReach = 6.6;
// How far ahead the pilot looks for things about to hit it, in frames.
constexpr int kLookAhead = 20;
constexpr int kFallLookAhead = 60;
// A dash starts this many frames before contact, so it carries the player through.
constexpr int kDashAt = 8;
// Things slower than this are walked away from while there is room.
constexpr double kOutwalkable = 0.03;
constexpr double kRoomToWalk = 3.0;
// The player's own numbers, learnt by playing: walking speed, how far and how long a dash
// carries, and the rest a dash needs after it.
constexpr double kWalkSpeed = 0.07;
constexpr double kDashReach = 4.6;
constexpr double kDashFrames = 33.0;
constexpr int kDashRest = Prota::kDashRecovery + 1;
// A dash must not end this close to the boss: it may step up meanwhile.
constexpr double kBossMargin = 2.5;
// How far to the side of a boss overhead the player stands.
constexpr double kUnderneathGap = 2.5;
// Valdro standing is wider than this; hovering in his last form he is narrower.
constexpr double kValdroStanding = 6.5;
// Lust's lamp: the round thing of this size hanging above the stage.
constexpr double kLampSize = 1.5;
constexpr double kLampBelow = 2.5;
// Lust's body is this wide; a smack widens her picture on the side of the arm.
constexpr double kLustBody = 3.0;
// Light (the spotlight's cone) is taller than this and hurts nobody.
constexpr double kLightHeight = 8.5;
// Her smack only hurts once the arm swings, a moment after she has wound up.
constexpr int kSwingAfter = 45;
// After a hit the player blinks and nothing hurts for a while (a few frames kept in hand).
constexpr int kBlinkFrames = Prota::kInvulnerableDuration - 10;
// Where skulls come in, the player's centre keeps this far from the wall.
constexpr double kSkullWallGap = 1.3;
// A boss moving faster than this from one frame to the next has not moved but changed shape.
constexpr double kTeleport = 0.5;
// A walk through the boss while blinking must be over before the blink is.
constexpr int kBlinkSpare = 40;

}  // namespace

FightPilot::FightPilot(Arena arena) : arena_(arena) {
    // What each fight has taught: how far to keep from the boss, and whether the boss is narrow
    // enough to dash through when cornered.
    switch (arena) {
        case Arena::Greed:
            standOff_ = 2.2;
            dashThroughBoss_ = true;
            break;
        case Arena::Lust:
            standOff_ = 5.0;
            dashThroughBoss_ = true;
            break;
        case Arena::Valdro:
            // His centre 8 away: far enough that he does not come to swing, near enough to shoot.
            standOff_ = 5.2;
            dashThroughBoss_ = false;
            break;
    }
}

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
        if (overlaps(ahead(s, f), me)) {
            return f;
        }
    }
    return kFallLookAhead + 1;
}

void FightPilot::watchMyself(const WorldRect& me, int hearts) {
    if (lastHearts_ >= 0 && hearts < lastHearts_) {
        untouchable_ = kBlinkFrames;
    } else if (untouchable_ > 0) {
        untouchable_ -= 1;
    }
    lastHearts_ = hearts;
    // Standing still on something, the picture does not move up or down; a dash shows the
    // wide dash picture, and a new one needs a rest after it.
    grounded_ = haveLastMe_ && me.y == lastMe_.y;
    const bool dashingNow = me.w > 1.5;
    if (dashing_ && !dashingNow) {
        sinceDash_ = 0;
    } else if (!dashingNow) {
        sinceDash_ += 1;
    }
    dashing_ = dashingNow;
    lastMe_ = me;
    haveLastMe_ = true;
}

void FightPilot::rememberBoss(const View& view) {
    if (view.bossSeen) {
        Seen now{view.boss};
        if (bossKnown_) {
            now.vx = view.boss.x - boss_.box.x;
        }
        if (view.boss.w <= kLustBody + 0.5) {
            bossNarrow_ = view.boss;
        }
        boss_ = now;
        bossKnown_ = true;
        return;
    }
    if (!bossKnown_) {
        return;
    }
    // Out of the band it has run on the way it was going; lost in the dark it is looked for
    // where it was last seen.
    const bool inBand = boss_.box.x + boss_.box.w > view.shownLeft && boss_.box.x < view.shownRight;
    if (inBand && boss_.vx > 0.0 && boss_.box.x + boss_.box.w > view.shownRight - 1.0) {
        boss_.box.x = view.shownRight + 0.1;
    } else if (inBand && boss_.vx < 0.0 && boss_.box.x < view.shownLeft + 1.0) {
        boss_.box.x = view.shownLeft - boss_.box.w - 0.1;
    }
}

WorldRect FightPilot::bossBody() const {
    const WorldRect& b = boss_.box;
    switch (arena_) {
        case Arena::Valdro:
            // Shots land between his arms: the middle three sevenths of the standing figure,
            // the middle quarter of the hovering one.
            if (b.w > kValdroStanding) {
                return WorldRect{b.x + 2.0 * b.w / 7.0, b.y, 3.0 * b.w / 7.0, b.h};
            }
            return WorldRect{b.x + 0.375 * b.w, b.y, 0.25 * b.w, b.h};
        case Arena::Lust:
            if (b.w > kLustBody + 0.5) {
                // Her arm reaches out from where her body stood.
                const bool grewLeft = b.x < bossNarrow_.x - 1.0;
                return WorldRect{grewLeft ? b.x + b.w - kLustBody : b.x, b.y, kLustBody, b.h};
            }
            return b;
        case Arena::Greed:
        default:
            return b;
    }
}

FightPilot::Decision FightPilot::decide(const View& view) {
    const WorldRect& me = view.me;
    watchMyself(me, view.hearts);
    rememberBoss(view);
    framesWide_ = arena_ == Arena::Lust && boss_.box.w > kLustBody + 0.5 ? framesWide_ + 1 : 0;
    const double myX = me.centerX();
    Decision d;

    // What moves on screen, with its speed as seen since the last frame.
    std::vector<Seen> hazards;
    std::map<const void*, Seen> seen;
    const Sprite* lamp = nullptr;
    for (const Sprite& t : view.things) {
        if (t.box.h > kLightHeight) {
            continue;
        }
        if (arena_ == Arena::Lust && std::abs(t.box.w - kLampSize) < 0.05 &&
            t.box.y + t.box.h < kLampBelow) {
            lamp = &t;
            continue;
        }
        Seen s{t.box};
        auto it = lastSeen_.find(t.id);
        if (it != lastSeen_.end()) {
            s.vx = t.box.x - it->second.box.x;
            s.vy = t.box.y - it->second.box.y;
        }
        seen[t.id] = s;
        hazards.push_back(s);
    }
    lastSeen_ = std::move(seen);

    // Valdro's skull walls come in through the walls: never wait right against one.
    const double wallGap = arena_ == Arena::Valdro ? kSkullWallGap : 0.6;
    const double low = view.arenaLeft + wallGap;
    const double high = view.arenaRight - wallGap;
    if (!bossKnown_) {
        d.keys |= Prota::kKeyRight;
        return d;
    }
    // The whole boss hurts to touch (Valdro's arms swing out to all of his picture), but for
    // Lust's arm while she only winds up.
    const bool windingUp = framesWide_ > 0 && framesWide_ < kSwingAfter;
    const WorldRect bossBox = windingUp ? bossBody() : boss_.box;
    // Its speed as its body moves: a picture that jumps (a smack's arm, a reappearance) is not a
    // boss rushing in.
    double bossVx = haveLastBossBox_ ? bossBox.x - lastBossBox_.x : 0.0;
    if (std::abs(bossVx) > kTeleport) {
        bossVx = 0.0;
    }
    lastBossBox_ = bossBox;
    haveLastBossBox_ = true;
    const Seen bossSeen{bossBox, bossVx, 0.0};
    const bool blinking = untouchable_ > kBlinkSpare;
    if (blinking) {
        // Blinking: nothing hurts, so walk through to the roomier side.
        hazards.clear();
    } else {
        hazards.push_back(bossSeen);
    }

    // Target: the lamp while it shines, otherwise the boss's body.
    const WorldRect target = lamp != nullptr ? lamp->box : bossBody();
    // Aim a little inside the target's nearest point.
    const double inset = std::min(0.05, target.w / 2.0);
    d.aimX = std::clamp(myX, target.x + inset, target.x + target.w - inset);
    d.aimY = std::clamp(me.centerY(), target.y + inset, target.y + target.h - inset);
    const double toTarget = std::hypot(d.aimX - myX, d.aimY - me.centerY());
    d.fire = toTarget < kReach;

    // Where to stand: beside the boss at the stand-off, on the side the player is on, within
    // reach of the target; the lamp is shot from a jump.
    const WorldRect body = arena_ == Arena::Lust ? bossBody() : bossBox;
    const bool roomierLeft = body.x - low > high - (body.x + body.w);
    const bool leftOfBoss = blinking ? roomierLeft : myX < body.centerX();
    // A boss hovering overhead is shot from a little to one side of it.
    const bool overhead = body.y + body.h < me.y - 0.5;
    const double gap = overhead ? kUnderneathGap - body.w / 2.0 : standOff_;
    double wanted = leftOfBoss ? body.x - gap - me.w / 2.0 : body.x + body.w + gap + me.w / 2.0;
    if ((wanted < low || wanted > high) && blinking) {
        // No room on this side: go round to the other (through Lust only while nothing hurts;
        // cornered otherwise, the player waits by the wall and dashes through her).
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
    // Not from right under it: the lamp hurts to touch.
    const double underLamp = std::abs(target.centerX() - myX);
    if (lamp != nullptr && underLamp < 6.0 && underLamp > 2.0 && me.y + me.h > 8.5 &&
        bossGap > 3.0 && std::abs(boss_.vx) < 0.01) {
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
            threatIsBoss = !blinking && i + 1 == hazards.size();
        }
    }
    if (threat != nullptr && !dashing_) {
        const Seen& s = *threat;
        const bool fromRight = s.box.centerX() > myX;
        const bool mayDash = sinceDash_ >= kDashRest && grounded_;
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
            dashThroughBoss_ || s.box.w + me.w < kDashFrames * (2.0 * kWalkSpeed + std::abs(s.vx));
        if (threatIsBoss && mayDash && soonest <= 3 && (roomBehind > kDashReach || passable)) {
            // Back off from the boss at a dash while there is room; cornered, dash through it.
            dash(roomBehind > kDashReach ? !fromRight : fromRight);
        } else if (threatIsBoss) {
            go(!fromRight);
        } else if (std::abs(s.vx) < 0.02) {
            // Falling on the player: step into the nearest clear column, rather away from the
            // boss when both are as near.
            const double clear =
                clearColumn(hazards, true, myX, low, high, leftOfBoss ? -1.0 : 1.0);
            if (std::abs(clear - myX) > 0.05) {
                go(clear > myX);
            } else {
                d.keys &= static_cast<std::uint8_t>(~(Prota::kKeyLeft | Prota::kKeyRight));
            }
        } else if (std::abs(s.vx) < kOutwalkable && roomBehind > kRoomToWalk) {
            // Slower than the player: just walk ahead of it.
            go(!fromRight);
        } else if (soonest <= kDashAt) {
            // A wall stops a dash where it stands.
            const double dashEnd =
                std::clamp(myX + (fromRight ? kDashReach : -kDashReach),
                           view.arenaLeft + me.w / 2.0, view.arenaRight - me.w / 2.0);
            // Where the boss will be when the dash ends, if it keeps walking.
            const WorldRect bossThen = ahead(bossSeen, kDashFrames);
            const bool bossLevel = bossBox.y < me.y + me.h && me.y < bossBox.y + bossBox.h;
            const bool intoBoss =
                bossLevel && dashEnd > std::min(bossBox.x, bossThen.x) - kBossMargin &&
                dashEnd < std::max(bossBox.x, bossThen.x) + bossBox.w + kBossMargin;
            // A low thing is jumped, unless more of its kind fly above it (a wall of skulls).
            const bool stacked = std::any_of(hazards.begin(), hazards.end(), [&s](const Seen& o) {
                return &o != &s && std::abs(o.box.x - s.box.x) < 1.0 && o.box.y < s.box.y;
            });
            const bool lowThreat = s.box.y > me.y + 0.4 && s.box.h < 2.0 && !stacked;
            if (lowThreat && grounded_ && (intoBoss || !mayDash)) {
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
    if (dashing_) {
        // Letting go of the direction would end the dash at once.
        d.keys &=
            static_cast<std::uint8_t>(~(Prota::kKeyLeft | Prota::kKeyRight | Prota::kKeyJump));
        d.keys |= dashRight_ ? Prota::kKeyRight : Prota::kKeyLeft;
    }
    dashHeld_ = (d.keys & Prota::kKeyDash) != 0;
    return d;
}
