// The ranking file as the game reads it at start-up and writes it after a run. Whatever the file
// holds, loading never throws, keeps at most six runs, and what the game then saves loads back
// cleanly to the same runs.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.hpp"
#include "save/Ranking.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = (fuzz::scratchFolder() / "ranking.json").string();
    fuzz::writeFile(path, data, size);

    std::vector<std::string> problems;
    Ranking ranking = Ranking::load(path, problems);
    fuzz::require(ranking.entries().size() <= Ranking::kMaxEntries, "at most six runs are kept");

    fuzz::require(ranking.save(path), "the ranking is saved");
    std::vector<std::string> reloadProblems;
    const Ranking reloaded = Ranking::load(path, reloadProblems);
    fuzz::require(reloadProblems.empty(), "a saved ranking loads without a problem");
    fuzz::require(reloaded.entries() == ranking.entries(), "a saved ranking loads back the same");

    // A finished run goes in wherever the file left the list.
    ranking.insert(ranking.best(), 0);
    fuzz::require(ranking.entries().size() <= Ranking::kMaxEntries, "an insert keeps six runs");

    fuzz::clearScratch();
    return 0;
}
