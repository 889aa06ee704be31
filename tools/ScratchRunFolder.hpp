#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "save/ConfigFile.hpp"

// A throwaway copy of the run folder's data with links to its art, music and font, made the
// working directory and removed again at the end, so the tools play the real game without
// touching the player's settings or ranking. It starts with the given settings, by default a
// first run's (a 1280 × 720 window).
class ScratchRunFolder {
public:
    explicit ScratchRunFolder(const std::filesystem::path& runFolder,
                              const nlohmann::json& settings = config_file::defaults()) {
        namespace fs = std::filesystem;
        char name[] = "/tmp/valdro-tool-XXXXXX";
        if (mkdtemp(name) == nullptr) {
            throw std::runtime_error("cannot make a scratch run folder");
        }
        root_ = name;
        fs::copy(runFolder / "datus", root_ / "datus", fs::copy_options::recursive);
        for (const char* shared : {"img", "music", "fonts"}) {
            fs::create_directory_symlink(fs::canonical(runFolder / shared), root_ / shared);
        }
        std::ofstream(root_ / "datus/config/config.json") << settings.dump(4);
        std::ofstream(root_ / "datus/config/ranking.json") << "{\"Score\": [], \"Time\": []}\n";
        fs::current_path(root_);
    }
    ~ScratchRunFolder() {
        std::error_code ec;
        std::filesystem::current_path("/", ec);
        std::filesystem::remove_all(root_, ec);
    }
    ScratchRunFolder(const ScratchRunFolder&) = delete;
    ScratchRunFolder& operator=(const ScratchRunFolder&) = delete;

    // The folder of the running binary: the run folder the tools are built into.
    static std::filesystem::path ofThisBinary() {
        return std::filesystem::canonical("/proc/self/exe").parent_path();
    }

private:
    std::filesystem::path root_;
};
