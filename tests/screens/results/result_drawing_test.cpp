#include <gtest/gtest.h>

#include <set>

#include "media/gfx/display.h"
#include "media/gfx/sprite_tables.h"
#include "screens/results/result_drawing.h"
#include "support/headless_session.h"

namespace kv {
namespace {

constexpr Pixel kSheetInk = rgb(200, 100, 50);

// The FONT sheet in slot 1 with every cell painted solid, so each sprite
// shows as a filled rectangle.
class ResultDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(createSlot(1, 640, 480, 0), 1);
        Surface& sheet = *slotSurface(1);
        std::fill(sheet.pixels.begin(), sheet.pixels.end(), kSheetInk);
        clearBack();
    }
    void clearBack() { std::fill(display.back.pixels.begin(), display.back.pixels.end(), 0); }
    Pixel at(int x, int y) const { return display.back.at(x, y); }
    // Rows of column x from `top` to `bottom` (exclusive) that are not black.
    int paintedRows(int x, int top, int bottom) const {
        int rows = 0;
        for (int y = top; y < bottom; ++y) rows += at(x, y) != 0;
        return rows;
    }

    test::HeadlessSession session;
};

TEST_F(ResultDrawingTest, GradeTileGrowsFromItsMiddleToFullSize) {
    struct Case { int counter; int rows; };
    const Case cases[] = {{0, 0}, {1, 2}, {8, 16}, {31, 62}, {32, 64}, {40, 64}};
    for (const auto& c : cases) {
        clearBack();
        drawGradeTile(480, 377, 3, c.counter);
        EXPECT_EQ(paintedRows(500, 360, 460), c.rows) << "counter " << c.counter;
        if (c.rows > 0) {
            EXPECT_NE(at(500, 377 + 32 - c.rows / 2), 0u) << "centred on the tile's middle";
            EXPECT_EQ(at(500, 377 + 32 - c.rows / 2 - 1), 0u);
        }
    }
    clearBack();
    drawGradeTile(480, 377, 8, 32);
    EXPECT_EQ(paintedRows(500, 360, 460), 0) << "no tile past the eight grades";
}

TEST_F(ResultDrawingTest, JudgementBarStacksItsBandsFromTheFoot) {
    const std::array<int, 4> bands{10, 30, 60, 200};
    drawJudgementBar(320, 352, 225, bands);
    const Pixel breakColour = at(324, 351), goodColour = at(324, 341), greatColour = at(324, 321),
                coolColour = at(324, 291);
    EXPECT_NE(breakColour, 0u);
    EXPECT_EQ(at(324, 342), breakColour) << "BREAK fills the lowest 10 rows";
    EXPECT_EQ(at(324, 322), goodColour);
    EXPECT_EQ(at(324, 292), greatColour);
    EXPECT_EQ(at(324, 152), coolColour) << "COOL reaches 200 rows up";
    EXPECT_EQ(at(324, 151), 0u);
    EXPECT_EQ(std::set<Pixel>({breakColour, goodColour, greatColour, coolColour}).size(), 4u);

    clearBack();
    drawJudgementBar(320, 352, 20, bands);
    EXPECT_EQ(paintedRows(324, 100, 360), 20) << "the bar shows only as far as it has grown";
    EXPECT_EQ(at(324, 332), goodColour);

    clearBack();
    drawJudgementBar(320, 352, 225, {0, 0, 0, 0});
    EXPECT_EQ(paintedRows(324, 100, 360), 0) << "a chart without notes shows no bar";
}

TEST_F(ResultDrawingTest, NameCursorBlinksAtTheTypedPlaceOfTheRunsRow) {
    Ranking ranking;
    ranking.entries[0].score = 150000;
    ranking.entries[1].score = 120000;
    ResultFlow flow = startResultFlow(true, false, "AB");
    flow.phase = ResultPhase::NameEntry;
    const Rect& cursor = fontTable[kTextCursor];
    const int cursorX = 437 + 24 + 12 * 2, rowY = 145 + 23 + 24 * 1;

    flow.blink = 26;
    drawRankingTable(437, 145, ranking, 1, flow);
    EXPECT_NE(at(cursorX + cursor.width() - 1, rowY + cursor.height() - 1), 0u);
    EXPECT_EQ(at(cursorX + 5, rowY + 10), kSheetInk);

    clearBack();
    flow.blink = 25;
    drawRankingTable(437, 145, ranking, 1, flow);
    EXPECT_EQ(at(cursorX + 5, rowY + 10), 0u) << "hidden in the first half of the period";
}

TEST_F(ResultDrawingTest, AcceptedNameShowsInTheRunsRowBeforeTheFileIsWritten) {
    Ranking ranking;
    ranking.entries[0].score = 150000;
    ResultFlow flow = startResultFlow(true, false, "AB1");
    flow.phase = ResultPhase::Waiting;
    const auto drawn = [&](const Ranking& shown, bool accepted) {
        clearBack();
        flow.nameAccepted = accepted;
        drawRankingTable(437, 145, shown, 0, flow);
        return test::hashSurface(display.back);
    };
    Ranking stored = ranking;
    stored.entries[0].name = {'A', 'B', '1', ' '};
    EXPECT_EQ(drawn(ranking, true), drawn(stored, false));
    EXPECT_NE(drawn(ranking, false), drawn(stored, false)) << "an unaccepted name leaves the row blank";
}

}  // namespace
}  // namespace kv
