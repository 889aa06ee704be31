#include "save/Ranking.hpp"

#include <climits>

#include <nlohmann/json.hpp>

#include "save/AtomicFile.hpp"
#include "save/JsonFile.hpp"

Ranking Ranking::load(const std::string& path, std::vector<std::string>& problems) {
    constexpr const char* kStartingEmpty = "starting with an empty ranking";
    Ranking ranking;
    json_file::Document file = json_file::read(path);
    if (file.missing) {
        problems.push_back(path + ": not found; " + kStartingEmpty);
        return ranking;
    }
    auto unusable = [&](const std::string& why) {
        problems.push_back(json_file::keepUnusable(path, why, kStartingEmpty));
        return Ranking{};
    };
    if (!file.ok()) {
        return unusable(file.problem);
    }
    const nlohmann::json& doc = file.json;
    if (!doc.is_object()) {
        return unusable("not a JSON object");
    }
    for (const char* key : {"Score", "Time"}) {
        if (!doc.contains(key) || !doc.at(key).is_array()) {
            return unusable(std::string("\"") + key + "\" must be an array");
        }
    }
    const auto& scores = doc.at("Score");
    const auto& times = doc.at("Time");
    if (scores.size() != times.size()) {
        problems.push_back(path +
                           ": \"Score\" and \"Time\" differ in length; reading the runs "
                           "both describe");
    }
    const std::size_t count = std::min({kMaxEntries, scores.size(), times.size()});
    for (std::size_t k = 0; k < count; ++k) {
        const bool wholeScore = scores[k].is_number_integer() &&
                                scores[k].get<std::int64_t>() >= INT_MIN &&
                                scores[k].get<std::int64_t>() <= INT_MAX;
        if (!wholeScore || !times[k].is_number_unsigned()) {
            problems.push_back(path + ": entry " + std::to_string(k) +
                               " is not a whole score and time; it is left out");
            continue;
        }
        ranking.entries_.push_back(Entry{scores[k].get<int>(), times[k].get<std::uint64_t>()});
    }
    return ranking;
}

void Ranking::insert(int score, std::uint64_t time) {
    entries_.push_back(Entry{score, time});
    // std::list::sort is a stable merge sort: equal runs keep their order of arrival.
    entries_.sort([](const Entry& a, const Entry& b) {
        return a.score != b.score ? a.score > b.score : a.time < b.time;
    });
    if (entries_.size() > kMaxEntries) {
        entries_.pop_back();
    }
}

std::string Ranking::serialise() const {
    nlohmann::json scores = nlohmann::json::array();
    nlohmann::json times = nlohmann::json::array();
    for (const Entry& e : entries_) {
        scores.push_back(e.score);
        times.push_back(e.time);
    }
    nlohmann::json doc{{"Score", scores}, {"Time", times}};
    return doc.dump(4) + "\n";
}

bool Ranking::save(const std::string& path) const {
    return atomic_file::write(path, serialise());
}
