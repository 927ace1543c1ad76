// The seven drawing primitives over the slot table and the back surface.
#include "media/gfx/blit.h"

#include <gtest/gtest.h>

#include "media/gfx/display.h"
#include "support/headless_session.h"

namespace kv {
namespace {

constexpr Pixel kBackground = 0x203040;
constexpr Pixel kKey = 0x000000;

class BlitTest : public ::testing::Test {
protected:
    void SetUp() override {
        fillRect(display.back, nullptr, kBackground);
        // Slot 3: a 4 x 3 picture numbered by position, with key pixels at
        // (1,0) and (2,2).
        ASSERT_EQ(createSlot(3, 4, 3, kKey), 1);
        Surface& s = *slotSurface(3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) s.row(y)[x] = rgb(10 + x, 20 + y, 30);
        s.row(0)[1] = kKey;
        s.row(2)[2] = kKey;
    }

    const Surface& slot3() { return *slotSurface(3); }
    static Pixel back(int x, int y) { return display.back.at(x, y); }
    static bool backUntouched() {
        for (Pixel p : display.back.pixels)
            if (p != kBackground) return false;
        return true;
    }

    test::HeadlessSession session;
};

TEST_F(BlitTest, DrawSpriteCopiesEveryPixelOfTheRectangleKeyIncluded) {
    const Rect source{1, 0, 3, 3};
    EXPECT_EQ(drawSprite(100, 50, &source, 3), 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(back(100 + x, 50 + y), slot3().at(1 + x, y)) << x << "," << y;
    EXPECT_EQ(back(99, 50), kBackground);
    EXPECT_EQ(back(102, 50), kBackground);
}

TEST_F(BlitTest, DrawSpriteKeyedSkipsExactlyTheKeyValue) {
    // A near-black pixel is not the key and must be drawn.
    slotSurface(3)->row(1)[0] = 0x000001;
    EXPECT_EQ(drawSpriteKeyed(0, 0, nullptr, 3), 0);
    EXPECT_EQ(back(1, 0), kBackground);
    EXPECT_EQ(back(2, 2), kBackground);
    EXPECT_EQ(back(0, 1), 0x000001u);
    EXPECT_EQ(back(3, 2), slot3().at(3, 2));
}

TEST_F(BlitTest, SlotKeyIsTheOneGivenAtCreation) {
    ASSERT_EQ(createSlot(5, 2, 1, 0xFF00FF), 1);
    slotSurface(5)->row(0)[0] = 0xFF00FF;
    slotSurface(5)->row(0)[1] = 0x000000;
    drawSpriteKeyed(10, 10, nullptr, 5);
    EXPECT_EQ(back(10, 10), kBackground);
    EXPECT_EQ(back(11, 10), 0x000000u);
}

struct PlacementCase {
    const char* name;
    int x, y;
    bool drawn;
};

class BlitPlacementTest : public BlitTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(BlitPlacementTest, DestinationMustLieWhollyInsideTheScreen) {
    const auto& c = GetParam();
    const int result = drawSprite(c.x, c.y, nullptr, 3);
    EXPECT_EQ(result == 0, c.drawn);
    EXPECT_EQ(!backUntouched(), c.drawn);
}

INSTANTIATE_TEST_SUITE_P(Edges, BlitPlacementTest,
                         ::testing::Values(PlacementCase{"TopLeftCorner", 0, 0, true},
                                           PlacementCase{"BottomRightCorner", 636, 477, true},
                                           PlacementCase{"OnePastRight", 637, 0, false},
                                           PlacementCase{"OnePastBottom", 0, 478, false},
                                           PlacementCase{"OneLeft", -1, 0, false},
                                           PlacementCase{"OneAbove", 0, -1, false},
                                           PlacementCase{"FarAway", 30000, -30000, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BlitTest, EmptyOrUnknownSlotDrawsNothingAndReturnsZero) {
    for (int slot : {0, 4, 266, -1, 267, 100000}) {
        EXPECT_EQ(drawSprite(0, 0, nullptr, slot), 0) << slot;
        EXPECT_EQ(drawSpriteKeyed(0, 0, nullptr, slot), 0) << slot;
        EXPECT_EQ(stretchSprite(0, 0, 10, 10, nullptr, slot), 0) << slot;
        EXPECT_EQ(stretchSpriteKeyed(0, 0, 10, 10, nullptr, slot), 0) << slot;
        EXPECT_EQ(copySlot(0, 0, nullptr, slot, 3), 0) << slot;
        EXPECT_EQ(copySlotKeyed(0, 0, nullptr, slot, 3), 0) << slot;
    }
    EXPECT_TRUE(backUntouched());
}

TEST_F(BlitTest, SourceRectangleOutsideTheSlotIsRefused) {
    for (Rect source : {Rect{0, 0, 5, 3}, Rect{-1, 0, 2, 2}, Rect{0, 0, 4, 4}, Rect{2, 0, 1, 3}, Rect{1, 1, 1, 2}}) {
        EXPECT_EQ(drawSprite(0, 0, &source, 3), kBlitRejected);
        EXPECT_EQ(stretchSprite(0, 0, 8, 8, &source, 3), kBlitRejected);
    }
    EXPECT_TRUE(backUntouched());
}

TEST_F(BlitTest, CopySlotWritesIntoTheDestinationSlotOnly) {
    ASSERT_EQ(createSlot(10, 8, 8, kKey), 1);
    fillRect(*slotSurface(10), nullptr, 0x111111);
    EXPECT_EQ(copySlotKeyed(2, 3, nullptr, 3, 10), 0);
    EXPECT_EQ(slotSurface(10)->at(2, 3), slot3().at(0, 0));
    EXPECT_EQ(slotSurface(10)->at(3, 3), 0x111111u);  // key pixel skipped
    EXPECT_EQ(copySlot(2, 3, nullptr, 3, 10), 0);
    EXPECT_EQ(slotSurface(10)->at(3, 3), kKey);       // unkeyed copies it
    EXPECT_EQ(copySlot(5, 0, nullptr, 3, 10), kBlitRejected);  // 4 wide at 5 passes 8
    EXPECT_TRUE(backUntouched());
}

TEST_F(BlitTest, CopyIntoASlotNotInUseDrawsNothing) {
    EXPECT_EQ(copySlot(0, 0, nullptr, 3, 42), kBlitRejected);
    EXPECT_EQ(copySlotKeyed(0, 0, nullptr, 3, 300), kBlitRejected);
    EXPECT_EQ(slotSurface(42), nullptr);
}

TEST_F(BlitTest, OverlappingCopyWithinOneSlotMovesThePicture) {
    ASSERT_EQ(createSlot(7, 6, 6, kKey), 1);
    Surface& s = *slotSurface(7);
    for (int i = 0; i < 36; ++i) s.pixels[i] = Pixel(i + 1);
    const Surface before = s;
    const Rect source{0, 0, 4, 4};
    for (bool keyed : {false, true}) {
        s = before;
        keyed ? copySlotKeyed(1, 1, &source, 7, 7) : copySlot(1, 1, &source, 7, 7);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) ASSERT_EQ(s.at(x + 1, y + 1), before.at(x, y)) << keyed << " " << x << "," << y;
        s = before;
        const Rect lower{1, 1, 5, 5};
        keyed ? copySlotKeyed(0, 0, &lower, 7, 7) : copySlot(0, 0, &lower, 7, 7);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) ASSERT_EQ(s.at(x, y), before.at(x + 1, y + 1));
    }
}

TEST_F(BlitTest, StretchPicksTheNearestSourcePixel) {
    // 4 x 3 doubled to 8 x 6: every source pixel becomes a 2 x 2 block.
    ASSERT_EQ(stretchSprite(10, 20, 18, 26, nullptr, 3), 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(back(10 + x, 20 + y), slot3().at(x / 2, y / 2)) << x << "," << y;
    // Halved: 4 x 3 into 2 x 1 keeps columns 0 and 2 of row 0.
    ASSERT_EQ(stretchSprite(0, 0, 2, 1, nullptr, 3), 0);
    EXPECT_EQ(back(0, 0), slot3().at(0, 0));
    EXPECT_EQ(back(1, 0), slot3().at(2, 0));
    EXPECT_EQ(back(2, 0), kBackground);
}

TEST_F(BlitTest, StretchKeyedAtOriginalSizeEqualsDrawSpriteKeyed) {
    stretchSpriteKeyed(50, 60, 54, 63, nullptr, 3);
    const Surface stretched = display.back;
    fillRect(display.back, nullptr, kBackground);
    drawSpriteKeyed(50, 60, nullptr, 3);
    EXPECT_EQ(stretched.pixels, display.back.pixels);
}

TEST_F(BlitTest, StretchToAnEmptyOrOutsideRectangleDrawsNothing) {
    EXPECT_EQ(stretchSprite(10, 10, 10, 20, nullptr, 3), 0);
    EXPECT_EQ(stretchSprite(10, 10, 20, 10, nullptr, 3), 0);
    EXPECT_EQ(stretchSprite(20, 10, 10, 20, nullptr, 3), kBlitRejected);
    EXPECT_EQ(stretchSprite(600, 400, 641, 480, nullptr, 3), kBlitRejected);
    EXPECT_EQ(stretchSpriteKeyed(-1, 0, 10, 10, nullptr, 3), kBlitRejected);
    EXPECT_TRUE(backUntouched());
}

TEST_F(BlitTest, FillCoversTheRectangleOrTheWholeSurfaceAndIgnoresTheKey) {
    const Rect area{5, 6, 8, 8};
    EXPECT_EQ(fillRect(display.back, &area, 0xFFFFFF), 0);
    int filled = 0;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) filled += back(x, y) == 0xFFFFFF;
    EXPECT_EQ(filled, 6);
    EXPECT_EQ(back(5, 6), 0xFFFFFFu);
    EXPECT_EQ(back(7, 7), 0xFFFFFFu);

    EXPECT_EQ(fillRect(*slotSurface(3), nullptr, kKey), 0);
    for (Pixel p : slot3().pixels) EXPECT_EQ(p, kKey);

    const Rect outside{630, 470, 641, 480};
    EXPECT_EQ(fillRect(display.back, &outside, 0x123456), kBlitRejected);
    EXPECT_EQ(back(635, 475), kBackground);
}

}  // namespace
}  // namespace kv
