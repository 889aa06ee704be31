#pragma once

#include <string>

// The game's one-line messages on stderr ("valdro: ..."): what it refused, put aside or fell
// back on, for a player who started it from a terminal.
namespace console {

void say(const std::string& line);

}  // namespace console
