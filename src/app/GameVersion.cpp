#include "app/GameVersion.hpp"

#ifndef VALDRO_VERSION
#define VALDRO_VERSION "unknown"
#endif

const char* gameVersion() {
    return VALDRO_VERSION;
}
