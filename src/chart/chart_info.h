#pragma once
// The "--info" report: what play will use of a loaded chart, as JSON.
#include <ostream>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/chart_entry.h"
#include "chart/playback_rate.h"

namespace kv {

// Each file once, however many slots name it (in whatever letter case).
struct MissingMedia {
    std::vector<std::string> samples;
    std::vector<std::string> pictures;

    void addSample(const std::string& fileName) { addOnce(samples, fileName); }
    void addPicture(const std::string& fileName) { addOnce(pictures, fileName); }

private:
    static void addOnce(std::vector<std::string>& list, const std::string& fileName);
};

// The extension switches the chart was read with; each adds its count.
struct InfoSwitches {
    bool longNotes = false;
    bool stops = false;
};

// `rate` is the TEMPO and BPMEDIT play runs at, for the play length.
void writeChartInfo(std::ostream& out, const Chart& chart, const ChartEntry& entry, const MissingMedia& missing,
                    PlaybackRate rate, InfoSwitches switches = {});

}  // namespace kv
