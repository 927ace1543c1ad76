#pragma once
// The shell's own state: where the program lives, how it was started and
// which play mode is running. One instance for the whole run.
#include <cstdint>
#include <string>

namespace kv {

enum PlayMode : std::int8_t { FreePlayMode = 0, CoursePlayMode = 1, EternalPlayMode = 2 };

struct Shell {
    std::string commandArgs;    // the chart named on the command line, if any
    std::string programFolder;  // with a trailing '/'; every folder change comes back here
    std::int8_t singleSong = 0;  // 1 while a command-line chart is the whole library
    std::int8_t titleCursor = 0;
    std::int8_t playMode = FreePlayMode;
    std::int8_t puzzleMode = 0;
    std::int8_t listenMode = 0;
    std::int32_t playCount = 1;  // "PL." number of the play screen outside courses
    std::int8_t displayReactivated = 0;  // the play scene redraws everything once, then clears it
};

Shell& shell();

}  // namespace kv
