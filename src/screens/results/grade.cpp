#include "screens/results/grade.h"

namespace kv {

namespace {

// Four score bands above the lowest grade, best first.
int gradeByBands(long long score, long long unit) {
    if (score > 18 * unit) return GradeA;
    if (score > 16 * unit) return GradeB;
    if (score > 14 * unit) return GradeC;
    if (score > 12 * unit) return GradeD;
    return GradeE;
}

}  // namespace

int chartScoreGrade(int score, bool ignoreCool) {
    return gradeByBands(static_cast<long long>(score) * (ignoreCool ? 2 : 1), 10000);
}

int courseGrade(long long coolPlusGreat, long long noteCount, long long courseScore) {
    if (coolPlusGreat == noteCount) return GradeAllCoolGreat;
    return gradeByBands(courseScore, 50000);
}

bool gaugeClears(const ClearInput& run) {
    switch (run.gaugeKind) {
        case GaugeGroove: return run.gauge >= 70.0f;
        case GaugeSurvival: return run.gauge > 0.0f;
        default: return run.gauge > 0.0f && run.score >= run.scoreTarget;
    }
}

int gradeRun(const ClearInput& run) {
    const bool failed = run.bonusStyle ? run.gauge == 0.0f
                                       : !gaugeClears(run) || (run.purpose == PurposePuzzle && run.missionLost);
    if (failed) return GradeFailed;
    if (run.purpose == PurposePuzzle && !run.bonusStyle) return GradePuzzleCleared;
    if (run.coolCount + run.greatCount == run.noteCount) return GradeAllCoolGreat;
    return chartScoreGrade(run.score, run.ignoreCool);
}

}  // namespace kv
