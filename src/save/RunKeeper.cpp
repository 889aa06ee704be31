#include "save/RunKeeper.hpp"

#include <exception>

#include <nlohmann/json.hpp>

#include "app/Platform.hpp"
#include "scene/StoryList.hpp"

void RunKeeper::open(RunFile file) {
    file_ = std::move(file);
    waiting_ = file_.load();
}

RunKeeper::Question RunKeeper::question(const SavedRun& run, int language) {
    // The box is drawn by the system: its text is UTF-8.
    const std::string scene = std::to_string(run.position + 1);
    if (language == 0) {
        return {run.endless ? "Modo Infinito" : "Modo Historia",
                "Tienes una partida a medias en la escena " + scene +
                    (run.endless ? std::string{} : " de " + std::to_string(story::kLength)) +
                    ". \xC2\xBFQuieres continuarla?",
                "Continuar", "Nueva partida"};
    }
    return {run.endless ? "Infinite Mode" : "Story Mode",
            "You have a run in progress in scene " + scene +
                (run.endless ? std::string{} : " of " + std::to_string(story::kLength)) +
                ". Do you want to continue it?",
            "Continue", "New run"};
}

RunKeeper::Answer RunKeeper::ask(bool endless, int language, SDL_Window* window) {
    if (!waiting_ || waiting_->endless != endless) {
        return Answer::NoneWaiting;
    }
    const Question q = question(*waiting_, language);
    switch (platform().askChoice(q.title, q.text, {q.continueRun, q.newRun}, window)) {
        case 0:
            return Answer::Continue;
        case 1:
            forget();
            return Answer::NewRun;
        default:
            return Answer::Closed;
    }
}

std::optional<std::vector<SceneData>> RunKeeper::scenesOf(const nlohmann::json& scenes) {
    if (!waiting_) {
        return std::nullopt;
    }
    try {
        return story::levelsNamed(scenes, waiting_->scenes);
    } catch (const std::exception& e) {
        putAside(e.what());
        return std::nullopt;
    }
}

void RunKeeper::save(const Escena& level, const RunSnapshot::Place& place) {
    waiting_ = RunSnapshot::take(level, place);
    file_.save(*waiting_);
}

void RunKeeper::forget() {
    waiting_.reset();
    file_.remove();
}

void RunKeeper::putAside(const std::string& why) {
    waiting_.reset();
    file_.putAside(why);
}
