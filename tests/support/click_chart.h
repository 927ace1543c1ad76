#pragma once
// A chart made to time sound and presses by: a sharp 5 ms click as a
// background sound on every beat and, when asked, a silent note on every
// beat in the first key's lane, so a press can be placed on the click it
// answers. And the onsets of the clicks in a recording.
#include <filesystem>
#include <vector>

#include "platform/sound_file.h"

namespace kv::test {

struct ClickChart {
    int bpm = 120;
    int measures = 4;
    bool notes = false;  // a note on every beat, pressed with the first key (Z)
};

// Writes "clicks.bms" and "click.wav" into `folder`; returns the chart's
// path, or an empty path when writing failed.
std::filesystem::path writeClickChart(const std::filesystem::path& folder, const ClickChart& chart);

// Times (ms from the recording's start) at which sound begins after at
// least 50 ms of silence, from `fromMs` on.
std::vector<double> clickOnsetsMs(const platform::PcmSound& recording, double fromMs = 0);

}  // namespace kv::test
