#include "play/tempo.h"

#include "chart/judge_windows.h"
#include "chart/playback_rate.h"

namespace kv {

void applyTempo(PlayContext& ctx, double bpm) {
    const double tempo = playbackTempo(bpm, {ctx.config.tempo, ctx.config.bpmEdit});
    if (!(tempo > 0)) return;

    ctx.chart.playTempo = tempo;
    TempoState& state = ctx.play.tempo;
    state.stepsPerSecond = tempo * 72 * (1.0 / 60);
    state.msPerStep = (1 / state.stepsPerSecond) * 1000;
    setSubstepsPerStep(state, state.substepsPerStep);
    computeJudgeWindows(ctx.chart, ctx.config.coolOnly);
}

void setSubstepsPerStep(TempoState& tempo, double substepsPerStep) {
    tempo.substepsPerStep = substepsPerStep;
    tempo.tickMs = tempo.msPerStep / substepsPerStep;
}

}  // namespace kv
