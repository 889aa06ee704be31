#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Shared pieces of the fuzz targets: a private scratch folder for the readers that take a path,
// the shipped data files, and a check that stops the run with a readable reason.
namespace fuzz {

// A property of the reader that must hold for every input; a broken one is a finding, so the
// run stops here and libFuzzer keeps the input.
inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz property broken: %s\n", what);
        std::abort();
    }
}

// One scratch folder per fuzzing process, in memory when the machine has /dev/shm.
inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string tmpl = std::string(base) + "/valdro-fuzz-XXXXXX";
        if (mkdtemp(tmpl.data()) == nullptr) {
            std::perror("valdro fuzz: cannot make a scratch folder");
            std::abort();
        }
        std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
        return std::filesystem::path(tmpl);
    }();
    return folder;
}

inline void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    require(static_cast<bool>(out), "the scratch file could be written");
}

// Empties the scratch folder: the input file and any side copy the reader kept of it.
inline void clearScratch() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(scratchFolder(), ec)) {
        std::filesystem::remove(entry.path(), ec);
    }
}

// A file shipped in data/ (e.g. "datus/dialog/conversaciones_es.json").
inline std::string shippedText(const std::string& relative) {
    std::ifstream in(std::string(VALDRO_SOURCE_DIR) + "/data/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    require(static_cast<bool>(in), "the shipped data file could be read");
    return text.str();
}

}  // namespace fuzz
