#include "app/command_line.h"

#include <filesystem>
#include <iostream>

#include "app/game_parts.h"
#include "app/info_command.h"
#include "platform/path_text.h"
#include "platform/window.h"
#include "play/offline_render.h"
#include "screens/select/library_listing.h"

namespace kv {

const char* const kUsage =
    "usage: game [--home DIR] [CHART]\n"
    "       game [--home DIR] --headless [--script FILE] [--audio-out OUT.wav] [--frames DIR] [CHART]\n"
    "       game [--home DIR] --render CHART OUT.wav\n"
    "       game [--home DIR] --info CHART\n"
    "       game [--home DIR] --scan [FOLDER]\n"
    "       game --version | --help\n"
    "\n"
    "  CHART            play this .bms/.bme chart on its own (single-song mode)\n"
    "  --home DIR       use DIR as the program folder (settings, skins, songs)\n"
    "  --headless       no window and no sound device; time passes as the game waits\n"
    "  --script FILE    headless input, one command a line: wait MS, down KEY, up KEY,\n"
    "                   press KEY, type TEXT, shot FILE.png, click X Y, # comment\n"
    "  --audio-out WAV  headless: write everything the game plays to a WAV file\n"
    "  --frames DIR     headless: save every shown frame as a numbered PNG\n"
    "  --render         autoplay a chart and mix it down to a WAV file\n"
    "  --info           print what play will use of a chart, as JSON\n"
    "  --scan           print the song library as JSON lines\n"
    "\n"
    "Keys for the lanes, the menus and play: see \"How to play\" in README.md.\n";

namespace {

std::string absolute(const std::string& path) { return std::filesystem::absolute(platform::pathFromText(path)).string(); }

CommandLine only(Command command) {
    CommandLine line;
    line.command = command;
    return line;
}

CommandLine invalid(std::string error) {
    CommandLine line = only(Command::Invalid);
    line.error = std::move(error);
    return line;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::vector<std::string> positional;
    bool headlessOnly = false;  // an option that needs --headless was given
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // Options that take the next argument as their value.
        const auto value = [&](std::string& into) {
            if (i + 1 >= arguments.size()) return false;
            into = absolute(arguments[++i]);
            return true;
        };
        if (argument == "--help" || argument == "-h") return only(Command::Help);
        if (argument == "--version") return only(Command::Version);
        if (argument == "--home") {
            if (!value(line.launch.home)) return invalid("--home needs a folder");
        } else if (argument == "--script") {
            if (!value(line.launch.script)) return invalid("--script needs a file");
            headlessOnly = true;
        } else if (argument == "--audio-out") {
            if (!value(line.launch.audioOut)) return invalid("--audio-out needs a file");
            headlessOnly = true;
        } else if (argument == "--frames") {
            if (!value(line.launch.framesDir)) return invalid("--frames needs a folder");
            headlessOnly = true;
        } else if (argument == "--headless") {
            line.launch.headless = true;
        } else if (argument == "--render") {
            line.command = Command::Render;
        } else if (argument == "--info") {
            line.command = Command::Info;
        } else if (argument == "--scan") {
            line.command = Command::Scan;
        } else if (argument.size() > 1 && argument[0] == '-') {
            return invalid("unknown option " + argument);
        } else {
            positional.push_back(absolute(argument));
        }
    }
    if (headlessOnly && !line.launch.headless) return invalid("--script, --audio-out and --frames need --headless");

    switch (line.command) {
        case Command::Play:
            if (positional.size() > 1) return invalid("only one chart can be played");
            if (!positional.empty()) line.launch.chart = positional[0];
            break;
        case Command::Render:
            if (positional.size() != 2) return invalid("--render needs a chart and an output WAV file");
            line.chart = positional[0];
            line.output = positional[1];
            break;
        case Command::Info:
            if (positional.size() != 1) return invalid("--info needs one chart");
            line.chart = positional[0];
            break;
        case Command::Scan:
            if (positional.size() > 1) return invalid("--scan takes at most one folder");
            if (!positional.empty()) line.folder = positional[0];
            break;
        default: break;
    }
    return line;
}

int runCommand(const CommandLine& line) {
    switch (line.command) {
        case Command::Help: std::cout << kUsage; return ExitOk;
        case Command::Version: std::cout << platform::kWindowTitle << "\n"; return ExitOk;
        case Command::Invalid: std::cerr << "game: " << line.error << "\n" << kUsage; return ExitUsage;
        case Command::Play: return runGame(line.launch, gameScenes(), gameSubsystems());
        default: break;
    }
    // The tools read the program folder's settings like the game does.
    if (!enterProgramFolder(line.launch.home)) return ExitStartFailed;
    switch (line.command) {
        case Command::Render: return renderChartToWav(line.chart, line.output);
        case Command::Scan: return scanCommand(line.folder, std::cout);
        case Command::Info: return infoCommand(line.chart, std::cout);
        default: return ExitUsage;
    }
}

}  // namespace kv
