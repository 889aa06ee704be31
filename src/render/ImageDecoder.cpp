#include "render/ImageDecoder.hpp"

#include <SDL_image.h>
#include <SDL_surface.h>

#include <algorithm>
#include <array>
#include <cstdio>

ImageDecoder::ImageDecoder(int workers, int maxUntaken)
    : maxUntaken_(static_cast<std::size_t>(std::max(0, maxUntaken))) {
    for (int i = 0; i < std::max(1, workers); ++i) {
        workers_.emplace_back([this] { work(); });
    }
}

ImageDecoder::~ImageDecoder() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    jobsReady_.notify_all();
    for (std::thread& t : workers_) {
        t.join();
    }
    for (auto& [ticket, surface] : done_) {
        SDL_FreeSurface(surface);
    }
}

int ImageDecoder::queue(std::string path, Uint32 pixelFormat) {
    int ticket = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ticket = nextTicket_++;
        jobs_.push_back(Job{ticket, std::move(path), pixelFormat});
    }
    jobsReady_.notify_one();
    return ticket;
}

bool ImageDecoder::take(int ticket, SDL_Surface*& surface, bool wait) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (wait && done_.count(ticket) == 0) {
        // Someone waits: the workers go on even with pictures untaken.
        waiting_ += 1;
        jobsReady_.notify_all();
        resultReady_.wait(lock, [&] { return done_.count(ticket) != 0; });
        waiting_ -= 1;
    }
    const auto found = done_.find(ticket);
    if (found == done_.end()) {
        return false;
    }
    surface = found->second;
    done_.erase(found);
    lock.unlock();
    jobsReady_.notify_all();
    return true;
}

void ImageDecoder::drop(int ticket) {
    SDL_Surface* unwanted = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto queued = std::find_if(jobs_.begin(), jobs_.end(),
                                         [&](const Job& j) { return j.ticket == ticket; });
        if (queued != jobs_.end()) {
            jobs_.erase(queued);
            return;
        }
        const auto found = done_.find(ticket);
        if (found == done_.end()) {
            // Being decoded now: the worker frees it when it is done.
            dropped_.push_back(ticket);
            return;
        }
        unwanted = found->second;
        done_.erase(found);
    }
    jobsReady_.notify_all();
    SDL_FreeSurface(unwanted);
}

void ImageDecoder::work() {
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            jobsReady_.wait(lock, [&] {
                return stopping_ ||
                       (!jobs_.empty() &&
                        (maxUntaken_ == 0 || done_.size() < maxUntaken_ || waiting_ > 0));
            });
            if (stopping_) {
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        SDL_Surface* surface = decode(job.path.c_str(), job.pixelFormat);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            const auto dropped = std::find(dropped_.begin(), dropped_.end(), job.ticket);
            if (dropped == dropped_.end()) {
                done_[job.ticket] = surface;
                surface = nullptr;
            } else {
                dropped_.erase(dropped);
            }
        }
        SDL_FreeSurface(surface);
        resultReady_.notify_all();
    }
}

SDL_Surface* ImageDecoder::decode(const char* path, Uint32 pixelFormat) {
    SDL_Surface* loaded = IMG_Load(path);
    if (loaded == nullptr || loaded->format->format == pixelFormat) {
        return loaded;
    }
    if (loaded->format->format == SDL_PIXELFORMAT_ABGR8888 &&
        pixelFormat == SDL_PIXELFORMAT_ARGB8888 && SDL_MUSTLOCK(loaded) == 0) {
        for (int y = 0; y < loaded->h; ++y) {
            Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(loaded->pixels) +
                                                    static_cast<std::size_t>(y) * loaded->pitch);
            for (int x = 0; x < loaded->w; ++x) {
                const Uint32 p = row[x];
                row[x] = (p & 0xFF00FF00u) | ((p & 0xFFu) << 16) | ((p >> 16) & 0xFFu);
            }
        }
        // The pixels are in pixelFormat now; only the surface's label still says otherwise.
        SDL_Surface* relabelled = SDL_CreateRGBSurfaceWithFormatFrom(
            loaded->pixels, loaded->w, loaded->h, 32, loaded->pitch, pixelFormat);
        if (relabelled != nullptr) {
            // The new surface owns the pixels from now on.
            relabelled->flags &= ~static_cast<Uint32>(SDL_PREALLOC);
            relabelled->flags |= loaded->flags & SDL_SIMD_ALIGNED;
            loaded->flags |= SDL_PREALLOC;
            SDL_FreeSurface(loaded);
            return relabelled;
        }
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, pixelFormat, 0);
    SDL_FreeSurface(loaded);
    return converted;
}

bool ImageDecoder::readHeader(const char* path, int& width, int& height, bool& alpha) {
    static constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P',  'N',  'G',
                                                                0x0D, 0x0A, 0x1A, 0x0A};
    static constexpr long kLargestSide = 16384;
    std::array<unsigned char, 26> bytes{};
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    if (got != bytes.size() || !std::equal(kSignature.begin(), kSignature.end(), bytes.begin()) ||
        bytes[12] != 'I' || bytes[13] != 'H' || bytes[14] != 'D' || bytes[15] != 'R') {
        return false;
    }
    auto be32 = [&](int at) {
        return static_cast<long>(bytes[at]) << 24 | static_cast<long>(bytes[at + 1]) << 16 |
               static_cast<long>(bytes[at + 2]) << 8 | static_cast<long>(bytes[at + 3]);
    };
    const long w = be32(16);
    const long h = be32(20);
    const int bitDepth = bytes[24];
    const int colourType = bytes[25];
    if (w <= 0 || h <= 0 || w > kLargestSide || h > kLargestSide || bitDepth != 8 ||
        (colourType != 2 && colourType != 6)) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    alpha = colourType == 6;
    return true;
}
