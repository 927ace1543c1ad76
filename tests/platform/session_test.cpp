// Starting the platform, the quit message, message boxes and a real
// window on SDL's dummy video driver.
#include <gtest/gtest.h>

#include <csignal>

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "platform/events.h"
#include "platform/frames.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "support/environment.h"
#include "support/headless_session.h"
#include "support/temp_folder.h"

namespace kv::platform {
namespace {

TEST(QuitTest, RequestsStayUntilCleared) {
    test::HeadlessSession session;
    EXPECT_FALSE(pumpEvents().quit);
    requestQuit();
    EXPECT_TRUE(pumpEvents().quit);
    EXPECT_TRUE(pumpEvents().quit);
    clearQuit();
    EXPECT_FALSE(quitRequested());
}

TEST(QuitTest, SigtermIsTheQuitMessage) {
    test::HeadlessSession session;
    std::raise(SIGTERM);
    EXPECT_TRUE(pumpEvents().quit);
}

TEST(MessageBoxTest, HeadlessMessagesGoToStandardError) {
    test::HeadlessSession session;
    ::testing::internal::CaptureStderr();
    showMessage("DirectX error!!");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "DirectX error!!\n");
}

TEST(HeadlessTest, StartsWithTheManualClockAndNothingPresented) {
    test::HeadlessSession session;
    EXPECT_TRUE(isHeadless());
    EXPECT_EQ(clock().nowMicros(), 0);
    EXPECT_EQ(presentedFrameCount(), 0);
    EXPECT_EQ(lastPresentedFrame().width, kPictureWidth);
    EXPECT_EQ(lastPresentedFrame().at(0, 0), 0u);
}

TEST(HeadlessTest, FramesFolderGetsEveryPresentedFrame) {
    test::TempFolder folder("kv_frames");
    test::HeadlessSession session;
    ASSERT_TRUE(setFramesFolder(folder / "frames"));
    for (int i = 0; i < 3; ++i) present();
    setFramesFolder({});
    present();
    EXPECT_TRUE(std::filesystem::exists(folder / "frames/frame_000001.png"));
    EXPECT_TRUE(std::filesystem::exists(folder / "frames/frame_000003.png"));
    EXPECT_FALSE(std::filesystem::exists(folder / "frames/frame_000004.png"));
}

// The real presentation path, on the dummy driver the test run selects.
class DummyWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setEnvironment("SDL_VIDEODRIVER", "dummy");
        ASSERT_TRUE(startPlatform(false));
        ASSERT_TRUE(openWindow());
    }
    void TearDown() override {
        releaseDisplay();
        stopPlatform();
    }
};

TEST_F(DummyWindowTest, PresentsInAWindowAndKeepsTheFrame) {
    ASSERT_EQ(createDisplay(true), 1);
    EXPECT_FALSE(isHeadless());
    fillRect(display.back, nullptr, 0x102030);
    present();
    EXPECT_EQ(lastPresentedFrame().at(320, 240), 0x102030u);
    EXPECT_TRUE(restorePresentation());
    const Rect client = windowClientRect();
    EXPECT_EQ(client.width(), kPictureWidth);
    EXPECT_EQ(client.height(), kPictureHeight);
    EXPECT_FALSE(pumpEvents().quit);
}

TEST_F(DummyWindowTest, FullScreenOpensToo) {
    EXPECT_EQ(createDisplay(false), 1);
    present();
    EXPECT_EQ(presentedFrameCount(), 1);
}

TEST_F(DummyWindowTest, OtherProgramsMayShowOtherPictureSizes) {
    ASSERT_TRUE(openPresentation(true, "Kelvarin][ System config", 486, 374));
    EXPECT_EQ(pictureWidth(), 486);
    presentFrame(test::solidSurface(486, 374, 0xC0C0C0));
    EXPECT_EQ(lastPresentedFrame().width, 486);
    EXPECT_EQ(windowClientRect().height(), 374);
    // A picture of the wrong size is kept but never uploaded past the texture.
    presentFrame(test::solidSurface(640, 480, 0));
    EXPECT_EQ(presentedFrameCount(), 2);
}

}  // namespace
}  // namespace kv::platform
