#pragma once
// The select screen as a scene: opens, runs frames until a decision, and
// closes with the striped wipe.
#include <string>

#include "chart/chart_entry.h"

namespace kv {

// 0 when the window closed, 1 when something was chosen, 2 on Escape; in
// the course list (mode 1) the course line, or -1 on Escape.
int runSelectScreen(int mode, const std::string& title, int banner);

// Loads a song folder's charts with the game's list settings and makes it
// the open one.
void openSongFolder(int folder);

// The chart the last visit chose.
ChartEntry chosenChartEntry();

}  // namespace kv
