#include "play/note_visibility.h"

namespace kv {
namespace {

bool shownByView(int d, int lane, int playStep, int view, const VisibilityBands& bands) {
    const bool hiddenBand = d > 0 && d < bands.split;
    const bool suddenBand = d > bands.split;
    switch (view) {
        case Hidden: return hiddenBand;
        case Sudden: return suddenBand;
        case Invisible: return d > 0 && playStep < kInvisibleFlashSteps;
        case Middle: return d > bands.middleLow && d < bands.middleHigh;
        case HiddenSudden: return lane % 2 == 1 ? hiddenBand : suddenBand;
        default: return d > 0;
    }
}

}  // namespace

std::optional<int> visibleNoteOffset(int d, int lane, int playStep, const PlayConfig& config,
                                     const VisibilityBands& bands) {
    if (d >= bands.limit || !shownByView(d, lane, playStep, config.view, bands)) return std::nullopt;
    if (config.lag && d > bands.lagLow && d < bands.lagHigh) return bands.lagAt;
    return d;
}

}  // namespace kv
