#pragma once

#include <SDL_rect.h>

#include <string>
#include <vector>

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;
union SDL_Event;

// A question asked inside the game's window, in its colours, with a plate per answer: the
// system's message box takes no pad, and a player on the sofa has only the pad. The mouse
// points and clicks, the keyboard and the pad move a highlight (left and right, the arrows, the
// d-pad or the stick) and take it (Return, Space, A), and Escape or B closes the box without an
// answer, as closing the system's box does.
class QuestionBox {
public:
    // Taken with no answer: closed, or the window was closed.
    static constexpr int kClosed = -1;
    // A stick pushed this far moves the highlight once, until it comes back.
    static constexpr int kStickPush = 16000;

    QuestionBox(std::string title, std::string text, std::vector<std::string> choices);
    ~QuestionBox();
    QuestionBox(const QuestionBox&) = delete;
    QuestionBox& operator=(const QuestionBox&) = delete;

    // Asks over window until answered: the choice's index, or kClosed. A window closed
    // meanwhile is closed again for the game (its quit is put back in the queue).
    static int ask(SDL_Window* window, const std::string& title, const std::string& text,
                   const std::vector<std::string>& choices);

    // Takes one event on a window of width × height pixels; true once answered.
    bool handle(const SDL_Event& event, int width, int height);
    bool answered() const { return answered_; }
    int answer() const { return answer_; }
    int highlighted() const { return highlighted_; }

    // Where everything stands on a window of width × height pixels.
    SDL_Rect panel(int width, int height) const;
    SDL_Rect choiceRect(int index, int width, int height) const;

    void render(SDL_Renderer* renderer, int width, int height);

private:
    void take(int index);
    void move(int step);
    int choiceAt(int x, int y, int width, int height) const;
    void makeTexts(SDL_Renderer* renderer, int width, int height);
    void dropTexts();

    std::string title_;
    std::string text_;
    std::vector<std::string> choices_;
    int highlighted_ = 0;
    bool answered_ = false;
    int answer_ = kClosed;
    bool stickHeld_ = false;
    // What was pressed inside the box and waits to be let go.
    int pressedKey_ = 0;
    int pressedPad_ = -1;
    int pressedChoice_ = -1;
    // Texts made for one window size.
    int textsWidth_ = 0;
    int textsHeight_ = 0;
    SDL_Texture* titleText_ = nullptr;
    SDL_Texture* bodyText_ = nullptr;
    std::vector<SDL_Texture*> choiceTexts_;
};
