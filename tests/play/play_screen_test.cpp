// The play screen: guarded figures, where each style paints its notes and
// markers with the shipped skin, and an autoplay run whose frame is kept
// as play_screen.png for a look.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/skin.h"
#include "media/gfx/style_sheets.h"
#include "play/lane_layout.h"
#include "play/play_scene.h"
#include "play/play_screen.h"
#include "play/play_screen_panels.h"
#include "play_fixture.h"
#include "scene/shell.h"
#include "support/headless_session.h"

namespace kv {
namespace {

struct RowCase {
    int msgPos;
    bool comboUp;
    int noteCount;
    int combo;
    int row;
};

TEST(MessageRow, FollowsMsgPosAndClimbsWithTheComboOnlyWhenThereAreNotes) {
    const RowCase cases[] = {
        {0, false, 100, 50, 280}, {1, false, 100, 50, 120}, {2, false, 100, 50, 200}, {3, false, 100, 50, -10},
        {0, true, 100, 50, 200},  {3, true, 100, 50, -10},  {0, true, 0, 0, 280},       {0, true, 100, 100, 120},
    };
    for (const RowCase& c : cases) {
        auto play = std::make_unique<Play>();
        auto chart = std::make_unique<Chart>();
        play->combo = c.combo;
        chart->noteCount = c.noteCount;
        PlayConfig config;
        Settings options;
        options.MSGPOS = std::int8_t(c.msgPos);
        options.COMBOUP = c.comboUp;
        const LaneLayout layout = layoutLanes(config, options, FiveKeys);
        EXPECT_EQ(messageRow({*play, *chart, config, options, layout}), c.row)
            << "MSGPOS " << c.msgPos << " COMBOUP " << c.comboUp << " notes " << c.noteCount;
    }
}

TEST(MessageRow, ScanKeepsItsOwnRowBesideTheLanesUnlessOff) {
    auto play = std::make_unique<Play>();
    auto chart = std::make_unique<Chart>();
    chart->noteCount = 100;
    play->combo = 50;
    PlayConfig config;
    config.style = Scan2;
    config.line = 1;
    Settings options;
    options.COMBOUP = 1;
    const LaneLayout layout = layoutLanes(config, options, FiveKeys);
    EXPECT_EQ(messageRow({*play, *chart, config, options, layout}), 244);
    options.MSGPOS = 3;
    EXPECT_EQ(messageRow({*play, *chart, config, options, layout}), -10);
}

// Notes on every lane of a five-key row, a beat apart, over four measures.
void loadDemoRun(int measures) {
    auto chart = std::make_unique<Chart>();
    chart->baseTempo = chart->playTempo = 150.0;
    chart->rank = 2;
    chart->gaugeGain = 1.0f;
    chart->gaugeLoss = 3.5f;
    chart->scoreTarget = 170000;
    chart->autoplayActive = 1;
    for (int measure = 0; measure < measures; ++measure)
        for (int position = 0; position < 288; position += 36) {
            const int lane = (position / 36 + measure) % 6;
            chart->playLanes[std::size_t(lane)].push(
                ChartObject{std::int16_t(measure), std::int16_t(position), 1, NoteKind::Normal});
            ++chart->noteCount;
        }
    chart->lastMeasure = std::int16_t(measures - 1);
    theChart = *chart;
}

class PlayScreenRun : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(home / "kv2-sc-b.pic")) GTEST_SKIP() << "default skin not generated";
        for (int slot = 0; slot <= 3; ++slot) ASSERT_EQ(createSlot(slot, 640, 480, 0), 1);
        previous = std::filesystem::current_path();
        std::filesystem::current_path(home);
        ASSERT_EQ(readSkin("DEFAULT.KZK"), 1);
        settings() = Settings{};
    }
    void TearDown() override {
        if (!previous.empty()) std::filesystem::current_path(previous);
    }

    const std::filesystem::path home = KV_HOME;
    std::filesystem::path previous;
    test::HeadlessSession session;
};

TEST_F(PlayScreenRun, DrawsTheKeysAndMovesTheNotes) {
    loadDemoRun(8);
    const std::string shot = (home.parent_path() / "play_screen.png").string();
    session.runScript("wait 5000\nshot " + shot + "\npress ESCAPE\nwait 500\n");

    EXPECT_EQ(playChart(ChartEntry{}, -1), 0);

    EXPECT_TRUE(std::filesystem::exists(shot));
    const std::set<std::uint64_t> distinct(session.frameHashes().begin(), session.frameHashes().end());
    EXPECT_GT(distinct.size(), 100u);  // the notes moved from frame to frame

    // The turntable key rests at its lane on the key row, as the sheet has it.
    const LaneLayout layout = layoutLanes(PlayConfig{}, settings(), FiveKeys);
    const Rect key = bemusicSheet[10];
    const Surface& sheet = *slotSurface(3);
    const Surface& frame = session.lastFrame();
    int matching = 0, opaque = 0;
    for (int y = 0; y < key.bottom - key.top; ++y)
        for (int x = 0; x < key.right - key.left; ++x) {
            const Pixel source = sheet.row(key.top + y)[key.left + x];
            if (source == 0) continue;
            ++opaque;
            matching += frame.row(layout.keyRowY + y)[layout.laneOriginX + x] == source;
        }
    EXPECT_GT(opaque, 0);
    EXPECT_EQ(matching, opaque);
}

TEST_F(PlayScreenRun, AChartWithoutNotesOrLengthStillDraws) {
    auto empty = std::make_unique<Chart>();
    empty->autoplayActive = 1;
    empty->lastMeasure = -1;
    theChart = *empty;
    settings().COMBOUP = 1;
    session.runScript("wait 1000\npress F12\nwait 500\n");

    EXPECT_EQ(playChart(ChartEntry{}, -1), 2);
    EXPECT_FALSE(session.frameHashes().empty());
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// Paints single frames of one style straight from a prepared play state.
class StylePaint : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(home / "kv2-sc-s.pic")) GTEST_SKIP() << "default skin not generated";
        previous = std::filesystem::current_path();
        std::filesystem::current_path(home);
        ASSERT_EQ(readSkin("DEFAULT.KZK"), 1);
        settings() = Settings{};
        settings().BGA = 0;
        settings().JUDGECOUNT = 0;
        for (int slot = 1; slot <= 3; ++slot) ASSERT_EQ(createSlot(slot, 640, 480, 0), 1);
        ASSERT_EQ(loadPicture(1, skin.FONT), 1);
        ASSERT_EQ(loadPicture(2, skin.BOARD), 1);
        chart->lastMeasure = 3;
        chart->noteCount = 4;
    }
    void TearDown() override {
        if (!previous.empty()) std::filesystem::current_path(previous);
    }

    const Surface& paint(int style, int line, int keyMode) {
        static const std::string* sheets[] = {&skin.BEMUSIC, &skin.UPWAY, &skin.SCAN2, &skin.WAVE};
        EXPECT_EQ(loadPicture(3, *sheets[style]), 1);
        config.style = std::int8_t(style);
        config.line = std::int8_t(line);
        layout = layoutLanes(config, settings(), keyMode);
        buildMeasureStarts(*chart, play->measureStarts);
        PlayContext ctx{*play, *chart, config, sound, [] { return 0; }};
        paintPlayFrame(ctx, layout, screen);
        return session.lastFrame();
    }

    void addNote(int lane, int y, int colour) {
        for (PoolObject& object : play->pool)
            if (object.kind == 0) {
                object = PoolObject{kApproaching, y, lane, 0, colour};
                return;
            }
    }

    // Every opaque pixel of the cell shows at (x, y) in the frame.
    static void expectCellAt(const Surface& frame, const Rect& cell, int x, int y) {
        const Surface& sheet = *slotSurface(3);
        int opaque = 0, matching = 0;
        for (int dy = 0; dy < cell.height(); ++dy)
            for (int dx = 0; dx < cell.width(); ++dx) {
                const Pixel source = sheet.at(cell.left + dx, cell.top + dy);
                if (source == 0) continue;
                ++opaque;
                matching += frame.at(x + dx, y + dy) == source;
            }
        EXPECT_GT(opaque, 0);
        EXPECT_EQ(matching, opaque) << "cell at (" << x << ", " << y << ")";
    }

    const std::filesystem::path home = KV_HOME;
    std::filesystem::path previous;
    test::HeadlessSession session;
    std::unique_ptr<Play> play = std::make_unique<Play>();
    std::unique_ptr<Chart> chart = std::make_unique<Chart>();
    PlayConfig config;
    LaneLayout layout;
    PlayScreenState screen;
    long step = 0;
    test::RecordingSound sound{step};
};

TEST_F(StylePaint, ADrawnFrameBringsTheGaugeBackIntoRange) {
    const struct {
        float before, after;
    } cases[] = {{130.0f, 100.0f}, {-7.0f, 0.0f}, {42.5f, 42.5f}};
    for (const auto& c : cases) {
        play->gauge = c.before;
        paint(Bemusic, 0, FiveKeys);
        EXPECT_EQ(play->gauge, c.after) << c.before;
    }
}

TEST_F(StylePaint, ScanNoteStandsOnItsRowWhereTheSweepWillMeetIt) {
    play->scanPosition = 100.0f;
    addNote(3, 300, 0);  // offset 291 at normal speed
    const Surface& frame = paint(Scan2, 1, FiveKeys);
    // 30 + trunc(0.666 x (384 - 291 + 1 + 100)), on lane 3's row.
    expectCellAt(frame, scanSheet[kScanNotes], 159, 304 + 58);
}

TEST_F(StylePaint, WaveQuartersFlyInAlongTheDiagonalsToTheKey) {
    addNote(1, 250, 0);  // offset 241, one sub-step in
    const Surface& frame = paint(Wave, 0, FiveKeys);
    const int x = 197 + 38, y = 208, travelled = 242;
    expectCellAt(frame, waveSheet[kWaveNoteQuarters + 0], x + travelled - 395, y + travelled - 395);
    expectCellAt(frame, waveSheet[kWaveNoteQuarters + 1], x - travelled + 413, y + travelled - 395);
    expectCellAt(frame, waveSheet[kWaveNoteQuarters + 2], x + travelled - 395, y - travelled + 413);
    expectCellAt(frame, waveSheet[kWaveNoteQuarters + 3], x - travelled + 413, y - travelled + 413);
}

TEST_F(StylePaint, WaveDrawsNothingOfANoteFrom400On) {
    // Far enough into a step that the quarters would stand clear of the key.
    play->tempo.substep = 60.0;
    const std::uint64_t empty = test::hashSurface(paint(Wave, 0, FiveKeys));
    addNote(1, 409, 0);  // offset 400
    EXPECT_EQ(test::hashSurface(paint(Wave, 0, FiveKeys)), empty);
    play->pool[0].y = 408;  // offset 399: drawn
    const Surface& frame = paint(Wave, 0, FiveKeys);
    expectCellAt(frame, waveSheet[kWaveNoteQuarters + 3], 235 - 459 + 413, 208 - 459 + 413);
}

TEST_F(StylePaint, ScanProgressMarkerRunsAlongTheBottomRailAndStopsAtItsEnd) {
    struct Case {
        int lastMeasure, playAbsStep, x;
    };
    // Four measures of 288 steps; a chart of no length keeps it at the start.
    const Case cases[] = {{3, 0, 3}, {3, 576, 3 + 315}, {3, 1152, 633}, {3, 5000, 633}, {-1, 500, 3}};
    for (const Case& c : cases) {
        chart->lastMeasure = std::int16_t(c.lastMeasure);
        play->playAbsStep = c.playAbsStep;
        const Surface& frame = paint(Scan2, 1, FiveKeys);
        SCOPED_TRACE("step " + std::to_string(c.playAbsStep));
        expectCellAt(frame, scanSheet[42], c.x, 408);
    }
}

TEST_F(StylePaint, AMissedScanNoteLeavesASparkThatDriftsAndFades) {
    play->scanPosition = 200.0f;
    play->lanes[3].missSpark = true;
    paint(Scan2, 1, FiveKeys);
    EXPECT_FALSE(play->lanes[3].missSpark);
    const auto spark = std::find_if(screen.sparks.slots.begin(), screen.sparks.slots.end(),
                                    [](const ScanSpark& s) { return s.used; });
    ASSERT_NE(spark, screen.sparks.slots.end());
    EXPECT_EQ(spark->cell, kScanMissSparks + 0);
    EXPECT_EQ(spark->row, 304 + 58);
    // It stands where the note left the lane: offset 411 at normal speed.
    expectCellAt(session.lastFrame(), scanSheet[kScanMissSparks], 30 + int(0.666 * (384 - 411 + 200 + 1)), 304 + 58);
}

TEST_F(StylePaint, AHitOnScanBecomesSparksInsteadOfAFlash) {
    play->lanes[2].hitFlash = HitFlash{true, false, 1};
    paint(Scan2, 1, FiveKeys);
    EXPECT_FALSE(play->lanes[2].hitFlash.active);
    const long sparks = std::count_if(screen.sparks.slots.begin(), screen.sparks.slots.end(),
                                      [](const ScanSpark& s) { return s.used && s.cell == 47; });
    EXPECT_GT(sparks, 1);
}

class EveryLaneStyle : public StylePaint, public testing::WithParamInterface<int> {};

TEST_P(EveryLaneStyle, DrawsAChartWithoutNotesOrLength) {
    chart->lastMeasure = -1;
    chart->noteCount = 0;
    settings().COMBOUP = 1;
    settings().JUDGECOUNT = 1;
    play->combo = 3;
    play->judge = JudgeDisplay{1, 0, 0, 0};
    const std::size_t before = session.frameHashes().size();
    paint(GetParam(), 1, SevenKeys);
    EXPECT_EQ(session.frameHashes().size(), before + 1);
}

// Case names for test lists and reports.
std::string styleName(const ::testing::TestParamInfo<int>& info) {
    const char* const names[] = {"Bemusic", "Upway", "Scan2", "Wave"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Styles, EveryLaneStyle, testing::Values(int(Bemusic), int(Upway), int(Scan2), int(Wave)),
                         styleName);

}  // namespace
}  // namespace kv
