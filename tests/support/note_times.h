#pragma once
// When a chart's notes reach the judgement line, in milliseconds after the
// play clock starts, worked out from the chart the game's own loader reads:
// the play cursor starts 581 steps before measure 0 once the pre-roll is
// done, moves one step per step length of the tempo in force (tempo
// changes and short measures included), and a press is judged exact in
// the step after the cursor reached the note.
#include <string>
#include <vector>

#include "settings/settings.h"

namespace kv::test {

struct NoteTime {
    int lane = 0;
    double ms = 0.0;     // after the play clock starts
    double endMs = 0.0;  // a long note's end reaches the line; 0 for a plain note
};

struct ChartTiming {
    int keyMode = 0;
    int noteCount = 0;
    std::vector<NoteTime> notes;  // the notes a player must hit, in time order (then lane order)
    // When a cleared run hands over to the result screen: the run is
    // decided as the cursor leaves the last measure and ends 720 steps later.
    double clearedEndMs = 0.0;
};

// Loads the chart (no sound or picture is touched) with `options` (the
// speed and tempo options change the timing). False when it cannot be loaded.
bool loadChartTiming(const std::string& chartPath, const Settings& options, ChartTiming& timing);

}  // namespace kv::test
