// Whole sysconfig runs, headless, driven by scripts as a user would drive
// the window, checked by what they leave in "KV2.CFG".
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "config_folder.h"
#include "platform/files.h"
#include "support/environment.h"
#include "sysconfig/config_dialog.h"
#include "sysconfig/sysconfig_app.h"

namespace kv::sysconfig {
namespace {

// A click near a control's left edge, then a pause so that the next command
// lands on a later frame.
std::string clickOn(int id) {
    const Dialog layout = makeConfigDialog([](std::string_view) { return 0; });
    const Rect box = layout.control(id).box;
    return "click " + std::to_string(box.left + 6) + " " + std::to_string(box.top + box.height() / 2) +
           "\nwait 40\n";
}

const std::string kSave = clickOn(kSaveButton);
const std::string kCancel = clickOn(kCancelButton);

int runScript(const ConfigFolder& folder, const std::string& script, const std::string& home) {
    const std::filesystem::path scriptFile = folder.path() / "session.script";
    std::ofstream(scriptFile) << script;
    SysconfigOptions options;
    options.home = home;
    options.headless = true;
    options.script = scriptFile.string();
    return runSysconfig(options);
}

struct SessionCase {
    const char* name;
    std::string before;  // "KV2.CFG" at the start; empty = no file
    std::string script;
    std::string after;   // "KV2.CFG" at the end; empty = no file
};

// Test names and failure messages show the case by name.
void PrintTo(const SessionCase& c, std::ostream* out) { *out << c.name; }

std::string sampleWith(std::initializer_list<std::pair<const char*, const char*>> changes) {
    std::string text = kSampleConfig;
    for (const auto& [from, to] : changes) text = replaceLine(text, from, to);
    return text;
}

class Session : public ::testing::TestWithParam<SessionCase> {};

TEST_P(Session, LeavesTheExpectedFile) {
    const SessionCase& c = GetParam();
    ConfigFolder folder;
    if (!c.before.empty()) folder.writeConfig(c.before);
    EXPECT_EQ(runScript(folder, c.script, folder.path().string()), 0);
    if (c.after.empty()) {
        EXPECT_FALSE(std::filesystem::exists(folder.config()));
    } else {
        EXPECT_EQ(linesOf(folder.readConfig()), linesOf(c.after));
        EXPECT_EQ(folder.readConfig(), c.after);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sysconfig, Session,
    ::testing::Values(
        SessionCase{"WindowModeHighQualityAndNameSaved", kSampleConfig,
                    "wait 100\npress SPACE\n" + clickOn(kHighQualityRadio) +
                        "wait 50\npress TAB\ntype ZXCV\nwait 50\n" + kSave,
                    sampleWith({{"WINDOW 0", "WINDOW 1"},
                                {"WAVQUAL 0", "WAVQUAL 1"},
                                {"NAME ABCD", "NAME ZXC"},
                                {"MAXFPS 120", ""}})},
        SessionCase{"UnchangedSaveDropsOnlyTheFrameCap", kSampleConfig, "wait 100\n" + kSave,
                    sampleWith({{"MAXFPS 120", ""}})},
        SessionCase{"CancelChangesNothing", kSampleConfig,
                    "press SPACE\n" + clickOn(kDefaultQualityRadio) + "press TAB\ntype QQQ\n" + kCancel,
                    kSampleConfig},
        SessionCase{"ClosingTheWindowIsCancel", kSampleConfig, "press SPACE\npress DOWN\npress SPACE\nwait 100\n",
                    kSampleConfig},
        SessionCase{"EscapeDoesNotDismiss", kSampleConfig, "press ESCAPE\nwait 100\npress SPACE\n" + kSave,
                    sampleWith({{"WINDOW 0", "WINDOW 1"}, {"MAXFPS 120", ""}})},
        SessionCase{"QualityOutsideTheChoicesIsWrittenBack", sampleWith({{"WAVQUAL 0", "WAVQUAL 5"}}),
                    "press SPACE\n" + kSave,
                    sampleWith({{"WAVQUAL 0", "WAVQUAL 5"}, {"WINDOW 0", "WINDOW 1"}, {"MAXFPS 120", ""}})},
        SessionCase{"NumberBoxesSaveWhatIsTypedOrZero", kSampleConfig,
                    clickOn(kFreeSpeedEdit) + "press END\ntype x\n" + clickOn(kBpmEditEdit) +
                        "press END\npress BACK\nwait 40\npress BACK\ntype 200\n" + kSave,
                    sampleWith({{"FREESPEED 25", "FREESPEED 0"}, {"BPMEDIT 50", "BPMEDIT 200"}, {"MAXFPS 120", ""}})},
        SessionCase{"MissingFileStaysMissingOnCancel", "", kCancel, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SessionWithoutFile, SaveWritesTheGamesDefaultsWithoutTheFrameCap) {
    ConfigFolder folder;
    ASSERT_EQ(runScript(folder, "wait 100\n" + kSave, folder.path().string()), 0);
    const std::vector<std::string> lines = linesOf(folder.readConfig());
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(lines[0], "- kelvarin][ beta ver. config file -");
    EXPECT_EQ(lines[2], "SPEED 2");
    EXPECT_EQ(lines[40], "BPMEDIT 50");
    EXPECT_EQ(lines[41], "NAME ****");
    EXPECT_EQ(lines[47], "SFONT times new roman");
}

TEST(SessionWithoutFile, UnwritableFolderIsReportedAndTheDialogStaysOpen) {
    ConfigFolder folder;
    const std::filesystem::path missing = folder.path() / "no such folder";
    testing::internal::CaptureStderr();
    // The second Save fails too; only Cancel ends the dialog.
    const int result = runScript(folder, "wait 100\n" + kSave + "wait 100\n" + kSave + "wait 100\n" + kCancel,
                                 missing.string());
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(std::filesystem::exists(missing));
    const std::string expected = "The settings were not saved: \"KV2.CFG\" cannot be written in the folder";
    const std::size_t first = messages.find(expected);
    ASSERT_NE(first, std::string::npos) << messages;
    EXPECT_NE(messages.find(expected, first + 1), std::string::npos) << messages;
    EXPECT_NE(messages.find("no such folder"), std::string::npos) << messages;
}

#ifdef _WIN32
constexpr const char* kProgramFile = "sysconfig.exe";
#else
constexpr const char* kProgramFile = "sysconfig";
#endif

// The real program, copied into a program folder of its own and started
// from another folder that has a settings file too.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(KV_HOME) / kProgramFile, program.path() / kProgramFile);
        program.writeConfig(kSampleConfig);
        elsewhere.writeConfig(otherConfig);
        std::ofstream(elsewhere.path() / "session.script") << "wait 100\npress SPACE\n" + kSave;
        test::setEnvironment("SDL_VIDEODRIVER", "dummy");
        test::setEnvironment("SDL_AUDIODRIVER", "dummy");
#ifdef _WIN32
        // The copy finds its libraries beside this test program.
        const char* path = std::getenv("PATH");
        test::setEnvironment("PATH", (platform::executableFolder() + ";" + (path ? path : "")).c_str());
#endif
    }
    // Started in the other folder; the quoting suits sh and cmd alike.
    int run(const std::string& arguments) const {
        const std::filesystem::path started = std::filesystem::current_path();
        std::filesystem::current_path(elsewhere.path());
        const std::string command =
            "\"" + (program.path() / kProgramFile).string() + "\" --headless --script session.script " + arguments;
        const int status = std::system(command.c_str());
        std::filesystem::current_path(started);
        return status;
    }

    ConfigFolder program;
    ConfigFolder elsewhere;
    const std::string otherConfig = sampleWith({{"NAME ABCD", "NAME WXYZ"}});
    // What the script makes of the sample: window mode on, no frame cap.
    const std::string savedSample = sampleWith({{"WINDOW 0", "WINDOW 1"}, {"MAXFPS 120", ""}});
};

TEST_F(ProgramFolder, EditsTheSettingsBesideTheProgramWhereverItStarts) {
    ASSERT_EQ(run(""), 0);
    EXPECT_EQ(program.readConfig(), savedSample);  // kept its own NAME ABCD: it showed this file
    EXPECT_EQ(elsewhere.readConfig(), otherConfig);
}

TEST_F(ProgramFolder, HomeChoosesAnotherFolder) {
    ASSERT_EQ(run("--home ."), 0);
    EXPECT_EQ(elsewhere.readConfig(), sampleWith({{"NAME ABCD", "NAME WXYZ"}, {"WINDOW 0", "WINDOW 1"}, {"MAXFPS 120", ""}}));
    EXPECT_EQ(program.readConfig(), kSampleConfig);
}

}  // namespace
}  // namespace kv::sysconfig
