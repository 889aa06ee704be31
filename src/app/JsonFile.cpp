#include "app/JsonFile.hpp"

#include <fstream>

#include "app/AtomicFile.hpp"

namespace json_file {

Document read(const std::string& path) {
    Document result;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.missing = true;
        result.problem = "not found";
        return result;
    }
    result.json = nlohmann::json::parse(in, nullptr, false);
    if (result.json.is_discarded()) {
        result.problem = "not valid JSON";
    }
    return result;
}

std::string keepUnusable(const std::string& path, const std::string& why,
                         const std::string& consequence) {
    const std::string copy = atomic_file::keepSideCopy(path);
    return path + ": " + why + "; " + consequence +
           (copy.empty() ? std::string{} : ", the old file is kept as " + copy);
}

}  // namespace json_file
