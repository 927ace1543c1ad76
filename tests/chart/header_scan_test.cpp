#include <gtest/gtest.h>

#include "chart/header_scan.h"
#include "chart_fixture.h"

namespace kv::testing {
namespace {

class HeaderScan : public ::testing::Test {
protected:
    ScratchFolder folder;
    ChartEntry entry;
    RankingPlace place{1, ""};

    int scan(const std::string& text, const std::string& name = "song.bms") {
        folder.write(name, text);
        return scanChartHeader(entry, folder.path().string(), name, place);
    }
};

TEST_F(HeaderScan, ReadsHeaderValues) {
    ASSERT_EQ(scan(lines({"#genre  Techno", "#TITLE My Song ", "#ARTIST someone", "#STAGEFILE stage.bmp",
                          "#PLAYLEVEL 7", "#RANK 1", "#BPM 145.5", "#MIDIFILE x.mid", "#UNKNOWN 1"})),
              1);
    EXPECT_EQ(entry.genre, "Techno");
    EXPECT_EQ(entry.title, "My Song ");
    EXPECT_EQ(entry.artist, "someone");
    EXPECT_EQ(entry.stageFile, "stage.bmp");
    EXPECT_EQ(entry.playLevel, 7);
    EXPECT_EQ(entry.judgeRank, 1);
    EXPECT_FLOAT_EQ(entry.bpm, 145.5f);
    EXPECT_EQ(entry.hasMidi, 1);
    EXPECT_EQ(entry.dirPath, folder.path().string());
    EXPECT_EQ(entry.fileName, "song.bms");
}

TEST_F(HeaderScan, MissingHeadersKeepTheirStartValues) {
    ASSERT_EQ(scan("#00111:01\n"), 1);
    EXPECT_EQ(entry.playLevel, 3);
    EXPECT_EQ(entry.judgeRank, 2);
    EXPECT_FLOAT_EQ(entry.bpm, 130.0f);
    EXPECT_EQ(entry.title, "");
    EXPECT_EQ(entry.rankingBlock, ChartEntry::filledRankingBlock());
}

struct FlagCase {
    const char* name;
    std::string text;
    int keyType;
    float bpm;
    int bgaKind;
    int noteKeysounds;
    int bgmKeysounds;
};

class HeaderFlags : public HeaderScan, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(HeaderFlags, DeriveFactsFromObjectLines) {
    const FlagCase& c = GetParam();
    ASSERT_EQ(scan(c.text), 1);
    EXPECT_EQ(entry.keyType, c.keyType);
    EXPECT_FLOAT_EQ(entry.bpm, c.bpm);
    EXPECT_EQ(entry.bgaKind, c.bgaKind);
    EXPECT_EQ(entry.noteKeysounds, c.noteKeysounds);
    EXPECT_EQ(entry.bgmKeysounds, c.bgmKeysounds);
}

INSTANTIATE_TEST_SUITE_P(
    Scan, HeaderFlags,
    ::testing::Values(
        FlagCase{"FiveKeys", "#00111:01\n#00116:01\n", 0, 130, 0, 0, 0},
        FlagCase{"SevenKeys", "#00111:01\n#00118:01\n", 1, 130, 0, 0, 0},
        FlagCase{"FourteenKeys", "#00111:01\n#00118:01\n#00126:01\n", 3, 130, 0, 0, 0},
        FlagCase{"TenKeys", "#00121:01\n#00111:01\n", 2, 130, 0, 0, 0},
        FlagCase{"InvisibleChannelsDoNotCount", "#00138:01\n#00141:01\n", 0, 130, 0, 0, 0},
        FlagCase{"RandomBranchesAllCount", "#RANDOM 2\n#IF 1\n#00118:01\n#ENDIF\n#IF 2\n#00122:01\n#ENDIF\n", 3, 130,
                 0, 0, 0},
        FlagCase{"TempoChannelNegates", "#BPM 150\n#00103:78\n", 0, -150, 0, 0, 0},
        FlagCase{"ExtendedTempoOnlyKeepsSign", "#BPM 150\n#BPM01 90\n#00108:01\n", 0, 150, 0, 0, 0},
        FlagCase{"BitmapMakesKindOne", "#BMP01 a.bmp\n#00104:01\n", 0, 130, 1, 0, 0},
        FlagCase{"LayerChannelMakesTwo", "#00107:01\n#00104:01\n", 0, 130, 2, 0, 0},
        FlagCase{"DefinitionsMakeThree", "#00107:01\n#BGA01 01 0 0 1 1 0 0\n#BMP01 a.bmp\n", 0, 130, 3, 0, 0},
        FlagCase{"LaterLineOverwrites", "#BGA01 01 0 0 1 1 0 0\n#00107:01\n", 0, 130, 2, 0, 0},
        FlagCase{"SampleDefinedAboveItsUse", "#WAV01 a.wav\n#00111:0001\n#00101:01\n", 0, 130, 0, 1, 1},
        FlagCase{"SampleDefinedBelowItsUse", "#00111:01\n#WAV01 a.wav\n", 0, 130, 0, 0, 0},
        FlagCase{"LaterLineUsesTheDefinedSample", "#00111:01\n#WAV01 a.wav\n#00112:01\n", 0, 130, 0, 1, 0},
        FlagCase{"UnusableDefinitionsIgnored", "#WAV a.wav\n#WAVZZ b.wav\n#00111:ZZ00\n", 0, 130, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ChecksumCase {
    const char* name;
    std::string text;
    int checksum;
};

class Checksums : public HeaderScan, public ::testing::WithParamInterface<ChecksumCase> {};

TEST_P(Checksums, WeighEveryByteAsAWindowsReaderSawIt) {
    ASSERT_EQ(scan(GetParam().text), 1);
    EXPECT_EQ(entry.checksum, GetParam().checksum);
}

INSTANTIATE_TEST_SUITE_P(
    Scan, Checksums,
    ::testing::Values(ChecksumCase{"OneLine", "abc\n", (97 * 1 + 98 * 3 + 99 * 5) % 256},
                      ChecksumCase{"CrLfLikeLf", "abc\r\n", (97 * 1 + 98 * 3 + 99 * 5) % 256},
                      ChecksumCase{"NoFinalLineFeedDropsTheLastByte", "abc", (97 * 1 + 98 * 3) % 256},
                      // Weights run on across lines: a b c d e f g, then 1 again for h.
                      ChecksumCase{"WeightsWrapAcrossLines", "abcd\nefgh\n",
                                   (97 + 98 * 3 + 99 * 5 + 100 * 7 + 101 * 9 + 102 * 11 + 103 * 13 + 104) % 256},
                      ChecksumCase{"HighBytesCount", "\xff\n", 255},
                      ChecksumCase{"CtrlZEndsTheText", "abc\n\x1axyz\n", (97 * 1 + 98 * 3 + 99 * 5) % 256}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeaderScan, ReplayMustMatchTheChecksum) {
    const std::string text = "abc\n";  // checksum 118
    folder.write("song.KRP", std::string{char(0x70), char(0x70 ^ 118)});
    ASSERT_EQ(scan(text), 1);
    EXPECT_EQ(entry.hasReplay, 1);
    folder.write("song.KRP", std::string{char(0x70), char(0x71)});
    ASSERT_EQ(scan(text), 1);
    EXPECT_EQ(entry.hasReplay, 0);
}

TEST_F(HeaderScan, RankingBlockComesFromBesideTheChartOrTheProgramFolder) {
    std::string block(186, '\0');
    for (int i = 0; i < 186; ++i) block[std::size_t(i)] = char(i);
    folder.write("charts/song.K2R", block);
    folder.write("song.K2R", std::string(186, '\x07'));

    folder.write("charts/song.bms", "#TITLE x\n");
    ASSERT_EQ(scanChartHeader(entry, (folder.path() / "charts").string(), "song.bms", place), 1);
    EXPECT_EQ(entry.rankingBlock[185], 185);

    place = {2, folder.path().string()};  // KVFOLDER
    ASSERT_EQ(scanChartHeader(entry, (folder.path() / "charts").string(), "song.bms", place), 1);
    EXPECT_EQ(entry.rankingBlock[0], 7);
}

TEST_F(HeaderScan, UnreadableChartShowsNothingOfThePreviousEntry) {
    folder.write("song.K2R", std::string(186, '\x07'));
    ASSERT_EQ(scan("#TITLE Old\n#PLAYLEVEL 9\n#BPM 200\n#00118:01\n#00103:01\n"), 1);
    ASSERT_EQ(entry.title, "Old");
    EXPECT_EQ(scanChartHeader(entry, folder.path().string(), "absent.bms", place), 0);
    EXPECT_EQ(entry.title, "");
    EXPECT_EQ(entry.playLevel, 3);
    EXPECT_FLOAT_EQ(entry.bpm, 130.0f);
    EXPECT_EQ(entry.keyType, 0);
    EXPECT_EQ(entry.fileName, "absent.bms");
    EXPECT_EQ(entry.rankingBlock, ChartEntry::filledRankingBlock());
}

}  // namespace
}  // namespace kv::testing
