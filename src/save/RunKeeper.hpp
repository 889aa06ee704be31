#pragma once

#include <optional>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "save/RunFile.hpp"
#include "save/RunSnapshot.hpp"
#include "scene/SceneData.hpp"

class Escena;
struct SDL_Window;

// The run kept between sessions: saved at every scene entry, offered on the title by the mode
// it was played in, forgotten once it has ended.
class RunKeeper {
public:
    enum class Answer { NoneWaiting, Continue, NewRun, Closed };

    // Reads the run waiting in file (a file that cannot be used is put aside).
    void open(RunFile file);
    const std::optional<SavedRun>& waiting() const { return waiting_; }
    const std::string& path() const { return file_.path(); }

    // With a run of this mode waiting, asks in the game's language (0 Spanish, 1 English)
    // whether to continue it. A new run forgets the old one at once.
    Answer ask(bool endless, int language, SDL_Window* window);
    // The waiting run's scenes from the scene document; nothing, and the file put aside, when
    // the document no longer has them.
    std::optional<std::vector<SceneData>> scenesOf(const nlohmann::json& scenes);
    void save(const Escena& level, const RunSnapshot::Place& place);
    void forget();
    // The waiting run cannot be played (its scenes are gone): put aside, saying why.
    void putAside(const std::string& why);

    // The question's words.
    struct Question {
        std::string title;
        std::string text;
        std::string continueRun;
        std::string newRun;
    };
    static Question question(const SavedRun& run, int language);

private:
    RunFile file_;
    std::optional<SavedRun> waiting_;
};
