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

bool integer(const nlohmann::json& doc, const char* key, long long lo, long long hi, long long& out,
             std::string& why) {
    const auto it = doc.find(key);
    if (it == doc.end() || !it->is_number_integer()) {
        why = std::string("\"") + key + "\" " +
              (it == doc.end() ? "is missing" : "must be a whole number");
        return false;
    }
    out = it->get<long long>();
    if (out < lo || out > hi) {
        why = std::string("\"") + key + "\" is " + std::to_string(out) + ", outside " +
              std::to_string(lo) + " to " + std::to_string(hi);
        return false;
    }
    return true;
}

bool integer(const nlohmann::json& doc, const char* key, long long lo, long long hi, int& out,
             std::string& why) {
    long long value = 0;
    if (!integer(doc, key, lo, hi, value, why)) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

const nlohmann::json* member(const nlohmann::json& doc, const char* key,
                             bool (*fits)(const nlohmann::json&), const char* what,
                             std::string& why) {
    const auto it = doc.find(key);
    if (it == doc.end() || !fits(*it)) {
        why = std::string("\"") + key + "\" must be " + what;
        return nullptr;
    }
    return &*it;
}

}  // namespace json_file
