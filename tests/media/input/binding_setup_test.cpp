// The setup screens' rules for taking one key or joypad control per prompt.
#include "media/input/binding_setup.h"

#include <gtest/gtest.h>

#include "base/dik.h"

namespace kv {
namespace {

BindingSetup prompting() {
    BindingSetup setup;
    while (setup.index < 0) setup.slideIn();
    return setup;
}

TEST(BindingSetup, PicturesSlideInBeforeThePromptsBegin) {
    BindingSetup setup;
    int frames = 0;
    while (setup.index < 0) {
        setup.slideIn();
        ++frames;
    }
    EXPECT_EQ(frames, 26);  // 200 pixels, 8 a frame, until it drops below 0
    EXPECT_EQ(setup.slide, 0);
    EXPECT_EQ(setupPrompt(0), "PRESS KEY FOR L EFFECT");
    EXPECT_EQ(setupPrompt(10), "PRESS KEY FOR R EFFECT ONEMORE");
    EXPECT_EQ(setupPrompt(17), "PRESS KEY FOR R KEYBOARD 7");
}

class KeySetup : public ::testing::Test {
protected:
    void frame(std::initializer_list<int> down) {
        std::fill(std::begin(keys), std::end(keys), 0);
        for (int dik : down) keys[dik] = 0x80;
        takeKey(setup, keys);
    }
    BindingSetup setup = prompting();
    std::uint8_t keys[kKeyCount] = {};
};

TEST_F(KeySetup, TheSameKeyForEveryPromptBindsAllEighteen) {
    for (int control = 0; control < kBindingCount; ++control) {
        frame({DIK_Z});
        frame({});
    }
    EXPECT_TRUE(setup.done);
    for (std::int32_t code : setup.bindings) EXPECT_EQ(code, DIK_Z);
}

TEST_F(KeySetup, AHeldKeyBindsOnceAndTheLowestKeyDownIsTaken) {
    frame({DIK_X, DIK_Z});  // Z has the lower scan code
    frame({DIK_X, DIK_Z});
    frame({DIK_X});  // still not every key up
    EXPECT_EQ(setup.index, 1);
    EXPECT_EQ(setup.bindings[0], DIK_Z);
    frame({});
    frame({DIK_C});
    EXPECT_EQ(setup.index, 2);
    EXPECT_EQ(setup.bindings[1], DIK_C);
}

TEST_F(KeySetup, KeysAbove222NeverHoldAPromptBack) {
    frame({DIK_A});
    frame({223});  // a held high key counts as all keys up
    frame({DIK_S});
    EXPECT_EQ(setup.index, 2);
    EXPECT_EQ(setup.bindings[1], DIK_S);
}

TEST_F(KeySetup, EscapeAsTheLastBindingCompletesTheSet) {
    for (int control = 0; control < kBindingCount - 1; ++control) {
        frame({DIK_A});
        frame({});
    }
    EXPECT_FALSE(setup.done);
    frame({DIK_ESCAPE});
    EXPECT_TRUE(setup.complete());
    EXPECT_EQ(setup.bindings[17], DIK_ESCAPE);
}

class JoypadSetup : public ::testing::Test {
protected:
    void frame(const JoypadControls& now, bool space = false) { takeJoypadControl(setup, now, previous, space); }
    BindingSetup setup = prompting();
    JoypadControls previous = JoypadControls::allHeld();
    JoypadControls idle;
};

TEST_F(JoypadSetup, ControlsHeldWhenThePromptsBeginCountOnlyAfterRelease) {
    JoypadControls held;
    held.buttons[3] = 1;
    frame(held);
    EXPECT_EQ(setup.index, 0);
    frame(idle);
    frame(held);
    EXPECT_EQ(setup.index, 1);
    EXPECT_EQ(setup.bindings[0], 3);
}

TEST_F(JoypadSetup, TwoNewButtonsBindTheHigherOneAndDirectionsCodeTheirJoypad) {
    frame(idle);
    JoypadControls two;
    two.buttons[5] = two.buttons[40] = 1;  // joypad 1's button 8 is code 40
    frame(two);
    EXPECT_EQ(setup.bindings[0], 40);

    JoypadState state;
    state.x[1] = 1000;  // joypad 1 pushed right
    frame(idle);
    frame(joypadControls(state));
    EXPECT_EQ(setup.bindings[1], 256 + 4 * 1 + 3);
}

TEST_F(JoypadSetup, ADriftingStickBindsNothingUntilPushedPastHalfway) {
    JoypadState state;
    state.x[0] = -63;
    state.y[0] = 40;
    frame(idle);
    frame(joypadControls(state));
    EXPECT_EQ(setup.index, 0);
    state.y[0] = 64;
    frame(joypadControls(state));
    EXPECT_EQ(setup.bindings[0], 256 + 1);
}

TEST_F(JoypadSetup, SpaceSkipsAControlOncePerPress) {
    frame(idle, true);
    frame(idle, true);
    EXPECT_EQ(setup.index, 1);
    EXPECT_EQ(setup.bindings[0], kJoypadUnbound);
    frame(idle, false);
    frame(idle, true);
    EXPECT_EQ(setup.index, 2);
}

}  // namespace
}  // namespace kv
