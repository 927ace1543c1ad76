#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "play/replay_file.h"
#include "play_fixture.h"

namespace kv::test {
namespace {

// Four notes on two lanes and the presses a player made: late, on time,
// late, too late, and one on a lane without notes.
void addReplaySong(PlayFixture& f) {
    f.addNote(1, 0, 10, 1);
    f.addNote(1, 0, 100, 2);
    f.addNote(3, 0, 200, 3);
    f.addNote(3, 1, 10, 4);
}

struct ScriptedPress {
    long cursor;
    int lane;
};
const ScriptedPress kPresses[] = {{16, 1}, {50, 5}, {100, 1}, {212, 3}, {330, 3}};

void playScript(PlayFixture& f) {
    for (const ScriptedPress& press : kPresses) {
        f.stepToCursor(press.cursor - 1);
        StepInput input;
        input.lanes[std::size_t(press.lane)] = 1;
        f.step(input);
    }
}

TEST(ScriptedRun, PressListGivesExpectedCounts) {
    PlayFixture f;
    addReplaySong(f);
    f.start();
    playScript(f);
    f.stepToCursor(4 * 288);
    const Play& p = *f.play;
    EXPECT_EQ(p.greatCount, 1);  // 6 steps late
    EXPECT_EQ(p.coolCount, 1);
    EXPECT_EQ(p.goodCount, 1);   // 12 steps late
    EXPECT_EQ(p.missCount, 1);   // 32 steps late; its note passing later is not charged again
    EXPECT_EQ(p.breakCount, 0);
    EXPECT_EQ(p.combo, 0);
    EXPECT_EQ(p.maxCombo, 2) << "a GOOD breaks the combo";
    EXPECT_EQ(p.score, 50000 + 25000 + 12500);
}

TEST(ReplayRecording, PressesAreRecordedAtThePlayCursor) {
    PlayFixture f;
    f.config.replay = ReplayOn;
    addReplaySong(f);
    f.start();
    StepInput countIn;
    countIn.lanes[1] = 1;
    f.step(countIn);  // during the count-in: not recorded
    f.step();
    playScript(f);
    const auto& lanes = f.play->replay.lanes;
    ASSERT_EQ(lanes[1].size(), 2);
    EXPECT_EQ(lanes[1][0].step, 16);
    EXPECT_EQ(lanes[1][0].code, Great);
    EXPECT_EQ(lanes[1][1].code, Cool);
    ASSERT_EQ(lanes[3].size(), 2);
    EXPECT_EQ(lanes[3][0].code, Good);
    EXPECT_EQ(lanes[3][1].measure, 1);
    EXPECT_EQ(lanes[3][1].step, 42);
    EXPECT_EQ(lanes[3][1].code, Miss);
    ASSERT_EQ(lanes[5].size(), 1);
    EXPECT_EQ(lanes[5][0].code, Miss) << "a press that judged nothing";
}

TEST(ReplayRecording, LaneHoldsAtMost2000Presses) {
    PlayFixture f;
    f.config.replay = ReplayOn;
    f.extendTo(30);
    f.start();
    f.stepToCursor(0);
    for (int i = 0; i < 2100; ++i) f.press(2);
    EXPECT_EQ(f.play->replay.lanes[2].size(), kReplayLaneCapacity);
}

// The live run, then its playback: the chart plays again, the tallies stay
// and every recorded press sounds again one step after its recorded step.
TEST(ReplayPlayback, LiveRunPlaysBackWithSameTallies) {
    PlayFixture f;
    f.config.replay = ReplayOn;
    addReplaySong(f);
    f.start();
    playScript(f);
    f.stepToCursor(2 * 288 - 1);
    auto before = std::make_unique<Play>(*f.play);
    f.step();  // the cursor passes the last measure: switch into playback
    ASSERT_EQ(f.play->replayActive, 1);
    EXPECT_EQ(f.play->playCursor.measure, kPlayStartMeasure);
    EXPECT_EQ(f.play->cleared, 0);

    const long playbackStart = f.steps;
    f.sound.events.clear();
    while (f.play->endState == Running && f.steps < playbackStart + 5000) f.step();
    EXPECT_EQ(f.play->endState, SongOver);
    const Play& after = *f.play;
    EXPECT_EQ(after.coolCount, before->coolCount);
    EXPECT_EQ(after.greatCount, before->greatCount);
    EXPECT_EQ(after.breakCount, before->breakCount);
    EXPECT_EQ(after.missCount, before->missCount);
    EXPECT_EQ(after.score, before->score);
    EXPECT_EQ(after.judge.image, kPlaybackImage);

    // Each press sounds its keysound again as its mark passes the line, one
    // step after the cursor position it was recorded at.
    std::vector<std::pair<long, int>> sounded;
    for (const SoundEvent& e : f.sound.events)
        if (e.kind == SoundEvent::Normal) sounded.emplace_back(e.step - playbackStart - 785, e.sample);
    const std::vector<std::pair<long, int>> expected = {{16, 1}, {100, 2}, {212, 3}, {330, 4}};
    EXPECT_EQ(sounded, expected);
}

TEST(ReplayPlayback, EscapedRunNeverSwitches) {
    PlayFixture f;
    f.config.replay = ReplayOn;
    addReplaySong(f);
    f.start();
    StepInput escape;
    escape.escape = true;
    f.step(escape);
    EXPECT_EQ(f.play->endState, Escaped);
    EXPECT_EQ(f.play->replayActive, 0);
}

ReplayRecord sampleRecord() {
    ReplayRecord record;
    record.lanes[0].push(ReplayPress{0, 5, Cool});
    record.lanes[1].push(ReplayPress{3, 287, Great});
    record.lanes[1].push(ReplayPress{999, 1000, Miss});
    record.lanes[15].push(ReplayPress{12, 0, Break});
    return record;
}

bool sameRecord(const ReplayRecord& a, const ReplayRecord& b) {
    for (int lane = 0; lane < kLaneCount; ++lane) {
        const auto& x = a.lanes[std::size_t(lane)];
        const auto& y = b.lanes[std::size_t(lane)];
        if (x.size() != y.size()) return false;
        for (int i = 0; i < x.size(); ++i)
            if (x[i].measure != y[i].measure || x[i].step != y[i].step || x[i].code != y[i].code) return false;
    }
    return true;
}

TEST(ReplayFile, RoundTripsThroughTheFile) {
    const auto dir = std::filesystem::temp_directory_path() / "kv_replay_test";
    std::filesystem::create_directories(dir);
    const auto file = replayPathFor(dir / "song.bme");
    EXPECT_EQ(file.filename(), "song.KRP");
    auto original = std::make_unique<ReplayRecord>(sampleRecord());
    ASSERT_TRUE(saveReplay(file, 0x5A, *original, 0x3C));
    auto loaded = std::make_unique<ReplayRecord>();
    ASSERT_TRUE(loadReplay(file, 0x5A, *loaded));
    EXPECT_TRUE(sameRecord(*original, *loaded));
    EXPECT_FALSE(loadReplay(file, 0x5B, *loaded)) << "another chart's replay";
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".tmp"));
    std::filesystem::remove_all(dir);
}

TEST(ReplayFile, PathOnlyForBmsCharts) {
    EXPECT_EQ(replayPathFor("a/b/x.BMS"), std::filesystem::path("a/b/x.KRP"));
    EXPECT_TRUE(replayPathFor("a/x.pms").empty());
    EXPECT_TRUE(replayPathFor("a/x").empty());
}

TEST(ReplayFile, LayoutIsKeyedAndSummed) {
    ReplayRecord record;
    record.lanes[2].push(ReplayPress{1, 0x0203, Good});
    const std::vector<std::uint8_t> bytes = encodeReplay(record, 0x10, 0xFF);
    ASSERT_EQ(bytes.size(), 2u + 32 + 5 + 1);
    EXPECT_EQ(bytes[0], 0x10 ^ 0xFF);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[2 + 2 * 2 + 1], 1 ^ 0xFF);  // lane 2's count, low byte
    const std::uint8_t press[] = {0x02, 0x03, 0x00, 0x01, 3};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bytes[34 + std::size_t(i)], press[i] ^ 0xFF);
    EXPECT_EQ(bytes.back(), 2 + 3 + 0 + 1 + 3);
}

TEST(ReplayFile, DamagedFilesAreRejectedWithoutReadingPastTheEnd) {
    const std::vector<std::uint8_t> good = encodeReplay(sampleRecord(), 0x77, 0x21);
    auto damaged = [&](auto change) {
        std::vector<std::uint8_t> bytes = good;
        change(bytes);
        return bytes;
    };
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 34)},
        {"truncated", std::vector<std::uint8_t>(good.begin(), good.end() - 2)},
        {"extra byte", damaged([](auto& b) { b.push_back(0); })},
        {"bad sum", damaged([](auto& b) { b.back() ^= 1; })},
        {"bad press byte", damaged([](auto& b) { b[36] ^= 0x40; })},
        {"count too large", damaged([](auto& b) { b[2] = std::uint8_t((2001 >> 8) ^ 0x21), b[3] = std::uint8_t((2001 & 0xFF) ^ 0x21); })},
        {"count past the end", damaged([](auto& b) { b[5] ^= 0x08; })},
        {"judgement code 0", damaged([](auto& b) { b[38] = 0 ^ 0x21, b.back() = std::uint8_t(b.back() - 1); })},
    };
    for (const auto& c : cases) {
        auto record = std::make_unique<ReplayRecord>(sampleRecord());
        record->lanes[4].push(ReplayPress{1, 1, Cool});
        EXPECT_FALSE(decodeReplay(c.bytes, 0x77, *record)) << c.what;
        EXPECT_EQ(record->lanes[4].size(), 1) << c.what << ": a rejected file leaves the record alone";
    }
    auto record = std::make_unique<ReplayRecord>();
    EXPECT_TRUE(decodeReplay(good, 0x77, *record));
}

TEST(ReplayLoad, LoadedFilePlaysBackFromTheStart) {
    const auto dir = std::filesystem::temp_directory_path() / "kv_replay_load_test";
    std::filesystem::create_directories(dir);
    PlayFixture f;
    f.config.replay = ReplayLoad;
    f.config.replayFile = dir / "song.KRP";
    f.config.chartChecksum = 9;
    addReplaySong(f);
    ReplayRecord record;
    record.lanes[1].push(ReplayPress{0, 100, Cool});
    ASSERT_TRUE(saveReplay(f.config.replayFile, 9, record, 1));
    f.start();
    EXPECT_EQ(f.play->replayActive, 1);
    EXPECT_EQ(f.play->gauge, 100.0f);
    f.stepToCursor(102);
    EXPECT_EQ(f.sound.samplesAt(stepIndexAt(101)), (std::vector<int>{2}));
    f.config.chartChecksum = 8;  // the file belongs to another chart: an ordinary run
    f.start();
    EXPECT_EQ(f.play->replayActive, 0);
    EXPECT_EQ(f.play->gauge, 100.0f);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kv::test
