// SCAN2 sparks: they move on even ages, vanish after 14, follow the sweep
// when it starts over, and a full pool drops new ones.
#include <gtest/gtest.h>

#include "play/scan_sparks.h"

namespace kv {
namespace {

TEST(ScanSparks, MoveOnEvenAgesAndVanishAfterFourteen) {
    ScanSparks sparks;
    addScanSpark(sparks, ScanSpark{false, 47, 100.0f, 50, 0, 0, 3, -2, 0});
    const ScanSpark& spark = sparks.slots[0];
    tickScanSparks(sparks);  // age 1
    EXPECT_EQ(spark.dx, 0);
    tickScanSparks(sparks);  // age 2
    EXPECT_EQ(spark.dx, 3);
    EXPECT_EQ(spark.dy, -2);
    for (int age = 3; age <= 14; ++age) tickScanSparks(sparks);
    EXPECT_TRUE(spark.used);
    EXPECT_EQ(spark.dx, 3 * 7);
    tickScanSparks(sparks);
    EXPECT_FALSE(spark.used);
}

TEST(ScanSparks, JumpBackWithTheNotesWhenTheSweepStartsOver) {
    ScanSparks sparks;
    followScanSweep(sparks, 570.0f);
    addScanSpark(sparks, ScanSpark{false, 47, 600.0f});
    followScanSweep(sparks, 575.0f);
    EXPECT_FLOAT_EQ(sparks.slots[0].sweep, 600.0f);
    followScanSweep(sparks, 3.0f);
    EXPECT_FLOAT_EQ(sparks.slots[0].sweep, 24.0f);
}

TEST(ScanSparks, AFullPoolDropsNewSparks) {
    ScanSparks sparks;
    for (int i = 0; i < kScanSparkSlots; ++i) addScanSpark(sparks, ScanSpark{false, 43, float(i)});
    addScanSpark(sparks, ScanSpark{false, 47, 999.0f});
    for (const ScanSpark& spark : sparks.slots) {
        EXPECT_TRUE(spark.used);
        EXPECT_NE(spark.cell, 47);
    }
}

}  // namespace
}  // namespace kv
