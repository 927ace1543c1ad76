// The input devices over the platform's key table.
#include "media/input/input.h"

#include <gtest/gtest.h>

#include "platform/keyboard.h"
#include "support/headless_session.h"

namespace kv {
namespace {

TEST(InputTest, KeyboardReadCopiesTheTableOnlyWhenThereIsAKeyboard) {
    test::HeadlessSession session;
    releaseInput();
    session.setKey(DIK_ESCAPE, true);
    EXPECT_EQ(readKeyboard(), 0);
    EXPECT_EQ(input.keys[DIK_ESCAPE], 0);

    ASSERT_EQ(createInput(), 1);
    ASSERT_EQ(createKeyboard(), 1);
    acquireKeyboard();
    EXPECT_EQ(readKeyboard(), 1);
    EXPECT_EQ(input.keys[DIK_ESCAPE], kKeyDown);
    session.setKey(DIK_ESCAPE, false);
    EXPECT_EQ(input.keys[DIK_ESCAPE], kKeyDown);  // until the next read
    readKeyboard();
    EXPECT_EQ(input.keys[DIK_ESCAPE], 0);
    releaseInput();
}

TEST(InputTest, HeadlessRunsHaveNoJoypadsAndReadThemCentred) {
    test::HeadlessSession session;
    createInput();
    EXPECT_EQ(createJoypads(), 0);
    JoypadState state;
    state.x[0] = 55;
    state.buttons[7][31] = 1;
    EXPECT_EQ(readJoypads(state), 1);
    EXPECT_EQ(state.x[0], 0);
    EXPECT_EQ(state.buttons[7][31], 0);
    releaseInput();
}

}  // namespace
}  // namespace kv
