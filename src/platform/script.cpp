#include "platform/script.h"

#include <charconv>
#include <filesystem>

#include "base/dik.h"
#include "base/key_names.h"
#include "platform/file_bytes.h"
#include "platform/path_text.h"

namespace kv::platform {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool parseNumber(std::string_view text, long long& value) {
    text = trim(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

class Builder {
   public:
    Builder(Script& script, std::string_view baseFolder) : script_(script), base_(baseFolder) {}

    void key(int dik, bool down) {
        ScriptAction& action = add(down ? ScriptAction::Kind::KeyDown : ScriptAction::Kind::KeyUp);
        action.key = dik;
    }
    void wait(Micros duration) { now_ += duration; }
    Micros now() const { return now_; }
    void press(int dik) {
        key(dik, true);
        wait(kKeyPressMicros);
        key(dik, false);
    }
    void shot(std::string_view file) {
        std::filesystem::path path = pathFromText(file);
        if (path.is_relative() && !base_.empty()) path = pathFromText(base_) / path;
        add(ScriptAction::Kind::Shot).file = path.generic_string();
    }
    void click(int x, int y) {
        ScriptAction& action = add(ScriptAction::Kind::Click);
        action.x = x;
        action.y = y;
    }
    void finish() { script_.end = now_; }

   private:
    ScriptAction& add(ScriptAction::Kind kind) {
        ScriptAction& action = script_.actions.emplace_back();
        action.at = now_;
        action.kind = kind;
        return action;
    }

    Script& script_;
    std::string_view base_;
    Micros now_ = 0;
};

// Game time a whole script may cover; far beyond any session, and far from
// the overflow of the clock's microseconds.
constexpr long long kLongestScriptMs = 30LL * 24 * 3600 * 1000;

// Applies one line; returns an error message, empty when the line is fine.
std::string parseLine(std::string_view line, Builder& builder) {
    line = trim(line);
    if (line.empty() || line.front() == '#') return {};
    const std::size_t blank = line.find_first_of(" \t");
    const std::string_view command = line.substr(0, blank);
    const std::string_view argument = blank == std::string_view::npos ? std::string_view{} : trim(line.substr(blank));

    if (command == "wait") {
        long long ms = 0;
        if (!parseNumber(argument, ms) || ms < 0) return "wait needs a number of milliseconds";
        if (ms > kLongestScriptMs - builder.now() / 1000) return "wait takes the script past 30 days of game time";
        builder.wait(ms * 1000);
    } else if (command == "down" || command == "up" || command == "press") {
        const int dik = dikFromName(argument);
        if (dik < 0) return "unknown key '" + std::string(argument) + "'";
        if (command == "press")
            builder.press(dik);
        else
            builder.key(dik, command == "down");
    } else if (command == "type") {
        for (char c : argument) {
            const KeyStroke stroke = keyForChar(c);
            if (stroke.dik < 0) return std::string("no key types '") + c + "'";
            if (stroke.shift) builder.key(DIK_LSHIFT, true);
            builder.press(stroke.dik);
            if (stroke.shift) builder.key(DIK_LSHIFT, false);
            // Up long enough for a screen polling once per frame to see
            // the next press of the same key as a new one.
            builder.wait(kKeyPressMicros);
        }
    } else if (command == "shot") {
        if (argument.empty()) return "shot needs a file name";
        builder.shot(argument);
    } else if (command == "click") {
        const std::size_t space = argument.find_first_of(" \t");
        long long x = 0, y = 0;
        if (space == std::string_view::npos || !parseNumber(argument.substr(0, space), x) ||
            !parseNumber(argument.substr(space), y))
            return "click needs X and Y";
        builder.click(int(x), int(y));
    } else {
        return "unknown command '" + std::string(command) + "'";
    }
    return {};
}

}  // namespace

bool parseScript(std::string_view text, std::string_view baseFolder, Script& script, ScriptError& error) {
    script = Script();
    Builder builder(script, baseFolder);
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (std::string message = parseLine(line, builder); !message.empty()) {
            error = {number, std::move(message)};
            return false;
        }
    }
    builder.finish();
    return true;
}

bool loadScript(const std::string& path, std::string_view baseFolder, Script& script, ScriptError& error) {
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(path, bytes)) {
        error = {0, "cannot read script " + path};
        return false;
    }
    return parseScript(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), baseFolder, script,
                       error);
}

}  // namespace kv::platform
