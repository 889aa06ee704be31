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

json conversations(std::size_t n) {
    json entry = json::array();
    for (std::size_t i = 0; i < n; ++i) {
        entry.push_back(json::array({"Hello.", "Bye."}));
    }
    return entry;
}

json dialogue() {
    const json entry = conversations(1);
    const json one = json::array({entry});
    // The shopkeeper's purchases (2), the bellboy's revives (4) and closing words (5), the
    // hero's epilogue (1).
    return json{{"bolsillos", json::array({entry, entry, entry})},
                {"botones", json::array({entry, entry, entry, entry, entry, entry})},
                {"codicia", one},
                {"lujuria", one},
                {"valdro", one},
                {"prota", json::array({entry, entry})},
                {"tutorial", one}};
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
        {"nothing shown", [](json& s, json&, json&) { s["scenes_1"][0]["wShown"] = 0; },
         f + "\"scenes_1\"[0]: \"wShown\" is 0, but must be above 0"},
        {"shown wider than the scene", [](json& s, json&, json&) { s["shop_1"]["wShown"] = 50.5; },
         f + "\"shop_1\": \"wShown\" is 50.5, wider than the scene's \"width\" 48"},
        {"short parallel list",
         [](json& s, json&, json&) { s["scenes_4"][1]["platformSurfaces"].erase(1); },
         f + "\"scenes_4\"[1]: \"platformSurfaces\" has 1 entries, but \"platformPositions\" has "
             "2"},
        {"spanish only", [](json&, json& es, json&) { es["botones"][2] = json::array({7}); },
         f + "\"botones_4\": \"linesBotones\" is 2, but in "
             "datus/dialog/conversaciones_es.json entry 2 of \"botones\" is not a list of "
             "conversations made of text lines"},
        {"shop without a word on purchases",
         [](json& s, json&, json& en) {
             s["shop_1"]["shop"] = true;
             en["bolsillos"].erase(2);
         },
         f + "\"shop_1\": a shop whose \"linesBolsillos\" is 0 has the purchases of entry 2, "
             "but in datus/dialog/conversaciones_en.json \"bolsillos\" has only 2 entries"},
        {"no closing words", [](json&, json&, json& en) { en["botones"].erase(5); },
         "datus/dialog/conversaciones_en.json: \"botones\" has only 5 entries; the end of the "
         "final arena says entry 5 of \"botones\""},
        {"character missing from a dialogue", [](json&, json&, json& en) { en.erase("bolsillos"); },
         f + "\"shop_1\": \"linesBolsillos\" is 0, but in datus/dialog/conversaciones_en.json "
             "there is no \"bolsillos\" array"},
        {"negative line other than -1",
         [](json& s, json&, json&) { s["botones_2"]["linesBolsillos"] = -3; },
         f + "\"botones_2\": \"linesBolsillos\" is -3, but it must be -1 (no character) or an "
             "entry of \"bolsillos\""},
        {"wrong type names the key", [](json& s, json&, json&) { s["tutorial"]["shop"] = 0; },
         f + "\"tutorial\": \"shop\" cannot be read: [json.exception.type_error.302] type must "
             "be boolean, but is number"},
        {"bad list element names the key and element",
         [](json& s, json&, json&) { s["scenes_2"][1]["platformPositions"][1].erase("y"); },
         f + "\"scenes_2\"[1]: \"platformPositions\"[1] cannot be read: "
             "[json.exception.out_of_range.403] key 'y' not found"},
        {"list that is not a list",
         [](json& s, json&, json&) { s["greed"]["handyLimits"] = json::object(); },
         f + "\"greed\": \"handyLimits\" must be an array, but is object"},
        {"hero's thoughts without lines",
         [](json& s, json&, json& en) {
             s["botones_3"]["linesBotones"] = 3;
             en["prota"][0] = json::array({7});
         },
         f + "\"botones_3\": \"linesBotones\" is 3, which brings in the hero's thoughts, but in "
             "datus/dialog/conversaciones_en.json entry 0 of \"prota\" is not a list of "
             "conversations made of text lines"},
        {"boss without lines", [](json&, json& es, json&) { es["lujuria"] = json::array(); },
         "datus/dialog/conversaciones_es.json: \"lujuria\" has only 0 entries; Lust's arena "
         "says entry 0 of \"lujuria\""},
        {"guide's lines of the wrong type",
         [](json&, json&, json& en) { en["tutorial"][0][0][1] = 7; },
         "datus/dialog/conversaciones_en.json: entry 0 of \"tutorial\" is not a list of "
         "conversations made of text lines; the tutorial guide says entry 0 of \"tutorial\""},
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
    scenes["botones_3"]["linesBotones"] = 6;
    const auto errors = checkSceneFile(scenes, dialogue(), dialogue());
    const std::string head =
        "datus/config/scenes.json: \"botones_3\": \"linesBotones\" is 6, "
        "but in datus/dialog/";
    ASSERT_EQ(errors.size(), 2u) << joined(errors);
    EXPECT_EQ(errors[0], head + "conversaciones_es.json \"botones\" has only 6 entries");
    EXPECT_EQ(errors[1], head + "conversaciones_en.json \"botones\" has only 6 entries");
}

TEST(SceneFileCheck, ReportsEveryProblemNotJustTheFirst) {
    json scenes = validDocument();
    scenes.erase("tutorial");
    scenes["scenes_1"] = pool(2);
    scenes["scenes_1"][1].erase("bg");
    scenes["scenes_1"][1]["boss"] = "none";
    const auto errors = checkSceneFile(scenes, dialogue(), dialogue());
    ASSERT_EQ(errors.size(), 4u) << joined(errors);
    EXPECT_EQ(errors[2], "datus/config/scenes.json: \"scenes_1\"[1]: \"bg\" is missing");
    EXPECT_EQ(errors[3],
              "datus/config/scenes.json: \"scenes_1\"[1]: \"boss\" cannot be read: "
              "[json.exception.type_error.302] type must be number, but is string");
}

// The tutorial gives the heart container after the bellboy's conversation 1 and sends a character
// that has said conversation 1 (and has more to say) on to conversation 3.
TEST(SceneFileCheck, TutorialScriptFindsTheConversationsItJumpsTo) {
    const std::string scene =
        "datus/config/scenes.json: \"tutorial\": \"linesBotones\" is 1, "
        "but in datus/dialog/conversaciones_es.json entry 1 of \"botones\" has ";
    const std::string jump =
        "; the tutorial sends a character that has said its conversation 1 on "
        "to conversation 3, so it needs a fourth (or no third)";
    struct Case {
        std::size_t bellboy;
        std::size_t guide;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {4, 1, {}},
        {2, 1, {}},  // heart, then done: the jump never comes
        {5, 4, {}},
        {3, 1, {scene + "3 conversations" + jump}},
        {1,
         1,
         {scene + "1 conversation; the tutorial gives the heart container after its "
                  "conversation 1, so it needs at least 2"}},
        {4,
         3,
         {"datus/dialog/conversaciones_es.json: entry 0 of \"tutorial\" has 3 conversations" +
          jump}},
    };
    for (const Case& c : cases) {
        json scenes = validDocument();
        scenes["tutorial"]["linesBotones"] = 1;
        json es = dialogue();
        es["botones"][1] = conversations(c.bellboy);
        es["tutorial"][0] = conversations(c.guide);
        json en = dialogue();
        en["botones"][1] = conversations(2);
        EXPECT_EQ(checkSceneFile(scenes, es, en), c.expected)
            << "bellboy " << c.bellboy << ", guide " << c.guide;
    }
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
