#pragma once

#include <string>

#include <nlohmann/json.hpp>

// Reading the game's JSON files, and what to do when one the player owns cannot be used.
namespace json_file {

// The game's files are a few levels deep. A document nested deeper is refused as unreadable:
// copying or writing one nested thousands of levels deep would exhaust the stack.
inline constexpr int kMaxNesting = 64;

struct Document {
    nlohmann::json json;
    bool missing = false;
    std::string problem;  // empty when the file was read and parsed; else "not found", ...
    bool ok() const { return problem.empty(); }
};

// Never throws: a missing file or a parse error is reported in the result.
Document read(const std::string& path);
// The same rules for text already in memory.
Document parse(const std::string& text);

// Reading a document's members, each with the line that says what is wrong with it.
// The member key as a whole number within [lo, hi]; false with why otherwise ("\"key\" is
// missing", "... must be a whole number", "... is 7, outside 0 to 3").
bool integer(const nlohmann::json& doc, const char* key, long long lo, long long hi, long long& out,
             std::string& why);
bool integer(const nlohmann::json& doc, const char* key, long long lo, long long hi, int& out,
             std::string& why);
// The member key when fits accepts it; null with why "\"key\" must be <what>" when it is
// missing or does not fit.
const nlohmann::json* member(const nlohmann::json& doc, const char* key,
                             bool (*fits)(const nlohmann::json&), const char* what,
                             std::string& why);

// The player's file at path cannot be used: keeps it as a side copy so nothing is lost and
// returns the line to show, e.g. "<path>: not valid JSON; <consequence>, the old file is kept
// as <copy>".
std::string keepUnusable(const std::string& path, const std::string& why,
                         const std::string& consequence);

}  // namespace json_file
