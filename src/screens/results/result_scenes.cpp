#include "screens/results/result_scenes.h"

#include "screens/results/clear_evaluation.h"
#include "screens/results/course_result_screen.h"
#include "screens/results/course_stages.h"
#include "screens/results/grade.h"
#include "screens/results/result_flow.h"
#include "screens/results/result_screen.h"

namespace kv {

void registerResultScenes(SceneTable& scenes, ResultSceneSources sources) {
    scenes.evaluateClear = [sources](int purpose) {
        return evaluateClear(purpose, purpose == PurposePuzzle && sources.missionLost && sources.missionLost());
    };
    scenes.resultScreen = [sources](int purpose, int grade) {
        const int mission = purpose == PurposePuzzle && sources.missionIndex ? sources.missionIndex() : -1;
        const int choice = resultScreen(purpose, grade, sources.playedEntry(), mission);
        if (choice != ResultNothing && sources.wipeOut) sources.wipeOut();
        return choice;
    };
    scenes.courseResultScreen = [sources](int course) {
        const CourseRankingKey key = course >= 0 && sources.courseRanking ? sources.courseRanking(course)
                                                                          : CourseRankingKey{};
        if (courseResultScreen(course, key.name, key.chartsChecksum) && sources.wipeOut) sources.wipeOut();
    };
    scenes.recordCourseStage = [](int stage) { recordCourseStage(stage); };
}

}  // namespace kv
