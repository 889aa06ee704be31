#pragma once

#include <SDL_stdinc.h>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SDL_Surface;

// Decodes PNG files to surfaces on worker threads, so that the title can show while the other
// pictures are still being unpacked. Only surfaces are made here; textures belong to the
// renderer's thread, which takes the surfaces when it is ready for them.
class ImageDecoder {
public:
    // maxUntaken > 0: a worker starts no new picture while that many decoded ones wait to be
    // taken, so big pictures are not piled up in memory ahead of their upload.
    explicit ImageDecoder(int workers, int maxUntaken = 0);
    // Stops the workers and frees every surface nobody took.
    ~ImageDecoder();
    ImageDecoder(const ImageDecoder&) = delete;
    ImageDecoder& operator=(const ImageDecoder&) = delete;

    // Queues path to be decoded into pixelFormat; the ticket names the job.
    int queue(std::string path, Uint32 pixelFormat);
    // The decoded picture of ticket, owned by the caller from now on (null when the file could not
    // be read). Without wait, false means "not decoded yet" and nothing is handed over.
    bool take(int ticket, SDL_Surface*& surface, bool wait);
    // The picture of ticket is no longer wanted.
    void drop(int ticket);

    // Decodes path into a surface whose pixels are in pixelFormat (32 bits a pixel). A picture
    // the PNG reader hands over with red and blue the other way round is turned in place rather
    // than copied, so a big picture is held once while it is decoded. Null when unreadable.
    static SDL_Surface* decode(const char* path, Uint32 pixelFormat);
    // What the PNG's header says of the picture. Only the two colour types the art generator
    // writes are taken (truecolour with or without alpha); false for anything else.
    static bool readHeader(const char* path, int& width, int& height, bool& alpha);

private:
    struct Job {
        int ticket = 0;
        std::string path;
        Uint32 pixelFormat = 0;
    };

    void work();

    std::mutex mutex_;
    std::condition_variable jobsReady_;
    std::condition_variable resultReady_;
    std::deque<Job> jobs_;
    std::map<int, SDL_Surface*> done_;
    std::vector<int> dropped_;
    int nextTicket_ = 0;
    std::size_t maxUntaken_ = 0;
    int waiting_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};
