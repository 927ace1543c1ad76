#include "play/lane_layout.h"

namespace kv {

namespace {

constexpr int kTurntableWidth = 34;
constexpr int kWideKeyWidth = 20, kNarrowKeyWidth = 16, kHalfKeyWidth = 10;
constexpr int kWideArea = 221;  // lanes at least this wide leave no margin
constexpr int kLaneOriginInset = 23;
constexpr int kMessageWidth = 81;

// Sheet cells of the lane sheet.
constexpr int kTurntableStrip = 47, kKeyStrip = 45, kNarrowKeyStrip = 46;
constexpr int kTurntableKey = 10, kTurntableKeyPressed = 11, kEffectTurntableKey = 61;
constexpr int kHalfOddKey = 2, kHalfEvenKey = 3, kHalfOddPressed = 4, kHalfEvenPressed = 5;
constexpr int kWideKey = 6, kNarrowKey = 7, kWidePressed = 8, kNarrowPressed = 9;
constexpr int kOddBeams = 48, kHalfEvenBeams = 51, kNarrowBeams = 54, kTurntableBeams = 57;

constexpr std::array<int, 4> kNoteWidths{19, 19, 15, 33};  // by note colour

bool isTurntable(int lane) { return lane % 8 == 0; }
bool isOddKey(int lane) { return lane % 2 == 1; }

int noteColour(int lane, bool separate) {
    if (isTurntable(lane)) return 3;
    if (isOddKey(lane)) return 0;
    return separate ? 2 : 1;
}

LaneSlot laneSlot(int lane, bool separate, bool effectTurntable) {
    LaneSlot slot;
    slot.noteWidth = kNoteWidths[std::size_t(noteColour(lane, separate))];
    if (isTurntable(lane)) {
        slot.keySprite = effectTurntable ? kEffectTurntableKey : kTurntableKey;
        slot.pressedKeySprite = kTurntableKeyPressed;
        slot.beamSet = kTurntableBeams;
    } else if (isOddKey(lane)) {
        slot.keySprite = separate ? kWideKey : kHalfOddKey;
        slot.pressedKeySprite = separate ? kWidePressed : kHalfOddPressed;
        slot.beamSet = kOddBeams;
    } else {
        slot.keySprite = separate ? kNarrowKey : kHalfEvenKey;
        slot.pressedKeySprite = separate ? kNarrowPressed : kHalfEvenPressed;
        slot.beamSet = separate ? kNarrowBeams : kHalfEvenBeams;
    }
    return slot;
}

int laneWidth(int lane, bool separate) {
    if (isTurntable(lane)) return kTurntableWidth;
    if (!separate) return kHalfKeyWidth;
    return isOddKey(lane) ? kWideKeyWidth : kNarrowKeyWidth;
}

// One side's lanes from x; the first side puts its turntable on the left,
// the second on the right, so both sit at the outer edges. Returns the x
// after the side.
int placeSide(LaneLayout& layout, int firstLane, int keyMode, bool separate, bool effectTurntable, int x) {
    const bool turntableLast = firstLane == 8;
    int lanes[8];
    int count = 0;
    if (!turntableLast) lanes[count++] = firstLane;
    for (int key = 1; key < 8; ++key)
        if (laneInUse(keyMode, firstLane + key)) lanes[count++] = firstLane + key;
    if (turntableLast) lanes[count++] = firstLane;

    for (int i = 0; i < count; ++i) {
        const int lane = lanes[i];
        LaneSlot slot = laneSlot(lane, separate, effectTurntable);
        slot.x = x;
        layout.lanes[std::size_t(lane)] = slot;
        // HALF lanes share one strip per pair of keys.
        const bool stripHere = separate || isTurntable(lane) || isOddKey(lane);
        if (stripHere && layout.stripCount < kMaxLaneStrips) {
            const int sprite = isTurntable(lane) ? kTurntableStrip
                               : (separate && !isOddKey(lane)) ? kNarrowKeyStrip
                                                               : kKeyStrip;
            layout.strips[std::size_t(layout.stripCount++)] = {x, sprite};
        }
        x += laneWidth(lane, separate);
    }
    if (!separate) x += kHalfKeyWidth / 2;
    // Key order: turntable, odd keys, even keys.
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < count; ++i) {
            const int lane = lanes[i];
            const int group = isTurntable(lane) ? 0 : isOddKey(lane) ? 1 : 2;
            if (group == pass) layout.keyOrder[std::size_t(layout.keyCount++)] = lane;
        }
    return x;
}

}  // namespace

LaneLayout layoutLanes(const PlayConfig& config, const Settings& options, int keyMode) {
    LaneLayout layout;
    const bool separate = config.line == 1;
    const bool effectTurntable = options.AUTOPLAY == AutoplayEffect;
    int width = placeSide(layout, 0, keyMode, separate, effectTurntable, 0);
    if (keyMode == TenKeys || keyMode == FourteenKeys) {
        layout.separatorX = width;
        width = placeSide(layout, 8, keyMode, separate, effectTurntable, width + kSideSeparatorWidth);
    }
    layout.lanesWidth = width;

    static constexpr int kBoardLefts[3] = {0, 171, 340};
    const int linePos = options.LINEPOS >= 0 && options.LINEPOS <= 2 ? options.LINEPOS : 0;
    layout.boardLeft = kBoardLefts[linePos];
    if (linePos == 0) layout.areaLeft = width < kWideArea ? 30 : 0;
    else if (linePos == 1) layout.areaLeft = 297 - width / 2;
    else layout.areaLeft = width < kWideArea ? 564 - width : 587 - width;
    layout.laneOriginX = layout.areaLeft + kLaneOriginInset;
    layout.messageX = (width - kMessageWidth) / 2 + layout.areaLeft;

    const bool upway = config.style == Upway;
    layout.keyRowY = upway ? 20 : 403;
    layout.hitFlashRowY = upway ? 22 : 367;
    layout.stripRowY = upway ? 50 : 20;
    layout.beamRowY = upway ? 55 : 20;

    layout.guidePanel = options.GUIDE != 0 || (config.style == Bemusic && keyMode == FourteenKeys && separate);
    if (layout.guidePanel) {
        layout.gaugeX = 203;
        layout.scoreX = 81, layout.scoreY = 437;
        layout.bonusScoreX = 81, layout.bonusScoreY = 460;
        layout.countPanelX = layout.laneOriginX + width + 4, layout.countPanelY = 330;
    } else {
        layout.gaugeX = layout.boardLeft + 26;
        layout.scoreX = layout.boardLeft + 65;
        layout.bonusScoreX = layout.boardLeft + 208;
        static constexpr int kCountPanelXs[3] = {298, 84, 253};
        layout.countPanelX = kCountPanelXs[linePos];
    }
    return layout;
}

}  // namespace kv
