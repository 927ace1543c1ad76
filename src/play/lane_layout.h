#pragma once
// Where the lanes, keys and panels of the play screen sit, fixed for a run
// from the style, the chart's key mode and the lane options.
#include <array>

#include "chart/chart.h"
#include "play/play_config.h"

namespace kv {

struct LaneSlot {
    int x = -1;  // inside the lane area; -1 = the lane is not shown
    int noteWidth = 0;
    int keySprite = 0;         // at rest
    int pressedKeySprite = 0;  // drawn over it while pressed
    int beamSet = 0;           // first of three beam images
};

struct LaneStrip {
    int x = 0;
    int sprite = 0;
};

constexpr int kMaxLaneStrips = 16;
constexpr int kSideSeparatorWidth = 3;

struct LaneLayout {
    std::array<LaneSlot, kLaneCount> lanes{};
    // Turntable first, then odd lanes, then even ones, so narrow keys
    // overlap the wide ones.
    std::array<int, kLaneCount> keyOrder{};
    int keyCount = 0;
    std::array<LaneStrip, kMaxLaneStrips> strips{};
    int stripCount = 0;
    int separatorX = -1;  // two-sided rows: between the sides, inside the lane area

    int boardLeft = 0;
    int areaLeft = 0;
    int laneOriginX = 0;
    int lanesWidth = 0;
    int messageX = 0;
    int keyRowY = 0, hitFlashRowY = 0, stripRowY = 0, beamRowY = 0;
    int gaugeX = 0, gaugeY = 457;
    int scoreX = 0, scoreY = 436;
    int bonusScoreX = 0, bonusScoreY = 436;
    int countPanelX = 0, countPanelY = 377;
    bool guidePanel = false;
};

// The layout of the lane styles that draw from the shared lane sheet
// (BEMUSIC, UPWAY).
LaneLayout layoutLanes(const PlayConfig& config, const Settings& options, int keyMode);

}  // namespace kv
