#pragma once
// Builds a headless script from key changes and shots placed at absolute
// game times (milliseconds since the game started), so a test can say
// "this key goes down when that note reaches the line" and mix it freely
// with menu keys. The text it renders uses only wait, down, up and shot.
//
//   kv::test::TimedScript script;
//   script.wait(1500).press("RETURN").wait(2000).shot(dir / "list.png");
//   script.tap("Z", 5123.4);          // a press at an absolute time
//   home.write("run.txt", script.text());
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kv::test {

// A key press as scripts make it: 40 ms down.
constexpr double kPressMs = 40.0;

class TimedScript {
public:
    // The running time that the sequential commands below start from.
    double now() const { return now_; }
    TimedScript& wait(double ms);
    // Moves the running time on to `ms` (never back).
    TimedScript& waitUntil(double ms);
    // Moves on to the next multiple of `ms` (50 ms is three 60 Hz frames,
    // so a key placed there lands exactly on a frame boundary).
    TimedScript& alignTo(double ms);
    // Key name as scripts take it (RETURN, ESCAPE, A, LSHIFT, ...): down now,
    // up kPressMs later, then the running time moves past the release.
    TimedScript& press(std::string_view key);
    // Presses the keys that type `text` (letters as capitals, digits, blank).
    TimedScript& type(std::string_view text);
    TimedScript& shot(const std::filesystem::path& file);

    // A press at an absolute time, not moving the running time.
    void tap(std::string_view key, double atMs, double holdMs = kPressMs);

    // The script: every command in time order (same-time commands in the
    // order they were added), then a wait until the running time.
    std::string text() const;

private:
    struct Command {
        double atMs;
        std::string line;
    };
    void add(double atMs, std::string line);

    std::vector<Command> commands_;
    double now_ = 0.0;
};

}  // namespace kv::test
