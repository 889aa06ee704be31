#include "save/SystemLanguage.hpp"

#include <SDL_locale.h>
#include <SDL_stdinc.h>

#include <cctype>
#include <cstdlib>

namespace {

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string SystemLanguage::ofLocale(const std::string& locale) {
    const bool spanish =
        locale.size() >= 2 && std::tolower(static_cast<unsigned char>(locale[0])) == 'e' &&
        std::tolower(static_cast<unsigned char>(locale[1])) == 's' &&
        (locale.size() == 2 || !std::isalpha(static_cast<unsigned char>(locale[2])));
    return spanish ? "es" : "en";
}

std::string SystemLanguage::code() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES"}) {
        if (const std::string set = env(name); !set.empty()) {
            return ofLocale(set);
        }
    }
    if (SDL_Locale* locales = SDL_GetPreferredLocales(); locales != nullptr) {
        const std::string first = locales[0].language != nullptr ? locales[0].language : "";
        SDL_free(locales);
        if (!first.empty()) {
            return ofLocale(first);
        }
    }
    return ofLocale(env("LANG"));
}
