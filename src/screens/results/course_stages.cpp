#include "screens/results/course_stages.h"

#include "chart/chart.h"
#include "play/play_state.h"

namespace kv {

std::array<CourseStageRecord, kCourseStages>& courseStageRecords() {
    static std::array<CourseStageRecord, kCourseStages> records{};
    return records;
}

void recordCourseStage(int stage) {
    if (stage < 0 || stage >= kCourseStages) return;
    CourseStageRecord& record = courseStageRecords()[stage];
    record.tallies = {.coolCount = thePlay.coolCount, .greatCount = thePlay.greatCount,
                      .goodCount = thePlay.goodCount, .breakCount = thePlay.breakCount,
                      .missCount = thePlay.missCount, .noteCount = theChart.noteCount, .score = thePlay.score};
    record.bonus = thePlay.bonusScore;
    record.maxCombo = thePlay.maxCombo;
    record.keyMode = theChart.keyMode;
}

}  // namespace kv
