#pragma once

#include <string>

// The language the player's system speaks, for a first start with no settings yet: "es" for
// any Spanish locale, "en" for everything else. LC_ALL and LC_MESSAGES rule over the locales
// SDL reports (which on Linux come from LANG and LANGUAGE), as they do for every program.
class SystemLanguage {
public:
    static std::string code();
    // The language part of a locale name ("es_ES.UTF-8", "es-MX", "C"): "es" or "en".
    static std::string ofLocale(const std::string& locale);
};
