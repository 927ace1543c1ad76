#pragma once
// What the play screen remembers between frames: eased score and gauge
// figures, the blink phase, the picture frame's last composition, and the
// few facts of the run the screen shows.
#include <array>
#include <cstdint>
#include <string>

#include "play/play_config.h"
#include "play/play_state.h"
#include "play/scan_sparks.h"

namespace kv {

struct ComposedPicture {
    std::uint16_t base = kNoPicture;
    std::uint16_t layer = kNoPicture;
    bool poor = false;
    bool operator==(const ComposedPicture&) const = default;
};

struct PlayScreenState {
    std::int32_t scoreShown = 0;
    std::int32_t gaugeLevel = 0;  // 0-63
    std::int32_t gaugeShown = 0;
    std::int32_t blink = 0;       // 0-2
    std::int32_t missFrames = 0;  // frames the poor picture has shown
    // The pictures composed in the last three frames, newest first.
    std::array<ComposedPicture, 3> pictureHistory{};
    bool backgroundLoaded = false;
    std::string statusLine;  // "PL.  1", "STG. 2", ...
    std::int32_t framesCounted = 0;  // since the meter last turned over
    std::int32_t framesPerSecond = 0;
    std::int32_t paintedFrames = 0;  // every painted frame; paces blinking sprites
    ScanSparks sparks;
};

// The animation ticks of one frame: 10 ms of the animation counter each.
void animateFrame(Play& play, PlayScreenState& screen);

// Counts a painted frame; once a second of the meter's counter has passed
// the count becomes the frames-per-second figure and starts again.
void countFrame(PlayScreenState& screen);

}  // namespace kv
