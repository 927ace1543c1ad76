#pragma once
// Grade codes of the result screens and the clear evaluation that picks one.
#include <cstdint>

namespace kv {

// Index of the grade tile on the FONT sheet (cells 220-227).
enum Grade : int {
    GradeAllCoolGreat = 0,
    GradeA = 1,  // chart score above 180000, course above 900000
    GradeB = 2,
    GradeC = 3,
    GradeD = 4,
    GradeE = 5,
    GradeFailed = 6,
    GradePuzzleCleared = 7,
};

// Who asks for the evaluation: courses and eternal play share the rules of
// free play but keep no ranking of their own per chart.
enum ClearPurpose : int { PurposeCourseOrEternal = 0, PurposeFreePlay = 1, PurposePuzzle = 2 };

enum GaugeKind : int { GaugeGroove = 0, GaugeSurvival = 1, GaugeHighScore = 2 };

// Everything the evaluation reads from the finished run, the chart and the
// settings, gathered so the rules can be checked without a play scene.
struct ClearInput {
    int purpose = PurposeFreePlay;
    bool bonusStyle = false;
    int gaugeKind = GaugeGroove;
    float gauge = 0.0f;
    int score = 0;
    int scoreTarget = 0;  // HIGHSC. gauge only
    int coolCount = 0;
    int greatCount = 0;
    int noteCount = 0;
    bool ignoreCool = false;     // IGCOOL: every COOL counts as GREAT, so the score is doubled for grading
    bool missionLost = false;    // puzzle: the mission's goal was not met
};

// The grade by score alone: a chart's score (doubled under IGCOOL).
int chartScoreGrade(int score, bool ignoreCool);
// The grade of a whole course: all notes COOL or GREAT, else by course score.
int courseGrade(long long coolPlusGreat, long long noteCount, long long courseScore);
// Whether the gauge (and, for HIGHSC., the score target) lets the run pass.
bool gaugeClears(const ClearInput& run);
// The grade code of a finished run.
int gradeRun(const ClearInput& run);

}  // namespace kv
