#include "render/ImageDecoder.hpp"

#include <SDL_image.h>
#include <SDL_surface.h>

#include <algorithm>

ImageDecoder::ImageDecoder(int workers) {
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
    if (wait) {
        resultReady_.wait(lock, [&] { return done_.count(ticket) != 0; });
    }
    const auto found = done_.find(ticket);
    if (found == done_.end()) {
        return false;
    }
    surface = found->second;
    done_.erase(found);
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
    SDL_FreeSurface(unwanted);
}

void ImageDecoder::work() {
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            jobsReady_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
            if (stopping_) {
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        SDL_Surface* surface = nullptr;
        if (SDL_Surface* loaded = IMG_Load(job.path.c_str())) {
            surface = SDL_ConvertSurfaceFormat(loaded, job.pixelFormat, 0);
            SDL_FreeSurface(loaded);
        }
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
