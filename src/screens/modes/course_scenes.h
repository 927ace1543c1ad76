#pragma once
// Puts the course files and the course name entry into the scene table.
#include "scene/scene_table.h"
#include "screens/results/result_scenes.h"

namespace kv {

// Registers inputCourseName, saveCourse and loadCourse; stored courses come
// from the course list the last course list screen read.
void addCourseScenes(SceneTable& scenes);

// The name and charts checksum that tie a listed course to its ranking file.
CourseRankingKey storedCourseRanking(int course);

}  // namespace kv
