// Writes every effect (.wav / .mp3) and music loop (.mp3) into the folder given on the command
// line.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "catalogue.hpp"
#include "vsynth/encode.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const auto start = std::chrono::steady_clock::now();
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    // Music first: the long jobs start early and the short effects fill the gaps.
    std::vector<valdro_audio::Asset> jobs = valdro_audio::musicTracks();
    for (auto& e : valdro_audio::effects()) jobs.push_back(std::move(e));

    std::atomic<std::size_t> next{0};
    std::atomic<int> failures{0};
    std::vector<std::string> report(jobs.size());
    auto worker = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            const auto& job = jobs[i];
            const vsynth::Stereo s = job.make();
            bool finite = s.size() > 0;
            for (std::size_t k = 0; finite && k < s.size(); ++k)
                finite = std::isfinite(s.l[k]) && std::isfinite(s.r[k]);
            if (!finite) {
                std::fprintf(stderr, "%s: empty or not a number\n", job.file.c_str());
                ++failures;
                continue;
            }
            const bool mp3 = job.file.ends_with(".mp3");
            const vsynth::Bytes bytes = mp3 ? vsynth::encodeMp3(s) : vsynth::encodeWav(s);
            if (bytes.empty() || !vsynth::writeFile(dir + "/" + job.file, bytes)) {
                std::fprintf(stderr, "could not write %s/%s\n", dir.c_str(), job.file.c_str());
                ++failures;
            }
            char line[160];
            std::snprintf(line, sizeof line, "  %-28s %6.2f s  peak %6.1f dBFS  rms %6.1f dBFS",
                          job.file.c_str(), s.seconds(),
                          20.0 * std::log10(std::max(1e-9, vsynth::peak(s))),
                          20.0 * std::log10(std::max(1e-9, vsynth::rms(s))));
            report[i] = line;
        }
    };
    const unsigned n = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < n; ++t) pool.emplace_back(worker);
    for (auto& t : pool) t.join();

    for (const auto& line : report) std::printf("%s\n", line.c_str());
    const double secs =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("wrote %zu audio files to %s in %.1f s\n",
                jobs.size() - std::size_t(failures.load()), dir.c_str(), secs);
    return failures.load() == 0 ? 0 : 1;
}
