#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "settings/settings_file.h"

namespace kv {
namespace {

// The file a fresh game writes, line by line.
const char* const kDefaultLines[] = {
    "- kelvarin][ beta ver. config file -", "", "SPEED 2", "OBJECT 0", "VIEW 0", "AUTOPLAY 0", "REPLAY 0",
    "NONSTOP 0", "STYLE 0", "KEY 0", "LINE 0", "EFFPOS 0", "GUIDE 0", "LINEPOS 0", "COMBO 1", "IGMISS 0",
    "IGCOOL 0", "BGA 1", "BACKGR 0", "MSGPOS 0", "TRANSP 0", "JUDGECOUNT 1", "TEMPO 0", "TITLESKIP 1", "GAUGE 0",
    "LEVEL 0", "RANKING 1", "FILTER 0", "FILTER2 0", "SORT 0", "HEADER 0", "FREESPEED 10", "WINDOW 0",
    "3BUFFERS 1", "SYSMEMORY 0", "FLIP 1", "WAIT 1", "WAVLOAD 0", "WAVQUAL 0", "USEJOYPAD 1", "BPMEDIT 50",
    "MAXFPS 500", "NAME ****", "SKIN 0", "KEYCODE 57 42 44 31 45 32 46 33 47 54 28 48 35 49 36 50 37 51",
    "JOYCODE 999 999 999 999 999 999 999 999 999 999 999 999 999 999 999 999 0 0", "", "LFONT impact",
    "SFONT times new roman",
};

std::string joinLines(const std::string& ending) {
    std::string out;
    for (const char* line : kDefaultLines) out += line + ending;
    return out;
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        // Other worktrees may run this suite at the same moment.
        folder_ = std::filesystem::temp_directory_path() / ("kv_settings_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
        file_ = folder_ / "KV2.CFG";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    void write(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
    std::string read() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    Settings load(const std::string& bytes) {
        write(bytes);
        Settings settings;
        EXPECT_EQ(loadSettings(settings, file_), 1);
        return settings;
    }

    std::filesystem::path folder_;
    std::filesystem::path file_;
};

TEST_F(SettingsFile, DefaultsWriteTheKnownFileWithCrLf) {
    ASSERT_EQ(saveSettings(Settings{}, file_), 1);
    EXPECT_EQ(read(), joinLines("\r\n"));
}

TEST_F(SettingsFile, ChangedFileRoundTripsByteForByte) {
    std::string original = joinLines("\r\n");
    const std::pair<const char*, const char*> edits[] = {
        {"SPEED 2", "SPEED 19"},        {"STYLE 0", "STYLE 4"},
        {"FREESPEED 10", "FREESPEED 2550"}, {"WINDOW 0", "WINDOW 1"},
        {"BPMEDIT 50", "BPMEDIT 100"},  {"MAXFPS 500", "MAXFPS 1"},
        {"NAME ****", "NAME K2 "},      {"SKIN 0", "SKIN 3"},
        {"KEYCODE 57 42", "KEYCODE 0 999"}, {"SFONT times new roman", "SFONT  MS Gothic "},
    };
    for (auto [from, to] : edits) original.replace(original.find(from), std::strlen(from), to);
    original += "PATH /songs/one\r\nPATH D:\\BMS two \r\n";

    Settings settings = load(original);
    EXPECT_EQ(settings.SPEED, 19);
    EXPECT_EQ(settings.KEYCODE[1], 999);
    EXPECT_EQ(settings.SFONT, "MS Gothic ");  // the blank after the key is not part of the value
    ASSERT_EQ(saveSettings(settings, file_), 1);
    // The font line loses the extra leading blank; everything else is identical.
    original.replace(original.find("SFONT  MS"), 9, "SFONT MS");
    EXPECT_EQ(read(), original);
}

TEST_F(SettingsFile, JudgeOffsetLineIsReadIntoRangeAndWrittenBackAsItWas) {
    struct Case {
        const char* line;
        int offset;
    };
    const Case cases[] = {
        {"JUDGEOFFSET 30", 30}, {"judgeoffset -12", -12}, {"JUDGEOFFSET  0", 0},
        {"JUDGEOFFSET 500", 99}, {"JUDGEOFFSET -150", -99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string original = joinLines("\r\n") + c.line + "\r\n";
        const Settings settings = load(original);
        EXPECT_EQ(settings.JUDGEOFFSET, c.offset);
        ASSERT_EQ(saveSettings(settings, file_), 1);
        EXPECT_EQ(read(), original);
    }
}

TEST_F(SettingsFile, WithoutAJudgeOffsetLineTheOffsetIsZeroAndNoLineIsWritten) {
    const Settings settings = load(joinLines("\r\n"));
    EXPECT_EQ(settings.JUDGEOFFSET, 0);
    EXPECT_TRUE(settings.extensionLines.empty());
    ASSERT_EQ(saveSettings(settings, file_), 1);
    EXPECT_EQ(read(), joinLines("\r\n"));
}

// The extension switches come last; a file that has them keeps them as
// they were, and a file without them gains nothing (both read as off).
TEST_F(SettingsFile, ExtensionSwitchesSurviveOnlyWhenWritten) {
    const std::string classic = joinLines("\r\n") + "PATH /songs\r\n";
    for (const char* extension : {"", "LONGNOTES 1\r\nSTOPS 1\r\n", "LONGNOTES 0\r\n", "STOPS 1\r\n"}) {
        const std::string original = classic + extension;
        Settings settings = load(original);
        ASSERT_EQ(saveSettings(settings, file_), 1);
        EXPECT_EQ(read(), original) << extension;
    }
    Settings off = load(classic);
    EXPECT_FALSE(off.longNotesOn() || off.stopsOn());
    Settings on = load("longnotes 1\nSTOPS 7\n");
    EXPECT_TRUE(on.longNotesOn());
    EXPECT_TRUE(on.stopsOn());  // out-of-range values are brought to the nearest code
}

TEST_F(SettingsFile, LineEndingsAndMissingFinalLineFeedReadAlike) {
    const std::string endings[] = {"\r\n", "\n"};
    for (const std::string& ending : endings) {
        std::string text = "- header -" + ending + "speed 5" + ending + "Name abc" + ending + "PATH a b" + ending +
                           "sfont x";  // no line feed after the last line
        Settings settings = load(text);
        EXPECT_EQ(settings.SPEED, 5);
        EXPECT_EQ(settings.NAME, "ABC");
        ASSERT_EQ(settings.PATH.size(), 1u);
        EXPECT_EQ(settings.PATH[0], "a b");
        EXPECT_EQ(settings.SFONT, "x");
    }
}

TEST_F(SettingsFile, LinesAreReadAsTheGameAlwaysHas) {
    struct Case {
        const char* text;
        bool (*holds)(const Settings&);
    } cases[] = {
        {"unknown 7\n#comment\n\nSPEEDY 9\n", [](const Settings& s) { return s.SPEED == 2 && s.PATH.empty(); }},
        {"SPEED 5\nSPEED 7\n", [](const Settings& s) { return s.SPEED == 7; }},
        {"PATH a\nPATH b\n", [](const Settings& s) { return s.PATH == std::vector<std::string>{"a", "b"}; }},
        {"BPMEDIT 101\n", [](const Settings& s) { return s.BPMEDIT == 50; }},
        {"BPMEDIT -1\n", [](const Settings& s) { return s.BPMEDIT == 50; }},
        {"BPMEDIT 100\n", [](const Settings& s) { return s.BPMEDIT == 100; }},
        {"SPEED\nNAME\n", [](const Settings& s) { return s.SPEED == 0 && s.NAME.empty(); }},
        {"SPEED x\n", [](const Settings& s) { return s.SPEED == 0; }},
        {"NAME abcdefg\n", [](const Settings& s) { return s.NAME == "ABCD"; }},
        {"WINDOW  1\n", [](const Settings& s) { return s.WINDOW == 1; }},
        {"KEYCODE 1 2 3\n",
         [](const Settings& s) { return s.KEYCODE[0] == 1 && s.KEYCODE[2] == 3 && s.KEYCODE[3] == 0 && s.KEYCODE[17] == 0; }},
        {"JOYCODE 999 5 10\n", [](const Settings& s) { return s.JOYCODE[0] == 999 && s.JOYCODE[1] == 5 && s.JOYCODE[2] == 10; }},
    };
    for (const Case& c : cases) EXPECT_TRUE(c.holds(load(c.text))) << c.text;
}

TEST_F(SettingsFile, OutOfRangeCodesAreClampedSoNoUserIndexesPastItsTable) {
    Settings s = load("SPEED 300\nOBJECT -4\nMAXFPS 0\nFREESPEED 0\nWAVQUAL 9\nSORT 7\nSKIN -1\nBGA 255\n");
    EXPECT_EQ(s.SPEED, 19);  // 300 keeps its low byte, 44, which is past the last code
    EXPECT_EQ(s.OBJECT, 0);
    EXPECT_EQ(s.MAXFPS, 1);
    EXPECT_EQ(s.FREESPEED, 5);
    EXPECT_EQ(s.WAVQUAL, 2);
    EXPECT_EQ(s.SORT, 6);
    EXPECT_EQ(s.SKIN, 0);
    EXPECT_EQ(s.BGA, 0);  // 255 is -1 in one byte
}

// Found by fuzzing: a code of four digits or a negative one was kept, and
// the file written from it read back with every later binding shifted.
TEST_F(SettingsFile, BindingCodesTheReaderCannotStepOverBindNothingAndSurviveSaving) {
    const Settings s = load("KEYCODE 57 1234 44 -5 45\nJOYCODE 999 9936 50 -10 7\n");
    EXPECT_EQ(s.KEYCODE[0], 57);
    EXPECT_EQ(s.KEYCODE[1], 0);
    EXPECT_EQ(s.JOYCODE[0], 999);
    EXPECT_EQ(s.JOYCODE[1], kJoypadUnbound);
    for (std::int32_t code : s.KEYCODE) EXPECT_TRUE(code >= 0 && code <= 999) << code;
    for (std::int32_t code : s.JOYCODE) EXPECT_TRUE(code >= 0 && code <= 999) << code;

    ASSERT_EQ(saveSettings(s, file_), 1);
    Settings again;
    ASSERT_EQ(loadSettings(again, file_), 1);
    EXPECT_EQ(again.KEYCODE, s.KEYCODE);
    EXPECT_EQ(again.JOYCODE, s.JOYCODE);
}

TEST_F(SettingsFile, ListsAndTextsAreCutToTheirLimits) {
    std::string text = "LFONT " + std::string(100, 'f') + "\nPATH " + std::string(200, 'p') + "\n";
    for (int i = 0; i < 60; ++i) text += "PATH p" + std::to_string(i) + "\n";
    Settings s = load(text);
    EXPECT_EQ(s.LFONT.size(), kFontNameLength);
    ASSERT_EQ(s.PATH.size(), kMaxPaths);
    EXPECT_EQ(s.PATH[0].size(), kPathLength);
    EXPECT_EQ(s.PATH.back(), "p48");
}

TEST_F(SettingsFile, MissingFileGivesDefaultsAndRunOnlyTogglesStartOff) {
    Settings s;
    s.SPEED = 9;
    s.PERFECT2 = s.MISSPITCH = s.COOLONLY = s.COMBOUP = s.LAG = s.INVERSE = 1;
    s.PATH = {"old"};
    s.LFONT = "kept";
    EXPECT_EQ(loadSettings(s, folder_ / "none.cfg"), 0);
    EXPECT_EQ(s.SPEED, 2);
    EXPECT_EQ(s.PERFECT2 + s.MISSPITCH + s.COOLONLY + s.COMBOUP + s.LAG + s.INVERSE, 0);
    EXPECT_TRUE(s.PATH.empty());
    EXPECT_EQ(s.LFONT, "kept");  // the face names survive a reload
}

TEST_F(SettingsFile, FailedWriteReportsFailureAndLeavesNoHalfFile) {
    EXPECT_EQ(saveSettings(Settings{}, folder_ / "missing" / "KV2.CFG"), 0);

    write("SPEED 7\r\n");
    Settings settings;
    settings.PATH = {"x"};
    ASSERT_EQ(saveSettings(settings, file_), 1);
    EXPECT_EQ(read(), joinLines("\r\n") + "PATH x\r\n");
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        EXPECT_EQ(entry.path().filename(), "KV2.CFG");  // the temporary file is gone
}

}  // namespace
}  // namespace kv
