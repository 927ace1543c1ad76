#include <gtest/gtest.h>

#include <map>
#include <set>

#include "chart/lane_transform.h"
#include "chart_fixture.h"

namespace kv::testing {
namespace {

// A chart with one note per given lane, each in its own measure so that
// every note can be traced: the note of lane L sits in measure L with sample L + 1.
class LaneTransform : public ::testing::Test {
protected:
    std::unique_ptr<Chart> chart = std::make_unique<Chart>();
    int draws = 0;

    void fill(int keyMode, std::initializer_list<int> lanes) {
        chart->keyMode = std::int8_t(keyMode);
        for (int lane : lanes) {
            chart->sourceLanes[std::size_t(lane)].push(
                {std::int16_t(lane), 0, std::int16_t(lane + 1), NoteKind::Normal});
            ++chart->noteCount;
            chart->lastMeasure = std::int16_t(std::max<int>(chart->lastMeasure, lane));
        }
    }

    // Play lane each source lane's note went to.
    std::map<int, int> destinations() const {
        std::map<int, int> where;
        for (int lane = 0; lane < kLaneCount; ++lane)
            for (const ChartObject& note : chart->playLanes[std::size_t(lane)]) where[note.sample - 1] = lane;
        return where;
    }

    RandomSource counting(std::vector<int> values) {
        auto next = randomSequence(std::move(values));
        return [this, next] {
            ++draws;
            return next();
        };
    }
};

struct MapCase {
    const char* name;
    int keyMode;
    int object;
    std::vector<int> randomValues;
    std::map<int, int> destinations;
};

class LaneMaps : public LaneTransform, public ::testing::WithParamInterface<MapCase> {};

TEST_P(LaneMaps, SendEachLaneWhereTheOptionSays) {
    const MapCase& c = GetParam();
    fill(c.keyMode, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    for (int lane = 0; lane < kLaneCount; ++lane)
        if (!laneInUse(c.keyMode, lane)) chart->sourceLanes[std::size_t(lane)].clear();
    std::map<int, int> expected;
    for (int lane = 0; lane < kLaneCount; ++lane)
        if (laneInUse(c.keyMode, lane)) expected[lane] = lane;
    for (const auto& [from, to] : c.destinations) expected[from] = to;

    transformLanes(*chart, c.object, 0, randomSequence(c.randomValues));
    EXPECT_EQ(destinations(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Transforms, LaneMaps,
    ::testing::Values(
        MapCase{"Normal", 1, 0, {}, {}},
        MapCase{"SevenKeyMirror", 1, 1, {}, {{1, 7}, {2, 6}, {3, 5}, {5, 3}, {6, 2}, {7, 1}}},
        MapCase{"SevenKeyMirrorWithTurntable", 1, 6, {}, {{0, 7}, {1, 6}, {2, 5}, {3, 4}, {4, 3}, {5, 2}, {6, 1}, {7, 0}}},
        MapCase{"FourteenKeyMirrorSwapsSides", 3, 1, {},
                {{1, 15}, {2, 14}, {3, 13}, {4, 12}, {5, 11}, {6, 10}, {7, 9},
                 {9, 7}, {10, 6}, {11, 5}, {12, 4}, {13, 3}, {14, 2}, {15, 1}}},
        MapCase{"TenKeyMirrorWithTurntables", 2, 6, {}, {{0, 13}, {1, 12}, {2, 11}, {3, 10}, {4, 9}, {5, 8},
                                                          {8, 5}, {9, 4}, {10, 3}, {11, 2}, {12, 1}, {13, 0}}},
        MapCase{"FiveKeyRotateByTwo", 0, 5, {2}, {{1, 3}, {2, 4}, {3, 5}, {4, 1}, {5, 2}}},
        MapCase{"RotateWrapsTheDraw", 0, 10, {8}, {{0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 0}, {5, 1}}},
        // Draws pair up as exchanges of positions: (0,4), (1,3), then no-ops.
        MapCase{"RandomExchanges", 0, 2, {0, 4, 1, 3, 2, 2, 0, 0, 1, 1}, {{1, 5}, {2, 4}, {4, 2}, {5, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaneTransform, PanicGivesEveryChordItsOwnPermutation) {
    chart->keyMode = FiveKeys;
    for (int lane : {1, 2, 3}) chart->sourceLanes[std::size_t(lane)].push({0, 0, 1, NoteKind::Normal});
    for (int lane : {1, 2, 3}) chart->sourceLanes[std::size_t(lane)].push({0, 144, 2, NoteKind::Normal});
    chart->noteCount = 6;
    std::vector<int> values;
    for (int i = 0; i < 40; ++i) values.push_back(i * 7919 % 32768);
    transformLanes(*chart, ObjectPanic, 0, counting(values));

    EXPECT_EQ(draws, 2 * 2 * 5);  // one reshuffle of five exchanges per chord
    for (int position : {0, 144}) {
        std::set<int> lanes;
        for (int lane = 0; lane < kLaneCount; ++lane)
            for (const ChartObject& note : chart->playLanes[std::size_t(lane)])
                if (note.position == position) lanes.insert(lane);
        EXPECT_EQ(lanes.size(), 3u) << "chord at " << position;
    }
    EXPECT_EQ(chart->noteCount, 6);
}

// Notes fall due at the first step of the grid at or after them: one past
// the end of a short measure joins the chord at the next measure's start,
// and notes of a final measure of length 0 come due together at its end.
TEST_F(LaneTransform, PanicChordsAreTheNotesThatFallDueAtOneStep) {
    chart->keyMode = FiveKeys;
    chart->measureLengths.push({0, 144});
    chart->measureLengths.push({2, 0});
    chart->sourceLanes[1].push({0, 200, 1, NoteKind::Normal});
    chart->sourceLanes[2].push({1, 0, 2, NoteKind::Normal});
    chart->sourceLanes[3].push({1, 50, 3, NoteKind::Normal});
    chart->sourceLanes[4].push({2, 0, 4, NoteKind::Normal});
    chart->sourceLanes[5].push({2, 0, 5, NoteKind::Normal});
    chart->lastMeasure = 2;
    chart->noteCount = 5;
    transformLanes(*chart, ObjectPanic, 0, counting({}));

    EXPECT_EQ(draws, 3 * 2 * 5);  // chords {1, 2}, {3}, {4, 5}
    EXPECT_EQ(destinations().size(), 5u);
    EXPECT_EQ(chart->noteCount, 5);
}

TEST_F(LaneTransform, ShuffleReshufflesAfterStandardMeasuresOnly) {
    fill(FiveKeys, {1, 2, 3});  // measures 1-3
    transformLanes(*chart, ObjectShuffle, 0, counting({}));
    EXPECT_EQ(draws, (1 + 4) * 2 * 5);  // the first permutation, then after measures 0-3

    chart = std::make_unique<Chart>();
    draws = 0;
    fill(FiveKeys, {1, 2, 3});
    for (int measure = 0; measure <= 3; ++measure) chart->measureLengths.push({std::int16_t(measure), 144});
    transformLanes(*chart, ObjectShuffle, 0, counting({}));
    EXPECT_EQ(draws, 2 * 5);
    EXPECT_EQ(chart->noteCount, 3);
}

TEST_F(LaneTransform, MirrorKeepsEveryNoteAndItsKind) {
    chart->keyMode = SevenKeys;
    chart->sourceLanes[1].push({0, 10, 1, NoteKind::Normal});
    chart->sourceLanes[2].push({0, 5, 2, NoteKind::Normal});
    chart->sourceLanes[2].push({1, 0, 3, NoteKind::Invisible});
    chart->lastMeasure = 1;
    chart->noteCount = 2;
    // A mirror sends lanes 1 and 2 to 7 and 6.
    transformLanes(*chart, ObjectMirror, 0, counting({}));
    ASSERT_EQ(chart->playLanes[6].size(), 2);
    EXPECT_EQ(chart->playLanes[6][0].position, 5);
    EXPECT_EQ(chart->playLanes[6][1].kind, NoteKind::Invisible);
    EXPECT_EQ(chart->playLanes[7].size(), 1);
    EXPECT_EQ(chart->noteCount, 2);
}

TEST_F(LaneTransform, AutoplayEffectHandsTheTurntablesToTheGame) {
    chart->keyMode = FourteenKeys;
    chart->sourceLanes[0].push({0, 0, 1, NoteKind::Normal});
    chart->sourceLanes[0].push({0, 0, 2, NoteKind::Doubled});
    chart->sourceLanes[0].push({0, 72, 3, NoteKind::Invisible});
    chart->sourceLanes[8].push({0, 0, 4, NoteKind::Normal});
    chart->sourceLanes[1].push({0, 0, 5, NoteKind::Normal});
    chart->noteCount = 3;
    transformLanes(*chart, ObjectNormal, 2, counting({}));
    EXPECT_EQ(chart->playLanes[0][0].kind, NoteKind::Auto);
    EXPECT_EQ(chart->playLanes[0][1].kind, NoteKind::Auto);
    EXPECT_EQ(chart->playLanes[0][2].kind, NoteKind::Invisible);
    EXPECT_EQ(chart->playLanes[8][0].kind, NoteKind::Auto);
    EXPECT_EQ(chart->playLanes[1][0].kind, NoteKind::Normal);
    // The doubled note was never counted, so only two leave the count.
    EXPECT_EQ(chart->noteCount, 1);
}

class SymmetryLoad : public ChartLoadTest {};

TEST_F(SymmetryLoad, RightHandLanesMirrorTheLeftHand) {
    settings.OBJECT = ObjectSymmetry;
    entry.keyType = 0;
    ASSERT_EQ(load(lines({"#00111:0101", "#00112:01", "#00113:01", "#00114:01010101", "#00115:01", "#00135:01"})), 1);
    // Lanes 4 and 5 were moved to the background and rebuilt from lanes 2 and 1.
    EXPECT_EQ(chart->bgm.size(), 6);
    EXPECT_EQ(chart->playLanes[5].size(), 2);
    EXPECT_EQ(chart->playLanes[4].size(), 1);
    EXPECT_EQ(chart->playLanes[3].size(), 1);
    EXPECT_EQ(chart->noteCount, 2 + 1 + 1 + 2 + 1);
}

TEST_F(SymmetryLoad, FourteenKeysMirrorTheWholeFirstSide) {
    settings.OBJECT = ObjectSymmetry;
    entry.keyType = 3;
    ASSERT_EQ(load(lines({"#00116:01", "#00111:0101", "#00119:01", "#00126:01010101", "#00131:01"})), 1);
    EXPECT_EQ(chart->playLanes[8].size(), 1);   // copy of the scratch
    EXPECT_EQ(chart->playLanes[15].size(), 3);  // copy of lane 1, its invisible note too
    EXPECT_EQ(chart->playLanes[9].size(), 1);   // copy of lane 7
    // Visible notes of side 1 count twice; the invisible copy does not count.
    EXPECT_EQ(chart->noteCount, 2 * 4);
}

}  // namespace
}  // namespace kv::testing
