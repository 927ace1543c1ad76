#include "play/tallies.h"

#include <algorithm>
#include <cmath>

namespace kv {
namespace {

constexpr float kGaugeMax = 100.0f;

// SURVIVAL and HIGHSC. charge losses twice.
float lossFactor(const PlayConfig& config) { return config.gauge == Groove ? 1.0f : 2.0f; }

std::int32_t nextCombo(std::int32_t combo, JudgementCode code, int option) {
    switch (code) {
        case Cool: return option == ComboOff ? 0 : combo + 1;
        case Great:
            if (option == ComboCool2) return combo;
            return option == ComboOff ? 0 : combo + 1;
        case Good: return option == ComboGood ? combo + 1 : 0;
        default: return 0;
    }
}

}  // namespace

std::int32_t scoreFromJudgements(std::int64_t cool, std::int64_t great, std::int64_t good, std::int64_t breaks,
                                 std::int32_t noteCount) {
    if (noteCount <= 0) return 0;
    const std::int64_t n = noteCount;
    return std::int32_t(cool * 200000 / n + great * 100000 / n + good * 50000 / n + breaks * 25000 / n);
}

float startingGauge(const Play& play, const PlayConfig& config, bool continueStage) {
    const bool replayLoad = config.replay == ReplayLoad && !config.course && !config.eternal;
    if (play.autoplayActive || config.style == Bonus || replayLoad) return kGaugeMax;
    switch (config.gauge) {
        case Survival: return continueStage || config.eternal ? play.gauge : kGaugeMax;
        case HighScore: return 0.0f;
        default: return 9.0f;
    }
}

void changeGauge(Play& play, float delta) { play.gauge += delta; }

void clampGauge(Play& play) { play.gauge = std::clamp(play.gauge, 0.0f, kGaugeMax); }

void bounceGaugeBar(Play& play, JudgementCode code) {
    static constexpr int kBounce[] = {6, 4, 2, -3, -6};
    play.gaugeBarTarget = std::int8_t(kBounce[code - 1] + int(std::trunc(63 * play.gauge / 100)));
}

void showJudgement(Play& play, JudgementCode code) {
    play.judge.phase = 1;
    play.judge.code = play.judge.image = judgementImage(code);
    play.judge.age = 0;
}

void chargeMiss(PlayContext& ctx) {
    Play& play = ctx.play;
    changeGauge(play, -ctx.chart.gaugeLoss * lossFactor(ctx.config));
    ++play.missCount;
    play.absorbedMisses = std::int8_t(std::min(8, play.absorbedMisses + 1));
    showJudgement(play, Miss);
    play.missFlag = true;
    bounceGaugeBar(play, Miss);
}

void countJudgement(PlayContext& ctx, JudgementCode code) {
    Play& play = ctx.play;
    showJudgement(play, code);
    play.combo = nextCombo(play.combo, code, ctx.config.combo);
    switch (code) {
        case Cool: ++play.coolCount; break;
        case Great: ++play.greatCount; break;
        case Good: ++play.goodCount; break;
        default: ++play.breakCount; break;
    }
    play.missFlag = code == Break;
}

void applyJudgement(PlayContext& ctx, JudgementCode code) {
    if (code == Miss) {
        chargeMiss(ctx);
        return;
    }
    Play& play = ctx.play;
    countJudgement(ctx, code);
    const float gain = ctx.chart.gaugeGain;
    switch (code) {
        case Cool: changeGauge(play, gain); break;
        case Great: changeGauge(play, 0.6f * gain); break;
        case Good: changeGauge(play, 0.2f * gain); break;
        default: changeGauge(play, -0.5f * ctx.chart.gaugeLoss * lossFactor(ctx.config)); break;
    }
    bounceGaugeBar(play, code);
}

void updateScore(PlayContext& ctx) {
    Play& play = ctx.play;
    play.score = computeScore(play, ctx.chart.noteCount);
    if (ctx.config.gauge == HighScore) play.gauge = float(play.score) * 0.0005f;
    if (play.combo > play.maxCombo) play.maxCombo = play.combo;
}

void breakHeldNote(PlayContext& ctx, JudgementCode headCode) {
    Play& play = ctx.play;
    switch (headCode) {
        case Cool: --play.coolCount; break;
        case Great: --play.greatCount; break;
        case Good: --play.goodCount; break;
        default: return;  // only COOL to GOOD are ever held
    }
    applyJudgement(ctx, Break);
    updateScore(ctx);
}

void chargePassedNote(PlayContext& ctx) {
    Play& play = ctx.play;
    play.combo = 0;
    if (play.absorbedMisses > 0) {
        --play.absorbedMisses;
        return;
    }
    ++play.missCount;
    showJudgement(play, Miss);
    if (play.cleared == 0 && ctx.config.style != Bonus) {
        changeGauge(play, -ctx.chart.gaugeLoss * lossFactor(ctx.config));
        bounceGaugeBar(play, Miss);
    }
    play.missFlag = true;
}

}  // namespace kv
