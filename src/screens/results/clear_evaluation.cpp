#include "screens/results/clear_evaluation.h"

#include "chart/chart.h"
#include "play/play_state.h"
#include "screens/results/grade.h"
#include "settings/settings.h"

namespace kv {

int evaluateClear(int purpose, bool missionLost) {
    const Settings& options = settings();
    const ClearInput run{.purpose = purpose,
                         .bonusStyle = options.STYLE == 4,
                         .gaugeKind = options.GAUGE,
                         .gauge = thePlay.gauge,
                         .score = thePlay.score,
                         .scoreTarget = theChart.scoreTarget,
                         .coolCount = thePlay.coolCount,
                         .greatCount = thePlay.greatCount,
                         .noteCount = theChart.noteCount,
                         .ignoreCool = options.IGCOOL != 0,
                         .missionLost = missionLost};
    const int grade = gradeRun(run);
    thePlay.cleared = grade == GradeFailed ? 0 : 1;
    return grade;
}

}  // namespace kv
