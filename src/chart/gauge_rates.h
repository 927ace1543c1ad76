#pragma once
// How much one well-hit note and one miss move the life gauge, and the
// score to reach under the HIGHSC. gauge.
#include <cstdint>

#include "chart/chart.h"

namespace kv {

struct GaugeRules {
    int gauge = 0;  // GAUGE: 0 GROOVE, 1 SURVIVAL, 2 HIGHSC.
    int level = 0;  // LEVEL: 0 normal, 1 EASY, 2 HARD
    bool igCool = false;
    bool bonusStyle = false;       // STYLE BONUS
    bool puzzle = false;           // puzzle play ignores #TOTAL
    bool courseOrEternal = false;  // gauge carried over several charts
    std::int32_t rankingTopScore = 0;  // best stored score of the chart, 0 when none
};

// Sets gaugeGain, gaugeLoss and scoreTarget from chart.noteCount.
// total: the chart's #TOTAL, 0 when it has none.
void computeGaugeRates(Chart& chart, std::int32_t total, const GaugeRules& rules);

}  // namespace kv
