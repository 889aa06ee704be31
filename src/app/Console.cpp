#include "app/Console.hpp"

#include <cstdio>

namespace console {

void say(const std::string& line) {
    std::fprintf(stderr, "valdro: %s\n", line.c_str());
}

}  // namespace console
