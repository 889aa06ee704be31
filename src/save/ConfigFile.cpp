#include "save/ConfigFile.hpp"

#include <algorithm>
#include <climits>

#include "save/AtomicFile.hpp"
#include "save/JsonFile.hpp"

namespace config_file {
namespace {

constexpr int kMinWidth = 320;
constexpr int kMinHeight = 240;
constexpr int kMaxWindowSide = 16384;

const KeySet kDefaultCustomKeys{'w', 's', 'd', 'a', 'f', 27, kCustomKeySet};

class Reader {
public:
    Reader(const std::string& path, nlohmann::json& doc, std::vector<std::string>& problems)
        : path_(path), doc_(doc), problems_(problems) {}

    // An integer setting: numbers are truncated toward zero; anything else, or a missing key,
    // falls back to the default; values outside [lo, hi] are brought inside.
    enum class OutOfRange { Clamp, UseFallback };

    void integer(nlohmann::json& holder, const std::string& where, const char* key, int lo, int hi,
                 int fallback, OutOfRange outOfRange = OutOfRange::Clamp) {
        auto it = holder.find(key);
        if (it == holder.end()) {
            report(where + key + "\" is missing; using " + std::to_string(fallback));
            holder[key] = fallback;
            return;
        }
        if (!it->is_number()) {
            report(where + key + "\" must be a number, but is " + it->type_name() + "; using " +
                   std::to_string(fallback));
            *it = fallback;
            return;
        }
        const double value = it->get<double>();
        if (value < lo || value > hi) {
            const int fixed = outOfRange == OutOfRange::UseFallback ? fallback
                              : value < lo                          ? lo
                                                                    : hi;
            report(where + key + "\" is " + it->dump() + ", outside " + std::to_string(lo) +
                   " to " + (hi == INT_MAX ? std::string("any") : std::to_string(hi)) + "; using " +
                   std::to_string(fixed));
            *it = fixed;
            return;
        }
        if (!it->is_number_integer()) {
            *it = static_cast<int>(value);
        }
    }

    void string(const char* key, const std::string& fallback) {
        if (!wellFormed(key, &nlohmann::json::is_string, "a string", "\"" + fallback + "\"")) {
            doc_[key] = fallback;
        }
    }

    void boolean(const char* key, bool fallback) {
        if (!wellFormed(key, &nlohmann::json::is_boolean, "true or false",
                        fallback ? "true" : "false")) {
            doc_[key] = fallback;
        }
    }

    void keySet(const char* key) {
        if (!wellFormed(key, &nlohmann::json::is_object, "an object", "the default custom keys")) {
            doc_[key] = kDefaultCustomKeys;
            return;
        }
        nlohmann::json& keys = doc_[key];
        nlohmann::json defaults = kDefaultCustomKeys;
        const std::string where = std::string("\"") + key + ".";
        for (const char* member :
             {"upKey", "downKey", "rightKey", "leftKey", "interactKey", "pauseKey"}) {
            integer(keys, where, member, INT_MIN, INT_MAX, defaults[member].get<int>());
        }
        integer(keys, where, "configOption", 0, kCustomKeySet, kCustomKeySet,
                OutOfRange::UseFallback);
    }

    void report(const std::string& what) { problems_.push_back(path_ + ": " + what); }

private:
    // True when key is there and of the kind isKind asks for; otherwise says what is wrong and
    // what is used instead.
    bool wellFormed(const char* key, bool (nlohmann::json::*isKind)() const noexcept,
                    const char* mustBe, const std::string& replacement) {
        const auto it = doc_.find(key);
        if (it != doc_.end() && ((*it).*isKind)()) {
            return true;
        }
        report(std::string("\"") + key + "\" " +
               (it == doc_.end()
                    ? std::string("is missing")
                    : std::string("must be ") + mustBe + ", but is " + it->type_name()) +
               "; using " + replacement);
        return false;
    }

    const std::string& path_;
    nlohmann::json& doc_;
    std::vector<std::string>& problems_;
};

}  // namespace

nlohmann::json defaults(const std::string& language) {
    return nlohmann::json{{"width", 1280},           {"height", 720},
                          {"volumeGeneral", 50},     {"volumeSFX", 50},
                          {"language", language},    {"maxLevel", 0},
                          {"infiniteUnlock", false}, {"CustomKeyConfig", kDefaultCustomKeys},
                          {"SelectedKeySet", 0},     {"vsync", true}};
}

Loaded load(const std::string& path, const std::string& firstLanguage) {
    constexpr const char* kUsingDefaults = "starting with the default settings";
    Loaded result;
    json_file::Document file = json_file::read(path);
    if (file.missing) {
        result.problems.push_back(path + ": not found; " + kUsingDefaults);
        result.document = defaults(firstLanguage);
        return result;
    }
    if (!file.ok() || !file.json.is_object()) {
        result.problems.push_back(json_file::keepUnusable(
            path, file.ok() ? "not a JSON object" : file.problem, kUsingDefaults));
        result.document = defaults(firstLanguage);
        return result;
    }
    nlohmann::json& doc = file.json;
    Reader read(path, doc, result.problems);
    const std::string top = "\"";
    read.integer(doc, top, "width", kMinWidth, kMaxWindowSide, 1280);
    read.integer(doc, top, "height", kMinHeight, kMaxWindowSide, 720);
    read.integer(doc, top, "volumeGeneral", 0, 100, 50);
    read.integer(doc, top, "volumeSFX", 0, 100, 50);
    // The shipped settings leave the language to the player's system.
    if (!doc.contains("language")) {
        doc["language"] = firstLanguage;
    }
    read.string("language", firstLanguage);
    read.integer(doc, top, "maxLevel", 0, INT_MAX, 0);
    read.boolean("infiniteUnlock", false);
    read.keySet("CustomKeyConfig");
    // An index outside the four key sets falls back to the first one.
    read.integer(doc, top, "SelectedKeySet", 0, kCustomKeySet, 0, Reader::OutOfRange::UseFallback);
    // Files from before vsync pacing have no such key: it is on.
    if (const auto vsync = doc.find("vsync"); vsync != doc.end() && !vsync->is_boolean()) {
        result.problems.push_back(path + ": \"vsync\" must be true or false; it is on");
        doc["vsync"] = true;
    }
    result.document = std::move(doc);
    return result;
}

Settings settingsOf(const nlohmann::json& document) {
    Settings s;
    s.width = document.at("width").get<int>();
    s.height = document.at("height").get<int>();
    s.musicVolume = document.at("volumeGeneral").get<int>();
    s.sfxVolume = document.at("volumeSFX").get<int>();
    // Only exactly "es" is Spanish; any other language string means English.
    s.language = document.at("language").get<std::string>() == "es" ? 0 : 1;
    s.maxLevel = document.at("maxLevel").get<int>();
    s.infiniteUnlock = document.at("infiniteUnlock").get<bool>();
    s.customKeys = document.at("CustomKeyConfig").get<KeySet>();
    s.selectedKeySet = document.at("SelectedKeySet").get<int>();
    s.vsync = document.value("vsync", true);
    return s;
}

std::string serialise(nlohmann::json document, const KeySet& customKeys, int selectedKeySet) {
    if (!document.is_object()) {
        document = nlohmann::json::object();
    }
    document["CustomKeyConfig"] = customKeys;
    document["SelectedKeySet"] = selectedKeySet;
    return document.dump(4, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

bool save(const std::string& path, const nlohmann::json& document, const KeySet& customKeys,
          int selectedKeySet) {
    return atomic_file::write(path, serialise(document, customKeys, selectedKeySet));
}

}  // namespace config_file
