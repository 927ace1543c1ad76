#include "screens/select/option_panel.h"

#include <gtest/gtest.h>

#include "base/dik.h"

namespace kv {
namespace {

struct PanelFixture : ::testing::Test {
    Settings settings;
    OptionPanel panel;
    std::uint8_t keys[kKeyCount] = {};

    void SetUp() override { loadPage(panel, settings, 0); }
    void hold(int key) { keys[key] = kKeyDown; }
};

TEST_F(PanelFixture, SpeedStepsForwardAndBackWithWrap) {
    struct Case { int start; bool back; int expected; };
    for (const Case c : {Case{19, false, 0}, Case{0, true, 19}, Case{2, false, 3}, Case{2, true, 1}}) {
        settings.SPEED = std::int8_t(c.start);
        loadPage(panel, settings, 0);
        stepOptionLine(panel, settings, 0, c.back);
        EXPECT_EQ(settings.SPEED, c.expected) << "from " << c.start << (c.back ? " back" : " forward");
        EXPECT_EQ(panel.values[0], c.expected);
    }
}

TEST_F(PanelFixture, OutOfRangeCodeStepsBackIntoRange) {
    settings.SPEED = 40;
    loadPage(panel, settings, 0);
    stepOptionLine(panel, settings, 0, false);
    EXPECT_EQ(settings.SPEED, 0);
}

TEST_F(PanelFixture, NonstopOnlyAnswersOutsideFreePlay) {
    hold(DIK_N);
    EXPECT_EQ(pressedOptionLine(panel, keys, 0), -1);
    EXPECT_EQ(pressedOptionLine(panel, keys, 1), 5);
    EXPECT_EQ(pressedOptionLine(panel, keys, 2), 5);
}

TEST_F(PanelFixture, FirstPressedLineOfThePageWins) {
    switchOptionPage(panel, settings, 2);
    hold(DIK_R);  // RANKING, the last line
    hold(DIK_G);  // GAUGE, the first line
    EXPECT_EQ(pressedOptionLine(panel, keys, 0), 0);
    hold(DIK_S);  // not a key of this page
    keys[DIK_G] = 0;
    EXPECT_EQ(pressedOptionLine(panel, keys, 0), 6);
}

TEST_F(PanelFixture, MarkerFollowsTheRankedRules) {
    using Field = std::int8_t Settings::*;
    struct Case { Field field; int value; };
    updateUnrankedMarker(panel, settings);
    ASSERT_EQ(panel.unrankedMarker, 0) << "defaults are ranked";
    for (const Case c : {Case{&Settings::TEMPO, 1}, Case{&Settings::IGMISS, 1}, Case{&Settings::IGCOOL, 1},
                         Case{&Settings::AUTOPLAY, 2}, Case{&Settings::RANKING, 0}, Case{&Settings::STYLE, 4},
                         Case{&Settings::LEVEL, 1}, Case{&Settings::OBJECT, 11}}) {
        Settings changed = settings;
        changed.*c.field = std::int8_t(c.value);
        updateUnrankedMarker(panel, changed);
        EXPECT_EQ(panel.unrankedMarker, 1);
    }
    Settings symmetryNeighbour = settings;
    symmetryNeighbour.OBJECT = 10;
    updateUnrankedMarker(panel, symmetryNeighbour);
    EXPECT_EQ(panel.unrankedMarker, 0);
}

TEST_F(PanelFixture, TempoOnAndOffTogglesTheMarker) {
    switchOptionPage(panel, settings, 2);
    for (int i = 0; i < 5; ++i) {
        stepOptionLine(panel, settings, 4, false);
        EXPECT_EQ(panel.unrankedMarker, settings.TEMPO != 0 ? 1 : 0) << "TEMPO " << int(settings.TEMPO);
    }
    EXPECT_EQ(settings.TEMPO, 0);
}

TEST_F(PanelFixture, SwitchingPagesKeepsEveryChange) {
    stepOptionLine(panel, settings, 1, false);  // OBJECT
    switchOptionPage(panel, settings, 3);
    stepOptionLine(panel, settings, 0, false);  // BGA
    switchOptionPage(panel, settings, 0);
    EXPECT_EQ(settings.OBJECT, 1);
    EXPECT_EQ(settings.BGA, 2);
    EXPECT_EQ(panel.values[1], 1);
    EXPECT_EQ(panel.page, 0);
}

}  // namespace
}  // namespace kv
