#include <gtest/gtest.h>

#include <memory>

#include "chart/chart.h"

namespace kv {
namespace {

TEST(FixedList, FullListDropsNewItemsAndKeepsOldOnes) {
    FixedList<int, 3> list;
    EXPECT_TRUE(list.push(1));
    EXPECT_TRUE(list.push(2));
    EXPECT_TRUE(list.push(3));
    EXPECT_FALSE(list.push(4));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[2], 3);
    list.clear();
    EXPECT_TRUE(list.empty());
}

TEST(LaneInUse, EachKeyModePlaysItsLanes) {
    // One row per key mode: which of lanes 0-15 are played.
    const char* rows[] = {
        "1111110000000000",  // 5 keys
        "1111111100000000",  // 7 keys
        "1111110011111100",  // 10 keys
        "1111111111111111",  // 14 keys
    };
    for (int mode = 0; mode < 4; ++mode)
        for (int lane = 0; lane < kLaneCount; ++lane)
            EXPECT_EQ(laneInUse(mode, lane), rows[mode][lane] == '1') << "mode " << mode << " lane " << lane;
}

TEST(MeasureLengthOf, ListedMeasuresOnlyDifferFromStandard) {
    auto chart = std::make_unique<Chart>();
    chart->measureLengths.push({3, 216});
    chart->measureLengths.push({5, 144});
    EXPECT_EQ(chart->measureLengthOf(0), 288);
    EXPECT_EQ(chart->measureLengthOf(3), 216);
    EXPECT_EQ(chart->measureLengthOf(4), 288);
    EXPECT_EQ(chart->measureLengthOf(5), 144);
}

}  // namespace
}  // namespace kv
