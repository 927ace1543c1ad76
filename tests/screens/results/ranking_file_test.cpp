#include <gtest/gtest.h>

#include "screens/results/ranking_file.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

// A fixed random sequence, so written blocks are reproducible.
RandomSource countingRandom(int start = 1234) {
    return [state = start]() mutable { return state = (state * 75 + 74) % 65537 & 0x7FFF; };
}

RankingEntry sampleEntry(int score, const char* name) {
    RankingEntry entry;
    std::copy(name, name + kNameLength, entry.name.begin());
    entry.score = score;
    entry.bonus = 4321;
    entry.grade = 2;
    entry.keyMode = 1;
    entry.style = 3;
    entry.gauge = 1;
    entry.line = 1;
    entry.speed = 19;
    entry.view = 5;
    entry.object = 10;
    entry.coolCount = 1200;
    entry.greatCount = 300;
    entry.goodCount = 20;
    entry.breakCount = 7;
    entry.missCount = 70000;  // only the low 16 bits are kept
    return entry;
}

Ranking sampleRanking() {
    Ranking ranking;
    ranking.entries[0] = sampleEntry(199999, "AB1 ");
    ranking.entries[1] = sampleEntry(150000, "ZZZZ");
    ranking.entries[2] = sampleEntry(150000, "    ");
    ranking.puzzleLetters[0] = ranking.puzzleLetters[9] = ranking.puzzleLetters[23] = true;
    ranking.carriedByte = 0x5A;
    return ranking;
}

TEST(RankingBlock, RoundTripKeepsEveryFieldBeyondTheStoredBits) {
    const Ranking ranking = sampleRanking();
    const RankingBlock block = encodeRanking(ranking, 0x9C, countingRandom());
    Ranking expected = ranking;
    for (int row = 0; row < 3; ++row) expected.entries[row].missCount = 70000 & 0xFFFF;
    EXPECT_EQ(decodeRanking(block, 0x9C), expected);
}

TEST(RankingBlock, EmptyRankingKeepsPuzzleLettersAndNewFilesReadEmpty) {
    Ranking letters;
    letters.puzzleLetters[5] = true;
    const RankingBlock block = encodeRanking(letters, 7, countingRandom());
    EXPECT_EQ(decodeRanking(block, 7), letters);
    EXPECT_FALSE(decodeRanking(block, 7).hasTopScore());

    const Ranking fresh = decodeRanking(emptyRankingBlock(), 7);
    EXPECT_EQ(fresh, Ranking{});
    EXPECT_EQ(fresh.carriedByte, 0xFF);
}

TEST(RankingBlock, EveryWriteScramblesDifferentlyButReadsTheSame) {
    const Ranking ranking = sampleRanking();
    const RankingBlock first = encodeRanking(ranking, 1, countingRandom(1));
    const RankingBlock second = encodeRanking(ranking, 1, countingRandom(2));
    EXPECT_NE(first, second);
    EXPECT_EQ(decodeRanking(first, 1), decodeRanking(second, 1));
}

TEST(RankingBlock, RankingOfAnotherChartVersionIsNotShown) {
    const RankingBlock block = encodeRanking(sampleRanking(), 0x10, countingRandom());
    EXPECT_FALSE(decodeRanking(block, 0x11).hasTopScore());
}

TEST(RankingBlock, AnyDamagedByteGivesAnEmptyRanking) {
    const RankingBlock block = encodeRanking(sampleRanking(), 0x42, countingRandom());
    // Every byte but the carried first one is covered by a check.
    for (std::size_t at = 1; at < block.size(); ++at) {
        RankingBlock damaged = block;
        damaged[at] ^= 0x01;
        const Ranking read = decodeRanking(damaged, 0x42);
        EXPECT_FALSE(read.hasTopScore()) << "byte " << at;
        EXPECT_EQ(read.puzzleLetters, Ranking{}.puzzleLetters) << "byte " << at;
    }
}

TEST(RankingBlock, ForgedRowsWithValidCheckBytesAreStillRejected) {
    // Rows that pass the check byte but break the table's own rules.
    auto forged = [](auto change) {
        Ranking ranking = sampleRanking();
        change(ranking);
        return decodeRanking(encodeRanking(ranking, 3, countingRandom()), 3).hasTopScore();
    };
    EXPECT_TRUE(forged([](Ranking&) {}));
    EXPECT_FALSE(forged([](Ranking& r) { r.entries[0].name[0] = 'a'; })) << "lower-case name";
    EXPECT_FALSE(forged([](Ranking& r) { r.entries[0].speed = 20; })) << "speed past its label table";
    EXPECT_FALSE(forged([](Ranking& r) { r.entries[0].grade = -1; })) << "negative grade";
    EXPECT_FALSE(forged([](Ranking& r) { std::swap(r.entries[0], r.entries[1]); })) << "not best first";
    EXPECT_FALSE(forged([](Ranking& r) { r.entries[3] = r.entries[4] = sampleEntry(100, "GAP "), r.entries[2] = {}; }))
        << "a filled row after an empty one";
}

TEST(RankingBlock, SongEntryShowsItsStoredRankingOnlyForItsOwnChecksum) {
    ChartEntry entry;
    entry.checksum = 0x21;
    EXPECT_FALSE(loadRankingForDisplay(entry).hasTopScore()) << "a chart without a ranking file";
    entry.rankingBlock = encodeRanking(sampleRanking(), 0x21, countingRandom());
    EXPECT_EQ(loadRankingForDisplay(entry).entries[0].score, 199999);
    entry.checksum = 0x22;
    EXPECT_FALSE(loadRankingForDisplay(entry).hasTopScore());
}

// Whatever bytes a file holds, reading never fails loudly and never yields a
// table the screens could misuse: rows best first, codes inside their tables.
TEST(RankingBlock, ArbitraryBytesDecodeToAWellFormedRanking) {
    std::uint32_t state = 12345;
    auto nextByte = [&state] { return static_cast<std::uint8_t>((state = state * 1664525u + 1013904223u) >> 24); };
    const RankingBlock valid = encodeRanking(sampleRanking(), 5, countingRandom());
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        RankingBlock block = valid;
        if (round % 2 == 0) {
            for (auto& byte : block) byte = nextByte();
        } else {
            for (int flips = 1 + round % 4; flips > 0; --flips) block[nextByte() % block.size()] = nextByte();
        }
        const Ranking read = decodeRanking(block, 5);
        if (read.hasTopScore()) ++accepted;
        for (int row = 1; row < kRankingRows; ++row)
            ASSERT_LE(read.entries[row].score, read.entries[row - 1].score);
        for (const auto& entry : read.entries) {
            ASSERT_GE(entry.grade, 0);
            ASSERT_LE(entry.grade, 7);
            ASSERT_LE(entry.speed, 19);
            ASSERT_LE(entry.object, 11);
        }
    }
    EXPECT_LT(accepted, 200) << "damage is caught almost always";
}

class RankingFileTest : public ::testing::Test {
protected:

    test::TempFolder temp{"kv_ranking_file"};
    const std::filesystem::path folder = temp.path();
};

TEST_F(RankingFileTest, FileRoundTripAndShortOrMissingFilesReadEmpty) {
    const auto path = folder / "song.K2R";
    EXPECT_EQ(readRankingBlock(path), emptyRankingBlock());

    const RankingBlock block = encodeRanking(sampleRanking(), 9, countingRandom());
    ASSERT_TRUE(writeRankingBlock(path, block));
    EXPECT_EQ(std::filesystem::file_size(path), block.size());
    EXPECT_EQ(readRankingBlock(path), block);

    auto bytes = test::TempFolder::read(path);
    bytes.resize(185);
    temp.write("song.K2R", bytes);
    EXPECT_EQ(readRankingBlock(path), emptyRankingBlock());

    bytes = test::TempFolder::read(path);
    bytes.resize(0);
    temp.write("song.K2R", bytes);
    EXPECT_EQ(readRankingBlock(path), emptyRankingBlock());
}

TEST_F(RankingFileTest, LongerFilesKeepTheirFirst186Bytes) {
    const auto path = folder / "song.K2R";
    const RankingBlock block = encodeRanking(sampleRanking(), 9, countingRandom());
    std::string bytes(block.begin(), block.end());
    bytes.push_back('\0');
    temp.write("song.K2R", bytes);
    EXPECT_EQ(readRankingBlock(path), block);
}

TEST(RankingPaths, ChartFilesBesideTheChartOrInTheProgramFolder) {
    const std::filesystem::path dir = "/songs/pack/tune";
    const std::filesystem::path home = "/game";
    EXPECT_EQ(chartRankingPath(dir, "tune_7k.bme", kRankingBesideChart, home), dir / "tune_7k.K2R");
    EXPECT_EQ(chartRankingPath(dir, "TUNE.BMS", kRankingBesideChart, home), dir / "TUNE.K2R");
    EXPECT_EQ(chartRankingPath(dir, "tune.bms", kRankingInProgramFolder, home), home / "tune.K2R");
    EXPECT_EQ(chartRankingPath(dir, "tune.pms", kRankingBesideChart, home), std::nullopt);
    EXPECT_EQ(chartRankingPath(dir, "tune.bm", kRankingBesideChart, home), std::nullopt);
    EXPECT_EQ(chartRankingPath(dir, "tune", kRankingBesideChart, home), std::nullopt);
}

TEST(RankingPaths, OnlyStoredCoursesHaveAFile) {
    const std::filesystem::path home = "/game";
    EXPECT_EQ(courseRankingPath(home, "HARD5", 0), home / "course" / "HARD5.k2r");
    EXPECT_EQ(courseRankingPath(home, "HARD5", -1), std::nullopt);
    EXPECT_EQ(courseRankingPath(home, "HARD5", -3), std::nullopt);
}

}  // namespace
}  // namespace kv
