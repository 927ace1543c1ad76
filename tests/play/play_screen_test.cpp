// The play screen: lane layout, guarded figures, and an autoplay run with
// the shipped skin whose frame is kept as play_screen.png for a look.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/shell.h"
#include "gfx/display.h"
#include "gfx/skin.h"
#include "gfx/style_sheets.h"
#include "play/lane_layout.h"
#include "play/play_scene.h"
#include "play/play_screen_panels.h"
#include "support/headless_session.h"

namespace kv {
namespace {

struct LayoutCase {
    const char* name;
    int keyMode;
    int line;  // 0 HALF, 1 SEPRATE
    int linePos;
    std::vector<int> laneXs;  // lanes 0-15, -1 not shown
    int width;
    int areaLeft;
    std::vector<int> keyOrder;
    bool guidePanel;
};

class LaneLayoutCases : public testing::TestWithParam<LayoutCase> {};

TEST_P(LaneLayoutCases, PlacesLanesKeysAndArea) {
    const LayoutCase& c = GetParam();
    PlayConfig config;
    config.line = std::int8_t(c.line);
    Settings options;
    options.LINEPOS = std::int8_t(c.linePos);
    options.GUIDE = 0;
    const LaneLayout layout = layoutLanes(config, options, c.keyMode);

    std::vector<int> xs;
    for (const LaneSlot& lane : layout.lanes) xs.push_back(lane.x);
    EXPECT_EQ(xs, c.laneXs);
    EXPECT_EQ(layout.lanesWidth, c.width);
    EXPECT_EQ(layout.areaLeft, c.areaLeft);
    EXPECT_EQ(layout.laneOriginX, c.areaLeft + 23);
    EXPECT_EQ(std::vector<int>(layout.keyOrder.begin(), layout.keyOrder.begin() + layout.keyCount), c.keyOrder);
    EXPECT_EQ(layout.guidePanel, c.guidePanel);
}

constexpr int N = -1;
INSTANTIATE_TEST_SUITE_P(
    Rows, LaneLayoutCases,
    testing::Values(
        // HALF keys sit 10 apart with half a key more at the end.
        LayoutCase{"FiveHalfLeft", FiveKeys, 0, 0, {0, 34, 44, 54, 64, 74, N, N, N, N, N, N, N, N, N, N}, 89, 30,
                   {0, 1, 3, 5, 2, 4}, false},
        LayoutCase{"SevenSeparateMiddle", SevenKeys, 1, 1,
                   {0, 34, 54, 70, 90, 106, 126, 142, N, N, N, N, N, N, N, N}, 162, 297 - 81,
                   {0, 1, 3, 5, 7, 2, 4, 6}, false},
        // The second side mirrors the first: its turntable on the outside.
        LayoutCase{"TenHalfRight", TenKeys, 0, 2,
                   {0, 34, 44, 54, 64, 74, N, N, 142, 92, 102, 112, 122, 132, N, N}, 181, 564 - 181,
                   {0, 1, 3, 5, 2, 4, 8, 9, 11, 13, 10, 12}, false},
        LayoutCase{"FourteenSeparateLeft", FourteenKeys, 1, 0,
                   {0, 34, 54, 70, 90, 106, 126, 142, 293, 165, 185, 201, 221, 237, 257, 273}, 327, 0,
                   {0, 1, 3, 5, 7, 2, 4, 6, 8, 9, 11, 13, 15, 10, 12, 14}, true}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

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
