#include "save/JsonFile.hpp"

#include <fstream>

#include "save/AtomicFile.hpp"

namespace json_file {
namespace {

template <typename Input>
Document parseFrom(Input&& input) {
    Document result;
    bool tooDeep = false;
    // Containers past the nesting limit are dropped while parsing, so a hostile file never
    // builds the deep structure at all.
    auto limitNesting = [&tooDeep](int depth, nlohmann::json::parse_event_t event,
                                   nlohmann::json&) {
        // depth counts the containers around the one that starts.
        const bool opens = event == nlohmann::json::parse_event_t::object_start ||
                           event == nlohmann::json::parse_event_t::array_start;
        if (opens && depth > kMaxNesting) {
            tooDeep = true;
            return false;
        }
        return true;
    };
    result.json = nlohmann::json::parse(std::forward<Input>(input), limitNesting, false);
    if (result.json.is_discarded()) {
        result.problem = "not valid JSON";
    } else if (tooDeep) {
        result.json = nlohmann::json();
        result.problem = "nested deeper than " + std::to_string(kMaxNesting) + " levels";
    }
    return result;
}

}  // namespace

Document read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Document result;
        result.missing = true;
        result.problem = "not found";
        return result;
    }
    return parseFrom(in);
}

Document parse(const std::string& text) {
    return parseFrom(text);
}

std::string keepUnusable(const std::string& path, const std::string& why,
                         const std::string& consequence) {
    const std::string copy = atomic_file::keepSideCopy(path);
    return path + ": " + why + "; " + consequence +
           (copy.empty() ? std::string{} : ", the old file is kept as " + copy);
}

}  // namespace json_file
