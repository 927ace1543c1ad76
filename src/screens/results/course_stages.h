#pragma once
// The figures of each finished course stage, kept for the course result.
#include <array>

#include "screens/results/result_figures.h"

namespace kv {

std::array<CourseStageRecord, kCourseStages>& courseStageRecords();
// Keeps the tallies of the play that just ended as stage `stage` (0-4).
void recordCourseStage(int stage);

}  // namespace kv
