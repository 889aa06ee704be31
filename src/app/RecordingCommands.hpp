#pragma once

#include <string>

#include "app/App.hpp"

class Recording;

// The command line's --record and --replay: whole games played through a RecordedRun.
namespace recording_commands {

// --record: plays the game as options say, writing it to path, and prints the end state's
// hash. Returns the exit code.
int recordGame(App::Options options, const std::string& sceneSpec, const std::string& path);
// --replay: plays the recording at path back and prints "state hash: HEX". Exit code 2 for a
// recording this game refuses, 1 when the replay ends elsewhere than the recording did.
int replayGame(App::Options options, const std::string& path);
// What the replay of tape plays with: its seed, difficulty, scene, window, keys and language,
// and the player's files left alone. False with why when its scene is unknown.
bool replayOptions(const Recording& tape, App::Options& options, std::string& why);

}  // namespace recording_commands
