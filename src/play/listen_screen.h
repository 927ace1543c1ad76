#pragma once
// The listen mode's screen: the skin's listen picture with the chart's
// genre, title and artist, and the chart's pictures over it once the chart
// has begun.
#include "chart/chart.h"
#include "chart/chart_entry.h"
#include "play/play_screen_state.h"
#include "settings/settings.h"

namespace kv {

// The opening picture: the listen picture with the chart's names written
// on it (not presented).
void drawListenOpening(const ChartEntry& entry);

// Draws the chart's pictures over what the back surface already shows when
// they changed, then presents.
void paintListenFrame(Play& play, const Chart& chart, const Settings& options, PlayScreenState& screen);

}  // namespace kv
