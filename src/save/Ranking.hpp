#pragma once

#include <cstdint>
#include <list>
#include <string>
#include <vector>

// The six best finished runs, best first: a higher score wins, and with equal scores the faster
// run; runs equal in both keep their order of arrival.
class Ranking {
public:
    static constexpr std::size_t kMaxEntries = 6;

    struct Entry {
        int score = 0;
        std::uint64_t time = 0;  // seconds of play
        bool operator==(const Entry&) const = default;
    };

    // Never throws: a missing or unreadable file gives an empty ranking and a problem line
    // naming the file (an unreadable file is kept as a side copy first). Only the first six
    // entries are taken, in file order.
    static Ranking load(const std::string& path, std::vector<std::string>& problems);

    void insert(int score, std::uint64_t time);
    void clear() { entries_.clear(); }
    // The high score shown during a run: the best score, 0 when empty.
    int best() const { return entries_.empty() ? 0 : entries_.front().score; }
    const std::list<Entry>& entries() const { return entries_; }

    // {"Score": [...], "Time": [...]} with four-space indentation.
    std::string serialise() const;
    bool save(const std::string& path) const;

private:
    std::list<Entry> entries_;
};
