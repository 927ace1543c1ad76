#pragma once
// The stored courses the course list shows: every readable "*.kcz" of the
// program folder's "course" folder whose five charts can all be opened, with
// the course's own ranking block.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/fixed_list.h"
#include "scene/scene_table.h"
#include "screens/results/ranking.h"
#include "screens/results/ranking_file.h"

namespace kv {

constexpr int kMaxCourses = 40;

struct CourseRecord {
    std::string name;      // the file name without ".kcz"
    std::string fileName;  // as listed, to reopen the same file
    std::array<std::string, kCourseStages> stageTitles;
    std::array<std::string, kCourseStages> stagePaths;
    std::uint8_t chartsChecksum = 0;  // ties the course ranking to these charts
    RankingBlock rankingBlock = emptyRankingBlock();
};

using CourseList = FixedList<CourseRecord, kMaxCourses>;

// The game's one course list.
CourseList& courseList();

// The stage chart's file as the course names it: the directory followed by the file name.
std::string stagePath(const ChartEntry& stage);

// Reads the course folder of `programFolder` in name order, keeping the
// first 40 courses whose files are whole and whose charts all open.
void loadCourseList(CourseList& list, const std::string& programFolder);

// The checksum over the text of the five charts, or nothing when one of
// them cannot be opened.
std::optional<std::uint8_t> checkCourseCharts(const std::array<std::string, kCourseStages>& stagePaths);

// The course's stored ranking as the select screen shows it.
Ranking loadCourseRankingForDisplay(const CourseRecord& course);

// Writes the stages as the course `name`; 1, or 0 when the file cannot be written.
int saveCourse(const std::string& programFolder, const std::string& name, const CourseStages& stages);
// Reads the stages of the listed course `index`; 1, or 0 when there is no
// such course or its file cannot be read whole.
int loadCourse(const CourseList& list, int index, const std::string& programFolder, CourseStages& stages);

}  // namespace kv
