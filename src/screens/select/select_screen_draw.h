#pragma once
// Drawing one frame of the select screen onto the back surface.
#include <string>

#include "screens/results/ranking.h"
#include "screens/select/select_screen.h"

namespace kv {

// `ranking` is the highlighted chart's, shown in free play.
void drawSelectFrame(const SelectContext& context, SelectVisit& visit, const Ranking& ranking,
                     const std::string& title, int banner);

// The chart list's footer, "MUSIC %d/%d": the highlighted line and the
// number of charts. A single-song library has one chart, on its one line.
std::string musicCounterText(const SongLibrary& library, int chartCursor);

}  // namespace kv
