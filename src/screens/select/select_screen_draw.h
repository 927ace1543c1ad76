#pragma once
// Drawing one frame of the select screen onto the back surface.
#include <string>

#include "screens/results/ranking.h"
#include "screens/select/select_screen.h"

namespace kv {

// `ranking` is the highlighted chart's, shown in free play.
void drawSelectFrame(const SelectContext& context, SelectVisit& visit, const Ranking& ranking,
                     const std::string& title, int banner);

}  // namespace kv
