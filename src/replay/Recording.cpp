#include "replay/Recording.hpp"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>

#include "save/AtomicFile.hpp"

namespace {

constexpr int kMaxWindowSide = 16384;
constexpr int kMaxStepMs = 60'000;  // a frame longer than a minute is a damaged line
constexpr int kMaxDifficulty = 3;

struct KindName {
    Recording::Event::Kind kind;
    const char* name;
};
constexpr std::array<KindName, 11> kKindNames = {{
    {Recording::Event::Kind::KeyDown, "keydown"},
    {Recording::Event::Kind::KeyUp, "keyup"},
    {Recording::Event::Kind::MouseDown, "mousedown"},
    {Recording::Event::Kind::MouseUp, "mouseup"},
    {Recording::Event::Kind::Window, "window"},
    {Recording::Event::Kind::Quit, "quit"},
    {Recording::Event::Kind::PadButtonDown, "padbuttondown"},
    {Recording::Event::Kind::PadButtonUp, "padbuttonup"},
    {Recording::Event::Kind::PadAxis, "padaxis"},
    {Recording::Event::Kind::PadAdded, "padadded"},
    {Recording::Event::Kind::PadRemoved, "padremoved"},
}};

const char* nameOf(Recording::Event::Kind kind) {
    for (const KindName& k : kKindNames) {
        if (k.kind == kind) {
            return k.name;
        }
    }
    return "quit";
}

std::optional<Recording::Event::Kind> kindNamed(const std::string& name) {
    for (const KindName& k : kKindNames) {
        if (name == k.name) {
            return k.kind;
        }
    }
    return std::nullopt;
}

// Reads whole-line records: every field must be there and nothing may follow the last one.
class LineReader {
public:
    explicit LineReader(const std::string& line) : in_(line) {}
    template <typename T>
    LineReader& field(T& value) {
        if (ok_) {
            ok_ = static_cast<bool>(in_ >> value);
        }
        return *this;
    }
    bool finished() {
        if (!ok_) {
            return false;
        }
        std::string rest;
        return !(in_ >> rest);
    }

private:
    std::istringstream in_;
    bool ok_ = true;
};

}  // namespace

std::optional<Recording::Event> Recording::Event::of(const SDL_Event& event, long long frame) {
    Event e;
    e.frame = frame;
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            e.kind = event.type == SDL_KEYDOWN ? Kind::KeyDown : Kind::KeyUp;
            e.a = event.key.keysym.sym;
            e.b = event.key.keysym.scancode;
            e.c = event.key.keysym.mod;
            e.d = event.key.repeat;
            return e;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            e.kind = event.type == SDL_MOUSEBUTTONDOWN ? Kind::MouseDown : Kind::MouseUp;
            e.a = event.button.button;
            e.b = event.button.x;
            e.c = event.button.y;
            e.d = event.button.clicks;
            return e;
        case SDL_WINDOWEVENT:
            e.kind = Kind::Window;
            e.a = event.window.event;
            e.b = event.window.data1;
            e.c = event.window.data2;
            return e;
        case SDL_QUIT:
            e.kind = Kind::Quit;
            return e;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            e.kind =
                event.type == SDL_CONTROLLERBUTTONDOWN ? Kind::PadButtonDown : Kind::PadButtonUp;
            e.a = event.cbutton.which;
            e.b = event.cbutton.button;
            return e;
        case SDL_CONTROLLERAXISMOTION:
            e.kind = Kind::PadAxis;
            e.a = event.caxis.which;
            e.b = event.caxis.axis;
            e.c = event.caxis.value;
            return e;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
            e.kind = event.type == SDL_CONTROLLERDEVICEADDED ? Kind::PadAdded : Kind::PadRemoved;
            e.a = event.cdevice.which;
            return e;
        default:
            return std::nullopt;
    }
}

void Recording::Event::toSdl(SDL_Event& out) const {
    out = SDL_Event{};
    switch (kind) {
        case Kind::KeyDown:
        case Kind::KeyUp:
            out.type = kind == Kind::KeyDown ? SDL_KEYDOWN : SDL_KEYUP;
            out.key.state = kind == Kind::KeyDown ? SDL_PRESSED : SDL_RELEASED;
            out.key.keysym.sym = a;
            out.key.keysym.scancode = static_cast<SDL_Scancode>(b);
            out.key.keysym.mod = static_cast<Uint16>(c);
            out.key.repeat = static_cast<Uint8>(d);
            break;
        case Kind::MouseDown:
        case Kind::MouseUp:
            out.type = kind == Kind::MouseDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            out.button.state = kind == Kind::MouseDown ? SDL_PRESSED : SDL_RELEASED;
            out.button.button = static_cast<Uint8>(a);
            out.button.x = b;
            out.button.y = c;
            out.button.clicks = static_cast<Uint8>(d);
            break;
        case Kind::Window:
            out.type = SDL_WINDOWEVENT;
            out.window.event = static_cast<Uint8>(a);
            out.window.data1 = b;
            out.window.data2 = c;
            break;
        case Kind::Quit:
            out.type = SDL_QUIT;
            break;
        case Kind::PadButtonDown:
        case Kind::PadButtonUp:
            out.type =
                kind == Kind::PadButtonDown ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
            out.cbutton.state = kind == Kind::PadButtonDown ? SDL_PRESSED : SDL_RELEASED;
            out.cbutton.which = a;
            out.cbutton.button = static_cast<Uint8>(b);
            break;
        case Kind::PadAxis:
            out.type = SDL_CONTROLLERAXISMOTION;
            out.caxis.which = a;
            out.caxis.axis = static_cast<Uint8>(b);
            out.caxis.value = static_cast<Sint16>(std::clamp(c, -32768, 32767));
            break;
        case Kind::PadAdded:
        case Kind::PadRemoved:
            out.type =
                kind == Kind::PadAdded ? SDL_CONTROLLERDEVICEADDED : SDL_CONTROLLERDEVICEREMOVED;
            out.cdevice.which = a;
            break;
    }
}

void Recording::addFrame(long long frame, const FrameInput& input) {
    if (changes_.empty() ? input != FrameInput{} : changes_.back().input != input) {
        changes_.push_back({frame, input});
    }
}

void Recording::addEvent(const Event& event) {
    events_.push_back(event);
}

Recording::FrameInput Recording::frameInput(long long frame) const {
    const auto after = std::upper_bound(changes_.begin(), changes_.end(), frame,
                                        [](long long f, const Change& c) { return f < c.frame; });
    return after == changes_.begin() ? FrameInput{} : std::prev(after)->input;
}

std::string Recording::checksum(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : text) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

std::string Recording::serialise() const {
    std::ostringstream out;
    out << kMagic << ' ' << kFormatVersion << '\n'
        << "game " << gameVersion << '\n'
        << "seed " << seed << '\n'
        << "difficulty " << difficulty << '\n'
        << "scene " << (scene.empty() ? "-" : scene) << '\n'
        << "window " << windowWidth << ' ' << windowHeight << '\n'
        << "keys " << keys.configOption << ' ' << keys.upKey << ' ' << keys.downKey << ' '
        << keys.rightKey << ' ' << keys.leftKey << ' ' << keys.interactKey << ' ' << keys.pauseKey
        << '\n'
        << "language " << language << '\n';
    // Frame lines and events interleaved by frame, a frame's input before its events.
    auto change = changes_.begin();
    auto event = events_.begin();
    while (change != changes_.end() || event != events_.end()) {
        if (change != changes_.end() && (event == events_.end() || change->frame <= event->frame)) {
            const FrameInput& in = change->input;
            out << "f " << change->frame << ' ' << in.stepMs << ' ' << in.mouseX << ' ' << in.mouseY
                << ' ' << in.mouseButtons << '\n';
            ++change;
        } else {
            out << "e " << event->frame << ' ' << nameOf(event->kind) << ' ' << event->a << ' '
                << event->b << ' ' << event->c << ' ' << event->d << '\n';
            ++event;
        }
    }
    out << "frames " << frames << '\n';
    if (endState) {
        out << "state " << *endState << '\n';
    }
    const std::string body = out.str();
    return body + "check " + checksum(body) + '\n';
}

std::optional<Recording> Recording::parse(const std::string& text,
                                          const std::string& thisGameVersion, std::string& why) {
    std::vector<std::string> lines;
    {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
    }
    const std::string magic = std::string(kMagic) + ' ';
    if (lines.empty() || lines[0].rfind(magic, 0) != 0) {
        why = "is not a Valdro recording";
        return std::nullopt;
    }
    if (lines[0] != magic + std::to_string(kFormatVersion)) {
        why = "is in recording format \"" + lines[0].substr(magic.size()) +
              "\"; this game reads format " + std::to_string(kFormatVersion);
        return std::nullopt;
    }
    // The checksum line closes the text; anything cut off or changed before it shows here.
    const std::size_t checkAt = text.rfind("\ncheck ");
    if (checkAt == std::string::npos || text.back() != '\n' ||
        text.find('\n', checkAt + 1) != text.size() - 1) {
        why = "is damaged or cut short: it does not end with its checksum";
        return std::nullopt;
    }
    const std::string body = text.substr(0, checkAt + 1);
    const std::string stated = text.substr(checkAt + 7, text.size() - checkAt - 8);
    if (stated != checksum(body)) {
        why = "is damaged: its checksum does not match its contents";
        return std::nullopt;
    }
    lines.pop_back();  // the checksum

    Recording r;
    std::size_t at = 1;       // the next line to read
    std::size_t current = 1;  // the line being checked
    auto fail = [&](const std::string& what) {
        why = "line " + std::to_string(current + 1) + ": " + what;
        return std::nullopt;
    };
    auto header = [&](const char* key) -> std::optional<std::string> {
        const std::string prefix = std::string(key) + ' ';
        current = at;
        if (at >= lines.size() || lines[at].rfind(prefix, 0) != 0) {
            return std::nullopt;
        }
        return lines[at++].substr(prefix.size());
    };

    const std::optional<std::string> game = header("game");
    if (!game) {
        return fail("expected \"game VERSION\"");
    }
    if (*game != thisGameVersion) {
        why = "was recorded with Valdro " + *game + "; this is Valdro " + thisGameVersion +
              ", which would play it differently";
        return std::nullopt;
    }
    r.gameVersion = *game;

    std::optional<std::string> value = header("seed");
    long long seed = -1;
    if (!value || !LineReader(*value).field(seed).finished() || seed < 0 ||
        seed > std::numeric_limits<std::uint32_t>::max()) {
        return fail("expected \"seed N\" with N from 0 to 4294967295");
    }
    r.seed = static_cast<std::uint32_t>(seed);
    value = header("difficulty");
    if (!value || !LineReader(*value).field(r.difficulty).finished() || r.difficulty < 0 ||
        r.difficulty > kMaxDifficulty) {
        return fail("expected \"difficulty N\" with N from 0 to 3");
    }
    value = header("scene");
    if (!value || !LineReader(*value).field(r.scene).finished()) {
        return fail("expected \"scene SLOT\" or \"scene -\"");
    }
    if (r.scene == "-") {
        r.scene.clear();
    }
    value = header("window");
    if (!value || !LineReader(*value).field(r.windowWidth).field(r.windowHeight).finished() ||
        r.windowWidth < 1 || r.windowHeight < 1 || r.windowWidth > kMaxWindowSide ||
        r.windowHeight > kMaxWindowSide) {
        return fail("expected \"window WIDTH HEIGHT\"");
    }
    value = header("keys");
    KeySet& k = r.keys;
    if (!value ||
        !LineReader(*value)
             .field(k.configOption)
             .field(k.upKey)
             .field(k.downKey)
             .field(k.rightKey)
             .field(k.leftKey)
             .field(k.interactKey)
             .field(k.pauseKey)
             .finished() ||
        k.configOption < 0 || k.configOption > kCustomKeySet) {
        return fail("expected \"keys SET UP DOWN RIGHT LEFT INTERACT PAUSE\"");
    }
    value = header("language");
    if (!value || !LineReader(*value).field(r.language).finished() || r.language < 0 ||
        r.language > 1) {
        return fail("expected \"language 0\" (Spanish) or \"language 1\" (English)");
    }

    long long lastFrame = 0;
    for (; at < lines.size(); ++at) {
        current = at;
        std::istringstream in(lines[at]);
        std::string tag;
        in >> tag;
        const std::string rest = lines[at].substr(std::min(lines[at].size(), tag.size() + 1));
        if (tag == "f") {
            long long frame = -1;
            FrameInput input;
            if (!LineReader(rest)
                     .field(frame)
                     .field(input.stepMs)
                     .field(input.mouseX)
                     .field(input.mouseY)
                     .field(input.mouseButtons)
                     .finished() ||
                input.stepMs < 0 || input.stepMs > kMaxStepMs) {
                return fail("expected \"f FRAME STEP_MS X Y BUTTONS\"");
            }
            if (frame < lastFrame || (!r.changes_.empty() && frame == r.changes_.back().frame)) {
                return fail("frame " + std::to_string(frame) + " is out of order");
            }
            lastFrame = frame;
            r.changes_.push_back({frame, input});
        } else if (tag == "e") {
            Event e;
            std::string kind;
            if (!LineReader(rest)
                     .field(e.frame)
                     .field(kind)
                     .field(e.a)
                     .field(e.b)
                     .field(e.c)
                     .field(e.d)
                     .finished()) {
                return fail("expected \"e FRAME KIND A B C D\"");
            }
            const auto known = kindNamed(kind);
            if (!known) {
                return fail("unknown event \"" + kind + "\"");
            }
            if (e.frame < lastFrame) {
                return fail("frame " + std::to_string(e.frame) + " is out of order");
            }
            e.kind = *known;
            lastFrame = e.frame;
            r.events_.push_back(e);
        } else {
            break;
        }
    }
    value = header("frames");
    if (!value || !LineReader(*value).field(r.frames).finished() || r.frames < 1) {
        return fail("expected \"frames N\" after the inputs");
    }
    if (lastFrame >= r.frames) {
        why = "has input on frame " + std::to_string(lastFrame) + " of a game " +
              std::to_string(r.frames) + " frames long";
        return std::nullopt;
    }
    if ((value = header("state"))) {
        std::string state;
        if (!LineReader(*value).field(state).finished()) {
            return fail("expected \"state HASH\"");
        }
        r.endState = state;
    }
    if (at != lines.size()) {
        current = at;
        return fail("unexpected \"" + lines[at] + "\"");
    }
    return r;
}

bool Recording::save(const std::string& path) const {
    return atomic_file::write(path, serialise());
}

std::optional<Recording> Recording::load(const std::string& path,
                                         const std::string& thisGameVersion, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = path + ": cannot be read";
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::optional<Recording> r = parse(text.str(), thisGameVersion, why);
    if (!r) {
        why = path + ": " + why;
    }
    return r;
}
