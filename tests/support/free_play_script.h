#pragma once
// The menu steps of a scripted free-play session, shared by the end-to-end
// runs: title -> free play -> chart list -> loading screen -> play, and
// after a play the result screen with its name entry.
//
// The play clock starts when the loading screen lets go, so the program
// folder must have TITLESKIP 0: the loading screen then waits for a key,
// and the key the script presses there (on a frame boundary) fixes the
// moment play starts, which is what note presses are timed from.
#include <filesystem>
#include <string_view>

#include "support/timed_script.h"

namespace kv::test {

// How long the menu steps take, generously: each screen's opening
// animation, the striped wipe between screens, the result figures rolling in.
constexpr double kListOpensMs = 2000;
constexpr double kWipeMs = 1000;
constexpr double kFiguresRollMs = 3000;
constexpr double kScreenStepMs = 500;

// The key that ends the loading screen's wait; no lane is bound to it.
constexpr std::string_view kContinueKey = "Q";

// From the title: free play, then in the chart list (the library has one
// folder, so the list opens at once) moves down `listLine` lines and
// chooses that chart. Returns the game time at which play starts.
double chooseChartFromTitle(TimedScript& script, int listLine);

// From the chart list: chooses the chart under the cursor and lets the
// loading screen go. Returns the game time at which play starts.
double startHighlightedChart(TimedScript& script);

// Pictures of the result screen to save (an empty path saves none).
struct ResultShots {
    std::filesystem::path typing;  // the name typed, not yet confirmed
    std::filesystem::path named;   // after the name was confirmed
};

// At the result screen of a run that entered the ranking: lets the
// figures roll in, types `name`, confirms it and leaves to the chart list.
void enterNameAndLeave(TimedScript& script, std::string_view name, const ResultShots& shots = {});

}  // namespace kv::test
