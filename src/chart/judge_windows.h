#pragma once
// Judgement windows in logic steps, widened for fast charts. Play calls
// this again whenever the tempo changes.
#include "chart/chart.h"

namespace kv {

// Fills chart.judgeWindows from chart.playTempo and chart.rank.
void computeJudgeWindows(Chart& chart, bool coolOnly);

}  // namespace kv
