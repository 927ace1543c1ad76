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
// The guide panel's rows: the status line across the top (mode, run,
// speed, lane transform and view labels) and the figures of the bottom
// panel (best combo, tempo, progress, frame rate, gauge, clock).
void drawGuidePanel(const PanelView& view, const PlayScreenState& screen);

// How far the play cursor is through the chart, 0 to `scale`; a chart of
// no length stays at 0.
int songProgress(const Play& play, const Chart& chart, int scale);

}  // namespace kv
