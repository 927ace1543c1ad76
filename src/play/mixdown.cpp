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

MixdownResult runMixdown(PlayContext& ctx, int outputRate, MixdownOutput& output,
                         const std::function<void(int measure)>& progress) {
    Play& play = ctx.play;
    const std::int32_t chartEnd = absoluteStep(play.measureStarts, ctx.chart.lastMeasure + 1, 0);
    const std::int64_t limit = std::int64_t(kMaxMixdownMinutes) * 60 * outputRate;
    const StepInput noInput;
    double elapsedMs = 0;
    MixdownResult result;
    std::int64_t& mixed = result.frames;
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
        const double dueFrames = elapsedMs * outputRate / 1000.0;
        if (!(dueFrames < double(limit))) {
            output.mix(int(limit - mixed));
            mixed = limit;
            result.cut = true;
            return result;
        }
        const auto due = std::int64_t(std::llround(dueFrames));
        output.mix(int(due - mixed));
        mixed = due;
        runLogicStep(ctx, noInput);
    }
    for (std::int64_t ring = 0; output.ringing() && ring < std::int64_t(kMaxRingOutSeconds) * outputRate;
         ring += kRingOutChunk) {
        output.mix(kRingOutChunk);
        mixed += kRingOutChunk;
    }
    return result;
}

}  // namespace kv
