#include "sysconfig/config_file.h"

#include <gtest/gtest.h>

#include "config_folder.h"

namespace kv::sysconfig {
namespace {

TEST(SystemConfigFile, SavingWhatWasReadDropsOnlyTheFrameCap) {
    ConfigFolder folder;
    folder.writeConfig(kSampleConfig);
    Settings settings;
    ASSERT_EQ(loadSystemSettings(settings, folder.config()), 1);
    std::string problem;
    ASSERT_EQ(saveSystemSettings(settings, folder.config(), problem), 1) << problem;

    EXPECT_EQ(folder.readConfig(), replaceLine(kSampleConfig, "MAXFPS 120", ""));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"KV2.CFG"});
}

// sysconfig knows none of the extension lines, yet keeps each as it was.
TEST(SystemConfigFile, SavingKeepsTheExtensionLinesByteForByte) {
    ConfigFolder folder;
    const std::string text = std::string(kSampleConfig) + "judgeoffset  -7\r\nLONGNOTES 1\r\nSTOPS 0\r\n";
    folder.writeConfig(text);
    Settings settings;
    ASSERT_EQ(loadSystemSettings(settings, folder.config()), 1);
    EXPECT_EQ(settings.JUDGEOFFSET, -7);
    EXPECT_TRUE(settings.longNotesOn());
    std::string problem;
    ASSERT_EQ(saveSystemSettings(settings, folder.config(), problem), 1) << problem;
    EXPECT_EQ(folder.readConfig(), replaceLine(text, "MAXFPS 120", ""));
}

TEST(SystemConfigFile, ShownValuesKeepWhatTheFileSaysOutsideTheGamesRange) {
    ConfigFolder folder;
    std::string text = replaceLine(kSampleConfig, "WAVQUAL 0", "wavqual 5");
    text = replaceLine(text, "BPMEDIT 50", "BPMEDIT 200");
    text = replaceLine(text, "FREESPEED 25", "FREESPEED 3");
    text = replaceLine(text, "WINDOW 0", "WINDOW -1");
    text = replaceLine(text, "SPEED 4", "SPEED 300");  // not shown: read as the game reads it
    folder.writeConfig(text);

    Settings settings;
    ASSERT_EQ(loadSystemSettings(settings, folder.config()), 1);
    EXPECT_EQ(settings.WAVQUAL, 5);
    EXPECT_EQ(settings.BPMEDIT, 200);
    EXPECT_EQ(settings.FREESPEED, 3);
    EXPECT_EQ(settings.WINDOW, -1);
    EXPECT_EQ(settings.SPEED, 19);
    EXPECT_EQ(settings.MAXFPS, 120);
    EXPECT_EQ(settings.NAME, "ABCD");
    EXPECT_EQ(settings.PATH, (std::vector<std::string>{"/music/bms", "songs two"}));
}

TEST(SystemConfigFile, MissingFileGivesDefaultsAndSaveCreatesIt) {
    ConfigFolder folder;
    Settings settings;
    settings.WINDOW = 1;
    EXPECT_EQ(loadSystemSettings(settings, folder.config()), 0);
    EXPECT_EQ(settings.WINDOW, 0);
    EXPECT_EQ(settings.NAME, "****");

    std::string problem;
    ASSERT_EQ(saveSystemSettings(settings, folder.config(), problem), 1) << problem;
    const std::vector<std::string> lines = linesOf(folder.readConfig());
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "- kelvarin][ beta ver. config file -");
    EXPECT_EQ(lines[2], "SPEED 2");
    for (const std::string& line : lines) EXPECT_NE(line.rfind("MAXFPS", 0), 0u) << line;
}

TEST(SystemConfigFile, UnwritablePlaceReportsAndLeavesNothingBehind) {
    ConfigFolder folder;
    Settings settings;
    std::string problem;

    // A folder that does not exist.
    EXPECT_EQ(saveSystemSettings(settings, folder.path() / "gone" / "KV2.CFG", problem), 0);
    EXPECT_NE(problem.find("\"KV2.CFG\" cannot be written"), std::string::npos) << problem;
    EXPECT_NE(problem.find("gone"), std::string::npos) << problem;

    // A name taken by a folder: the staging file is written, but cannot replace it.
    std::filesystem::create_directory(folder.config());
    problem.clear();
    EXPECT_EQ(saveSystemSettings(settings, folder.config(), problem), 0);
    EXPECT_FALSE(problem.empty());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"KV2.CFG"});
    EXPECT_TRUE(std::filesystem::is_directory(folder.config()));
}

}  // namespace
}  // namespace kv::sysconfig
