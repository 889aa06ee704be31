#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A throwaway run folder holding a copy of the shipped data, made the working directory for
// the lifetime of the object (the game reads and writes relative to it).
class TempRunFolder {
public:
    TempRunFolder() {
        namespace fs = std::filesystem;
        previous_ = fs::current_path();
        char name[] = "/tmp/valdro-run-XXXXXX";
        root_ = mkdtemp(name);
        fs::copy(fs::path(VALDRO_SOURCE_DIR) / "data", root_, fs::copy_options::recursive);
        fs::current_path(root_);
    }
    ~TempRunFolder() {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(root_, ec);
    }
    TempRunFolder(const TempRunFolder&) = delete;
    TempRunFolder& operator=(const TempRunFolder&) = delete;

    std::filesystem::path path(const std::string& relative) const { return root_ / relative; }

    static std::string read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void write(const std::filesystem::path& p, const std::string& text) {
        std::ofstream(p, std::ios::binary) << text;
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path root_;
};
