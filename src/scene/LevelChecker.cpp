#include "scene/LevelChecker.hpp"

#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <utility>

#include "actors/Prota.hpp"
#include "app/Platform.hpp"
#include "render/Paths.hpp"
#include "scene/Escena.hpp"
#include "scene/Obstucalo.hpp"
#include "scene/Plataforma.hpp"
#include "scene/RoomPhysics.hpp"

using nlohmann::json;

namespace {

constexpr double kFloorY = Escena::kFloorY;
constexpr double kEnemySize = 1.5;
// Two heights closer than this are the same surface (the file holds decimals).
constexpr double kSurfaceTolerance = 0.05;
// Furniture and enemies may touch; they must not overlap by more than this.
constexpr double kOverlapTolerance = 0.05;
// A floor gap narrower than the player is no place to stand.
constexpr double kPlayerWidth = 1.0;
// A jump or a fall that has not landed after this many frames never will.
constexpr int kMaxAirFrames = 900;
// Walking from one end of the widest scene to the other takes fewer frames than this.
constexpr int kMaxWalkFrames = 3000;
// Hold right or left for this many frames during a jump (kHoldAll: until landing), after
// waiting the given frames; together they cover short hops, long leaps and late steering.
constexpr int kHoldAll = 1 << 20;
struct JumpShape {
    int wait;
    int hold;
};
constexpr JumpShape kJumpShapes[] = {
    {0, 4},  {0, 8},        {0, 14},        {0, 22},        {0, 32},        {0, 45},
    {0, 60}, {0, kHoldAll}, {10, kHoldAll}, {20, kHoldAll}, {30, kHoldAll}, {45, kHoldAll}};
// A dash started while walking, then a jump this many frames into it.
constexpr int kDashJumpDelays[] = {0, 6, 16};

std::string num(double v) {
    std::ostringstream s;
    s.precision(4);
    s << v;
    return s.str();
}

std::string quoted(const std::string& key) {
    return "\"" + key + "\"";
}

// Where something walkable is, in the scene's own terms.
struct Ledge {
    double x = 0.0;
    double w = 0.0;
    double surface = 0.0;
    bool floorRule = false;  // the floor: catches the player anywhere once the feet reach it
    std::string name;        // e.g. "platformPositions"[2] (table at x 4)
    bool obstacle = false;
    WorldRect hitbox;  // obstacles: the solid box
    // The level's own pieces, so the player lands and bumps exactly as in a level.
    std::shared_ptr<Plataforma> platform;
    std::shared_ptr<Obstucalo> block;
};

const char* furnitureName(int index) {
    switch (index) {
        case -1:
            return "invisible ledge";
        case 0:
            return "table";
        case 1:
            return "stool";
        case 2:
            return "tall case";
        case 3:
            return "wide case";
        case 4:
            return "counter";
        default:
            return "furniture";
    }
}

// Interior overlap of two rectangles by more than the tolerance on both axes.
bool overlapsInside(const WorldRect& a, const WorldRect& b) {
    const double dx = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
    const double dy = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
    return dx > kOverlapTolerance && dy > kOverlapTolerance;
}

// The room as a level resolves it, with the level's own platforms and obstacles: platforms
// (obstacles included, in the scene's order) that the player lands on, and the obstacles' solid
// boxes.
class Room {
public:
    explicit Room(const SceneData& d) : width_(d.width) {
        room_physics::build(
            d, [](int) -> SDL_Texture* { return nullptr; }, platforms_, obstacles_);
        firstObstacle_ = platforms_.size() - obstacles_.size();
        for (std::size_t i = 0; i < platforms_.size(); ++i) {
            Ledge l;
            l.platform = platforms_[i];
            l.x = l.platform->x;
            l.w = l.platform->w;
            l.surface = l.platform->surface;
            l.floorRule = room_physics::isFloor(*l.platform, d.width);
            if (i < firstObstacle_) {
                const int index = i < d.platformIndex.size() ? d.platformIndex[i] : -1;
                l.name = quoted("platformPositions") + "[" + std::to_string(i) + "] (" +
                         furnitureName(index) + " at x " + num(l.x) + ", top " + num(l.surface) +
                         ")";
            } else {
                const std::size_t o = i - firstObstacle_;
                const int index = o < d.obstacleIndex.size() ? d.obstacleIndex[o] : -1;
                l.obstacle = true;
                l.block = obstacles_[o];
                l.hitbox = l.block->hitbox;
                l.name = quoted("obstacleHitboxes") + "[" + std::to_string(o) + "] (" +
                         furnitureName(index) + " at x " + num(l.hitbox.x) + ", top " +
                         num(l.surface) + ")";
            }
            ledges.push_back(l);
        }
    }

    // One frame of the player in this room, resolved as a level frame is. Returns the ledge the
    // player stands on afterwards, or -1 in the air.
    int step(Prota& p) {
        p.update(shots_, p.x + p.w / 2.0 + 5.0, p.y);
        shots_.clear();
        stopAtSceneEnds(p);
        int standing = room_physics::land(platforms_, p, width_);
        if (p.vx != 0.0 || p.vy != 0.0) {
            const int onObstacle = room_physics::collide(obstacles_, p, width_);
            if (onObstacle >= 0) {
                standing = static_cast<int>(firstObstacle_) + onObstacle;
            }
        }
        return p.airborne ? -1 : standing;
    }

    std::vector<Ledge> ledges;

private:
    // The band stops the player at the scene's ends.
    void stopAtSceneEnds(Prota& p) {
        if (p.vx > 0.0 && p.x + p.w + p.vx > width_) {
            p.moveTo(width_ - p.w, p.y);
        } else if (p.vx < 0.0 && p.x + p.vx < 0.0) {
            p.moveTo(0.0, p.y);
        }
    }

    std::vector<std::shared_ptr<Plataforma>> platforms_;
    std::vector<std::shared_ptr<Obstucalo>> obstacles_;
    std::size_t firstObstacle_ = 0;
    double width_;
    // Shots the checked player fires go nowhere.
    Prota::ShotList shots_;
};

// Every place the player can stand, found by trying every move from every place found so far.
class Explorer {
public:
    Explorer(const SceneData& d, Room& room)
        : room_(room), start_(d.protaPosition), player_(d.protaPosition, false, 1) {}

    void run() {
        // Let the player settle where the scene drops them.
        player_.resetForScene(start_);
        int ledge = -1;
        for (int f = 0; f < kMaxAirFrames && ledge < 0; ++f) {
            ledge = room_.step(player_);
        }
        if (ledge < 0) {
            return;
        }
        reach(ledge, player_.x);
        while (!queue_.empty()) {
            const auto [from, x] = queue_.front();
            queue_.pop_front();
            explore(from, x);
        }
    }

    // Standing places reached, by ledge.
    std::vector<std::vector<double>> standing;

private:
    using Place = std::pair<int, double>;

    static long bucket(double x) {
        return std::lround(std::floor(x / LevelChecker::kLaunchSpacing));
    }

    // Records a standing place; true when it is new.
    bool reach(int ledge, double x) {
        if (standing.size() < room_.ledges.size()) {
            standing.resize(room_.ledges.size());
        }
        if (!seen_.insert({ledge, bucket(x)}).second) {
            return false;
        }
        standing[ledge].push_back(x);
        queue_.push_back({ledge, x});
        return true;
    }

    void placeAt(int ledge, double x) {
        const Ledge& l = room_.ledges[ledge];
        player_.resetForScene(WorldRect{x, l.surface - start_.h, start_.w, start_.h});
        player_.dashCooldown = 0;
        player_.keys = 0;
        room_.step(player_);
    }

    void explore(int ledge, double x) {
        walk(ledge, x, Prota::kKeyRight, false);
        walk(ledge, x, Prota::kKeyLeft, false);
        walk(ledge, x, Prota::kKeyRight, true);
        walk(ledge, x, Prota::kKeyLeft, true);
        jump(ledge, x, 0, JumpShape{0, 0}, -1);
        for (std::uint8_t dir : {Prota::kKeyRight, Prota::kKeyLeft}) {
            for (const JumpShape& shape : kJumpShapes) {
                jump(ledge, x, dir, shape, -1);
            }
            for (int delay : kDashJumpDelays) {
                jump(ledge, x, dir, JumpShape{0, kHoldAll}, delay);
            }
        }
    }

    // Walks (or dashes) one way until blocked, off an edge and landed, or onto a place
    // already known.
    void walk(int ledge, double x, std::uint8_t dir, bool dash) {
        placeAt(ledge, x);
        double lastX = player_.x;
        int still = 0;
        for (int f = 0; f < kMaxWalkFrames; ++f) {
            player_.keys = dir;
            if (dash && f == 1) {
                player_.keys |= Prota::kKeyDash;
            }
            const int on = room_.step(player_);
            if (on < 0) {
                continue;
            }
            const double bodyX = player_.dashShifted ? player_.x + player_.bodyWidth : player_.x;
            if (!reach(on, bodyX) && on == ledge && f > 2) {
                return;
            }
            ledge = on;
            still = player_.x == lastX ? still + 1 : 0;
            lastX = player_.x;
            if (still > 2) {
                return;
            }
        }
    }

    // A jump from a standing place: the jump key pressed once, dir held during the shape's
    // window. dashDelay >= 0: a dash is started first and the jump comes that many frames in.
    void jump(int ledge, double x, std::uint8_t dir, JumpShape shape, int dashDelay) {
        placeAt(ledge, x);
        int f = 0;
        if (dashDelay >= 0) {
            player_.keys = dir;
            room_.step(player_);
            player_.keys = dir | Prota::kKeyDash;
            room_.step(player_);
            for (int i = 0; i < dashDelay; ++i) {
                if (room_.step(player_) < 0) {
                    return;  // ran off an edge: the walks cover that
                }
            }
        }
        bool leftGround = false;
        for (; f < kMaxAirFrames; ++f) {
            std::uint8_t keys = f == 0 ? Prota::kKeyJump : 0;
            if (dashDelay >= 0 || (f >= shape.wait && f - shape.wait < shape.hold)) {
                keys |= dir;
            }
            if (dashDelay >= 0 && f == 0) {
                keys |= Prota::kKeyDash;
            }
            player_.keys = keys;
            const int on = room_.step(player_);
            if (on < 0) {
                leftGround = true;
                continue;
            }
            if (leftGround) {
                reach(on, player_.x);
                return;
            }
        }
    }

    Room& room_;
    WorldRect start_;
    Prota player_;
    std::set<std::pair<int, long>> seen_;
    std::deque<Place> queue_;
};

struct Problems {
    std::string where;
    std::vector<std::string>& out;
    void add(const std::string& what) const { out.push_back(where + ": " + what); }
};

void checkReach(const SceneData& d, const Problems& problems) {
    ScriptedPlatform still;  // no buttons held: the checker never shoots
    Platform* previous = &platform();
    installPlatform(&still);
    Room room(d);
    Explorer explorer(d, room);
    explorer.run();
    installPlatform(previous);

    std::vector<std::vector<double>> standing = explorer.standing;
    standing.resize(room.ledges.size());
    bool exitReached = false;
    for (const auto& xs : standing) {
        for (double x : xs) {
            exitReached = exitReached || x > d.width - Escena::kExitDepth;
        }
    }
    if (standing.empty() ||
        std::all_of(standing.begin(), standing.end(), [](const auto& xs) { return xs.empty(); })) {
        problems.add(quoted("protaPosition") + " (x " + num(d.protaPosition.x) + ", y " +
                     num(d.protaPosition.y) + ") never lands on anything");
        return;
    }
    if (!exitReached) {
        problems.add("the exit (x beyond " + num(d.width - Escena::kExitDepth) +
                     ") cannot be reached from " + quoted("protaPosition"));
    }
    for (std::size_t i = 0; i < room.ledges.size(); ++i) {
        const Ledge& l = room.ledges[i];
        if (l.floorRule || l.surface >= kFloorY - kSurfaceTolerance) {
            continue;  // the floor is checked stretch by stretch below
        }
        if (standing[i].empty()) {
            problems.add(l.name + " cannot be reached from " + quoted("protaPosition"));
        }
    }
    // The floor between the cases that stand on it.
    std::vector<std::pair<double, double>> blocks;
    for (const Ledge& l : room.ledges) {
        if (l.obstacle && l.hitbox.y + l.hitbox.h >= kFloorY - kSurfaceTolerance) {
            blocks.push_back({l.hitbox.x, l.hitbox.x + l.hitbox.w});
        }
    }
    std::sort(blocks.begin(), blocks.end());
    std::vector<double> onFloor;
    for (std::size_t i = 0; i < room.ledges.size(); ++i) {
        if (room.ledges[i].surface >= kFloorY - kSurfaceTolerance) {
            onFloor.insert(onFloor.end(), standing[i].begin(), standing[i].end());
        }
    }
    double from = 0.0;
    blocks.push_back({d.width, d.width});
    for (const auto& [left, right] : blocks) {
        if (left - from >= kPlayerWidth) {
            const bool reached = std::any_of(onFloor.begin(), onFloor.end(), [&](double x) {
                return x >= from - kSurfaceTolerance &&
                       x + kPlayerWidth <= left + kSurfaceTolerance;
            });
            if (!reached) {
                problems.add("the floor from x " + num(from) + " to " + num(left) +
                             " cannot be reached from " + quoted("protaPosition"));
            }
        }
        from = std::max(from, right);
    }
}

// The walkable stretch under a walker whose feet are at feetY around x; false when none.
bool surfaceUnder(const Room& room, double width, double x, double feetY,
                  std::pair<double, double>& stretch) {
    for (const Ledge& l : room.ledges) {
        if (std::abs(l.surface - feetY) > kSurfaceTolerance) {
            continue;
        }
        if (l.floorRule || l.surface >= kFloorY - kSurfaceTolerance) {
            // The floor, cut by the cases standing on it.
            double lo = 0.0;
            double hi = width;
            for (const Ledge& o : room.ledges) {
                if (!o.obstacle || o.hitbox.y + o.hitbox.h < kFloorY - kSurfaceTolerance) {
                    continue;
                }
                if (o.hitbox.x + o.hitbox.w <= x + kOverlapTolerance) {
                    lo = std::max(lo, o.hitbox.x + o.hitbox.w);
                } else if (o.hitbox.x >= x + kEnemySize - kOverlapTolerance) {
                    hi = std::min(hi, o.hitbox.x);
                }
            }
            stretch = {lo, hi};
            return true;
        }
        const double lo = l.obstacle ? l.hitbox.x : l.x;
        const double hi = l.obstacle ? l.hitbox.x + l.hitbox.w : l.x + l.w;
        if (x + kEnemySize > lo && x < hi) {
            stretch = {lo, hi};
            return true;
        }
    }
    return false;
}

void checkEnemies(const SceneData& d, const Problems& problems) {
    Room room(d);
    const WorldRect start = d.protaPosition;
    struct Kind {
        const char* key;
        const std::vector<WorldRect>* positions;
        const std::vector<PatrolLimits>* limits;
        const char* limitsKey;
    };
    const Kind kinds[] = {
        {"blankyPositions", &d.blankyPositions, nullptr, nullptr},
        {"pikabooPositions", &d.pikabooPositions, nullptr, nullptr},
        {"peanutPositions", &d.peanutPositions, nullptr, nullptr},
        {"butterPositions", &d.butterPositions, &d.butterLimits, "butterLimits"},
        {"handyPositions", &d.handyPositions, &d.handyLimits, "handyLimits"},
    };
    for (const Kind& kind : kinds) {
        for (std::size_t i = 0; i < kind.positions->size(); ++i) {
            const WorldRect& p = (*kind.positions)[i];
            const WorldRect body{p.x, p.y, kEnemySize, kEnemySize};
            const std::string name = quoted(kind.key) + "[" + std::to_string(i) + "] (x " +
                                     num(p.x) + ", y " + num(p.y) + ")";
            if (p.x < 0.0 || p.x + kEnemySize > d.width + kOverlapTolerance || p.y < 0.0 ||
                p.y + kEnemySize > kFloorY + kOverlapTolerance) {
                problems.add(name + " lies outside the scene");
            }
            for (std::size_t j = 0; j < room.ledges.size(); ++j) {
                const Ledge& l = room.ledges[j];
                const std::size_t platformCount = d.platformPositions.size();
                const bool visible =
                    l.obstacle || (j < d.platformIndex.size() && d.platformIndex[j] >= 0);
                if (!visible) {
                    continue;
                }
                const WorldRect furniture =
                    l.obstacle ? l.hitbox : d.platformPositions[std::min(j, platformCount - 1)];
                if (overlapsInside(body, furniture)) {
                    problems.add(name + " is inside " + l.name);
                }
            }
            const double dx = body.centerX() - start.centerX();
            const double dy = body.centerY() - start.centerY();
            if (std::hypot(dx, dy) < LevelChecker::kSafeStartDistance) {
                problems.add(name + " is within " + num(LevelChecker::kSafeStartDistance) +
                             " units of " + quoted("protaPosition"));
            }
            if (kind.limits == nullptr || i >= kind.limits->size()) {
                continue;
            }
            const PatrolLimits& lim = (*kind.limits)[i];
            const std::string limName = quoted(kind.limitsKey) + "[" + std::to_string(i) + "] (" +
                                        num(lim.minX) + " to " + num(lim.maxX) + ")";
            if (lim.minX < 0.0 || lim.maxX > d.width) {
                problems.add(limName + " reaches outside the scene");
            }
            if (lim.maxX - lim.minX < kEnemySize) {
                problems.add(limName + " leaves no room for its walker");
            } else if (p.x < lim.minX - kOverlapTolerance ||
                       p.x + kEnemySize > lim.maxX + kOverlapTolerance) {
                problems.add(name + " starts outside " + limName);
            }
            std::pair<double, double> stretch;
            if (!surfaceUnder(room, d.width, p.x, p.y + kEnemySize, stretch)) {
                problems.add(name + " stands on nothing");
            } else if (lim.minX < stretch.first - kOverlapTolerance ||
                       lim.maxX > stretch.second + kOverlapTolerance) {
                problems.add(limName + " runs off the surface it walks on (x " +
                             num(stretch.first) + " to " + num(stretch.second) + ")");
            }
        }
    }
}

void checkSourceRect(const LevelChecker::ImageSizes& sizes, const Problems& problems,
                     const std::string& key, const SDL_Rect& r, const char* image) {
    const SDL_Point size = sizes(image);
    if (size.x <= 0 || size.y <= 0) {
        problems.add(key + ": cannot read " + image);
        return;
    }
    if (r.x < 0 || r.y < 0 || r.w <= 0 || r.h <= 0 || r.x + r.w > size.x || r.y + r.h > size.y) {
        problems.add(key + " {" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " +
                     std::to_string(r.w) + ", " + std::to_string(r.h) + "} is not inside " + image +
                     " (" + std::to_string(size.x) + " x " + std::to_string(size.y) + ")");
    }
}

void checkImages(const SceneData& d, const LevelChecker::ImageSizes& sizes,
                 const Problems& problems) {
    const auto& bgs = paths::kBackgroundImages;
    if (d.bg >= 0 && d.bg < static_cast<int>(bgs.size())) {
        const char* image = bgs[d.bg];
        checkSourceRect(sizes, problems, quoted("src"), d.src, image);
        const SDL_Point size = sizes(image);
        if (size.x > 0 && d.height > 0.0) {
            // Scrolling to the scene's right end moves the source this many pixels.
            const double scroll = std::max(0.0, d.width - d.wShown) * d.src.h / d.height;
            const double right = d.src.x + scroll + d.src.w;
            if (right > size.x + 0.5) {
                problems.add(quoted("width") + " " + num(d.width) + " scrolls " + quoted("src") +
                             " to x " + num(d.src.x + scroll) + ", past the right edge of " +
                             image + " (" + std::to_string(size.x) + " px wide)");
            }
        }
    }
    const auto& images = paths::kPlatformImages;
    const int imageCount = static_cast<int>(images.size());
    for (std::size_t i = 0; i < d.platformIndex.size() && i < d.platformSrc.size(); ++i) {
        const int index = d.platformIndex[i];
        if (index >= 0 && index < imageCount) {
            checkSourceRect(sizes, problems, quoted("platformSrc") + "[" + std::to_string(i) + "]",
                            d.platformSrc[i], images[index]);
        }
    }
    for (std::size_t i = 0; i < d.obstacleIndex.size() && i < d.obstacleSrc.size(); ++i) {
        const int index = d.obstacleIndex[i];
        if (index >= 0 && index < imageCount) {
            checkSourceRect(sizes, problems, quoted("obstacleSrc") + "[" + std::to_string(i) + "]",
                            d.obstacleSrc[i], images[index]);
        }
    }
}

}  // namespace

LevelChecker::LevelChecker(ImageSizes sizes) : sizes_(std::move(sizes)) {}

LevelChecker::ImageSizes LevelChecker::pngSizes(const std::string& runFolder) {
    auto cache = std::make_shared<std::map<std::string, SDL_Point>>();
    return [cache, runFolder](const std::string& path) {
        auto it = cache->find(path);
        if (it != cache->end()) {
            return it->second;
        }
        SDL_Point size{0, 0};
        if (SDL_Surface* s = IMG_Load((runFolder + "/" + path).c_str())) {
            size = SDL_Point{s->w, s->h};
            SDL_FreeSurface(s);
        }
        cache->emplace(path, size);
        return size;
    };
}

std::vector<std::string> LevelChecker::checkScene(const SceneData& scene,
                                                  const std::string& where) const {
    std::vector<std::string> out;
    const Problems problems{where, out};
    checkImages(scene, sizes_, problems);
    checkEnemies(scene, problems);
    checkReach(scene, problems);
    return out;
}

std::vector<std::string> LevelChecker::checkDocument(const json& scenes) const {
    std::vector<std::string> out;
    auto one = [&](const json& scene, const std::string& where) {
        try {
            const SceneData data = scene.get<SceneData>();
            const std::vector<std::string> found = checkScene(data, where);
            out.insert(out.end(), found.begin(), found.end());
        } catch (const json::exception& e) {
            out.push_back(where + ": cannot be read: " + e.what());
        }
    };
    if (!scenes.is_object()) {
        out.push_back("the scene document must be an object of slots");
        return out;
    }
    for (const auto& [slot, value] : scenes.items()) {
        if (value.is_array()) {
            for (std::size_t i = 0; i < value.size(); ++i) {
                one(value[i], quoted(slot) + "[" + std::to_string(i) + "]");
            }
        } else {
            one(value, quoted(slot));
        }
    }
    return out;
}
