#include "play/lane_layout.h"

#include <algorithm>

#include "media/gfx/display.h"
#include "media/gfx/style_sheets.h"

namespace kv {

namespace {

struct StyleGeometry {
    int turntable, wideKey, narrowKey, halfKey;  // lane widths
    int keyRowY, hitFlashRowY, stripRowY, beamRowY;
};

constexpr StyleGeometry kBemusicGeometry{34, 20, 16, 10, 403, 367, 20, 20};
constexpr StyleGeometry kUpwayGeometry{34, 20, 16, 10, 20, 22, 50, 55};
constexpr StyleGeometry kScanGeometry{29, 16, 13, 8, 0, 0, 30, 0};
constexpr StyleGeometry kWaveGeometry{38, 38, 38, 38, 208, 195, 0, 0};

const StyleGeometry& geometry(int style) {
    switch (style) {
        case Upway: return kUpwayGeometry;
        case Scan2: return kScanGeometry;
        case Wave: return kWaveGeometry;
        default: return kBemusicGeometry;
    }
}

constexpr int kWideArea = 221;  // lanes at least this wide leave no margin
constexpr int kLaneOriginInset = 23, kScanOriginInset = 22;
constexpr int kMessageWidth = 81, kWaveMessageWidth = 121;
constexpr int kScanAreaEnd = 385;
constexpr int kScanMessageX = 108, kScanMessageAbove = 38, kScanCountPanelAbove = 103;
constexpr int kWaveCentre = 320;
// A WAVE note crossing the line reaches this far past its key on each side.
constexpr int kWaveNoteOverhang = 2;

// Cells of the lane sheet; the other styles map these choices onto their
// own sheets.
constexpr int kTurntableStrip = 47, kKeyStrip = 45, kNarrowKeyStrip = 46;
constexpr int kTurntableKey = 10, kTurntableKeyPressed = 11, kEffectTurntableKey = 61;
constexpr int kHalfOddKey = 2, kHalfEvenKey = 3, kHalfOddPressed = 4, kHalfEvenPressed = 5;
constexpr int kWideKey = 6, kNarrowKey = 7, kWidePressed = 8, kNarrowPressed = 9;
constexpr int kOddBeams = 48, kHalfEvenBeams = 51, kNarrowBeams = 54, kTurntableBeams = 57;

constexpr std::array<int, 4> kNoteWidths{19, 19, 15, 33};  // by note colour

int scanCell(int laneCell) {
    switch (laneCell) {
        case kKeyStrip: return kScanLaneStrips;
        case kNarrowKeyStrip: return kScanLaneStrips + 1;
        case kTurntableStrip: return kScanLaneStrips + 2;
        case kWideKey: return 4;
        case kNarrowKey: return 5;
        case kTurntableKey: return 6;
        case kEffectTurntableKey: return 7;
        case kOddBeams: return kScanKeys;
        case kHalfEvenBeams: return kScanKeys + 2;
        case kNarrowBeams: return kScanKeys + 4;
        case kTurntableBeams: return kScanKeys + 6;
        default: return laneCell;  // the HALF keys 2 and 3 keep their cells
    }
}

int waveCell(int laneCell) {
    switch (laneCell) {
        case kHalfOddKey: case kWideKey: return 0;
        case kHalfOddPressed: case kWidePressed: return 1;
        case kHalfEvenKey: case kNarrowKey: return 2;
        case kHalfEvenPressed: case kNarrowPressed: return 3;
        case kTurntableKey: return 4;
        case kTurntableKeyPressed: return 5;
        case kEffectTurntableKey: return 6;
        default: return laneCell;
    }
}

bool isTurntable(int lane) { return lane % 8 == 0; }
bool isOddKey(int lane) { return lane % 2 == 1; }

int noteColour(int lane, bool separate) {
    if (isTurntable(lane)) return 3;
    if (isOddKey(lane)) return 0;
    return separate ? 2 : 1;
}

// The lane sheet's choice of sprites for a lane, mapped onto the style's sheet.
LaneSlot laneSlot(int lane, bool separate, bool effectTurntable, int style) {
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
    if (style == Scan2) {
        // SCAN2 keys are drawn from the beam-set cell, pressed with the next.
        slot.keySprite = scanCell(slot.keySprite);
        slot.beamSet = scanCell(slot.beamSet);
        slot.pressedKeySprite = slot.beamSet + 1;
    } else if (style == Wave) {
        slot.keySprite = waveCell(slot.keySprite);
        slot.pressedKeySprite = waveCell(slot.pressedKeySprite);
        slot.beamSet = 0;  // WAVE has no beams
    }
    return slot;
}

int laneWidth(int lane, bool separate, const StyleGeometry& g) {
    if (isTurntable(lane)) return g.turntable;
    if (!separate) return g.halfKey;
    return isOddKey(lane) ? g.wideKey : g.narrowKey;
}

int stripSprite(int lane, bool separate, int style) {
    const int cell = isTurntable(lane) ? kTurntableStrip : (separate && !isOddKey(lane)) ? kNarrowKeyStrip : kKeyStrip;
    return style == Scan2 ? scanCell(cell) : cell;
}

// EFFPOS names, for the first and then the second side, where the side's
// turntable stands: L before its keys (left; SCAN2: the top row), R after
// them. 0 LL, 1 LR, 2 RL, 3 RR.
bool turntableAfterKeys(int effPos, int firstLane) {
    const int code = effPos >= 0 && effPos <= 3 ? effPos : 0;
    return firstLane == 0 ? (code & 2) != 0 : (code & 1) != 0;
}

// One side's lanes in the order they are placed. SCAN2 places the keys
// from the highest lane down, as its rows run from top to bottom.
int sideLanes(int firstLane, int keyMode, int style, bool turntableLast, int (&lanes)[8]) {
    int keys[7];
    int keyCount = 0;
    for (int key = 1; key < 8; ++key)
        if (laneInUse(keyMode, firstLane + key)) keys[keyCount++] = firstLane + key;
    if (style == Scan2) std::reverse(keys, keys + keyCount);
    int count = 0;
    if (!turntableLast) lanes[count++] = firstLane;
    for (int i = 0; i < keyCount; ++i) lanes[count++] = keys[i];
    if (turntableLast) lanes[count++] = firstLane;
    return count;
}

// Places one side from x and returns the x after it.
int placeSide(LaneLayout& layout, int firstLane, int keyMode, const PlayConfig& config, const Settings& options,
              int x) {
    const bool separate = config.line == 1;
    const bool effectTurntable = options.AUTOPLAY == AutoplayEffect;
    const StyleGeometry& g = geometry(config.style);
    int lanes[8];
    const int count =
        sideLanes(firstLane, keyMode, config.style, turntableAfterKeys(options.EFFPOS, firstLane), lanes);
    for (int i = 0; i < count; ++i) {
        const int lane = lanes[i];
        LaneSlot slot = laneSlot(lane, separate, effectTurntable, config.style);
        slot.x = x;
        layout.lanes[std::size_t(lane)] = slot;
        // HALF lanes share one strip per pair of keys; WAVE has none.
        const bool stripHere = config.style != Wave && (separate || isTurntable(lane) || isOddKey(lane));
        if (stripHere && layout.stripCount < kMaxLaneStrips)
            layout.strips[std::size_t(layout.stripCount++)] = {x, stripSprite(lane, separate, config.style)};
        x += laneWidth(lane, separate, g);
    }
    if (!separate) x += g.halfKey / 2;
    // Key order: turntable, odd keys, even keys.
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < count; ++i) {
            const int lane = lanes[i];
            const int group = isTurntable(lane) ? 0 : isOddKey(lane) ? 1 : 2;
            if (group == pass) layout.keyOrder[std::size_t(layout.keyCount++)] = lane;
        }
    return x;
}

// WAVE centres its lanes; when the widest rows (14 keys with HALF's side
// padding) would not fit, they shift just enough to keep every key whole on
// the screen, with the notes that cross it.
int waveOrigin(const LaneLayout& layout) {
    int keysEnd = 0;
    for (const LaneSlot& lane : layout.lanes)
        if (lane.x >= 0) keysEnd = std::max(keysEnd, lane.x + waveSheet[std::size_t(lane.keySprite)].width());
    const int lowest = kWaveNoteOverhang, highest = kScreenWidth - kWaveNoteOverhang - keysEnd;
    return std::clamp(kWaveCentre - layout.lanesWidth / 2, lowest, std::max(lowest, highest));
}

void placeArea(LaneLayout& layout, int style, int linePos) {
    const int width = layout.lanesWidth;
    if (style == Scan2) {
        layout.boardLeft = 0;
        layout.areaLeft = kScanAreaEnd - width;
        layout.laneOriginX = layout.areaLeft + kScanOriginInset;
        layout.messageX = kScanMessageX;
        layout.fixedMessageRow = layout.areaLeft - kScanMessageAbove;
        return;
    }
    static constexpr int kBoardLefts[3] = {0, 171, 340};
    layout.boardLeft = kBoardLefts[linePos];
    if (linePos == 0) layout.areaLeft = width < kWideArea ? 30 : 0;
    else if (linePos == 1) layout.areaLeft = 297 - width / 2;
    else layout.areaLeft = width < kWideArea ? 564 - width : 587 - width;
    if (style == Wave) {
        layout.laneOriginX = waveOrigin(layout);
        layout.messageX = (width - kWaveMessageWidth) / 2 + layout.laneOriginX;
    } else {
        layout.laneOriginX = layout.areaLeft + kLaneOriginInset;
        layout.messageX = (width - kMessageWidth) / 2 + layout.areaLeft;
    }
}

void placePanels(LaneLayout& layout, int style, int linePos) {
    if (layout.guidePanel) {
        layout.gaugeX = 203;
        layout.scoreX = 81, layout.scoreY = 437;
        layout.bonusScoreX = 81, layout.bonusScoreY = 460;
        layout.countPanelX = layout.laneOriginX + layout.lanesWidth + 4, layout.countPanelY = 330;
    } else {
        layout.gaugeX = layout.boardLeft + 26;
        layout.scoreX = layout.boardLeft + 65;
        layout.bonusScoreX = layout.boardLeft + 208;
        static constexpr int kCountPanelXs[3] = {298, 84, 253};
        layout.countPanelX = kCountPanelXs[linePos];
    }
    if (style == Scan2) layout.countPanelX = 0, layout.countPanelY = layout.areaLeft - kScanCountPanelAbove;
}

}  // namespace

LaneLayout layoutLanes(const PlayConfig& config, const Settings& options, int keyMode) {
    LaneLayout layout;
    int width = placeSide(layout, 0, keyMode, config, options, 0);
    if (keyMode == TenKeys || keyMode == FourteenKeys) {
        layout.separatorX = width;
        width = placeSide(layout, 8, keyMode, config, options, width + kSideSeparatorWidth);
    }
    layout.lanesWidth = width;

    const int linePos = options.LINEPOS >= 0 && options.LINEPOS <= 2 ? options.LINEPOS : 0;
    placeArea(layout, config.style, linePos);

    const StyleGeometry& g = geometry(config.style);
    layout.keyRowY = g.keyRowY;
    layout.hitFlashRowY = g.hitFlashRowY;
    layout.stripRowY = g.stripRowY;
    layout.beamRowY = g.beamRowY;

    layout.guidePanel =
        options.GUIDE != 0 || (config.style == Bemusic && keyMode == FourteenKeys && config.line == 1);
    placePanels(layout, config.style, linePos);
    return layout;
}

}  // namespace kv
