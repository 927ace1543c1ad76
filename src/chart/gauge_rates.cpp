#include "chart/gauge_rates.h"

#include <algorithm>

namespace kv {

namespace {

float baseGain(std::int32_t noteCount, std::int32_t total, bool puzzle) {
    if (noteCount <= 0) return 0.0f;
    if (total != 0 && !puzzle) return float(total) / float(noteCount);
    // A one-note chart would divide by zero here; treat it as a pair.
    const int pairs = std::max(noteCount / 2, 1);
    return float(100.0 / pairs * 1.2);
}

}  // namespace

void computeGaugeRates(Chart& chart, std::int32_t total, const GaugeRules& rules) {
    constexpr int survival = 1, highScore = 2, easy = 1, hard = 2;
    float gain = baseGain(chart.noteCount, total, rules.puzzle);
    float loss = 3.5f;
    chart.scoreTarget = 0;
    if (rules.gauge == survival) gain *= 0.7f;
    if (rules.igCool) gain *= 1.4f;

    if (rules.gauge == survival) {
        if (rules.courseOrEternal) {
            gain *= 0.2f;
            loss = 1.1666666f;
        }
        if (rules.level == easy) loss *= 0.7f;
        if (rules.level == hard) loss *= 1.3f;
    } else {
        if (rules.level == easy) gain *= 1.3f;
        if (rules.level == hard) gain *= 0.7f;
        if (rules.gauge == highScore && !rules.bonusStyle) {
            gain = 0.0f;
            loss = 0.0f;
            const bool stored = rules.rankingTopScore >= 1 && rules.rankingTopScore <= 200000;
            chart.scoreTarget = stored ? rules.rankingTopScore : 170000;
        }
    }
    chart.gaugeGain = gain;
    chart.gaugeLoss = loss;
}

}  // namespace kv
