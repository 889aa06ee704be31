#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SDL_Renderer;
struct SDL_Window;

// The few direct state queries the game makes of the machine: the mouse, the monotonic clock,
// sleeping and message boxes. Game logic asks here and never the device, so tests and tools
// can drive a whole game frame by frame without a mouse, a clock or a sleep.
class Platform {
public:
    virtual ~Platform() = default;
    // SDL_BUTTON(...) mask of the mouse buttons held now.
    virtual std::uint32_t mouseButtons() = 0;
    // Monotonic clock in nanoseconds.
    virtual std::int64_t steadyNowNs() = 0;
    virtual void sleepMs(int milliseconds) = 0;
    // Where the mouse pointer is, in window pixels.
    virtual void mousePosition(int& x, int& y) = 0;
    // A modal information box over the window (blocks until dismissed).
    virtual void showMessage(const std::string& title, const std::string& text,
                             SDL_Window* window) = 0;
    // A modal question with a button per choice: the index of the one taken, -1 when the box
    // was closed without a choice. Platforms that never ask (replays) answer -1.
    virtual int askChoice(const std::string& title, const std::string& text,
                          const std::vector<std::string>& choices, SDL_Window* window) {
        (void)title, (void)text, (void)choices, (void)window;
        return -1;
    }
    // In a level the mouse aims: the pointer is hidden and reports relative motion. On menus it
    // is shown and free.
    virtual void captureMouse(bool captured) = 0;
    // The largest texture side the renderer takes (0: no limit), as the renderer reports it.
    virtual int maxTextureSide(SDL_Renderer* renderer);
    // Shows the frame drawn; with vsync it returns once the display has taken it.
    virtual void present(SDL_Renderer* renderer);
};

// The platform in use: the real one unless a test or tool installed another.
Platform& platform();
// Installs p (not owned; it must outlive its use). nullptr restores the real platform.
void installPlatform(Platform* p);

// A platform driven by hand: buttons are set, the clock only moves when told or when slept.
class ScriptedPlatform : public Platform {
public:
    std::uint32_t mouseButtons() override { return buttons; }
    std::int64_t steadyNowNs() override { return nowNs; }
    void sleepMs(int milliseconds) override {
        sleptMs += milliseconds;
        nowNs += static_cast<std::int64_t>(milliseconds) * 1'000'000;
    }
    void mousePosition(int& x, int& y) override {
        x = mouseX;
        y = mouseY;
    }
    void showMessage(const std::string& title, const std::string& text, SDL_Window*) override {
        messages.push_back(title + ": " + text);
    }
    int askChoice(const std::string& title, const std::string& text,
                  const std::vector<std::string>& choices, SDL_Window*) override {
        std::string asked = title + ": " + text;
        for (const std::string& choice : choices) {
            asked += " [" + choice + "]";
        }
        messages.push_back(asked);
        if (answers.empty()) {
            return -1;
        }
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    void captureMouse(bool captured) override { mouseCaptured = captured; }
    // A small graphics card: textureSide > 0 stands for the renderer's own limit.
    int maxTextureSide(SDL_Renderer* renderer) override {
        return textureSide > 0 ? textureSide : Platform::maxTextureSide(renderer);
    }
    void advanceMs(std::int64_t ms) { nowNs += ms * 1'000'000; }
    // A display refreshing vsyncHz times a second (0: none): a present waits for the next
    // refresh, as a vsynced renderer does.
    void present(SDL_Renderer* renderer) override {
        Platform::present(renderer);
        presents += 1;
        if (vsyncHz > 0) {
            const std::int64_t period = 1'000'000'000 / vsyncHz;
            nowNs = (nowNs / period + 1) * period;
        }
    }

    std::uint32_t buttons = 0;
    std::int64_t nowNs = 0;
    std::int64_t sleptMs = 0;
    int mouseX = 0;
    int mouseY = 0;
    std::vector<std::string> messages;  // every box shown, "title: text" and "[choice]"s
    std::vector<int> answers;           // what the player picks in the next questions
    bool mouseCaptured = false;
    int textureSide = 0;
    int vsyncHz = 0;
    long long presents = 0;
};

// Installs a platform for the lifetime of this guard (tests).
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform& p) { installPlatform(&p); }
    ~ScopedPlatform() { installPlatform(nullptr); }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;
};
