// Lane states from the key and joypad bindings.
#include "media/input/lanes.h"

#include <gtest/gtest.h>

#include "base/dik.h"

namespace kv {
namespace {

enum KeyMode { kFive = 0, kSeven = 1, kTen = 2, kFourteen = 3 };

class LanesTest : public ::testing::Test {
protected:
    void press(int dik) { keys[dik] = kKeyDown; }
    // One sampling step; returns the lane states.
    const std::int16_t* sample(int keyMode) {
        sampleLanes(keyMode, bindings, keys, joypads, joypadCount, lanes);
        return lanes.now;
    }

    Settings defaults;
    LaneBindings bindings = laneBindings(defaults);
    std::uint8_t keys[kKeyCount] = {};
    JoypadState joypads;
    int joypadCount = 0;
    LaneStates lanes;
};

TEST_F(LanesTest, BindingsComeFromTheSettings) {
    defaults.KEYCODE[4] = DIK_Q;
    defaults.USEJOYPAD = 0;
    defaults.AUTOPLAY = 2;
    const LaneBindings fromSettings = laneBindings(defaults);
    EXPECT_EQ(fromSettings.keyCodes[4], DIK_Q);
    EXPECT_EQ(fromSettings.joyCodes[16], 0);
    EXPECT_FALSE(fromSettings.useJoypad);
    EXPECT_TRUE(fromSettings.autoTurntables);
    defaults.AUTOPLAY = 1;
    EXPECT_FALSE(laneBindings(defaults).autoTurntables);
}

TEST_F(LanesTest, BindingTablePerKeyMode) {
    const int expected[4][kLaneCount] = {
        {1, 2, 3, 4, 5, 6, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
        {1, 2, 3, 4, 5, 6, 7, 8, -1, -1, -1, -1, -1, -1, -1, -1},
        {1, 2, 3, 4, 5, 6, -1, -1, 10, 13, 14, 15, 16, 17, -1, -1},
        {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17},
    };
    for (int mode = 0; mode < 4; ++mode)
        for (int lane = 0; lane < kLaneCount; ++lane) EXPECT_EQ(laneBinding(mode, lane), expected[mode][lane]);
    for (int badMode : {-1, 4, 8}) EXPECT_EQ(laneBinding(badMode, 1), -1);
    EXPECT_EQ(laneBinding(kSeven, 16), -1);
}

TEST_F(LanesTest, TurntableShiftIsOneSpaceIsTwoAndTwoWins) {
    press(DIK_LSHIFT);
    EXPECT_EQ(sample(kSeven)[0], 1);
    press(DIK_SPACE);
    EXPECT_EQ(sample(kSeven)[0], 2);
    keys[DIK_LSHIFT] = 0;
    EXPECT_EQ(sample(kSeven)[0], 2);
}

TEST_F(LanesTest, FiveKeysIgnoreKeysSixAndSevenAndThePlayerTwoSide) {
    for (int dik : {DIK_F, DIK_V, DIK_RSHIFT, DIK_RETURN, DIK_B, DIK_H, DIK_N}) press(dik);
    const std::int16_t* now = sample(kFive);
    for (int lane = 0; lane < kLaneCount; ++lane) EXPECT_EQ(now[lane], 0) << lane;
    press(DIK_C);  // key 5
    EXPECT_EQ(sample(kFive)[5], 1);
}

TEST_F(LanesTest, TenKeysUsePlayerTwoKeysThreeToSeven) {
    press(DIK_B);
    press(DIK_H);
    const std::int16_t* now = sample(kTen);
    for (int lane = 8; lane < kLaneCount; ++lane) EXPECT_EQ(now[lane], 0) << lane;
    const int keysOfLanes[] = {DIK_N, DIK_J, DIK_M, DIK_K, DIK_COMMA};
    for (int i = 0; i < 5; ++i) {
        keys[keysOfLanes[i]] = kKeyDown;
        EXPECT_EQ(sample(kTen)[9 + i], 1) << i;
        keys[keysOfLanes[i]] = 0;
    }
    press(DIK_RETURN);
    EXPECT_EQ(sample(kTen)[8], 1);
    press(DIK_RSHIFT);
    EXPECT_EQ(sample(kTen)[8], 2);
}

TEST_F(LanesTest, PreviousStateIsTheLastStepsState) {
    press(DIK_Z);
    sample(kSeven);
    keys[DIK_Z] = 0;
    sample(kSeven);
    EXPECT_EQ(lanes.previous[1], 1);
    EXPECT_EQ(lanes.now[1], 0);
}

TEST_F(LanesTest, AutoTurntablesLeaveLanesZeroAndEightAlone) {
    bindings.autoTurntables = true;
    lanes.now[0] = 2;  // set by the autoplay
    lanes.previous[0] = 1;
    press(DIK_Z);
    sample(kFourteen);
    EXPECT_EQ(lanes.now[0], 2);
    EXPECT_EQ(lanes.previous[0], 1);
    EXPECT_EQ(lanes.now[1], 1);
}

TEST_F(LanesTest, KeyBindingsOutsideTheTableBindNothing) {
    for (std::int32_t code : {-1, 256, 999, -2147483647 - 1, 2147483647}) {
        bindings.keyCodes[2] = code;
        std::fill(std::begin(keys), std::end(keys), kKeyDown);
        EXPECT_EQ(sample(kSeven)[1], 0) << code;
        EXPECT_FALSE(keyBindingDown(code, keys));
    }
}

TEST_F(LanesTest, JoypadButtonsAndAxesPressLanesWhenEnabled) {
    joypadCount = 2;
    bindings.joyCodes[2] = 1 * 32 + 5;  // key 1: joypad 1, button 5
    bindings.joyCodes[3] = 261;         // key 2: joypad 1 moved down
    bindings.joyCodes[0] = 256 + 2;     // turntable second direction: joypad 0 left
    joypads.buttons[1][5] = 1;
    joypads.y[1] = 64;
    joypads.x[0] = -127;
    bindings.useJoypad = false;
    EXPECT_EQ(sample(kSeven)[1], 0);
    bindings.useJoypad = true;
    const std::int16_t* now = sample(kSeven);
    EXPECT_EQ(now[1], 1);
    EXPECT_EQ(now[2], 1);
    EXPECT_EQ(now[0], 2);
}

TEST_F(LanesTest, AxesCountOnlyPastHalfTheirRange) {
    joypadCount = 1;
    struct Case {
        std::int32_t code, x, y;
        bool active;
    };
    const Case cases[] = {
        {256, 0, -2, false}, {256, 0, -63, false}, {256, 0, -64, true}, {257, 0, 63, false}, {257, 0, 64, true},
        {258, -40, 0, false}, {258, -64, 0, true}, {259, 63, 0, false}, {259, 127, 0, true},
        {259, 127, 30, true},  // drift on the other axis changes nothing
    };
    for (const auto& c : cases) {
        joypads.x[0] = c.x;
        joypads.y[0] = c.y;
        EXPECT_EQ(joyBindingActive(c.code, joypads, joypadCount), c.active) << c.code << " " << c.x << " " << c.y;
    }
}

TEST_F(LanesTest, JoypadCodesOfMissingPadsOrOutsideTheTableReadInactive) {
    joypadCount = 1;
    joypads.buttons[1][0] = 1;  // stale data of a pad that is not there
    joypads.y[3] = 100;
    for (std::int32_t code : {32, 256 + 4 * 3 + 1, 288, 998, 999, 1000, -1, -300})
        EXPECT_FALSE(joyBindingActive(code, joypads, joypadCount)) << code;
}

TEST_F(LanesTest, JoypadsNeverClearAKeyboardPress) {
    bindings.useJoypad = true;
    joypadCount = 1;
    bindings.joyCodes[1] = 0;  // turntable state 1 on button 0
    joypads.buttons[0][0] = 1;
    press(DIK_SPACE);          // keyboard gives state 2
    EXPECT_EQ(sample(kSeven)[0], 2);
}

TEST_F(LanesTest, UnknownKeyModeReadsNoLane) {
    for (int i = 0; i < kKeyCount; ++i) keys[i] = kKeyDown;
    const std::int16_t* now = sample(9);
    for (int lane = 0; lane < kLaneCount; ++lane) EXPECT_EQ(now[lane], 0);
}

}  // namespace
}  // namespace kv
