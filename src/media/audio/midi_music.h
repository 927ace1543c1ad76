#pragma once
// A chart's MIDI accompaniment, played by a General MIDI synthesizer
// inside the game's own mixer. At most one MIDI file is open. A missing
// soundfont or file leaves the music silent; it never fails a chart.
#include <string_view>

namespace kv {

// Closes what is open, then opens `name` (resolved like sample names).
// True when the file is ready to play.
bool openMidi(std::string_view name);
// Starts the open file from its beginning. False when none is open.
bool playMidi();
// A stop with a start position was never honoured: the accompaniment
// keeps sounding until closeMidi, and the chart's timing expects that.
// Always false, like the refused request.
bool stopMidi();
// Silences and closes the open file. True, as closing all always works.
bool closeMidi();

}  // namespace kv
