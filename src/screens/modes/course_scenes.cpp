#include "screens/modes/course_scenes.h"

#include "scene/shell.h"
#include "screens/modes/course_list.h"
#include "screens/modes/course_name_entry.h"

namespace kv {

void addCourseScenes(SceneTable& scenes) {
    scenes.inputCourseName = inputCourseName;
    scenes.saveCourse = [](const std::string& name, const CourseStages& stages) {
        return saveCourse(shell().programFolder, name, stages);
    };
    scenes.loadCourse = [](int course, CourseStages& stages) {
        return loadCourse(courseList(), course, shell().programFolder, stages);
    };
}

CourseRankingKey storedCourseRanking(int course) {
    const CourseList& list = courseList();
    if (course < 0 || course >= list.size()) return {};
    return {list[course].name, list[course].chartsChecksum};
}

}  // namespace kv
