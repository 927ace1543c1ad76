#include <gtest/gtest.h>

#include <filesystem>

#include "chart/chart.h"
#include "media/gfx/display.h"
#include "media/gfx/skin.h"
#include "media/gfx/sprite_tables.h"
#include "media/input/input.h"
#include "platform/frames.h"
#include "play/play_state.h"
#include "scene/shell.h"
#include "screens/results/course_result_screen.h"
#include "screens/results/course_stages.h"
#include "screens/results/grade.h"
#include "screens/results/result_screen.h"
#include "settings/settings.h"
#include "support/headless_session.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

// The result screen with the skin the build ships: the grade tile shows
// the FONT sheet's tile once it has grown. The frame is kept as
// result_screen.png in the build folder for a look.
// The result screens in the shipped program folder, with its skin, and an
// empty folder of their own for what they store.
class ResultScreenWithDefaultSkin : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(home / "kv2result.pic")) GTEST_SKIP() << "default skin not generated";
        ASSERT_EQ(createInput(), 1);
        ASSERT_EQ(createKeyboard(), 1);
        for (int slot = 0; slot < 2; ++slot) ASSERT_EQ(createSlot(slot, 640, 480, 0), 1);
        std::filesystem::current_path(home);
        ASSERT_EQ(readSkin("DEFAULT.KZK"), 1);
        settings() = Settings{};
        shell().programFolder = temp.path().string() + "/";
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        thePlay = Play{};
        theChart.noteCount = 0;
        settings() = Settings{};
        releaseInput();
    }

    const std::filesystem::path home = KV_HOME;
    const std::filesystem::path previous = std::filesystem::current_path();
    test::HeadlessSession session;
    test::TempFolder temp{"kv_result_skin"};
};

TEST_F(ResultScreenWithDefaultSkin, ShowsTheGradeTileOfTheRun) {
    settings().REPLAY = 1;
    thePlay = Play{};
    thePlay.replayActive = 1;
    thePlay.coolCount = 412;
    thePlay.greatCount = 61;
    thePlay.goodCount = 9;
    thePlay.breakCount = 4;
    thePlay.missCount = 14;
    theChart.noteCount = 500;
    thePlay.score = 412 * 200000 / 500 + 61 * 100000 / 500 + 9 * 50000 / 500 + 4 * 25000 / 500;
    thePlay.maxCombo = 233;
    thePlay.bonusScore = 1234;
    ChartEntry entry;
    entry.dirPath = temp.path().string();
    entry.fileName = "demo.bms";

    const std::string shot = (home.parent_path() / "result_screen.png").string();
    session.runScript("wait 2500\nshot " + shot + "\ntype KV\nwait 600\nshot " + shot + ".name.png\n");
    EXPECT_EQ(resultScreen(PurposeFreePlay, GradeB, entry, -1), 0);

    const Surface& frame = session.lastFrame();
    const Surface& sheet = *slotSurface(1);
    const Rect& tile = fontTable[kGradeTiles + GradeB];
    int differing = 0;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const Pixel ink = sheet.at(tile.left + x, tile.top + y);
            if (ink != sheet.colourKey && frame.at(480 + x, 377 + y) != ink) ++differing;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(std::filesystem::exists(shot));
}

// The course result with the shipped skin names every row of its totals.
// The frame is kept as course_result_screen.png in the build folder.
TEST_F(ResultScreenWithDefaultSkin, CourseResultShowsItsTotalsUnderTheirLabels) {
    theChart.noteCount = 300;
    for (int stage = 0; stage < kCourseStages; ++stage) {
        thePlay = Play{};
        thePlay.coolCount = 250, thePlay.greatCount = 30, thePlay.goodCount = 10, thePlay.breakCount = 4;
        thePlay.missCount = 6;
        thePlay.score = 250 * 200000 / 300 + 30 * 100000 / 300;
        thePlay.maxCombo = 120 + stage;
        recordCourseStage(stage);
    }
    const std::string shot = (home.parent_path() / "course_result_screen.png").string();
    session.runScript("wait 3000\nshot " + shot + "\npress RETURN\nwait 300\npress RETURN\nwait 500\n");
    courseResultScreen(-3, "", 0);
    EXPECT_TRUE(std::filesystem::exists(shot));
    courseStageRecords() = {};
}

}  // namespace
}  // namespace kv
