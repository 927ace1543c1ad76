#include <gtest/gtest.h>

#include <filesystem>

#include "scene/shell.h"
#include "screens/modes/course_list.h"
#include "screens/modes/course_scenes.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

TEST(CourseScenes, StoredCoursesAreSavedLoadedAndTiedToTheirRanking) {
    test::TempFolder home{"course_scenes"};
    std::filesystem::create_directories(home.path() / "course");
    shell() = Shell{};
    shell().programFolder = home.path().string() + "/";
    CourseStages stages;
    for (int s = 0; s < kCourseStages; ++s) {
        stages[std::size_t(s)].dirPath = home.path().string();
        stages[std::size_t(s)].fileName = "c.bms";
    }
    home.write("c.bms", "#TITLE C\n");
    SceneTable scenes;
    addCourseScenes(scenes);
    ASSERT_TRUE(scenes.inputCourseName);
    ASSERT_EQ(scenes.saveCourse("MINE", stages), 1);

    CourseList& list = courseList();
    loadCourseList(list, shell().programFolder);
    ASSERT_EQ(list.size(), 1);
    CourseStages loaded;
    EXPECT_EQ(scenes.loadCourse(0, loaded), 1);
    EXPECT_EQ(loaded[4].fileName, "c.bms");
    EXPECT_EQ(scenes.loadCourse(1, loaded), 0);

    const CourseRankingKey key = storedCourseRanking(0);
    EXPECT_EQ(key.name, "MINE");
    EXPECT_EQ(key.chartsChecksum, list[0].chartsChecksum);
    EXPECT_EQ(storedCourseRanking(1).name, "") << "no course, no ranking file";
    EXPECT_EQ(storedCourseRanking(-1).name, "");
}

}  // namespace
}  // namespace kv
