// The settings and the ranking are saved while the game may be killed at any moment (the power
// goes, the player ends the process). A child process saves both over and over through the
// game's own writers and is killed with SIGKILL after a random short delay; after every kill
// each file must be a whole save, the one before or the one in progress, and load cleanly. The
// game started afterwards removes the temporary files the kills left.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/App.hpp"
#include "save/ConfigFile.hpp"
#include "app/Platform.hpp"
#include "save/Ranking.hpp"
#include "support/TempRunFolder.hpp"

namespace {

constexpr const char* kConfigPath = "datus/config/config.json";
constexpr const char* kRankingPath = "datus/config/ranking.json";
// Forking a process built with AddressSanitizer is slow; fewer kills still catch its faults.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kKills = 60;
#else
constexpr int kKills = 300;
#endif
// A long unknown member makes each settings save big enough that kills land inside write().
constexpr std::size_t kNotesLength = 64 * 1024;

// Save number `generation` of each file: its contents tell which save it is.
nlohmann::json settingsOf(int generation) {
    nlohmann::json doc = config_file::defaults();
    doc["maxLevel"] = generation;
    doc["notes"] = std::string(kNotesLength, static_cast<char>('a' + generation % 26));
    return doc;
}

std::string settingsText(int generation) {
    return config_file::serialise(settingsOf(generation),
                                  config_file::defaults().at("CustomKeyConfig").get<KeySet>(), 0);
}

Ranking rankingOf(int generation) {
    Ranking r;
    for (int k = 0; k < 6; ++k) {
        r.insert(generation, static_cast<std::uint64_t>(k));
    }
    return r;
}

// Tells the parent through `ready` that saving starts now, so its random delay counts from the
// first save rather than from the fork.
[[noreturn]] void saveForever(int firstGeneration, int ready) {
    const KeySet keys = config_file::defaults().at("CustomKeyConfig").get<KeySet>();
    const char go = 'g';
    if (write(ready, &go, 1) != 1) {
        _exit(1);
    }
    for (int generation = firstGeneration;; ++generation) {
        config_file::save(kConfigPath, settingsOf(generation), keys, 0);
        rankingOf(generation).save(kRankingPath);
    }
}

// The save a file holds, or -1 (with the reason added) when it is not a whole save.
int settingsGeneration(std::string& why) {
    const std::string text = TempRunFolder::read(kConfigPath);
    const config_file::Loaded loaded = config_file::load(kConfigPath);
    if (!loaded.problems.empty()) {
        why = "settings do not load: " + loaded.problems.front() + " (" +
              std::to_string(text.size()) + " bytes)";
        return -1;
    }
    const int generation = loaded.document.at("maxLevel").get<int>();
    if (text != settingsText(generation)) {
        why = "settings are not exactly save " + std::to_string(generation);
        return -1;
    }
    return generation;
}

int rankingGeneration(std::string& why) {
    const std::string text = TempRunFolder::read(kRankingPath);
    std::vector<std::string> problems;
    const Ranking ranking = Ranking::load(kRankingPath, problems);
    if (!problems.empty() || ranking.entries().empty()) {
        why = "ranking does not load whole (" + std::to_string(text.size()) + " bytes)";
        return -1;
    }
    const int generation = ranking.best();
    if (text != rankingOf(generation).serialise()) {
        why = "ranking is not exactly save " + std::to_string(generation);
        return -1;
    }
    return generation;
}

}  // namespace

TEST(SaveKill, EveryKillLeavesTheOldOrTheNewSave) {
    TempRunFolder run;
    const KeySet keys = config_file::defaults().at("CustomKeyConfig").get<KeySet>();
    ASSERT_TRUE(config_file::save(kConfigPath, settingsOf(0), keys, 0));
    ASSERT_TRUE(rankingOf(0).save(kRankingPath));

    // Kills fall anywhere within two rounds of saving, however fast this build saves.
    const auto before = std::chrono::steady_clock::now();
    constexpr int kTimedRounds = 3;
    for (int k = 0; k < kTimedRounds; ++k) {
        ASSERT_TRUE(config_file::save(kConfigPath, settingsOf(0), keys, 0));
        ASSERT_TRUE(rankingOf(0).save(kRankingPath));
    }
    const auto roundUs = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - before)
                             .count() /
                         kTimedRounds;
    std::mt19937 rng(20261207);
    // A forked child under a sanitizer saves far slower than the parent timed it, so each kill
    // that found no new save widens the window, and the kills go on until enough of them landed
    // in the middle of saving.
    long long maxDelayUs = std::max<long long>(2 * roundUs, 1000);
    constexpr int kMinKillsWithProgress = 12;
    constexpr int kMaxAttempts = 8 * kKills;
    int settingsSeen = 0;
    int rankingSeen = 0;
    int killsWithProgress = 0;
    int attempt = 0;
    for (;
         attempt < kMaxAttempts && (attempt < kKills || killsWithProgress < kMinKillsWithProgress);
         ++attempt) {
        const int next = std::max(settingsSeen, rankingSeen) + 1;
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            saveForever(next, ready[1]);
        }
        close(ready[1]);
        char go = 0;
        ASSERT_EQ(read(ready[0], &go, 1), 1);
        close(ready[0]);
        usleep(
            static_cast<useconds_t>(std::uniform_int_distribution<long long>(0, maxDelayUs)(rng)));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        std::string why;
        const int settings = settingsGeneration(why);
        ASSERT_GE(settings, 0) << "after kill " << attempt << ": " << why;
        const int ranking = rankingGeneration(why);
        ASSERT_GE(ranking, 0) << "after kill " << attempt << ": " << why;
        // Never older than what was already seen whole: a save only ever moves forward.
        ASSERT_GE(settings, settingsSeen) << "after kill " << attempt;
        ASSERT_GE(ranking, rankingSeen) << "after kill " << attempt;
        if (settings > settingsSeen || ranking > rankingSeen) {
            ++killsWithProgress;
        } else {
            maxDelayUs += maxDelayUs / 2;
        }
        settingsSeen = settings;
        rankingSeen = ranking;
    }
    // The kills must have landed while saves were going on, or the test proved nothing.
    EXPECT_GE(killsWithProgress, kMinKillsWithProgress) << "after " << attempt << " kills";

    // A kill between creating the temporary file and renaming it leaves that temporary file
    // beside the save; nothing else ever appears, and it never takes the save's name.
    int leftovers = 0;
    for (const auto& entry : std::filesystem::directory_iterator("datus/config")) {
        const std::string name = entry.path().filename().string();
        if (name == "config.json" || name == "ranking.json" || name == "scenes.json") {
            continue;
        }
        ++leftovers;
        EXPECT_TRUE(name.rfind("config.json.tmp-", 0) == 0 ||
                    name.rfind("ranking.json.tmp-", 0) == 0)
            << name;
    }
    RecordProperty("kills", attempt);
    RecordProperty("killsDuringSaves", killsWithProgress);
    RecordProperty("temporaryFilesLeft", leftovers);

    // The game started again clears away what the kills left, and only that. One stray of each
    // save is planted too, so there is always something to clear.
    TempRunFolder::write("datus/config/config.json.tmp-Kill01", "{\"half");
    TempRunFolder::write("datus/config/ranking.json.tmp-Kill02", "{\"Sco");
    TempRunFolder::write("datus/config/notes.tmp-Kill03", "the player's own");
    ScriptedPlatform clock;
    ScopedPlatform useClock(clock);
    App app(App::Options{.seed = 1});
    ASSERT_TRUE(app.startUp());
    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator("datus/config")) {
        left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, (std::set<std::string>{"config.json", "ranking.json", "scenes.json",
                                           "notes.tmp-Kill03"}));
    std::string why;
    EXPECT_EQ(settingsGeneration(why), settingsSeen) << why;
    EXPECT_EQ(rankingGeneration(why), rankingSeen) << why;
    app.shutDown();
}
