#include "support/free_play_script.h"

#include <string>

namespace kv::test {

namespace {

// Long enough for each screen's opening animation and the wipe after it.
constexpr double kTitleOpensMs = 1500;
constexpr double kChartLoadsMs = 4000;  // stage screen, then the loading screen
constexpr double kFrameGridMs = 50;     // three 60 Hz frames: a frame boundary

}  // namespace

double chooseChartFromTitle(TimedScript& script, int listLine) {
    script.wait(kTitleOpensMs).press("RETURN").wait(kListOpensMs);
    for (int line = 0; line < listLine; ++line) script.press("DOWN").wait(kPressMs);
    return startHighlightedChart(script);
}

double startHighlightedChart(TimedScript& script) {
    script.press("RETURN").wait(kChartLoadsMs).alignTo(kFrameGridMs);
    const double playStart = script.now();
    script.press(kContinueKey);
    return playStart;
}

void enterNameAndLeave(TimedScript& script, std::string_view name, const ResultShots& shots) {
    script.wait(kFiguresRollMs).type(name).wait(kScreenStepMs);
    if (!shots.typing.empty()) script.shot(shots.typing);
    script.press("RETURN").wait(kScreenStepMs);
    if (!shots.named.empty()) script.shot(shots.named);
    script.press("RETURN").wait(kListOpensMs);
}

}  // namespace kv::test
