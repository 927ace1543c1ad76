#pragma once
// The "--info CHART" command: loads a chart as play would, samples decoded,
// no window, and prints the report.
#include <ostream>
#include <string>

namespace kv {

// The game's settings decide the key mode and options. Returns 0, or 1 when
// the chart cannot be loaded.
int infoCommand(const std::string& chartFile, std::ostream& out);

}  // namespace kv
