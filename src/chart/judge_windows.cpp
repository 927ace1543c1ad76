#include "chart/judge_windows.h"

#include <algorithm>

namespace kv {

namespace {

constexpr int kMaxWindow = 127;

}  // namespace

void computeJudgeWindows(Chart& chart, bool coolOnly) {
    static constexpr int base[4][4] = {{2, 4, 8, 16}, {4, 7, 12, 24}, {5, 9, 16, 32}, {6, 11, 20, 40}};
    const int rank = std::clamp<int>(chart.rank, 0, 3);
    const double factor = 1.0 - (1.0 - chart.playTempo / 130.0) * 0.7;
    int windows[4];
    for (int i = 0; i < 4; ++i) {
        // Capped before the conversion: a huge tempo would not fit an int.
        const double scaled = base[rank][i] * factor;
        windows[i] = scaled < kMaxWindow ? int(scaled) : kMaxWindow;
        if (i > 0 && windows[i] <= windows[i - 1]) windows[i] = windows[i - 1] + 1;
    }
    if (coolOnly) std::fill(windows + 1, windows + 4, windows[0]);
    // Extreme tempos would overflow the 8-bit windows; cap them instead.
    for (int i = 0; i < 4; ++i) chart.judgeWindows[i] = std::int8_t(std::clamp(windows[i], 0, kMaxWindow));
}

}  // namespace kv
