// Headless scripts: parsing into timed actions and playing them against the
// manual clock.
#include "platform/script.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/dik.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "platform/events.h"
#include "platform/keyboard.h"
#include "platform/mouse.h"
#include "platform/script_runner.h"
#include "support/headless_session.h"
#include "support/temp_folder.h"

namespace kv::platform {
namespace {

using Kind = ScriptAction::Kind;

Script parse(std::string_view text, std::string_view base = {}) {
    Script script;
    ScriptError error;
    EXPECT_TRUE(parseScript(text, base, script, error)) << error.line << ": " << error.message;
    return script;
}

TEST(ScriptParseTest, TimesFollowWaitsAndPresses) {
    const Script script = parse("# title\n\nwait 100\ndown RETURN\nwait 20\nup return\npress dik_f1\nclick 12 34\n");
    ASSERT_EQ(script.actions.size(), 5u);
    EXPECT_EQ(script.actions[0].at, 100'000);
    EXPECT_EQ(script.actions[0].kind, Kind::KeyDown);
    EXPECT_EQ(script.actions[0].key, DIK_RETURN);
    EXPECT_EQ(script.actions[1].at, 120'000);
    EXPECT_EQ(script.actions[1].kind, Kind::KeyUp);
    EXPECT_EQ(script.actions[2].at, 120'000);
    EXPECT_EQ(script.actions[2].key, DIK_F1);
    EXPECT_EQ(script.actions[3].at, 160'000);
    EXPECT_EQ(script.actions[3].kind, Kind::KeyUp);
    EXPECT_EQ(script.actions[4].kind, Kind::Click);
    EXPECT_EQ(script.actions[4].x, 12);
    EXPECT_EQ(script.actions[4].y, 34);
    EXPECT_EQ(script.end, 160'000);
}

TEST(ScriptParseTest, TypePressesEachCharacterWithShiftWhereNeeded) {
    const Script script = parse("type aB");
    // a: down, up; B: shift down, down, up, shift up.
    ASSERT_EQ(script.actions.size(), 6u);
    EXPECT_EQ(script.actions[0].key, DIK_A);
    EXPECT_EQ(script.actions[1].at, 40'000);
    EXPECT_EQ(script.actions[2].key, DIK_LSHIFT);
    EXPECT_EQ(script.actions[2].kind, Kind::KeyDown);
    EXPECT_EQ(script.actions[2].at, 80'000);  // the key stays up a while between presses
    EXPECT_EQ(script.actions[3].key, DIK_B);
    EXPECT_EQ(script.actions[5].key, DIK_LSHIFT);
    EXPECT_EQ(script.actions[5].kind, Kind::KeyUp);
    EXPECT_EQ(script.end, 160'000);
}

TEST(ScriptParseTest, RelativeShotsAreTakenFromTheStartingFolder) {
    const Script script = parse("shot out/title.png\nshot /tmp/abs.png", "/home/player");
    ASSERT_EQ(script.actions.size(), 2u);
    EXPECT_EQ(script.actions[0].file, "/home/player/out/title.png");
    EXPECT_EQ(script.actions[1].file, "/tmp/abs.png");
}

TEST(ScriptParseTest, WindowsLineEndsAreAccepted) {
    const Script script = parse("wait 10\r\npress SPACE\r\n");
    ASSERT_EQ(script.actions.size(), 2u);
    EXPECT_EQ(script.actions[0].key, DIK_SPACE);
}

TEST(ScriptParseTest, BadLinesAreReportedWithTheirNumber) {
    const std::pair<const char*, int> cases[] = {
        {"jump 10", 1},           {"wait\n", 1},         {"wait -5", 1},    {"wait 10ms", 1},
        {"# ok\npress NOPE", 2},  {"down", 1},           {"type é", 1},     {"shot", 1},
        {"\n\nclick 10", 3},      {"click x 10", 1},
        {"wait 99999999999999999", 1},  // would overflow the microseconds
        {"wait 2000000000\nwait 2000000000", 2},  // together past 30 days
    };
    for (auto [text, line] : cases) {
        Script script;
        ScriptError error;
        EXPECT_FALSE(parseScript(text, {}, script, error)) << text;
        EXPECT_EQ(error.line, line) << text;
        EXPECT_FALSE(error.message.empty()) << text;
    }
}

TEST(ScriptParseTest, WaitsUpToThirtyDaysInAllAreAccepted) {
    const Script script = parse("wait 2000000000\nwait 592000000\n");
    EXPECT_EQ(script.end, 2'592'000'000'000LL);
}

TEST(ScriptParseTest, MissingFileIsAnError) {
    Script script;
    ScriptError error;
    EXPECT_FALSE(loadScript("/nonexistent/script.txt", {}, script, error));
    EXPECT_EQ(error.line, 0);
}

TEST(ScriptRunnerTest, KeysChangeAsTheClockReachesThem) {
    test::HeadlessSession session;
    session.runScript("wait 20\npress SPACE\nwait 100\n");
    EXPECT_FALSE(isKeyDown(DIK_SPACE));
    present();  // 16.7 ms
    EXPECT_FALSE(isKeyDown(DIK_SPACE));
    present();  // 33.3 ms
    EXPECT_TRUE(isKeyDown(DIK_SPACE));
    present();  // 50 ms
    EXPECT_TRUE(isKeyDown(DIK_SPACE));
    present();  // 66.7 ms
    EXPECT_FALSE(isKeyDown(DIK_SPACE));
    EXPECT_FALSE(quitRequested());
}

TEST(ScriptRunnerTest, TheEndOfTheScriptIsTheQuitMessage) {
    test::HeadlessSession session;
    session.runScript("wait 1000");
    int frames = 0;
    while (!pumpEvents().quit && frames < 1000) {
        present();
        ++frames;
    }
    EXPECT_EQ(frames, 60);
    EXPECT_TRUE(session.scriptFinished());
}

TEST(ScriptRunnerTest, ClicksReachTheMouseQueue) {
    test::HeadlessSession session;
    session.runScript("click 5 6\nwait 10\nclick 7 8");
    MouseClick click;
    ASSERT_TRUE(takeMouseClick(click));
    EXPECT_EQ(click.x, 5);
    EXPECT_FALSE(takeMouseClick(click));
    session.clock().waitFor(10'000);
    ASSERT_TRUE(takeMouseClick(click));
    EXPECT_EQ(click.y, 8);
}

TEST(ScriptRunnerTest, ShotSavesTheLastPresentedFrame) {
    test::TempFolder folder("kv_shot");
    test::HeadlessSession session;
    Script script;
    ScriptError error;
    ASSERT_TRUE(parseScript("wait 20\nshot a.png\nshot missing/dir/b.png\nwait 20", folder.path().string(), script, error));
    ScriptRunner runner(std::move(script));
    fillRect(display.back, nullptr, 0x8040C0);
    present();
    present();
    EXPECT_TRUE(std::filesystem::exists(folder / "a.png"));
    EXPECT_GT(std::filesystem::file_size(folder / "a.png"), 100u);
    EXPECT_EQ(runner.failedShots(), 1);
}

}  // namespace
}  // namespace kv::platform
