#pragma once

#include <string>

#include <nlohmann/json_fwd.hpp>

class Ranking;

// The player's settings and ranking files, written together whenever progress is made.
class PlayerFiles {
public:
    PlayerFiles(std::string configFile, std::string rankingFile)
        : config_(std::move(configFile)), ranking_(std::move(rankingFile)) {}

    // Writes both atomically, the settings with the key sets in force; false (with a stderr
    // line per file) when either failed.
    bool save(const nlohmann::json& config, const Ranking& ranking) const;

private:
    std::string config_;
    std::string ranking_;
};
