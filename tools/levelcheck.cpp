// valdro_levelcheck: checks a scene file before it ships.
//
//   valdro_levelcheck [scenes.json] [run folder]
//
// Defaults: "datus/config/scenes.json" and the current folder (the images are read from
// "<run folder>/img/"). Prints one line per problem, naming the slot, the scene's place in its
// pool and the key, and exits with 1 when there is any; 2 when the file cannot be read.
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "render/Paths.hpp"
#include "scene/LevelChecker.hpp"

int main(int argc, char** argv) {
    const std::string file = argc > 1 ? argv[1] : paths::kScenesFile;
    const std::string runFolder = argc > 2 ? argv[2] : ".";
    std::ifstream in(file);
    if (!in) {
        std::fprintf(stderr, "valdro_levelcheck: cannot open %s\n", file.c_str());
        return 2;
    }
    nlohmann::json scenes;
    try {
        in >> scenes;
    } catch (const nlohmann::json::exception& e) {
        std::fprintf(stderr, "valdro_levelcheck: %s: %s\n", file.c_str(), e.what());
        return 2;
    }
    const LevelChecker checker(LevelChecker::pngSizes(runFolder));
    const auto problems = checker.checkDocument(scenes);
    for (const std::string& p : problems) {
        std::printf("%s: %s\n", file.c_str(), p.c_str());
    }
    if (problems.empty()) {
        std::printf("%s: every scene passes\n", file.c_str());
    }
    return problems.empty() ? 0 : 1;
}
