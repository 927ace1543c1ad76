#pragma once
// The figures around the lanes: judgement and combo, gauge, score,
// judgement counts and the status line, from the BOARD sheet.
#include "chart/chart.h"
#include "play/lane_layout.h"
#include "play/play_screen_state.h"

namespace kv {

struct PanelView {
    const Play& play;
    const Chart& chart;
    const PlayConfig& config;
    const Settings& options;
    const LaneLayout& layout;
};

// y of the judgement image for the MSGPOS setting, climbing with the
// combo under COMBOUP.
int messageRow(const PanelView& view);

void drawJudgement(const PanelView& view);
void drawGauge(const PanelView& view, PlayScreenState& screen);
void drawScores(const PanelView& view, const PlayScreenState& screen);
void drawJudgementCounts(const PanelView& view, const PlayScreenState& screen);
void drawStatusLine(const PanelView& view, const PlayScreenState& screen);

}  // namespace kv
