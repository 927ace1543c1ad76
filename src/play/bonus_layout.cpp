#include "play/bonus_layout.h"

#include "play/bonus_shooter.h"

namespace kv {

namespace {

constexpr int kMessageX = 257;

struct Spread {
    int pitch;
    int secondSideShift;  // the second side interleaves with the first
};

Spread spreadFor(int keyMode) {
    switch (keyMode) {
        case SevenKeys: return {32, 0};
        case TenKeys: return {46, 23};
        case FourteenKeys: return {32, 16};
        default: return {42, 0};
    }
}

}  // namespace

LaneLayout layoutBonusLanes(int keyMode) {
    LaneLayout layout;
    const Spread spread = spreadFor(keyMode);
    for (int lane = 0; lane < kLaneCount; ++lane) {
        if (!laneInUse(keyMode, lane)) continue;
        const int shift = lane >= 8 ? spread.secondSideShift : 0;
        layout.lanes[std::size_t(lane)].x = (lane % 8) * spread.pitch + shift;
    }
    layout.areaLeft = layout.laneOriginX = kBonusFieldX;
    layout.lanesWidth = kFieldWidth;
    layout.messageX = kMessageX;
    // The figures sit where the guide panel puts them.
    layout.guidePanel = true;
    layout.gaugeX = 203;
    layout.scoreX = 81, layout.scoreY = 437;
    layout.bonusScoreX = 81, layout.bonusScoreY = 460;
    return layout;
}

std::array<int, kLaneCount> bonusLaneXs(const LaneLayout& layout) {
    std::array<int, kLaneCount> xs{};
    for (int lane = 0; lane < kLaneCount; ++lane) xs[std::size_t(lane)] = layout.lanes[std::size_t(lane)].x;
    return xs;
}

}  // namespace kv
