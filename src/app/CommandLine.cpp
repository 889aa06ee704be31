#include "app/CommandLine.hpp"

#include <charconv>
#include <nlohmann/json.hpp>

#include "scene/SceneData.hpp"

namespace command_line {
namespace {

template <typename T>
bool readNumber(const std::string& text, T& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

bool readDifficulty(const std::string& text, int& out) {
    static const char* names[] = {"easy", "normal", "hard", "impossible"};
    for (int i = 0; i < 4; ++i) {
        if (text == names[i]) {
            out = i;
            return true;
        }
    }
    return false;
}

}  // namespace

std::string usage() {
    return "usage: valdro [options]\n"
           "  (no options)            start on the title screen\n"
           "  --scene SLOT[:N]        play one scene of the scene file as a fresh run: a slot\n"
           "                          such as tutorial, shop_1, greed, or a pool position such\n"
           "                          as scenes_1:0 (N counts from 0)\n"
           "  --difficulty LEVEL      easy, normal (default), hard or impossible\n"
           "  --seed N                seed every random source, so play repeats exactly\n"
           "  --frames N              run N frames, then close normally\n"
           "  --screenshot FILE.png   with --frames: save the last frame as a PNG\n"
           "  --record FILE           write the game as it is played (seed, settings, every\n"
           "                          input) to FILE; prints the end state's hash\n"
           "  --replay FILE           play a recording back and print \"state hash: HEX\"\n"
           "                          (headless with SDL_VIDEODRIVER=dummy)\n"
           "  --help                  print this and exit\n";
}

std::optional<CommandLine> parse(const std::vector<std::string>& args, std::string& why) {
    CommandLine cl;
    bool hasDifficulty = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            cl.help = true;
            continue;
        }
        const bool takesValue = option == "--scene" || option == "--difficulty" ||
                                option == "--seed" || option == "--frames" ||
                                option == "--screenshot" || option == "--record" ||
                                option == "--replay";
        if (!takesValue) {
            why = "unknown option '" + option + "' (see --help)";
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            why = option + " needs a value (see --help)";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--scene") {
            const auto colon = value.find(':');
            cl.sceneSlot = value.substr(0, colon);
            if (colon != std::string::npos) {
                int n = 0;
                if (!readNumber(value.substr(colon + 1), n) || n < 0) {
                    why = "--scene " + value + ": the position after ':' must be 0 or more";
                    return std::nullopt;
                }
                cl.scenePosition = n;
            }
            if (cl.sceneSlot->empty()) {
                why = "--scene needs a slot name";
                return std::nullopt;
            }
        } else if (option == "--difficulty") {
            hasDifficulty = true;
            if (!readDifficulty(value, cl.difficulty)) {
                why = "--difficulty " + value + ": use easy, normal, hard or impossible";
                return std::nullopt;
            }
        } else if (option == "--seed") {
            std::uint32_t seed = 0;
            if (!readNumber(value, seed)) {
                why = "--seed " + value + ": must be a whole number from 0 to 4294967295";
                return std::nullopt;
            }
            cl.seed = seed;
        } else if (option == "--frames") {
            long long frames = 0;
            if (!readNumber(value, frames) || frames < 1) {
                why = "--frames " + value + ": must be a whole number of 1 or more";
                return std::nullopt;
            }
            cl.frames = frames;
        } else if (option == "--record") {
            cl.record = value;
        } else if (option == "--replay") {
            cl.replay = value;
        } else {
            cl.screenshot = value;
        }
    }
    if (cl.screenshot && !cl.frames) {
        why = "--screenshot goes with --frames N";
        return std::nullopt;
    }
    // A recording fixes the scene, the difficulty and the seed itself.
    if (cl.replay && (cl.record || cl.sceneSlot || cl.seed || hasDifficulty)) {
        why =
            "--replay takes the scene, difficulty and seed from the recording; it goes alone "
            "or with --frames and --screenshot";
        return std::nullopt;
    }
    return cl;
}

bool findScene(const nlohmann::json& scenes, const std::string& slot,
               const std::optional<int>& position, SceneData& out, std::string& why) {
    const auto it = scenes.find(slot);
    if (!scenes.is_object() || it == scenes.end()) {
        why = "--scene " + slot + ": no such slot in the scene file";
        return false;
    }
    const nlohmann::json* scene = &*it;
    if (it->is_array()) {
        if (!position) {
            why = "--scene " + slot + ": a pool; name a position, e.g. " + slot + ":0";
            return false;
        }
        if (*position >= static_cast<int>(it->size())) {
            why = "--scene " + slot + ":" + std::to_string(*position) + ": the pool holds " +
                  std::to_string(it->size()) + " scenes (positions 0 to " +
                  std::to_string(static_cast<int>(it->size()) - 1) + ")";
            return false;
        }
        scene = &(*it)[static_cast<std::size_t>(*position)];
    } else if (position) {
        why = "--scene " + slot + ": a single scene takes no position";
        return false;
    }
    try {
        out = scene->get<SceneData>();
    } catch (const nlohmann::json::exception& e) {
        why = "--scene " + slot + ": " + e.what();
        return false;
    }
    return true;
}

}  // namespace command_line
