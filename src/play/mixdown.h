#pragma once
// Running a loaded chart under full autoplay as fast as the CPU allows,
// handing the wall time of every logic step to a mixer: the offline
// mixdown from measure 0 to the end of the chart's last measure, then
// until the last sound has died away.
#include <cstdint>
#include <functional>

#include "play/play_context.h"

namespace kv {

class MixdownOutput {
public:
    virtual ~MixdownOutput() = default;
    // Mixes the next `frames` frames of output.
    virtual void mix(int frames) = 0;
    // Whether any sound is still playing.
    virtual bool ringing() const = 0;
};

// The longest ring-out after the chart's end, in seconds.
constexpr int kMaxRingOutSeconds = 30;
// The longest mix: a chart whose song would run longer (an absurdly slow
// tempo) is cut here rather than filling the disk.
constexpr int kMaxMixdownMinutes = 30;

struct MixdownResult {
    std::int64_t frames = 0;  // mixed
    bool cut = false;         // stopped at kMaxMixdownMinutes before the chart's end
};

// Plays the run that startRun prepared; `progress` hears of every measure
// the play cursor enters.
MixdownResult runMixdown(PlayContext& ctx, int outputRate, MixdownOutput& output,
                         const std::function<void(int measure)>& progress);

}  // namespace kv
