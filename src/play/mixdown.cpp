#include "play/mixdown.h"

#include <cmath>

#include "play/logic_step.h"
#include "play/stops.h"

namespace kv {
namespace {

constexpr int kRingOutChunk = 1024;

std::int32_t cursorAbsoluteStep(const Play& play) {
    const Cursor& now = play.playCursor;
    return now.measure < 0 ? now.measure * kStandardMeasure + now.step
                           : absoluteStep(play.measureStarts, now.measure, now.step);
}

}  // namespace

std::int64_t runMixdown(PlayContext& ctx, int outputRate, MixdownOutput& output,
                        const std::function<void(int measure)>& progress) {
    Play& play = ctx.play;
    const std::int32_t chartEnd = absoluteStep(play.measureStarts, ctx.chart.lastMeasure + 1, 0);
    const StepInput noInput;
    double elapsedMs = 0;
    std::int64_t mixed = 0;
    int lastMeasure = play.playCursor.measure;

    // Count-in steps make no sound worth keeping: the mix starts at measure 0.
    while (cursorAbsoluteStep(play) < 0) runLogicStep(ctx, noInput);
    // Each step sounds what it triggers, then lasts one step length. The step
    // that reaches the chart's end still sounds the notes of its last step.
    for (;;) {
        const bool ended = cursorAbsoluteStep(play) >= chartEnd;
        if (play.playCursor.measure != lastMeasure) progress(lastMeasure = play.playCursor.measure);
        if (ended) break;
        elapsedMs += nextStepMs(play);
        const auto due = std::int64_t(std::llround(elapsedMs * outputRate / 1000.0));
        output.mix(int(due - mixed));
        mixed = due;
        runLogicStep(ctx, noInput);
    }
    for (std::int64_t ring = 0; output.ringing() && ring < std::int64_t(kMaxRingOutSeconds) * outputRate;
         ring += kRingOutChunk) {
        output.mix(kRingOutChunk);
        mixed += kRingOutChunk;
    }
    return mixed;
}

}  // namespace kv
