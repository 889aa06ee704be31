#include <gtest/gtest.h>

#include <cstdlib>

// Every test runs headless: no display, no sound card.
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // A first start speaks the system's language: the tests' system speaks Spanish, whatever
    // the machine running them does.
    setenv("LANG", "es_ES.UTF-8", 1);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
        unsetenv(name);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
