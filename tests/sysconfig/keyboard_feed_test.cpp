#include "sysconfig/keyboard_feed.h"

#include <gtest/gtest.h>

#include "sysconfig/config_dialog.h"

namespace kv::sysconfig {
namespace {

const MeasureText kMonospace = [](std::string_view text) { return int(text.size()) * 8; };

class KeyboardFeedTest : public ::testing::Test {
protected:
    Dialog dialog = makeConfigDialog(kMonospace);
    KeyboardFeed feed;
    std::uint8_t keys[kKeyCount] = {};
    std::int64_t nowMs = 0;

    // One frame with exactly these keys held.
    int frame(std::initializer_list<int> held, std::int64_t elapsedMs = 17) {
        std::fill(std::begin(keys), std::end(keys), 0);
        for (int dik : held) keys[dik] = kKeyDown;
        nowMs += elapsedMs;
        return feed.feed(keys, nowMs, dialog);
    }
    const std::string& name() const { return dialog.control(kNameEdit).edit.text(); }
    void focusName() {
        dialog.click(dialog.control(kNameEdit).box.left + 1, dialog.control(kNameEdit).box.top + 1);
    }
};

TEST_F(KeyboardFeedTest, KeysTypeTheirCharacterOncePerPress) {
    focusName();
    frame({DIK_A});
    frame({DIK_A});  // still held: no second letter yet
    frame({});
    frame({DIK_LSHIFT, DIK_B});
    frame({DIK_RSHIFT});
    frame({DIK_RSHIFT, DIK_1});
    frame({DIK_LCONTROL, DIK_C});  // a shortcut, not text
    frame({DIK_RMENU, DIK_D});
    EXPECT_EQ(name(), "aB!");
}

TEST_F(KeyboardFeedTest, HeldKeyRepeatsAfterAPause) {
    focusName();
    frame({DIK_X});
    frame({DIK_X}, KeyboardFeed::kRepeatDelayMs - 1);
    EXPECT_EQ(name(), "x");
    frame({DIK_X}, 1);
    EXPECT_EQ(name(), "xx");
    frame({DIK_X}, KeyboardFeed::kRepeatIntervalMs - 1);
    EXPECT_EQ(name(), "xx");
    frame({DIK_X}, 1);
    EXPECT_EQ(name(), "xxx");
    frame({});
    frame({}, 1000);
    EXPECT_EQ(name(), "xxx");
}

TEST_F(KeyboardFeedTest, NavigationKeysDriveTheDialogAndEscapeDoesNothing) {
    EXPECT_EQ(frame({DIK_ESCAPE}), 0);
    frame({});
    frame({DIK_SPACE});
    EXPECT_TRUE(dialog.control(kWindowModeBox).checked);
    frame({DIK_LSHIFT, DIK_TAB});
    EXPECT_EQ(dialog.controls()[dialog.focus()].id, kCancelButton);
    frame({});
    EXPECT_EQ(frame({DIK_RETURN}), kCancelButton);
}

}  // namespace
}  // namespace kv::sysconfig
