#include "save/Ranking.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/TempRunFolder.hpp"

namespace {

std::vector<Ranking::Entry> entries(const Ranking& r) {
    return {r.entries().begin(), r.entries().end()};
}

TEST(Ranking, KeepsTheSixBestWithFasterRunsFirstOnTies) {
    Ranking r;
    r.insert(500, 100);
    r.insert(900, 50);
    r.insert(500, 80);  // same score, faster: ahead of the first 500
    r.insert(500, 80);  // equal in both: after the earlier one
    r.insert(100, 10);
    r.insert(700, 999);
    using E = Ranking::Entry;
    EXPECT_EQ(entries(r),
              (std::vector<E>{{900, 50}, {700, 999}, {500, 80}, {500, 80}, {500, 100}, {100, 10}}));
    r.insert(50, 1);  // a seventh, worst run changes nothing
    EXPECT_EQ(r.entries().size(), 6u);
    EXPECT_EQ(r.entries().back(), (E{100, 10}));
    r.insert(800, 5);
    EXPECT_EQ(r.entries().size(), 6u);
    EXPECT_EQ(r.best(), 900);
    EXPECT_EQ(r.entries().back(), (E{500, 100}));
}

TEST(Ranking, LoadsTheFirstSixInFileOrderAndSavesBack) {
    TempRunFolder run;
    const char* path = "datus/config/ranking.json";
    TempRunFolder::write(
        path, R"({"Score": [1, 9, 3, 4, 5, 6, 7, 8], "Time": [1, 2, 3, 4, 5, 6, 7, 8]})");
    std::vector<std::string> problems;
    Ranking r = Ranking::load(path, problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(r.entries().size(), 6u);
    EXPECT_EQ(r.entries().front().score, 1);  // not sorted on loading
    ASSERT_TRUE(r.save(path));
    const auto doc = nlohmann::json::parse(TempRunFolder::read(path));
    EXPECT_EQ(doc["Score"], nlohmann::json({1, 9, 3, 4, 5, 6}));
    EXPECT_EQ(doc["Time"], nlohmann::json({1, 2, 3, 4, 5, 6}));
    EXPECT_LT(TempRunFolder::read(path).find("Score"), TempRunFolder::read(path).find("Time"));
}

TEST(Ranking, DamagedFilesNeverStopTheGame) {
    TempRunFolder run;
    const char* path = "datus/config/ranking.json";
    struct Case {
        const char* text;
        std::size_t expectEntries;
        const char* mention;
    };
    for (const Case& c : {Case{"{\"Score\": [5, 6], \"Time\": [1]}", 1, "differ in length"},
                          Case{"{\"Score\": 5, \"Time\": []}", 0, "must be an array"},
                          Case{"not json", 0, "not valid JSON"},
                          Case{"{\"Score\": [5, \"x\"], \"Time\": [1, 2]}", 1, "left out"},
                          Case{"{\"Score\": [5, 99999999999], \"Time\": [1, 2]}", 1, "left out"},
                          Case{"{\"Score\": [5], \"Time\": [-1]}", 0, "left out"}}) {
        TempRunFolder::write(path, c.text);
        std::vector<std::string> problems;
        Ranking r = Ranking::load(path, problems);
        EXPECT_EQ(r.entries().size(), c.expectEntries) << c.text;
        ASSERT_FALSE(problems.empty()) << c.text;
        EXPECT_NE(problems.front().find(path), std::string::npos);
        EXPECT_NE(problems.front().find(c.mention), std::string::npos) << problems.front();
    }
}

}  // namespace
