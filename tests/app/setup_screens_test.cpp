// The key setup screen run headless from scripted keys.
#include "app/setup_screens.h"

#include <gtest/gtest.h>

#include "base/dik.h"
#include "settings/settings.h"
#include "support/skinned_scene.h"

namespace kv {
namespace {

class KeySetupScreen : public ::testing::Test {
protected:
    void SetUp() override { settings() = Settings{}; }
    void TearDown() override { settings() = Settings{}; }

    test::SkinnedScene scene{KV_HOME, "key_setup"};
};

TEST_F(KeySetupScreen, EighteenKeysReplaceTheBindings) {
    scene.session.runScript("wait 600\ntype QWERTYUIOASDFGHJK\npress L\nwait 100\n");
    EXPECT_EQ(keySetupScreen(), 1);
    const std::array<std::int32_t, kBindingCount> expected{DIK_Q, DIK_W, DIK_E, DIK_R, DIK_T, DIK_Y,
                                                           DIK_U, DIK_I, DIK_O, DIK_A, DIK_S, DIK_D,
                                                           DIK_F, DIK_G, DIK_H, DIK_J, DIK_K, DIK_L};
    EXPECT_EQ(settings().KEYCODE, expected);
}

TEST_F(KeySetupScreen, EscapeBeforeTheLastKeyKeepsTheOldBindings) {
    scene.session.runScript("wait 600\ntype QWERTY\npress ESCAPE\nwait 100\n");
    EXPECT_EQ(keySetupScreen(), 1);
    EXPECT_EQ(settings().KEYCODE, Settings{}.KEYCODE);
}

}  // namespace
}  // namespace kv
