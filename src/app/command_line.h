#pragma once
// The game's command line:
//   game [CHART]                         normal start; a chart starts single-song mode
//   game --home DIR ...                  DIR is the program folder instead of the executable's
//   game --headless [--script FILE] [--audio-out OUT.wav] [--frames DIR] [CHART]
//   game --render CHART OUT.wav          autoplay mixdown of a chart to a WAV file
//   game --info CHART                    what play will use of a chart, as JSON
//   game --scan [FOLDER]                 the song library as the select screen lists it, as JSON lines
//   game --version | --help
#include <string>
#include <vector>

#include "app/startup.h"

namespace kv {

enum class Command { Play, Render, Info, Scan, Version, Help, Invalid };

struct CommandLine {
    Command command = Command::Play;
    LaunchOptions launch;    // Play; launch.home also for the others
    std::string chart;       // Render, Info
    std::string output;      // Render: the WAV file
    std::string folder;      // Scan: empty = the whole library
    std::string error;       // Invalid: what was wrong
};

// Paths are made absolute against the folder the game was started from,
// because the game runs in its program folder.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// Runs the command; returns the process exit code.
int runCommand(const CommandLine& commandLine);

extern const char* const kUsage;

}  // namespace kv
