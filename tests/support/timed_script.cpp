#include "support/timed_script.h"

#include <algorithm>
#include <cmath>

#include "base/key_names.h"

namespace kv::test {

namespace {

// Scripts wait in whole milliseconds; every time is rounded once, as an
// absolute time, so rounding never accumulates.
long long wholeMs(double ms) { return std::llround(ms); }

}  // namespace

TimedScript& TimedScript::wait(double ms) {
    now_ += ms;
    return *this;
}

TimedScript& TimedScript::waitUntil(double ms) {
    now_ = std::max(now_, ms);
    return *this;
}

TimedScript& TimedScript::alignTo(double ms) {
    now_ = std::ceil(now_ / ms) * ms;
    return *this;
}

TimedScript& TimedScript::press(std::string_view key) {
    tap(key, now_);
    return wait(kPressMs);
}

TimedScript& TimedScript::type(std::string_view text) {
    for (char c : text) {
        const KeyStroke stroke = keyForChar(c);
        if (stroke.dik < 0) continue;
        press(dikName(stroke.dik));
        wait(kPressMs);
    }
    return *this;
}

TimedScript& TimedScript::shot(const std::filesystem::path& file) {
    add(now_, "shot " + file.string());
    return *this;
}

void TimedScript::tap(std::string_view key, double atMs, double holdMs) {
    add(atMs, "down " + std::string(key));
    add(atMs + holdMs, "up " + std::string(key));
}

void TimedScript::add(double atMs, std::string line) { commands_.push_back({atMs, std::move(line)}); }

std::string TimedScript::text() const {
    std::vector<Command> ordered = commands_;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Command& a, const Command& b) { return wholeMs(a.atMs) < wholeMs(b.atMs); });
    std::string text;
    long long written = 0;
    const auto waitUntil = [&](long long ms) {
        if (ms > written) text += "wait " + std::to_string(ms - written) + "\n";
        written = std::max(written, ms);
    };
    for (const Command& command : ordered) {
        waitUntil(wholeMs(command.atMs));
        text += command.line + "\n";
    }
    waitUntil(wholeMs(now_));
    return text;
}

}  // namespace kv::test
