#include "scene/SceneFileCheck.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "scene/SceneJson.hpp"

using nlohmann::json;

namespace {

json pool(std::size_t n) {
    json a = json::array();
    for (std::size_t i = 0; i < n; ++i) {
        a.push_back(scenejson::scene());
    }
    return a;
}

json validDocument() {
    json doc;
    for (const char* single : {"tutorial", "shop_1", "shop_2", "botones_2", "botones_3",
                               "botones_4", "greed", "lust", "valdro"}) {
        doc[single] = scenejson::scene();
    }
    for (const char* name : {"scenes_1", "scenes_2", "scenes_3", "scenes_4"}) {
        doc[name] = pool(3);
    }
    doc["scenes_5"] = pool(6);
    doc["shop_1"]["linesBolsillos"] = 0;
    doc["botones_4"]["linesBotones"] = 2;
    return doc;
}

json dialogue() {
    const json entry = json::array({json::array({"Hello.", "Bye."})});
    return json{{"bolsillos", json::array({entry, entry})},
                {"botones", json::array({entry, entry, entry})}};
}

std::string joined(const std::vector<std::string>& errors) {
    std::string all;
    for (const std::string& e : errors) {
        all += e + "\n";
    }
    return all;
}

struct Fault {
    std::string name;
    std::function<void(json& scenes, json& es, json& en)> spoil;
    std::string expected;  // the exact message
};

}  // namespace

TEST(SceneFileCheck, ValidDocumentPasses) {
    EXPECT_EQ(joined(checkSceneFile(validDocument(), dialogue(), dialogue())), "");
}

TEST(SceneFileCheck, EachFaultNamesFileSlotPositionAndKey) {
    const std::string f = "datus/config/scenes.json: ";
    const Fault faults[] = {
        {"missing slot", [](json& s, json&, json&) { s.erase("lust"); }, f + "\"lust\" is missing"},
        {"short pool", [](json& s, json&, json&) { s["scenes_5"].erase(5); },
         f + "\"scenes_5\" holds 5 scenes, but a run draws 6 from it"},
        {"pool not array", [](json& s, json&, json&) { s["scenes_2"] = scenejson::scene(); },
         f + "\"scenes_2\" must be an array of scene objects, but is object"},
        {"single not object", [](json& s, json&, json&) { s["greed"] = pool(1); },
         f + "\"greed\": must be a scene object, but is array"},
        {"platform index", [](json& s, json&, json&) { s["scenes_3"][2]["platformIndex"][1] = 7; },
         f + "\"scenes_3\"[2]: \"platformIndex\"[1] is 7, outside the platform image table "
             "(0 to 4, or -1 for an invisible platform)"},
        {"obstacle index", [](json& s, json&, json&) { s["valdro"]["obstacleIndex"][0] = -1; },
         f + "\"valdro\": \"obstacleIndex\"[0] is -1, outside the platform image table (0 to 4)"},
        {"bg", [](json& s, json&, json&) { s["tutorial"]["bg"] = 9.5; },
         f + "\"tutorial\": \"bg\" is 9, outside the background table (0 to 8)"},
        {"short parallel list",
         [](json& s, json&, json&) { s["scenes_4"][1]["platformSurfaces"].erase(1); },
         f + "\"scenes_4\"[1]: \"platformSurfaces\" has 1 entries, but \"platformPositions\" has "
             "2"},
        {"butter without limits",
         [](json& s, json&, json&) { s["shop_2"]["butterLimits"] = json::array(); },
         f + "\"shop_2\": \"butterLimits\" has 0 entries, but \"butterPositions\" has 1"},
        {"dangling spanish only", [](json&, json& es, json&) { es["botones"].erase(2); },
         f + "\"botones_4\": \"linesBotones\" is 2, but \"botones\" in "
             "datus/dialog/conversaciones_es.json has only 2 entries"},
        {"character missing from a dialogue", [](json&, json&, json& en) { en.erase("bolsillos"); },
         f + "\"shop_1\": \"linesBolsillos\" is 0, but datus/dialog/conversaciones_en.json has "
             "no \"bolsillos\" array"},
        {"entry not conversations",
         [](json&, json&, json& en) { en["bolsillos"][0] = json::array({"not a conversation"}); },
         f + "\"shop_1\": \"linesBolsillos\" is 0, but entry 0 of \"bolsillos\" in "
             "datus/dialog/conversaciones_en.json is not a list of conversations made of text "
             "lines"},
        {"negative line other than -1",
         [](json& s, json&, json&) { s["botones_2"]["linesBolsillos"] = -3; },
         f + "\"botones_2\": \"linesBolsillos\" is -3, but it must be -1 (no character) or an "
             "entry of \"bolsillos\""},
        {"unreadable scene", [](json& s, json&, json&) { s["scenes_2"][1]["shop"] = 0; },
         f + "\"scenes_2\"[1]: cannot be read: [json.exception.type_error.302] type must be "
             "boolean, but is number"},
    };
    for (const Fault& fault : faults) {
        json scenes = validDocument();
        json es = dialogue();
        json en = dialogue();
        fault.spoil(scenes, es, en);
        const auto errors = checkSceneFile(scenes, es, en);
        ASSERT_EQ(errors.size(), 1u) << fault.name << "\n" << joined(errors);
        EXPECT_EQ(errors[0], fault.expected) << fault.name;
    }
}

TEST(SceneFileCheck, DanglingLineIndexIsReportedForEachLanguage) {
    json scenes = validDocument();
    scenes["botones_3"]["linesBotones"] = 3;
    const auto errors = checkSceneFile(scenes, dialogue(), dialogue());
    const std::string head =
        "datus/config/scenes.json: \"botones_3\": \"linesBotones\" is 3, "
        "but \"botones\" in datus/dialog/";
    ASSERT_EQ(errors.size(), 2u) << joined(errors);
    EXPECT_EQ(errors[0], head + "conversaciones_es.json has only 3 entries");
    EXPECT_EQ(errors[1], head + "conversaciones_en.json has only 3 entries");
}

TEST(SceneFileCheck, ReportsEveryProblemNotJustTheFirst) {
    json scenes = validDocument();
    scenes.erase("tutorial");
    scenes["scenes_1"] = pool(2);
    scenes["scenes_1"][1].erase("bg");
    const auto errors = checkSceneFile(scenes, dialogue(), dialogue());
    ASSERT_EQ(errors.size(), 3u) << joined(errors);
    EXPECT_NE(errors[2].find("\"scenes_1\"[1]: cannot be read"), std::string::npos) << errors[2];
    EXPECT_NE(errors[2].find("key 'bg' not found"), std::string::npos) << errors[2];
}

TEST(SceneFileCheck, TopLevelMustBeAnObject) {
    const auto errors = checkSceneFile(json::array(), dialogue(), dialogue());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0],
              "datus/config/scenes.json: must hold an object of scene slots, but holds array");
}

TEST(SceneFileCheck, ShippedFilesPass) {
    const std::filesystem::path root = VALDRO_SOURCE_DIR "/data/datus";
    const auto scenesPath = root / "config/scenes.json";
    const auto esPath = root / "dialog/conversaciones_es.json";
    const auto enPath = root / "dialog/conversaciones_en.json";
    for (const auto& p : {scenesPath, esPath, enPath}) {
        if (!std::filesystem::exists(p)) {
            GTEST_SKIP() << p << " is not there yet";
        }
    }
    auto parse = [](const std::filesystem::path& p) {
        std::ifstream in(p);
        return json::parse(in);
    };
    const auto errors = checkSceneFile(parse(scenesPath), parse(esPath), parse(enPath));
    EXPECT_TRUE(errors.empty()) << joined(errors);
}
