// The BONUS style: where its lanes and figures sit, what its painter draws
// for the ship and the enemies, and a scene run in which the player flies
// and shoots.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/style_sheets.h"
#include "play/bonus_layout.h"
#include "play/bonus_screen.h"
#include "play/play_scene.h"
#include "play/scroll_speed.h"
#include "play_fixture.h"
#include "settings/settings.h"
#include "support/headless_session.h"

namespace kv {
namespace {

struct BonusLayoutCase {
    const char* name;
    int keyMode;
    std::vector<int> laneXs;  // lanes 0-15, -1 not used
};

class BonusLayoutCases : public testing::TestWithParam<BonusLayoutCase> {};

TEST_P(BonusLayoutCases, SpreadsTheLanesOverTheField) {
    const BonusLayoutCase& c = GetParam();
    const LaneLayout layout = layoutBonusLanes(c.keyMode);
    const std::array<int, kLaneCount> xs = bonusLaneXs(layout);
    EXPECT_EQ(std::vector<int>(xs.begin(), xs.end()), c.laneXs);
    // Every enemy box fits on the 320-pixel field.
    for (const int x : xs) {
        if (x < 0) continue;
        EXPECT_LE(x + kEnemyInset + 32, 320);
    }
    EXPECT_EQ(layout.laneOriginX, kBonusFieldX);
    EXPECT_EQ(layout.messageX, 257);
    EXPECT_TRUE(layout.guidePanel);
    EXPECT_EQ(layout.gaugeX, 203);
    EXPECT_EQ(layout.gaugeY, 457);
    EXPECT_EQ(layout.scoreX, 81);
    EXPECT_EQ(layout.scoreY, 437);
    EXPECT_EQ(layout.bonusScoreX, 81);
    EXPECT_EQ(layout.bonusScoreY, 460);
}

constexpr int N = -1;
INSTANTIATE_TEST_SUITE_P(
    KeyModes, BonusLayoutCases,
    testing::Values(
        BonusLayoutCase{"Five", FiveKeys, {0, 42, 84, 126, 168, 210, N, N, N, N, N, N, N, N, N, N}},
        BonusLayoutCase{"Seven", SevenKeys, {0, 32, 64, 96, 128, 160, 192, 224, N, N, N, N, N, N, N, N}},
        // The two sides interleave, the second shifted half a pitch.
        BonusLayoutCase{"Ten", TenKeys, {0, 46, 92, 138, 184, 230, N, N, 23, 69, 115, 161, 207, 253, N, N}},
        BonusLayoutCase{"Fourteen", FourteenKeys,
                        {0, 32, 64, 96, 128, 160, 192, 224, 16, 48, 80, 112, 144, 176, 208, 240}}),
    [](const testing::TestParamInfo<BonusLayoutCase>& info) { return std::string(info.param.name); });

// Each cell of the BONUS sheet filled with its own colour, so a drawn
// pixel tells which sprite put it there.
Pixel cellColour(int cell) { return rgb(40 + 10 * cell, 200, 100); }

class BonusPainter : public testing::Test {
protected:
    void SetUp() override {
        settings() = Settings{};
        ASSERT_EQ(createSlot(3, 640, 480, 0), 1);
        for (int cell = 0; cell < kBonusCellCount; ++cell) fillRect(*slotSurface(3), &bonusSheet[std::size_t(cell)], cellColour(cell));
        ASSERT_EQ(createSlot(kWorkSurfaceA, 256, 256, 0), 1);
        fixture.config.style = Bonus;
        fixture.start();
    }
    Pixel paintAndRead(int x, int y) {
        PlayContext ctx = fixture.context();
        paintBonusFrame(ctx, layout, screen);
        return session.lastFrame().row(y)[x];
    }

    test::HeadlessSession session;
    test::PlayFixture fixture;
    const LaneLayout layout = layoutBonusLanes(FiveKeys);
    PlayScreenState screen;
};

TEST_F(BonusPainter, DrawsTheShipByItsTiltAndLeavesItOutWhileBlinkingOrFailed) {
    struct Case {
        const char* what;
        int tilt;
        int invulnerable;
        int paintedFrames;
        int cleared;
        int cell;  // 0: only the field shows
    };
    const Case cases[] = {
        {"straight", 0, 0, 0, 0, 3},         {"tilted right", 1, 0, 0, 0, 4},
        {"tilted left", -1, 0, 0, 0, 5},     {"invulnerable, shown frame", 0, 50, 1, 0, 3},
        {"invulnerable, blink frame", 0, 50, 3, 0, 0}, {"failed", 0, 0, 0, -1, 0},
    };
    BonusState& bonus = fixture.play->bonus;
    bonus.shipX = 100, bonus.shipY = 200;
    for (const Case& c : cases) {
        bonus.tilt = c.tilt;
        bonus.invulnerableTicks = c.invulnerable;
        screen.paintedFrames = c.paintedFrames;
        fixture.play->cleared = c.cleared;
        EXPECT_EQ(paintAndRead(kBonusFieldX + 100 + 16, kBonusFieldY + 200 + 16), cellColour(c.cell)) << c.what;
    }
}

TEST_F(BonusPainter, DrawsEnemiesInTheirLanesAndDestroyedOnesWithTheirOwnSprite) {
    Play& play = *fixture.play;
    play.pool.fill(PoolObject{});
    play.noteFrame = 2;
    const int y = 150;
    play.pool[0] = PoolObject{kApproaching, y, 1, 0, 0};
    play.pool[1] = PoolObject{kKindAuto, y, 3, 0, 0};
    const int top = noteOffset(play, fixture.config, y);
    const int enemyX = kBonusFieldX + 42 + kEnemyInset, destroyedX = kBonusFieldX + 126 + kEnemyInset;

    EXPECT_EQ(paintAndRead(enemyX + 16, top + 16), cellColour(6 + 2));
    EXPECT_EQ(session.lastFrame().row(top + 16)[destroyedX + 16], cellColour(10));
    EXPECT_EQ(session.lastFrame().row(top + 16)[kBonusFieldX + kEnemyInset + 16], cellColour(0)) << "lane 0 is empty";
}

TEST_F(BonusPainter, EnemiesPassingTheFieldsFootAreCutOffThere) {
    Play& play = *fixture.play;
    play.pool.fill(PoolObject{});
    const int fieldFoot = kBonusFieldY + kBonusFieldHeight;
    int y = -400;
    while (noteOffset(play, fixture.config, y) < fieldFoot - 16) ++y;  // half the enemy below the foot
    play.pool[0] = PoolObject{kApproaching, y, 1, 0, 0};
    const int enemyX = kBonusFieldX + 42 + kEnemyInset + 16;

    EXPECT_EQ(paintAndRead(enemyX, fieldFoot - 4), cellColour(6 + play.noteFrame));
    EXPECT_NE(session.lastFrame().row(fieldFoot + 4)[enemyX], cellColour(6 + play.noteFrame));
}

// Notes every beat in lane 1 of a five-key row; nothing plays them.
void loadBonusChart() {
    auto chart = std::make_unique<Chart>();
    chart->baseTempo = chart->playTempo = 150.0;
    chart->rank = 2;
    chart->gaugeGain = 1.0f;
    chart->gaugeLoss = 1.0f;
    for (int measure = 0; measure < 4; ++measure)
        for (int position = 0; position < 288; position += 72) {
            chart->playLanes[1].push(ChartObject{std::int16_t(measure), std::int16_t(position), 1, NoteKind::Normal});
            ++chart->noteCount;
        }
    chart->lastMeasure = 3;
    theChart = *chart;
}

TEST(BonusScene, TheShipFliesAndItsShotsDestroyEnemies) {
    test::HeadlessSession session;
    settings() = Settings{};
    settings().STYLE = Bonus;
    loadBonusChart();
    // Fly left until the shots cross lane 1's enemies, then keep firing.
    std::string script = "wait 2000\ndown LEFT\nwait 200\nup LEFT\n";
    for (int i = 0; i < 30; ++i) script += "press SPACE\nwait 120\n";
    session.runScript(script);

    playChart(ChartEntry{}, -1);

    const Play& play = thePlay;
    // About 12 ticks of 5 pixels from x 140; the shots leave at ship x + 8
    // and must overlap the enemy boxes at 74-106.
    EXPECT_GT(play.bonus.shipX, 50);
    EXPECT_LT(play.bonus.shipX, 98);
    EXPECT_EQ(play.bonus.shipY, 340);
    EXPECT_GT(play.coolCount + play.greatCount + play.goodCount + play.breakCount, 0);
    EXPECT_GT(play.score, 0);
}

}  // namespace
}  // namespace kv
