#include "save/AtomicFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace atomic_file {
namespace {

// mkstemp's template: the name, this suffix and six letters or digits it fills in.
constexpr const char* kTemporarySuffix = ".tmp-";
constexpr const char* kTemporaryTemplate = ".tmp-XXXXXX";
constexpr std::size_t kTemporaryLetters = 6;

bool isTemporaryOf(const std::string& name, const std::string& saved) {
    const std::string prefix = saved + kTemporarySuffix;
    if (name.size() != prefix.size() + kTemporaryLetters ||
        name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        const bool letterOrDigit =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool write(const std::string& path, const std::string& contents) {
    std::string tmpl = path + kTemporaryTemplate;
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

int removeStaleTemporaries(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path saved(path);
    const std::string savedName = saved.filename().string();
    if (savedName.empty()) {
        return 0;
    }
    const fs::path folder = saved.has_parent_path() ? saved.parent_path() : fs::path(".");
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code typeError;
        if (isTemporaryOf(entry.path().filename().string(), savedName) &&
            entry.is_regular_file(typeError) && !entry.is_symlink(typeError)) {
            stale.push_back(entry.path());
        }
    }
    int removed = 0;
    for (const fs::path& p : stale) {
        removed += fs::remove(p, ec) ? 1 : 0;
    }
    return removed;
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
