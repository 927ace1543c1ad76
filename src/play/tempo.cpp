#include "play/tempo.h"

#include "chart/judge_windows.h"

namespace kv {

float tempoFactor(int tempoCode) {
    static constexpr float kFactors[] = {1.0f, 1.5f, 2.0f, 0.75f, 0.5f};
    if (tempoCode < 0 || tempoCode > 4) return 1.0f;
    return kFactors[tempoCode];
}

void applyTempo(PlayContext& ctx, double bpm) {
    double tempo = bpm;
    if (ctx.config.tempo != 0) tempo = float(bpm) * tempoFactor(ctx.config.tempo);
    if (ctx.config.bpmEdit != 50) tempo = ((ctx.config.bpmEdit - 50) * 0.001 + 1.0) * tempo;
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
