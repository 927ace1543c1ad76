#pragma once
// Where the lanes, keys and panels of the play screen sit, fixed for a run
// from the style, the chart's key mode and the lane options.
//
// SCAN2 turns the lanes into horizontal rows: there the lane positions,
// areaLeft and laneOriginX are y coordinates, and the key "row" is a column.
#include <array>
#include <optional>

#include "chart/chart.h"
#include "play/play_config.h"

namespace kv {

struct LaneSlot {
    int x = -1;  // inside the lane area; -1 = the lane is not shown
    int noteWidth = 0;
    int keySprite = 0;         // at rest (SCAN2: the key's socket)
    int pressedKeySprite = 0;  // drawn over it while pressed
    int beamSet = 0;           // first of three beam images (SCAN2: the key itself)
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
    // SCAN2 keeps its judgement on a row of its own beside the lanes; the
    // other styles take the row from MSGPOS.
    std::optional<int> fixedMessageRow;
    int keyRowY = 0, hitFlashRowY = 0, stripRowY = 0, beamRowY = 0;
    int gaugeX = 0, gaugeY = 457;
    int scoreX = 0, scoreY = 436;
    int bonusScoreX = 0, bonusScoreY = 436;
    int countPanelX = 0, countPanelY = 377;
    bool guidePanel = false;
};

// The layout of the lane styles BEMUSIC, UPWAY, SCAN2 and WAVE; the
// sprites name cells of the style's own sheet. EFFPOS sets, side by side,
// whether a turntable stands before or after its keys.
LaneLayout layoutLanes(const PlayConfig& config, const Settings& options, int keyMode);

}  // namespace kv
