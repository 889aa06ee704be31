#include "save/ConfigFile.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include <filesystem>

#include "support/TempRunFolder.hpp"

namespace {

std::string testName(std::string what) {
    for (char& c : what) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return what;
}

const char* kPath = "datus/config/config.json";

nlohmann::json loadText(const std::string& text, std::vector<std::string>* problems = nullptr) {
    TempRunFolder::write(kPath, text);
    config_file::Loaded loaded = config_file::load(kPath);
    if (problems != nullptr) {
        *problems = loaded.problems;
    }
    return loaded.document;
}

bool mentions(const std::vector<std::string>& problems, const std::string& what) {
    for (const std::string& line : problems) {
        if (line.find(kPath) != std::string::npos && line.find(what) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(ConfigFile, RoundTripIsSortedIndentedAndKeepsUnknownKeys) {
    TempRunFolder run;
    nlohmann::json doc = loadText(R"({"zeta": {"b": [1, 2]}, "width": 800, "height": 600,
        "volumeGeneral": 50, "volumeSFX": 35, "language": "en", "maxLevel": 4,
        "infiniteUnlock": true, "SelectedKeySet": 2, "aardvark": "kept",
        "CustomKeyConfig": {"upKey": 1, "downKey": 2, "rightKey": 3, "leftKey": 4,
                            "interactKey": 5, "pauseKey": 6, "configOption": 3}})");
    doc["volumeGeneral"] = 55;
    const KeySet custom{10, 11, 12, 13, 14, 15, 3};
    ASSERT_TRUE(config_file::save(kPath, doc, custom, 1));

    const std::string text = TempRunFolder::read(kPath);
    const nlohmann::json back = nlohmann::json::parse(text);
    EXPECT_EQ(back["volumeGeneral"], 55);
    EXPECT_EQ(back["aardvark"], "kept");
    EXPECT_EQ(back["zeta"]["b"], nlohmann::json({1, 2}));
    EXPECT_EQ(back["SelectedKeySet"], 1);
    EXPECT_EQ(back["CustomKeyConfig"]["upKey"], 10);
    EXPECT_EQ(back["CustomKeyConfig"]["configOption"], 3);
    // Members come out in byte order of their keys, four spaces deep.
    EXPECT_LT(text.find("\"CustomKeyConfig\""), text.find("\"SelectedKeySet\""));
    EXPECT_LT(text.find("\"SelectedKeySet\""), text.find("\"aardvark\""));
    EXPECT_LT(text.find("\"volumeSFX\""), text.find("\"width\""));
    EXPECT_NE(text.find("\n    \"aardvark\": \"kept\""), std::string::npos);
    EXPECT_NE(text.find("\n        \"configOption\": 3"), std::string::npos);
    // No temporary file is left behind.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator("datus/config")) {
        files += e.path().filename().string().rfind("config.json", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(files, 1);
}

TEST(ConfigFile, UnparsableFileIsKeptAsASideCopy) {
    TempRunFolder run;
    const std::string broken = "{\"width\": 1024, \"volumeGeneral\": ";
    std::vector<std::string> problems;
    nlohmann::json doc = loadText(broken, &problems);
    EXPECT_TRUE(mentions(problems, "not valid JSON"));
    EXPECT_TRUE(mentions(problems, "config.json.broken"));
    EXPECT_EQ(TempRunFolder::read("datus/config/config.json.broken"), broken);
    EXPECT_EQ(doc["width"], 1280);

    // A second broken start keeps the first copy too.
    loadText("[1, 2", &problems);
    EXPECT_EQ(TempRunFolder::read("datus/config/config.json.broken"), broken);
    EXPECT_EQ(TempRunFolder::read("datus/config/config.json.broken.1"), "[1, 2");
}

struct BadKeyCase {
    const char* what;
    const char* json;  // one member replacing the good one
    const char* key;
    const char* mention;
};

void PrintTo(const BadKeyCase& c, std::ostream* os) {
    *os << c.what;
}

class ConfigBadKey : public ::testing::TestWithParam<BadKeyCase> {};

TEST_P(ConfigBadKey, FallsBackAndNamesTheKey) {
    TempRunFolder run;
    nlohmann::json good = config_file::defaults();
    nlohmann::json patch = nlohmann::json::parse(GetParam().json);
    for (auto& [k, v] : patch.items()) {
        if (v.is_null()) {
            good.erase(k);
        } else {
            good[k] = v;
        }
    }
    std::vector<std::string> problems;
    nlohmann::json doc = loadText(good.dump(), &problems);
    EXPECT_TRUE(mentions(problems, GetParam().key)) << GetParam().what;
    EXPECT_TRUE(mentions(problems, GetParam().mention)) << GetParam().what;
    // Whatever was wrong, the game can read every setting.
    EXPECT_NO_THROW(config_file::settingsOf(doc)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigBadKey,
    ::testing::Values(
        BadKeyCase{"missing width", R"({"width": null})", "\"width\"", "missing"},
        BadKeyCase{"string volume", R"({"volumeSFX": "loud"})", "\"volumeSFX\"", "string"},
        BadKeyCase{"language number", R"({"language": 1})", "\"language\"", "number"},
        BadKeyCase{"unlock as number", R"({"infiniteUnlock": 1})", "\"infiniteUnlock\"",
                   "true or false"},
        BadKeyCase{"key set 7", R"({"SelectedKeySet": 7})", "\"SelectedKeySet\"", "outside 0 to 3"},
        BadKeyCase{"key set -1", R"({"SelectedKeySet": -1})", "\"SelectedKeySet\"", "using 0"},
        BadKeyCase{"custom keys not an object", R"({"CustomKeyConfig": [1]})",
                   "\"CustomKeyConfig\"", "array"},
        BadKeyCase{"custom key missing", R"({"CustomKeyConfig": {"upKey": 1}})",
                   "\"CustomKeyConfig.downKey\"", "missing"},
        BadKeyCase{"tiny window", R"({"width": 10})", "\"width\"", "using 320"},
        BadKeyCase{"volume above 100", R"({"volumeGeneral": 400})", "\"volumeGeneral\"",
                   "using 100"}),
    [](const auto& info) { return testName(info.param.what); });

// Values the game reads leniently, as it always did: what each becomes.
TEST(ConfigFile, LenientValuesAreReadAsTheGameAlwaysDid) {
    TempRunFolder run;
    struct Case {
        const char* member;
        const char* value;
        int width, keySet, language, sfx;
    };
    for (const Case& c :
         {Case{"SelectedKeySet", "9", 1280, 0, 0, 50},
          Case{"SelectedKeySet", "2.7", 1280, 2, 0, 50}, Case{"width", "1024.9", 1024, 0, 0, 50},
          Case{"volumeSFX", "35", 1280, 0, 0, 35}, Case{"language", "\"ES\"", 1280, 0, 1, 50},
          Case{"language", "\"es \"", 1280, 0, 1, 50},
          Case{"language", "\"en\"", 1280, 0, 1, 50}}) {
        SCOPED_TRACE(std::string(c.member) + " " + c.value);
        nlohmann::json doc = config_file::defaults();
        doc[c.member] = nlohmann::json::parse(c.value);
        const auto s = config_file::settingsOf(loadText(doc.dump()));
        EXPECT_EQ(s.width, c.width);
        EXPECT_EQ(s.selectedKeySet, c.keySet);
        EXPECT_EQ(s.language, c.language);
        EXPECT_EQ(s.sfxVolume, c.sfx);
    }
}

}  // namespace
