#include <gtest/gtest.h>

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "platform/clock.h"
#include "platform/clock_counters.h"
#include "platform/events.h"
#include "platform/frames.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "scene/message_pump.h"
#include "scene/wipe.h"

namespace kv {
namespace {

bool allBlack(const Surface& picture) {
    for (Pixel pixel : picture.pixels)
        if (pixel != 0) return false;
    return true;
}

TEST(WipeStripes, FortyOneStepsCloseThePictureToBlack) {
    Surface picture(kScreenWidth, kScreenHeight);
    fillRect(picture, nullptr, rgb(255, 255, 255));
    WipeStripes stripes;
    int steps = 0;
    while (!stripes.finished()) {
        stripes.step(picture);
        ++steps;
        if (steps == 1) {
            // Even rows close from both edges, odd rows open from the centre.
            EXPECT_EQ(picture.at(8, 0), 0u);
            EXPECT_NE(picture.at(9, 0), 0u);
            EXPECT_EQ(picture.at(632, 0), 0u);
            EXPECT_NE(picture.at(631, 0), 0u);
            EXPECT_EQ(picture.at(312, 1), 0u);
            EXPECT_EQ(picture.at(327, 1), 0u);
            EXPECT_NE(picture.at(311, 1), 0u);
            EXPECT_NE(picture.at(328, 1), 0u);
            EXPECT_NE(picture.at(0, 1), 0u);
        }
    }
    EXPECT_EQ(steps, 41);
    EXPECT_TRUE(allBlack(picture));
}

// The real wipe on a headless display.
class HeadlessDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::startPlatform(true));
        ASSERT_TRUE(platform::openWindow());
        ASSERT_EQ(createDisplay(true), 1);
        for (int slot = 0; slot < 4; ++slot) ASSERT_EQ(createSlot(slot, kScreenWidth, kScreenHeight, 0), 1);
    }
    void TearDown() override {
        releaseDisplay();
        platform::stopPlatform();
        platform::clearQuit();
    }
};

TEST_F(HeadlessDisplay, WipeOutTakesAboutHalfASecondAndLeavesBlack) {
    fillRect(display.back, nullptr, rgb(200, 100, 50));
    present();
    const platform::Micros start = platform::clock().nowMicros();
    EXPECT_EQ(wipeOut(), 1);
    const platform::Micros took = platform::clock().nowMicros() - start;
    EXPECT_GE(took, 41 * 12'000 - 1000);  // 41 steps of 12 ms ...
    EXPECT_LT(took, 41 * 12'000 + 35'000);  // ... give or take the last frames
    EXPECT_TRUE(allBlack(platform::lastPresentedFrame()));
}

TEST_F(HeadlessDisplay, QuitMessageStopsTheWipeAndThePump) {
    fillRect(display.back, nullptr, rgb(200, 100, 50));
    present();
    platform::requestQuit();
    EXPECT_EQ(pumpMessages(), 0);
    EXPECT_EQ(wipeOut(), 0);
}

}  // namespace
}  // namespace kv
