#include "scene/SceneData.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "scene/SceneJson.hpp"

using nlohmann::json;
using scenejson::scene;

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
