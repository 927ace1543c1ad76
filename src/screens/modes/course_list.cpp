#include "screens/modes/course_list.h"

#include <cstring>

#include "base/text.h"
#include "platform/files.h"
#include "platform/path_text.h"
#include "platform/save_report.h"
#include "screens/modes/course_file.h"

namespace kv {

namespace {

constexpr const char* kCourseFolder = "course";
constexpr const char* kCourseExtension = ".kcz";
constexpr int kLastWeight = 5;

std::string courseFolder(const std::string& programFolder) {
    return platform::resolvePath(kCourseFolder, programFolder);
}

// Adds the bytes of one chart's lines to the running sum; false when the file cannot be opened.
bool addChartText(const std::string& path, std::uint8_t& sum, int& weight) {
    TextFile file(platform::pathFromText(platform::resolvePath(path)));
    if (!file.isOpen()) return false;
    bool more = true;
    while (more) {
        more = readConfigLine(file);
        for (const char* c = file.lineBuffer; *c; ++c) {
            sum = std::uint8_t(sum + std::uint8_t(*c) * weight);
            weight = weight == kLastWeight ? 1 : weight + 1;
        }
    }
    return true;
}

std::optional<CourseRecord> readCourseRecord(const std::string& folder, const std::string& fileName) {
    const std::optional<CourseStages> stages = readCourseFile(platform::pathFromText(folder + fileName));
    if (!stages) return std::nullopt;
    CourseRecord course;
    course.fileName = fileName;
    course.name = fileName.substr(0, fileName.size() - std::strlen(kCourseExtension));
    for (int s = 0; s < kCourseStages; ++s) {
        course.stageTitles[s] = (*stages)[s].title;
        course.stagePaths[s] = stagePath((*stages)[s]);
    }
    const std::optional<std::uint8_t> checksum = checkCourseCharts(course.stagePaths);
    if (!checksum) return std::nullopt;
    course.chartsChecksum = *checksum;
    course.rankingBlock = readRankingBlock(platform::pathFromText(platform::resolvePath(course.name + ".k2r", folder)));
    return course;
}

}  // namespace

CourseList& courseList() {
    static CourseList list;
    return list;
}

std::string stagePath(const ChartEntry& stage) {
    const std::string& dir = stage.dirPath;
    const bool joined = dir.empty() || dir.back() == '/' || dir.back() == '\\';
    return joined ? dir + stage.fileName : dir + "/" + stage.fileName;
}

void loadCourseList(CourseList& list, const std::string& programFolder) {
    list.clear();
    const std::string folder = courseFolder(programFolder) + "/";
    for (const std::string& fileName : platform::listFolder(folder, "*.kcz", platform::EntryKind::Files)) {
        if (list.size() >= kMaxCourses) break;
        if (const auto course = readCourseRecord(folder, fileName)) list.push(*course);
    }
}

std::optional<std::uint8_t> checkCourseCharts(const std::array<std::string, kCourseStages>& stagePaths) {
    std::uint8_t sum = 0;
    int weight = 1;
    for (const std::string& path : stagePaths)
        if (!addChartText(path, sum, weight)) return std::nullopt;
    return sum;
}

Ranking loadCourseRankingForDisplay(const CourseRecord& course) {
    return decodeRanking(course.rankingBlock, course.chartsChecksum);
}

int saveCourse(const std::string& programFolder, const std::string& name, const CourseStages& stages) {
    const std::filesystem::path file = platform::pathFromText(courseFolder(programFolder) + "/" + name + kCourseExtension);
    if (writeCourseFile(file, stages)) return 1;
    platform::reportSaveFailure(file);
    return 0;
}

int loadCourse(const CourseList& list, int index, const std::string& programFolder, CourseStages& stages) {
    if (index < 0 || index >= list.size()) return 0;
    const auto stored = readCourseFile(platform::pathFromText(courseFolder(programFolder) + "/" + list[index].fileName));
    if (!stored) return 0;
    stages = *stored;
    return 1;
}

}  // namespace kv
