// Slots, presenting and grabbing the shown picture, on the headless display.
#include "media/gfx/display.h"

#include <gtest/gtest.h>

#include "media/gfx/blit.h"
#include "platform/frames.h"
#include "support/headless_session.h"

namespace kv {
namespace {

using platform::Micros;

TEST(DisplayTest, CreationGivesABlackBackSurfaceAndFreeSlots) {
    test::HeadlessSession session;
    EXPECT_TRUE(display.created);
    EXPECT_EQ(display.back.width, kScreenWidth);
    EXPECT_EQ(display.back.height, kScreenHeight);
    for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(slotSurface(slot), nullptr) << slot;
}

TEST(DisplayTest, CreateSlotRecordsSizeAndKeyAndStartsBlack) {
    test::HeadlessSession session;
    ASSERT_EQ(createSlot(265, 256, 256, 0x00FF00), 1);
    const Surface* s = slotSurface(265);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->width, 256);
    EXPECT_EQ(s->height, 256);
    EXPECT_EQ(s->colourKey, 0x00FF00u);
    EXPECT_EQ(test::hashSurface(*s), test::hashSurface(test::solidSurface(256, 256, 0)));
}

TEST(DisplayTest, RecreatingASlotDropsItsOldPictureEvenWhenCreationFails) {
    test::HeadlessSession session;
    ASSERT_EQ(createSlot(2, 4, 4, 0), 1);
    fillRect(*slotSurface(2), nullptr, 0xABCDEF);
    ASSERT_EQ(createSlot(2, 4, 4, 0), 1);
    EXPECT_EQ(slotSurface(2)->at(1, 1), 0u);

    fillRect(*slotSurface(2), nullptr, 0xABCDEF);
    EXPECT_EQ(createSlot(2, 0, 4, 0), 0);
    EXPECT_EQ(slotSurface(2), nullptr);
    EXPECT_EQ(createSlot(2, 4, -1, 0), 0);
    EXPECT_EQ(slotSurface(2), nullptr);
}

TEST(DisplayTest, SlotNumbersOutsideTheTableAreRefused) {
    test::HeadlessSession session;
    for (int slot : {-1, kSlotCount, 1000}) {
        EXPECT_EQ(createSlot(slot, 8, 8, 0), 0);
        EXPECT_EQ(slotSurface(slot), nullptr);
    }
}

TEST(DisplayTest, ReleaseSlotsFreesOnlyTheRangeAndToleratesWideRanges) {
    test::HeadlessSession session;
    for (int slot : {0, 3, 4, 100, 266}) ASSERT_EQ(createSlot(slot, 2, 2, 0), 1);
    releaseSlots(kFirstChartSlot, kLastSlot);
    EXPECT_NE(slotSurface(0), nullptr);
    EXPECT_NE(slotSurface(3), nullptr);
    for (int slot : {4, 100, 266}) EXPECT_EQ(slotSurface(slot), nullptr);
    releaseSlots(-50, 5000);
    EXPECT_EQ(slotSurface(0), nullptr);
}

TEST(DisplayTest, PresentShowsTheBackSurfaceAndKeepsIt) {
    test::HeadlessSession session;
    fillRect(display.back, nullptr, 0x336699);
    present();
    EXPECT_EQ(platform::presentedFrameCount(), 1);
    EXPECT_EQ(test::hashSurface(session.lastFrame()), test::hashSurface(display.back));
    ASSERT_EQ(session.frameHashes().size(), 1u);
    // Drawing after the present changes the back surface, not what is shown.
    fillRect(display.back, nullptr, 0);
    EXPECT_EQ(session.lastFrame().at(0, 0), 0x336699u);
}

TEST(DisplayTest, FullScreenPresentWaitsForTheNextSixtiethOfASecond) {
    test::HeadlessSession session(false);
    for (int i = 0; i < 60; ++i) present();
    EXPECT_EQ(session.clock().nowMicros(), 1'000'000);
}

TEST(DisplayTest, WindowedPresentLastsAtLeastSixteenMilliseconds) {
    test::HeadlessSession session(true);
    session.clock().advanceTo(5'000);  // between two frame boundaries
    present();
    // The frame boundary comes at 16667, but 16 ms from 5000 is later.
    EXPECT_EQ(session.clock().nowMicros(), 21'000);
    present();
    EXPECT_EQ(session.clock().nowMicros(), 37'000);
}

TEST(DisplayTest, GrabScreenCopiesThePresentedFrameNotLaterDrawing) {
    test::HeadlessSession session(true);
    ASSERT_EQ(createSlot(3, kScreenWidth, kScreenHeight, 0), 1);
    const Rect box{10, 20, 30, 40};
    fillRect(display.back, &box, 0xFF0000);
    present();
    fillRect(display.back, nullptr, 0x00FF00);

    EXPECT_EQ(grabScreen(0, 0, nullptr, 3), 0);
    EXPECT_EQ(slotSurface(3)->at(10, 20), 0xFF0000u);
    EXPECT_EQ(slotSurface(3)->at(9, 20), 0u);

    ASSERT_EQ(createSlot(5, 20, 20, 0), 1);
    EXPECT_EQ(grabScreen(0, 0, &box, 5), 0);
    EXPECT_EQ(slotSurface(5)->at(19, 19), 0xFF0000u);
    EXPECT_EQ(grabScreen(1, 0, &box, 5), kBlitRejected);  // would reach past the slot
    EXPECT_EQ(grabScreen(0, 0, nullptr, 6), kBlitRejected);  // slot not in use
}

TEST(DisplayTest, ReleaseDisplayFreesEverything) {
    test::HeadlessSession session;
    ASSERT_EQ(createSlot(0, 640, 480, 0), 1);
    releaseDisplay();
    EXPECT_FALSE(display.created);
    EXPECT_EQ(slotSurface(0), nullptr);
    present();  // nothing to present, nothing happens
    EXPECT_EQ(platform::presentedFrameCount(), 0);
}

TEST(DisplayTest, RestoreKeepsSlotPictures) {
    test::HeadlessSession session;
    ASSERT_EQ(createSlot(1, 2, 2, 0), 1);
    fillRect(*slotSurface(1), nullptr, 0x445566);
    restoreSurfaces();
    EXPECT_EQ(slotSurface(1)->at(1, 1), 0x445566u);
}

}  // namespace
}  // namespace kv
