#pragma once
// One run of the game: start-up in order, the scene driver, and the way
// out (writing the settings on a clean exit, never after a failed start).
#include <string>

#include "app/subsystems.h"
#include "scene/scene_table.h"

namespace kv {

struct LaunchOptions {
    std::string home;       // the program folder; empty = the executable's folder
    std::string chart;      // a chart to play on its own (single-song mode)
    bool headless = false;  // no window, no audio device, manual clock
    std::string script;     // headless: the input script; none = quit at once
    std::string audioOut;   // headless: WAV file of everything played
    std::string framesDir;  // headless: every presented frame as PNG
};

enum ExitCode { ExitOk = 0, ExitStartFailed = 1, ExitUsage = 2 };

// The text shown when no song folder holds a chart.
extern const char* const kNoChartMessage;

int runGame(const LaunchOptions& options, const SceneTable& scenes, const Subsystems& subsystems);

// Makes `home` (empty: the executable's folder) the program folder and the
// current directory and reads its settings; the command-line tools work
// from there too. False when the folder cannot be entered.
bool enterProgramFolder(const std::string& home);

}  // namespace kv
