#include "scene/SceneData.hpp"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

using nlohmann::json;

namespace {

[[noreturn]] void throwNotNumber(const json& value) {
    throw json::type_error::create(
        302, std::string("type must be number, but is ") + value.type_name(), &value);
}

[[noreturn]] void throwTooLarge(const json& value) {
    throw json::out_of_range::create(
        406, "number overflow: " + value.dump() + " does not fit a 32-bit integer", &value);
}

int checkedInt(const json& value, double number) {
    // Truncation toward zero first, so -0.5 is 0 and 2147483647.9 still fits.
    const double truncated = std::trunc(number);
    if (!(truncated >= std::numeric_limits<int>::min() &&
          truncated <= std::numeric_limits<int>::max())) {
        throwTooLarge(value);
    }
    return static_cast<int>(truncated);
}

template <typename T, typename Convert>
std::vector<T> readArray(const json& value, Convert convert) {
    if (!value.is_array()) {
        throw json::type_error::create(
            302, std::string("type must be array, but is ") + value.type_name(), &value);
    }
    std::vector<T> out;
    out.reserve(value.size());
    for (const json& element : value) {
        out.push_back(convert(element));
    }
    return out;
}

template <typename T>
T readRecord(const json& element) {
    return element.get<T>();
}

}  // namespace

namespace scenedata {

int readInt(const json& value) {
    switch (value.type()) {
        case json::value_t::boolean:
            return value.get<bool>() ? 1 : 0;
        case json::value_t::number_integer: {
            const auto n = value.get<json::number_integer_t>();
            if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) {
                throwTooLarge(value);
            }
            return static_cast<int>(n);
        }
        case json::value_t::number_unsigned: {
            const auto n = value.get<json::number_unsigned_t>();
            if (n > static_cast<json::number_unsigned_t>(std::numeric_limits<int>::max())) {
                throwTooLarge(value);
            }
            return static_cast<int>(n);
        }
        case json::value_t::number_float:
            return checkedInt(value, value.get<json::number_float_t>());
        default:
            throwNotNumber(value);
    }
}

double readDouble(const json& value) {
    // The library would turn true into 1.0; a length or position written as a boolean is a
    // mistake in the file, so it is refused with the library's own message.
    if (!value.is_number()) {
        throwNotNumber(value);
    }
    return value.get<double>();
}

}  // namespace scenedata

using scenedata::readDouble;
using scenedata::readInt;

void from_json(const json& j, WorldRect& rect) {
    rect.x = readDouble(j.at("x"));
    rect.y = readDouble(j.at("y"));
    rect.w = readDouble(j.at("w"));
    rect.h = readDouble(j.at("h"));
}

void from_json(const json& j, PatrolLimits& limits) {
    limits.minX = readDouble(j.at("minX"));
    limits.maxX = readDouble(j.at("maxX"));
}

void from_json(const json& j, SDL_Rect& rect) {
    rect.x = readInt(j.at("x"));
    rect.y = readInt(j.at("y"));
    rect.w = readInt(j.at("w"));
    rect.h = readInt(j.at("h"));
}

void from_json(const json& j, SceneData& d) {
    d.bg = readInt(j.at("bg"));
    d.width = readDouble(j.at("width"));
    d.height = readDouble(j.at("height"));
    d.wShown = readDouble(j.at("wShown"));
    d.src = j.at("src").get<SDL_Rect>();
    d.platformIndex = readArray<int>(j.at("platformIndex"), readInt);
    d.platformPositions = readArray<WorldRect>(j.at("platformPositions"), readRecord<WorldRect>);
    d.platformSrc = readArray<SDL_Rect>(j.at("platformSrc"), readRecord<SDL_Rect>);
    d.platformSurfaces = readArray<double>(j.at("platformSurfaces"), readDouble);
    d.blankyPositions = readArray<WorldRect>(j.at("blankyPositions"), readRecord<WorldRect>);
    d.pikabooPositions = readArray<WorldRect>(j.at("pikabooPositions"), readRecord<WorldRect>);
    d.peanutPositions = readArray<WorldRect>(j.at("peanutPositions"), readRecord<WorldRect>);
    d.butterPositions = readArray<WorldRect>(j.at("butterPositions"), readRecord<WorldRect>);
    d.butterLimits = readArray<PatrolLimits>(j.at("butterLimits"), readRecord<PatrolLimits>);
    d.handyPositions = readArray<WorldRect>(j.at("handyPositions"), readRecord<WorldRect>);
    d.handyLimits = readArray<PatrolLimits>(j.at("handyLimits"), readRecord<PatrolLimits>);
    d.boss = readInt(j.at("boss"));
    d.protaPosition = j.at("protaPosition").get<WorldRect>();
    d.shop = j.at("shop").get<bool>();  // the library refuses anything but a boolean
    d.linesBolsillos = readInt(j.at("linesBolsillos"));
    d.linesBotones = readInt(j.at("linesBotones"));
    d.obstacleIndex = readArray<int>(j.at("obstacleIndex"), readInt);
    d.obstaclePositions = readArray<WorldRect>(j.at("obstaclePositions"), readRecord<WorldRect>);
    d.obstacleSrc = readArray<SDL_Rect>(j.at("obstacleSrc"), readRecord<SDL_Rect>);
    d.obstacleHitboxes = readArray<WorldRect>(j.at("obstacleHitboxes"), readRecord<WorldRect>);
    d.posBolsillos = j.at("posBolsillos").get<WorldRect>();
    d.posBotones = j.at("posBotones").get<WorldRect>();
    d.animationBotones = readInt(j.at("animationBotones"));
}
