#include "support/note_presses.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/key_names.h"
#include "media/input/lanes.h"

namespace kv::test {

namespace {

// The key name (as scripts take it) bound to a lane in a key mode, or ""
// when the lane has no key.
std::string laneKeyName(const Settings& bindings, int keyMode, int lane) {
    const int binding = laneBinding(keyMode, lane);
    if (binding < 0) return "";
    return std::string(dikName(bindings.KEYCODE[std::size_t(binding)]));
}

}  // namespace

bool addNotePresses(TimedScript& script, double playStartMs, const ChartTiming& timing, const Settings& bindings,
                    const std::vector<double>& offsetsMs) {
    struct Press {
        std::string key;
        double atMs;
    };
    std::vector<Press> presses;
    for (std::size_t i = 0; i < timing.notes.size(); ++i) {
        const NoteTime& note = timing.notes[i];
        std::string key = laneKeyName(bindings, timing.keyMode, note.lane);
        if (key.empty()) return false;
        const double offset = i < offsetsMs.size() ? offsetsMs[i] : 0.0;
        presses.push_back({std::move(key), playStartMs + note.ms + offset});
    }
    std::array<double, kLaneCount> nextOnLane;
    nextOnLane.fill(1e300);
    // From the last press backwards, so each press knows when its key is needed again.
    std::vector<double> holds(presses.size());
    for (std::size_t i = presses.size(); i-- > 0;) {
        const std::size_t lane = std::size_t(timing.notes[i].lane);
        const NoteTime& note = timing.notes[i];
        const double wanted = note.endMs > 0 ? note.endMs + kPressMs / 2 - note.ms : kPressMs;
        holds[i] = std::min(wanted, (nextOnLane[lane] - presses[i].atMs) / 2);
        nextOnLane[lane] = std::min(nextOnLane[lane], presses[i].atMs);
    }
    for (std::size_t i = 0; i < presses.size(); ++i) script.tap(presses[i].key, presses[i].atMs, holds[i]);
    return true;
}

}  // namespace kv::test
