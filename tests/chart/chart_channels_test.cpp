#include <gtest/gtest.h>

#include "chart_fixture.h"

namespace kv::testing {
namespace {

struct LaneCase {
    const char* name;
    std::string text;
    int lane;
    Places places;
    int noteCount;
};

class ChannelRules : public ChartLoadTest, public ::testing::WithParamInterface<LaneCase> {};

TEST_P(ChannelRules, PlacesObjectsInTheirLane) {
    const LaneCase& c = GetParam();
    entry.keyType = 3;  // all sixteen lanes in use
    ASSERT_EQ(load(c.text), 1);
    EXPECT_EQ(placesIn(c.lane), c.places);
    EXPECT_EQ(chart->noteCount, c.noteCount);
}

INSTANTIATE_TEST_SUITE_P(
    Loader, ChannelRules,
    ::testing::Values(
        LaneCase{"FourQuarterNotes", "#00111:0100010001000100\n", 1, {{1, 0}, {1, 72}, {1, 144}, {1, 216}}, 4},
        LaneCase{"ShortMeasureScalesPositions", "#00111:0100010001000100\n#00102:0.75\n", 1,
                 {{1, 0}, {1, 54}, {1, 108}, {1, 162}}, 4},
        LaneCase{"LengthLineBeforeNotes", "#00102:0.5\n#00112:0101\n", 2, {{1, 0}, {1, 72}}, 2},
        LaneCase{"TrailingSingleCharacterIsAPair", "#00113:01011\n", 3, {{1, 0}, {1, 96}, {1, 192}}, 3},
        LaneCase{"ZeroPairsOnlyCount", "#00314:00000001\n", 4, {{3, 216}}, 1},
        LaneCase{"Scratch", "#00016:01\n", 0, {{0, 0}}, 1},
        LaneCase{"KeySixAndSeven", "#00118:01\n#00119:0101\n", 7, {{1, 0}, {1, 144}}, 3},
        LaneCase{"PlayerTwoScratch", "#00026:01\n", 8, {{0, 0}}, 1},
        LaneCase{"PlayerTwoKeySeven", "#00029:01\n", 15, {{0, 0}}, 1},
        LaneCase{"InvisibleNotCounted", "#00131:01\n", 1, {{1, 0}}, 0},
        LaneCase{"SortedAcrossLines", "#00211:01\n#00111:0001\n", 1, {{1, 144}, {2, 0}}, 2},
        LaneCase{"ShortLineWithoutObjects", "#00111\n#0011\n#001\n", 1, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartLoadTest, IgnoredChannelsMakeNoObjects) {
    entry.keyType = 3;
    ASSERT_EQ(load("#00117:01\n#00127:01\n#00105:01\n#00109:01\n#00151:01\n#00140:01\n"), 1);
    for (const Lane& lane : chart->sourceLanes) EXPECT_TRUE(lane.empty());
    EXPECT_TRUE(chart->bgm.empty());
    EXPECT_EQ(chart->noteCount, 0);
}

TEST_F(ChartLoadTest, EventChannelsFillTheirLists) {
    ASSERT_EQ(load("#00101:0A000B00\n#00104:01\n#00106:0002\n#00107:ZZ\n"), 1);
    ASSERT_EQ(chart->bgm.size(), 2);
    EXPECT_EQ(chart->bgm[0].value, 10);
    EXPECT_EQ(chart->bgm[1].position, 144);
    ASSERT_EQ(chart->bgaBase.size(), 1);
    ASSERT_EQ(chart->bgaPoor.size(), 1);
    EXPECT_EQ(chart->bgaPoor[0].position, 144);
    ASSERT_EQ(chart->bgaLayer.size(), 1);
    EXPECT_EQ(chart->bgaLayer[0].value, 1295);
    EXPECT_EQ(chart->noteCount, 0);
    EXPECT_EQ(chart->lastMeasure, 1);
}

TEST_F(ChartLoadTest, SamePlaceNotesAreDoubledAndCountedOnce) {
    ASSERT_EQ(load("#00111:01\n#00111:02\n#00111:03\n#00131:04\n"), 1);
    const Lane& lane = chart->sourceLanes[1];
    ASSERT_EQ(lane.size(), 4);
    int normal = 0, doubled = 0, invisible = 0;
    for (const ChartObject& object : lane) {
        normal += object.kind == NoteKind::Normal;
        doubled += object.kind == NoteKind::Doubled;
        invisible += object.kind == NoteKind::Invisible;
    }
    EXPECT_EQ(normal, 1);
    EXPECT_EQ(doubled, 2);
    EXPECT_EQ(invisible, 1);
    EXPECT_EQ(chart->noteCount, 1);
}

struct KeyModeMoveCase {
    const char* name;
    int keySetting;
    int keyType;
    int keyMode;
    int laneNotes;  // notes left in lanes
    int bgmEvents;
};

class KeyModeMoves : public ChartLoadTest, public ::testing::WithParamInterface<KeyModeMoveCase> {};

// One visible and one invisible note on each of the sixteen lanes.
TEST_P(KeyModeMoves, UnusedLanesSoundFromTheBgmList) {
    const KeyModeMoveCase& c = GetParam();
    settings.KEY = std::int8_t(c.keySetting);
    entry.keyType = std::int8_t(c.keyType);
    std::string text;
    for (int channel : {11, 12, 13, 14, 15, 16, 18, 19, 21, 22, 23, 24, 25, 26, 28, 29})
        text += "#001" + std::to_string(channel) + ":01\n#001" + std::to_string(channel + 20) + ":0002\n";
    ASSERT_EQ(load(text), 1);
    EXPECT_EQ(chart->keyMode, c.keyMode);
    int laneNotes = 0;
    for (int lane = 0; lane < kLaneCount; ++lane) {
        if (!laneInUse(c.keyMode, lane)) EXPECT_TRUE(chart->sourceLanes[std::size_t(lane)].empty()) << lane;
        laneNotes += chart->sourceLanes[std::size_t(lane)].size();
    }
    EXPECT_EQ(laneNotes, 2 * c.laneNotes);
    EXPECT_EQ(chart->bgm.size(), c.bgmEvents);
    // Only the visible notes of the lanes in use count; the invisible ones never did.
    EXPECT_EQ(chart->noteCount, c.laneNotes);
}

INSTANTIATE_TEST_SUITE_P(Loader, KeyModeMoves,
                         ::testing::Values(KeyModeMoveCase{"FiveKeys", 0, 3, 0, 6, 20},
                                           KeyModeMoveCase{"SevenKeys", 1, 0, 1, 8, 16},
                                           KeyModeMoveCase{"TenKeys", 2, 1, 2, 12, 8},
                                           KeyModeMoveCase{"FourteenKeys", 3, 0, 3, 16, 0},
                                           KeyModeMoveCase{"AutoFollowsKeyType", 8, 2, 2, 12, 8},
                                           KeyModeMoveCase{"FiveOrSeven", 4, 3, 1, 8, 16}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartLoadTest, MeasureLengthsKeepOneSortedEntryPerMeasure) {
    ASSERT_EQ(load("#00502:0.5\n#00202:2\n#00502:0.25\n#00302:1\n#00511:01\n"), 1);
    ASSERT_EQ(chart->measureLengths.size(), 3);
    EXPECT_EQ(chart->measureLengths[0].measure, 2);
    EXPECT_EQ(chart->measureLengths[0].length, 576);
    EXPECT_EQ(chart->measureLengths[1].length, 288);  // listed even when standard
    EXPECT_EQ(chart->measureLengths[2].measure, 5);
    EXPECT_EQ(chart->measureLengths[2].length, 72);  // the later line wins
    EXPECT_EQ(chart->lastMeasure, 5);
    EXPECT_EQ(chart->totalLength, 288 * 4 + 576 + 72);
}

TEST_F(ChartLoadTest, HugeMeasureLengthIsCappedNotWrapped) {
    ASSERT_EQ(load("#00002:200\n#00011:01\n"), 1);
    EXPECT_EQ(chart->measureLengthOf(0), 32767);
    EXPECT_GT(chart->totalLength, 0);
}

TEST_F(ChartLoadTest, FullLaneDropsExtraNotes) {
    // 667 measures of three notes: 2001 notes for a lane of 2000.
    std::string text;
    for (int measure = 0; measure < 667; ++measure) {
        char line[32];
        std::snprintf(line, sizeof line, "#%03d11:010101\n", measure);
        text += line;
    }
    ASSERT_EQ(load(text), 1);
    EXPECT_EQ(chart->sourceLanes[1].size(), kLaneCapacity);
    EXPECT_EQ(chart->noteCount, kLaneCapacity);
}

TEST_F(ChartLoadTest, FinalLineWithoutLineFeedIsLost) {
    ASSERT_EQ(load("#00111:01\n#00211:01"), 1);
    EXPECT_EQ(placesIn(1), (Places{{1, 0}}));
}

TEST_F(ChartLoadTest, CrLfChartLoadsLikeLfChart) {
    const auto text = {std::string("#TITLE crlf"), std::string("#BPM01 150"), std::string("#00111:01020304"),
                       std::string("#00108:01"), std::string("#00202:0.75"), std::string("#00212:0101")};
    ASSERT_EQ(load(lines(text)), 1);
    const Places lfLane1 = placesIn(1), lfLane2 = placesIn(2);
    const auto lfTempo = chart->tempoChanges[0].bpm;
    const int lfNotes = chart->noteCount;

    chart = std::make_unique<Chart>();
    ASSERT_EQ(load(lines(text, "\r\n")), 1);
    EXPECT_EQ(placesIn(1), lfLane1);
    EXPECT_EQ(placesIn(2), lfLane2);
    ASSERT_EQ(chart->tempoChanges.size(), 1);
    EXPECT_EQ(chart->tempoChanges[0].bpm, lfTempo);
    EXPECT_EQ(chart->noteCount, lfNotes);
    EXPECT_EQ(chart->totalLength, 288 * 2 + 216);
}

TEST_F(ChartLoadTest, ReloadStartsFromEmptyLists) {
    ASSERT_EQ(load("#00111:01010101\n#00101:01\n#00103:80\n"), 1);
    ASSERT_EQ(load("#00112:01\n"), 1);
    EXPECT_TRUE(chart->sourceLanes[1].empty());
    EXPECT_TRUE(chart->bgm.empty());
    EXPECT_TRUE(chart->tempoChanges.empty());
    EXPECT_EQ(chart->noteCount, 1);
}

TEST_F(ChartLoadTest, MissingFolderOrFileFails) {
    entry.fileName = "absent.bms";
    EXPECT_EQ(loadChart(entry, *chart, settings, context, media, screen), 0);
    entry.dirPath = (folder.path() / "no such folder").string();
    EXPECT_EQ(load("#00111:01\n"), 0);
}

}  // namespace
}  // namespace kv::testing
