#include "scene/SceneData.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

using nlohmann::json;

namespace {

json rect(double x, double y, double w, double h) {
    return json{{"x", x}, {"y", y}, {"w", w}, {"h", h}};
}

// A shop-like scene with one of everything, so every key and list is exercised.
json completeScene() {
    return json{
        {"bg", 3},
        {"width", 32.0},
        {"height", 9.0},
        {"wShown", 16.0},
        {"src", json{{"x", 0}, {"y", 0}, {"w", 1280}, {"h", 720}}},
        {"platformIndex", json{0, -1}},
        {"platformPositions", json{rect(0, 8.9, 32, 1), rect(4, 6.5, 2, 0.5)}},
        {"platformSrc", json{json{{"x", 0}, {"y", 0}, {"w", 64}, {"h", 64}},
                             json{{"x", 1}, {"y", 2}, {"w", 3}, {"h", 4}}}},
        {"platformSurfaces", json{8.9, 6.5}},
        {"blankyPositions", json{rect(10, 3, 1, 1)}},
        {"pikabooPositions", json::array()},
        {"peanutPositions", json{rect(12, 7, 1, 1), rect(14, 7, 1, 1)}},
        {"butterPositions", json{rect(20, 7.9, 2, 1)}},
        {"butterLimits", json{json{{"minX", 18.0}, {"maxX", 24.5}}}},
        {"handyPositions", json::array()},
        {"handyLimits", json::array()},
        {"boss", -1},
        {"protaPosition", rect(1, 6.9, 1, 2)},
        {"shop", true},
        {"linesBolsillos", 0},
        {"linesBotones", -1},
        {"obstacleIndex", json{2}},
        {"obstaclePositions", json{rect(8, 7, 2, 1.9)}},
        {"obstacleSrc", json{json{{"x", 0}, {"y", 0}, {"w", 200}, {"h", 190}}}},
        {"obstacleHitboxes", json{rect(8.1, 7.1, 1.8, 1.8)}},
        {"posBolsillos", rect(5, 6.4, 1.5, 2.5)},
        {"posBotones", rect(0, 0, 0, 0)},
        {"animationBotones", 2},
    };
}

}  // namespace

TEST(SceneDataLoader, CompleteSceneConvertsEveryField) {
    const SceneData d = completeScene().get<SceneData>();
    EXPECT_EQ(d.bg, 3);
    EXPECT_DOUBLE_EQ(d.width, 32.0);
    EXPECT_DOUBLE_EQ(d.wShown, 16.0);
    EXPECT_EQ(d.src.w, 1280);
    EXPECT_EQ(d.src.h, 720);
    EXPECT_EQ(d.bgDstRect.x, 0);
    EXPECT_EQ(d.bgDstRect.w, 0);
    ASSERT_EQ(d.platformIndex.size(), 2u);
    EXPECT_EQ(d.platformIndex[1], -1);
    ASSERT_EQ(d.platformPositions.size(), 2u);
    EXPECT_DOUBLE_EQ(d.platformPositions[1].y, 6.5);
    EXPECT_EQ(d.platformSrc[1].x, 1);
    EXPECT_EQ(d.platformSrc[1].h, 4);
    EXPECT_DOUBLE_EQ(d.platformSurfaces[0], 8.9);
    EXPECT_EQ(d.blankyPositions.size(), 1u);
    EXPECT_TRUE(d.pikabooPositions.empty());
    EXPECT_EQ(d.peanutPositions.size(), 2u);
    ASSERT_EQ(d.butterLimits.size(), 1u);
    EXPECT_DOUBLE_EQ(d.butterLimits[0].minX, 18.0);
    EXPECT_DOUBLE_EQ(d.butterLimits[0].maxX, 24.5);
    EXPECT_EQ(d.boss, -1);
    EXPECT_DOUBLE_EQ(d.protaPosition.y, 6.9);
    EXPECT_DOUBLE_EQ(d.protaPosition.h, 2.0);
    EXPECT_TRUE(d.shop);
    EXPECT_EQ(d.linesBolsillos, 0);
    EXPECT_EQ(d.linesBotones, -1);
    EXPECT_EQ(d.obstacleIndex, std::vector<int>{2});
    EXPECT_DOUBLE_EQ(d.obstacleHitboxes[0].x, 8.1);
    EXPECT_EQ(d.obstacleSrc[0].h, 190);
    EXPECT_DOUBLE_EQ(d.posBolsillos.w, 1.5);
    EXPECT_EQ(d.animationBotones, 2);

    const SceneData copy = d;  // scene construction takes the record by value
    EXPECT_EQ(copy.platformPositions.size(), 2u);
}

TEST(SceneDataLoader, PoolOfScenesConvertsElementByElement) {
    json pool = json::array({completeScene(), completeScene()});
    pool[1]["bg"] = 1;
    const auto scenes = pool.get<std::vector<SceneData>>();
    ASSERT_EQ(scenes.size(), 2u);
    EXPECT_EQ(scenes[0].bg, 3);
    EXPECT_EQ(scenes[1].bg, 1);
}

TEST(SceneDataLoader, EmptyPlatformListsAndExtraKeysLoad) {
    json j = completeScene();
    for (const char* key : {"platformIndex", "platformPositions", "platformSrc", "platformSurfaces"}) {
        j[key] = json::array();
    }
    j["author's note"] = "ignored";
    j["protaPosition"]["colour"] = "red";
    const SceneData d = j.get<SceneData>();
    EXPECT_TRUE(d.platformPositions.empty());
    EXPECT_TRUE(d.platformIndex.empty());
    EXPECT_DOUBLE_EQ(d.protaPosition.x, 1.0);
}

// Integer fields take booleans and truncate floats toward zero.
TEST(SceneDataLoader, IntegerFieldsAcceptBooleansAndTruncateFloats) {
    struct Case {
        json value;
        int expected;
    };
    const Case cases[] = {
        {2.9, 2}, {true, 1}, {false, 0}, {-1.7, -1}, {-0.5, 0}, {7u, 7}, {-3, -3},
    };
    for (const Case& c : cases) {
        json j = completeScene();
        j["bg"] = c.value;
        j["platformIndex"] = json{c.value, 0};
        j["src"]["w"] = c.value;
        EXPECT_EQ(j.get<SceneData>().bg, c.expected) << c.value.dump();
        EXPECT_EQ(j.get<SceneData>().platformIndex[0], c.expected) << c.value.dump();
        EXPECT_EQ(j.get<SceneData>().src.w, c.expected) << c.value.dump();
    }
}

TEST(SceneDataLoader, IntegerOutsideThirtyTwoBitsIsRejectedNotWrapped) {
    for (const json& huge : {json(4294967297LL), json(-3e10), json(1e300)}) {
        json j = completeScene();
        j["linesBotones"] = huge;
        try {
            (void)j.get<SceneData>();
            ADD_FAILURE() << huge.dump() << " was accepted";
        } catch (const json::out_of_range& e) {
            EXPECT_EQ(e.id, 406) << e.what();
        }
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

// The library's own exceptions reach the caller, with the library's ids and messages.
TEST(SceneDataLoader, MalformedScenesRaiseTheLibrarysErrors) {
    const Rejection cases[] = {
        {"width true", [](json& j) { j["width"] = true; }, 302,
         "[json.exception.type_error.302] type must be number, but is boolean"},
        {"surface false", [](json& j) { j["platformSurfaces"][1] = false; }, 302,
         "[json.exception.type_error.302] type must be number, but is boolean"},
        {"rect member true", [](json& j) { j["protaPosition"]["h"] = true; }, 302,
         "[json.exception.type_error.302] type must be number, but is boolean"},
        {"limit true", [](json& j) { j["butterLimits"][0]["maxX"] = true; }, 302,
         "[json.exception.type_error.302] type must be number, but is boolean"},
        {"bg string", [](json& j) { j["bg"] = "2"; }, 302,
         "[json.exception.type_error.302] type must be number, but is string"},
        {"shop number", [](json& j) { j["shop"] = 0; }, 302,
         "[json.exception.type_error.302] type must be boolean, but is number"},
        {"list object", [](json& j) { j["platformIndex"] = json::object(); }, 302,
         "[json.exception.type_error.302] type must be array, but is object"},
        {"missing animationBotones", [](json& j) { j.erase("animationBotones"); }, 403,
         "[json.exception.out_of_range.403] key 'animationBotones' not found"},
        {"missing rect member", [](json& j) { j["posBotones"].erase("w"); }, 403,
         "[json.exception.out_of_range.403] key 'w' not found"},
        {"missing limit", [](json& j) { j["butterLimits"][0].erase("minX"); }, 403,
         "[json.exception.out_of_range.403] key 'minX' not found"},
        {"rect not object", [](json& j) { j["src"] = json{1, 2, 3, 4}; }, 304,
         "[json.exception.type_error.304] cannot use at() with array"},
    };
    for (const Rejection& c : cases) {
        json j = completeScene();
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

TEST(SceneDataLoader, MissingAnimationBotonesIsRequiredEvenWithoutTheCharacter) {
    json j = completeScene();
    j["linesBotones"] = -1;
    j.erase("animationBotones");
    EXPECT_THROW((void)j.get<SceneData>(), json::out_of_range);
}
