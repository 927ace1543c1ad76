#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "screens/modes/course_file.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

CourseStages sampleStages() {
    CourseStages stages;
    for (int s = 0; s < kCourseStages; ++s) {
        ChartEntry& stage = stages[std::size_t(s)];
        stage.fileName = "stage" + std::to_string(s) + ".bms";
        stage.dirPath = "/songs/pack/dir" + std::to_string(s);
        stage.genre = "GENRE";
        stage.title = "TITLE \x83\x65 " + std::to_string(s);
        stage.artist = s == 2 ? "" : "ARTIST";
        stage.stageFile = s == 4 ? "stage.bmp" : "";
        stage.playLevel = std::int8_t(s + 1);
        stage.judgeRank = 3;
        stage.hasMidi = 1;
        stage.bgaKind = 2;
        stage.keyType = std::int8_t(s % 4);
        stage.bpm = s == 1 ? -150.5f : 130.0f;
        stage.checksum = std::uint8_t(200 + s);
        for (std::size_t i = 0; i < stage.rankingBlock.size(); ++i) stage.rankingBlock[i] = std::uint8_t(i);
    }
    return stages;
}

TEST(CourseFile, RoundTripKeepsEveryFieldButTheBlankedRankingHead) {
    const CourseStages stages = sampleStages();
    const auto decoded = decodeCourseFile(encodeCourseFile(stages));
    ASSERT_TRUE(decoded);
    for (int s = 0; s < kCourseStages; ++s) {
        ChartEntry expected = stages[std::size_t(s)];
        std::fill_n(expected.rankingBlock.begin(), 80, 0);
        const ChartEntry& got = (*decoded)[std::size_t(s)];
        EXPECT_EQ(got.fileName, expected.fileName);
        EXPECT_EQ(got.dirPath, expected.dirPath);
        EXPECT_EQ(got.genre, expected.genre);
        EXPECT_EQ(got.title, expected.title);
        EXPECT_EQ(got.artist, expected.artist);
        EXPECT_EQ(got.stageFile, expected.stageFile);
        EXPECT_EQ(got.playLevel, expected.playLevel);
        EXPECT_EQ(got.judgeRank, expected.judgeRank);
        EXPECT_EQ(got.hasMidi, expected.hasMidi);
        EXPECT_EQ(got.bgaKind, expected.bgaKind);
        EXPECT_EQ(got.keyType, expected.keyType);
        EXPECT_EQ(got.bpm, expected.bpm);
        EXPECT_EQ(got.checksum, expected.checksum);
        EXPECT_EQ(got.rankingBlock, expected.rankingBlock) << "stage " << s;
    }
}

TEST(CourseFile, StageBlockHasTheFixedLittleEndianLayout) {
    CourseStages stages = sampleStages();
    stages[0].bpm = 150.0f;  // 0x43160000
    const std::vector<std::uint8_t> bytes = encodeCourseFile(stages);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 24), std::vector<std::uint8_t>(24, 0));
    EXPECT_EQ(bytes[24], 1);    // playLevel
    EXPECT_EQ(bytes[25], 3);    // judgeRank
    EXPECT_EQ(bytes[26], 1);    // hasMidi
    EXPECT_EQ(bytes[29], 2);    // bgaKind
    EXPECT_EQ(bytes[30], 0);    // keyType
    EXPECT_EQ(bytes[34], 0x16);
    EXPECT_EQ(bytes[35], 0x43);
    EXPECT_EQ(bytes[36], 200);  // checksum
    EXPECT_EQ(bytes[37 + 79], 0);   // the ranking head is blanked
    EXPECT_EQ(bytes[37 + 80], 80);  // the rest is kept
    EXPECT_EQ(bytes[224], stages[0].fileName.size() + 1);
    EXPECT_EQ(bytes[225], 0);
    EXPECT_EQ(bytes[228], stages[0].dirPath.size() + 1);
    EXPECT_EQ(std::memcmp(&bytes[248], "stage0.bms\0/songs", 17), 0);
    std::size_t firstBlock = 248;
    for (const std::string* text : {&stages[0].fileName, &stages[0].dirPath, &stages[0].genre, &stages[0].title,
                                    &stages[0].artist, &stages[0].stageFile})
        firstBlock += text->size() + 1;
    EXPECT_EQ(bytes[firstBlock + 24], 2) << "the second block follows the first directly";
}

TEST(CourseFile, DamagedBytesAreRejected) {
    const std::vector<std::uint8_t> whole = encodeCourseFile(sampleStages());
    for (std::size_t size = 0; size < whole.size(); ++size)
        ASSERT_FALSE(decodeCourseFile(std::span(whole.data(), size))) << "cut at " << size;

    struct Case { const char* what; std::size_t at; std::uint8_t value; };
    for (const Case c : {Case{"zero length", 224, 0}, Case{"negative length", 227, 0x80},
                         Case{"length past the end", 226, 0x7F}, Case{"text without its zero", 248 + 10, 'x'}}) {
        std::vector<std::uint8_t> bytes = whole;
        bytes[c.at] = c.value;
        if (c.at == 224) bytes[225] = bytes[226] = bytes[227] = 0;
        EXPECT_FALSE(decodeCourseFile(bytes)) << c.what;
    }

    std::vector<std::uint8_t> trailing = whole;
    trailing.push_back(7);
    EXPECT_TRUE(decodeCourseFile(trailing)) << "bytes after the fifth stage are ignored";
}

TEST(CourseFile, WritesReplaceTheFileAndFailuresKeepIt) {
    test::TempFolder folder{"course_file"};
    const std::filesystem::path path = folder.path() / "A.kcz";
    CourseStages stages = sampleStages();
    ASSERT_TRUE(writeCourseFile(path, stages));
    stages[3].title = "CHANGED";
    ASSERT_TRUE(writeCourseFile(path, stages));
    const auto read = readCourseFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ((*read)[3].title, "CHANGED");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary file left";

    EXPECT_FALSE(writeCourseFile(folder.path() / "missing" / "B.kcz", stages));
    EXPECT_FALSE(readCourseFile(folder.path() / "missing" / "B.kcz"));
    folder.write("short.kcz", "\x01\x02");
    EXPECT_FALSE(readCourseFile(folder.path() / "short.kcz"));
}

}  // namespace
}  // namespace kv
