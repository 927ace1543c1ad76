#pragma once
// The VIEW option and the LAG toggle: which notes are drawn, and where.
#include <optional>

#include "play/play_config.h"

namespace kv {

// Offsets that bound the VIEW bands of a style.
struct VisibilityBands {
    int limit;       // nothing is drawn at this offset or beyond
    int split;       // HIDDEN shows below it, SUDDEN above it
    int middleLow;   // MIDDLE shows strictly between these
    int middleHigh;
    int lagLow;      // LAG draws notes strictly between these ...
    int lagHigh;
    int lagAt;       // ... at this offset
};

inline constexpr VisibilityBands kLaneBands{460, 210, 190, 230, 200, 270, 235};  // BEMUSIC, UPWAY, BONUS
inline constexpr VisibilityBands kWaveBands{400, 315, 290, 330, 300, 370, 335};

// INVISIBL flashes the notes during the first steps of every measure.
constexpr int kInvisibleFlashSteps = 17;

// The offset at which a note with offset d is drawn, or nothing when the
// note is hidden. playStep is the play cursor's step within its measure.
std::optional<int> visibleNoteOffset(int d, int lane, int playStep, const PlayConfig& config,
                                     const VisibilityBands& bands);

// Bar lines ignore VIEW.
constexpr bool barLineVisible(int d) { return d > 0 && d < 402; }

}  // namespace kv
