#pragma once
// Loads one chart for play: reads the file into the chart, loads its
// samples and pictures, derives the key mode, picture frame, note count,
// gauge rates, judgement windows and tempo, and runs the lane transform.
#include <cstdint>
#include <functional>
#include <string_view>

#include "chart/chart.h"
#include "chart/chart_entry.h"
#include "chart/chart_media.h"
#include "settings/settings.h"

namespace kv {

// What the loader needs to know about the running game.
struct LoadContext {
    int playMode = 0;    // 0 unless course or eternal play is running
    bool puzzle = false;
    std::int32_t rankingTopScore = 0;  // the chart's best stored score, 0 when none
    std::function<int()> random;       // the game's pseudo-random generator
};

// Returns 1 when play may start; 0 when the chart's folder or file cannot be
// opened, or the player quit while the loading screen waited for a key.
int loadChart(const ChartEntry& entry, Chart& chart, const Settings& settings, const LoadContext& context,
              ChartMedia& media, LoadingScreen& screen);

// The same over the chart file's bytes, already read for the header scan
// (see scanChartText).
int loadChartText(const ChartEntry& entry, std::string_view bytes, Chart& chart, const Settings& settings,
                  const LoadContext& context, ChartMedia& media, LoadingScreen& screen);

}  // namespace kv
