#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "input/KeySet.hpp"

// The player's settings file: window size, language, volumes, key bindings and progress.
// It is read once at start-up, kept in memory as a document the menus change, and written back
// once at shutdown. Keys the game does not know are kept as they were.
namespace config_file {

// What a first run starts with: a 1280 × 720 window, Spanish, both volumes 50, key set 0, no
// progress, infinite mode locked.
// language: "es" or "en".
nlohmann::json defaults(const std::string& language = "es");

struct Loaded {
    nlohmann::json document;            // always an object holding every key with a usable value
    std::vector<std::string> problems;  // one line each, naming the file and the key
};

// Never throws and never stops the game: a missing file, a parse error or a missing or mistyped
// key is replaced by its default and reported. An unparsable file is first kept as a side copy
// so that nothing the player had is lost when the new file is written at exit.
// A first start (no file) or a file without "language" takes firstLanguage, the system's.
Loaded load(const std::string& path, const std::string& firstLanguage = "es");

// The settings the game runs with, read from a loaded document.
struct Settings {
    int width = 1280;
    int height = 720;
    int musicVolume = 50;
    int sfxVolume = 50;
    int language = 0;
    int maxLevel = 0;
    bool infiniteUnlock = false;
    KeySet customKeys;
    int selectedKeySet = 0;
    bool vsync = true;  // frames presented in step with the display
};
Settings settingsOf(const nlohmann::json& document);

// The text written at shutdown: the document with the current custom set and selected set,
// members sorted, four-space indentation.
std::string serialise(nlohmann::json document, const KeySet& customKeys, int selectedKeySet);
// Writes it atomically; false when the file could not be written.
bool save(const std::string& path, const nlohmann::json& document, const KeySet& customKeys,
          int selectedKeySet);

}  // namespace config_file
