// The settings file as the game reads it at start-up and writes it at shutdown. Whatever the
// file holds, loading never throws, the settings can always be taken from the loaded document,
// and what the game then saves loads back cleanly to the same settings.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.hpp"
#include "save/ConfigFile.hpp"

namespace {

bool sameSettings(const config_file::Settings& a, const config_file::Settings& b) {
    return a.width == b.width && a.height == b.height && a.musicVolume == b.musicVolume &&
           a.sfxVolume == b.sfxVolume && a.language == b.language && a.maxLevel == b.maxLevel &&
           a.infiniteUnlock == b.infiniteUnlock && a.customKeys == b.customKeys &&
           a.selectedKeySet == b.selectedKeySet;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = (fuzz::scratchFolder() / "config.json").string();
    fuzz::writeFile(path, data, size);

    const config_file::Loaded first = config_file::load(path);
    fuzz::require(first.document.is_object(), "the loaded settings are an object");
    const config_file::Settings settings = config_file::settingsOf(first.document);
    fuzz::require(settings.width >= 320 && settings.height >= 240, "the window has a usable size");
    fuzz::require(settings.selectedKeySet >= 0 && settings.selectedKeySet <= kCustomKeySet,
                  "the selected key set is one of the four");

    fuzz::require(
        config_file::save(path, first.document, settings.customKeys, settings.selectedKeySet),
        "the settings are saved");
    const config_file::Loaded again = config_file::load(path);
    fuzz::require(again.problems.empty(), "a saved settings file loads without a problem");
    fuzz::require(sameSettings(config_file::settingsOf(again.document), settings),
                  "a saved settings file loads back to the same settings");

    fuzz::clearScratch();
    return 0;
}
