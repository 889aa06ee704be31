#pragma once

// The version of the game this binary is, as the build names it ("0.1.0"). Recordings carry
// it: a game of another version may play the same inputs differently.
const char* gameVersion();
