#include <gtest/gtest.h>

#include <filesystem>

#include "screens/modes/course_list.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

// A program folder with five charts in one song directory.
struct CourseFolder : ::testing::Test {
    test::TempFolder home{"course_list"};
    std::string programFolder = home.path().string() + "/";
    CourseList list;

    void SetUp() override {
        std::filesystem::create_directories(home.path() / "course");
        for (int s = 0; s < kCourseStages; ++s) home.write("SONGS/pack/c" + std::to_string(s) + ".bms", "#TITLE x\r\n");
    }
    CourseStages stages() const {
        CourseStages result;
        for (int s = 0; s < kCourseStages; ++s) {
            result[std::size_t(s)].dirPath = home.path().string() + "/SONGS/pack";
            result[std::size_t(s)].fileName = "c" + std::to_string(s) + ".bms";
            result[std::size_t(s)].title = "STAGE " + std::to_string(s + 1);
        }
        return result;
    }
    void save(const std::string& name) { ASSERT_EQ(saveCourse(programFolder, name, stages()), 1); }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const CourseRecord& course : list) result.push_back(course.name);
        return result;
    }
};

TEST_F(CourseFolder, ListsReadableCoursesByNameWithTheirStages) {
    save("BETA");
    save("ALPHA");
    std::filesystem::rename(home.path() / "course/BETA.kcz", home.path() / "course/BETA.KCZ");
    home.write("course/NOTES.txt", "not a course");
    home.write("course/SHORT.kcz", std::string(300, '\0'));
    CourseStages missingChart = stages();
    missingChart[3].fileName = "gone.bms";
    ASSERT_EQ(saveCourse(programFolder, "GONE", missingChart), 1);

    loadCourseList(list, programFolder);
    EXPECT_EQ(names(), (std::vector<std::string>{"ALPHA", "BETA"}));
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].stageTitles[4], "STAGE 5");
    EXPECT_EQ(list[0].stagePaths[2], home.path().string() + "/SONGS/pack/c2.bms");
    EXPECT_EQ(list[0].rankingBlock, emptyRankingBlock());

    CourseStages loaded;
    EXPECT_EQ(loadCourse(list, 1, programFolder, loaded), 1);
    EXPECT_EQ(loaded[1].fileName, "c1.bms");
    EXPECT_EQ(loadCourse(list, 2, programFolder, loaded), 0);
    EXPECT_EQ(loadCourse(list, -1, programFolder, loaded), 0);
    std::filesystem::remove(home.path() / "course/ALPHA.kcz");
    EXPECT_EQ(loadCourse(list, 0, programFolder, loaded), 0) << "a course removed after listing";
}

TEST_F(CourseFolder, KeepsTheFirstFortyCourses) {
    for (int i = 0; i < 45; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "C%02d", 44 - i);
        save(name);
    }
    loadCourseList(list, programFolder);
    ASSERT_EQ(list.size(), kMaxCourses);
    EXPECT_EQ(list[0].name, "C00");
    EXPECT_EQ(list[39].name, "C39");
}

TEST_F(CourseFolder, MissingCourseFolderListsNothing) {
    std::filesystem::remove_all(home.path() / "course");
    loadCourseList(list, programFolder);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(saveCourse(programFolder, "X", stages()), 0);
}

TEST_F(CourseFolder, ChartsChecksumWeighsEveryCharacterAcrossLinesAndFiles) {
    home.write("sum/a.bms", "ab\r\nc");
    home.write("sum/b.bms", "d\n");
    for (const char* name : {"c.bms", "d.bms", "e.bms"}) home.write(std::string("sum/") + name, "");
    const std::string dir = home.path().string() + "/sum/";
    // weights 1, 2, 3 over a, b, c (the CR LF is no character), then 4 on the next file
    const int expected = (97 * 1 + 98 * 2 + 99 * 3 + 100 * 4) % 256;
    EXPECT_EQ(checkCourseCharts({dir + "a.bms", dir + "b.bms", dir + "c.bms", dir + "d.bms", dir + "e.bms"}), expected);

    home.write("sum/f.bms", "abcdefg");
    // weights wrap after 5: 1 2 3 4 5 1 2
    const int wrapped = (97 + 98 * 2 + 99 * 3 + 100 * 4 + 101 * 5 + 102 * 1 + 103 * 2) % 256;
    EXPECT_EQ(checkCourseCharts({dir + "f.bms", dir + "c.bms", dir + "c.bms", dir + "c.bms", dir + "c.bms"}), wrapped);
    EXPECT_FALSE(checkCourseCharts({dir + "a.bms", dir + "b.bms", dir + "x.bms", dir + "d.bms", dir + "e.bms"}));
    EXPECT_EQ(checkCourseCharts({dir + "A.BMS", dir + "b.bms", dir + "c.bms", dir + "d.bms", dir + "e.bms"}), expected)
        << "chart names match without regard to case";
}

TEST_F(CourseFolder, RankingIsReadAndTrustedOnlyForTheSameCharts) {
    save("ALPHA");
    loadCourseList(list, programFolder);
    ASSERT_EQ(list.size(), 1);
    const std::uint8_t checksum = list[0].chartsChecksum;

    Ranking stored;
    stored.entries[0].score = 812345;
    stored.entries[0].name = {'K', 'V', '2', ' '};
    int next = 7;
    const RankingBlock block = encodeRanking(stored, checksum, [&next] { return next += 31; });
    ASSERT_TRUE(writeRankingBlock(home.path() / "course/alpha.K2R", block));
    loadCourseList(list, programFolder);
    EXPECT_EQ(list[0].rankingBlock, block) << "the ranking file name matches without regard to case";
    EXPECT_EQ(loadCourseRankingForDisplay(list[0]).entries[0].score, 812345);

    list[0].chartsChecksum = std::uint8_t(checksum + 1);
    EXPECT_FALSE(loadCourseRankingForDisplay(list[0]).hasTopScore()) << "a ranking of other charts";
}

}  // namespace
}  // namespace kv
