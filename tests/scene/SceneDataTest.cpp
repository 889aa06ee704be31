#include "scene/SceneData.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "scene/SceneJson.hpp"

using nlohmann::json;
using scenejson::scene;

TEST(SceneDataLoader, SceneConvertsEveryFieldAndIgnoresExtraKeys) {
    json j = scene();
    j["shop"] = true;
    j["linesBolsillos"] = 0;
    j["author's note"] = "ignored";
    j["protaPosition"]["colour"] = "red";
    const SceneData d = j.get<SceneData>();
    EXPECT_EQ(d.bg, 0);
    EXPECT_DOUBLE_EQ(d.width, 48.0);
    EXPECT_DOUBLE_EQ(d.wShown, 16.0);
    EXPECT_EQ(d.src.h, 720);
    EXPECT_EQ(d.bgDstRect.w, 0);  // not in the file
    EXPECT_EQ(d.platformIndex, (std::vector<int>{0, -1}));
    ASSERT_EQ(d.platformPositions.size(), 2u);
    EXPECT_DOUBLE_EQ(d.platformPositions[1].y, 6.5);
    EXPECT_EQ(d.platformSrc[1].x, 1);
    EXPECT_EQ(d.platformSrc[1].h, 4);
    EXPECT_EQ(d.platformSurfaces, (std::vector<double>{8.9, 6.5}));
    EXPECT_EQ(d.peanutPositions.size(), 2u);
    EXPECT_TRUE(d.pikabooPositions.empty());
    ASSERT_EQ(d.butterLimits.size(), 1u);
    EXPECT_DOUBLE_EQ(d.butterLimits[0].maxX, 24.5);
    EXPECT_EQ(d.boss, -1);
    EXPECT_DOUBLE_EQ(d.protaPosition.y, 6.9);
    EXPECT_TRUE(d.shop);
    EXPECT_EQ(d.linesBolsillos, 0);
    EXPECT_EQ(d.linesBotones, -1);
    EXPECT_EQ(d.obstacleIndex, std::vector<int>{2});
    EXPECT_DOUBLE_EQ(d.obstacleHitboxes[0].x, 8.1);
    EXPECT_DOUBLE_EQ(d.posBolsillos.w, 1.5);
    EXPECT_EQ(d.animationBotones, 2);

    json empty = scene();
    for (const char* key :
         {"platformIndex", "platformPositions", "platformSrc", "platformSurfaces"}) {
        empty[key] = json::array();
    }
    EXPECT_TRUE(empty.get<SceneData>().platformPositions.empty());
    EXPECT_EQ(json::array({scene(), scene()}).get<std::vector<SceneData>>().size(), 2u);
}

TEST(SceneDataLoader, IntegerFieldsAcceptBooleansAndTruncateFloats) {
    const std::pair<json, int> cases[] = {
        {2.9, 2}, {true, 1}, {false, 0}, {-1.7, -1}, {-0.5, 0}, {7u, 7}, {-3, -3},
    };
    for (const auto& [value, expected] : cases) {
        json j = scene();
        j["bg"] = value;
        j["platformIndex"][0] = value;
        j["src"]["w"] = value;
        const SceneData d = j.get<SceneData>();
        EXPECT_EQ(d.bg, expected) << value.dump();
        EXPECT_EQ(d.platformIndex[0], expected) << value.dump();
        EXPECT_EQ(d.src.w, expected) << value.dump();
    }
}

namespace {
struct Rejection {
    std::string name;
    std::function<void(json&)> spoil;
    int id;
    std::string what;
};
}  // namespace

// The library's own exceptions reach the caller, with its ids and messages.
TEST(SceneDataLoader, MalformedScenesRaiseTheLibrarysErrors) {
    const std::string notNumber = "[json.exception.type_error.302] type must be number, but is ";
    const Rejection cases[] = {
        {"width true", [](json& j) { j["width"] = true; }, 302, notNumber + "boolean"},
        {"surface false", [](json& j) { j["platformSurfaces"][1] = false; }, 302,
         notNumber + "boolean"},
        {"rect member true", [](json& j) { j["protaPosition"]["h"] = true; }, 302,
         notNumber + "boolean"},
        {"limit true", [](json& j) { j["butterLimits"][0]["maxX"] = true; }, 302,
         notNumber + "boolean"},
        {"bg string", [](json& j) { j["bg"] = "2"; }, 302, notNumber + "string"},
        {"shop number", [](json& j) { j["shop"] = 0; }, 302,
         "[json.exception.type_error.302] type must be boolean, but is number"},
        {"list object", [](json& j) { j["platformIndex"] = json::object(); }, 302,
         "[json.exception.type_error.302] type must be array, but is object"},
        {"missing animationBotones, no botones",
         [](json& j) {
             j["linesBotones"] = -1;
             j.erase("animationBotones");
         },
         403, "[json.exception.out_of_range.403] key 'animationBotones' not found"},
        {"missing limit", [](json& j) { j["butterLimits"][0].erase("minX"); }, 403,
         "[json.exception.out_of_range.403] key 'minX' not found"},
        {"rect not object",
         [](json& j) {
             j["src"] = json{1, 2, 3, 4};
         },
         304, "[json.exception.type_error.304] cannot use at() with array"},
    };
    for (const Rejection& c : cases) {
        json j = scene();
        c.spoil(j);
        try {
            (void)j.get<SceneData>();
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const json::exception& e) {
            EXPECT_EQ(e.id, c.id) << c.name;
            EXPECT_EQ(std::string(e.what()), c.what) << c.name;
        }
    }
}

// A number too large for a 32-bit field would silently wrap (or be undefined for floats).
TEST(SceneDataLoader, IntegerOutsideThirtyTwoBitsIsRejectedNotWrapped) {
    for (const json& huge : {json(4294967297LL), json(-3e10), json(1e300)}) {
        json j = scene();
        j["linesBotones"] = huge;
        try {
            (void)j.get<SceneData>();
            ADD_FAILURE() << huge.dump() << " was accepted";
        } catch (const json::out_of_range& e) {
            EXPECT_EQ(e.id, 406) << e.what();
        }
    }
}
