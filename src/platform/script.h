#pragma once
// Scripts for headless runs: one command per line, timed in game
// milliseconds.
//   wait MS      let MS milliseconds pass
//   down KEY     key goes down (DirectInput key name without DIK_)
//   up KEY       key goes up
//   press KEY    down, 40 ms, up
//   type TEXT    press each character's key in turn (with shift where the
//                character needs it), 40 ms down and 40 ms up each
//   shot FILE    save the last presented frame as PNG
//   click X Y    mouse click at picture coordinates
//   # ...        comment (blank lines are ignored too)
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"

namespace kv::platform {

constexpr Micros kKeyPressMicros = 40'000;

struct ScriptAction {
    enum class Kind { KeyDown, KeyUp, Shot, Click };
    Micros at = 0;  // script time the action is due
    Kind kind = Kind::KeyDown;
    int key = 0;       // KeyDown, KeyUp
    std::string file;  // Shot
    int x = 0, y = 0;  // Click
};

struct Script {
    std::vector<ScriptAction> actions;  // in order of time, then of lines
    Micros end = 0;                     // when the last command is done
};

struct ScriptError {
    int line = 0;  // 1-based; 0 when the file itself could not be read
    std::string message;
};

// Parses script text. Relative shot files are resolved against `baseFolder`
// (the folder the run was started from), because the game changes its
// current folder. Returns false and fills `error` on the first bad line.
bool parseScript(std::string_view text, std::string_view baseFolder, Script& script, ScriptError& error);
bool loadScript(const std::string& path, std::string_view baseFolder, Script& script, ScriptError& error);

}  // namespace kv::platform
