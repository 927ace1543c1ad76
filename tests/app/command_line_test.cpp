#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/command_line.h"

namespace kv {
namespace {

std::string inStartFolder(const std::string& name) { return std::filesystem::absolute(name).string(); }

TEST(CommandLineParsing, CommandsAndTheirArguments) {
    struct Case {
        std::vector<std::string> arguments;
        Command command;
        std::string chart;
        std::string output;
        std::string folder;
    } cases[] = {
        {{}, Command::Play, "", "", ""},
        {{"songs/a.bms"}, Command::Play, "", "", ""},
        {{"--render", "a.bms", "out.wav"}, Command::Render, inStartFolder("a.bms"), inStartFolder("out.wav"), ""},
        {{"--info", "a.bms"}, Command::Info, inStartFolder("a.bms"), "", ""},
        {{"--scan"}, Command::Scan, "", "", ""},
        {{"--scan", "songs"}, Command::Scan, "", "", inStartFolder("songs")},
        {{"--home", "/x", "--version"}, Command::Version, "", "", ""},
        {{"--help"}, Command::Help, "", "", ""},
    };
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.arguments);
        const std::string label = c.arguments.empty() ? "(none)" : c.arguments[0];
        EXPECT_EQ(line.command, c.command) << label << " " << line.error;
        EXPECT_EQ(line.chart, c.chart) << label;
        EXPECT_EQ(line.output, c.output) << label;
        EXPECT_EQ(line.folder, c.folder) << label;
    }
}

TEST(CommandLineParsing, HeadlessRunOptionsBecomeAbsolutePaths) {
    const CommandLine line = parseCommandLine({"--home", "home", "--headless", "--script", "s.txt", "--audio-out",
                                               "o.wav", "--frames", "frames", "song/a.bme"});
    ASSERT_EQ(line.command, Command::Play) << line.error;
    EXPECT_TRUE(line.launch.headless);
    EXPECT_EQ(line.launch.home, inStartFolder("home"));
    EXPECT_EQ(line.launch.script, inStartFolder("s.txt"));
    EXPECT_EQ(line.launch.audioOut, inStartFolder("o.wav"));
    EXPECT_EQ(line.launch.framesDir, inStartFolder("frames"));
    EXPECT_EQ(line.launch.chart, inStartFolder("song/a.bme"));
}

TEST(CommandLineParsing, MistakesAreReportedNotGuessed) {
    const std::vector<std::string> mistakes[] = {
        {"--home"},                         // no folder
        {"--script", "s.txt"},              // without --headless
        {"--frames", "f"},                  // without --headless
        {"--render", "a.bms"},              // no output
        {"--info"},                         // no chart
        {"a.bms", "b.bms"},                 // two charts
        {"--scan", "a", "b"},
        {"--fullscreen"},                   // unknown
    };
    for (const auto& arguments : mistakes) {
        const CommandLine line = parseCommandLine(arguments);
        EXPECT_EQ(line.command, Command::Invalid) << arguments[0];
        EXPECT_FALSE(line.error.empty()) << arguments[0];
        EXPECT_EQ(runCommand(line), ExitUsage) << arguments[0];
    }
}

TEST(CommandLineHelp, EndsByPointingToTheReadmesGuide) {
    const std::string usage = kUsage;
    ASSERT_EQ(usage.back(), '\n');
    const std::string lastLine = usage.substr(usage.rfind('\n', usage.size() - 2) + 1);
    EXPECT_NE(lastLine.find("\"How to play\" in README.md"), std::string::npos) << lastLine;
    std::ostringstream readme;
    readme << std::ifstream(KV_SOURCE_DIR "/README.md").rdbuf();
    EXPECT_NE(readme.str().find("\n## How to play\n"), std::string::npos);
}

}  // namespace
}  // namespace kv
