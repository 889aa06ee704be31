#include "app/AtomicFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace atomic_file {

bool write(const std::string& path, const std::string& contents) {
    std::string tmpl = path + ".tmp-XXXXXX";
    int fd = mkstemp(tmpl.data());
    if (fd < 0) {
        return false;
    }
    const char* data = contents.data();
    std::size_t left = contents.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n <= 0) {
            ok = false;
            break;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    // Saved files are ordinary user files, readable by the player's other tools.
    ok = ok && fchmod(fd, 0644) == 0;
    ok = ok && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    if (ok && std::rename(tmpl.c_str(), path.c_str()) == 0) {
        return true;
    }
    std::remove(tmpl.c_str());
    return false;
}

std::string keepSideCopy(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        return {};
    }
    std::string copy = path + ".broken";
    for (int n = 1; fs::exists(copy, ec) && n < 1000; ++n) {
        copy = path + ".broken." + std::to_string(n);
    }
    fs::copy_file(path, copy, fs::copy_options::none, ec);
    return ec ? std::string{} : copy;
}

}  // namespace atomic_file
