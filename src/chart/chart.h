#pragma once
// The loaded chart: every timed object grouped by the channel it came from,
// plus the header values and derived numbers play needs. Positions count
// 288 units per standard measure; (measure, position) orders everything.
#include <array>
#include <cstdint>
#include <string>

#include "base/fixed_list.h"
#include "base/lane_count.h"
#include "base/surface.h"

namespace kv {

enum class NoteKind : std::int16_t {
    Normal = 0,     // must be hit; counted in noteCount
    Doubled = 1,    // same lane, measure and position as a Normal one; not counted
    Auto = 2,       // played by the game itself (turntable under AUTOPLAY EFFECT)
    Invisible = 3,  // from channels 31-49; never counted
};

// An entry of a key lane. A long note is one object: its head, plus the
// place where it ends.
struct ChartObject {
    std::int16_t measure = 0;   // 0 to 999
    std::int16_t position = 0;  // 0 to the measure's length - 1
    std::int16_t sample = 0;    // sample number 1 to 1295
    NoteKind kind = NoteKind::Normal;
    std::int16_t endMeasure = -1;  // -1: a plain note
    std::int16_t endPosition = 0;

    bool isLong() const { return endMeasure >= 0; }
};

// An entry of every other timed list.
struct ChartEvent {
    std::int16_t measure = 0;
    std::int16_t position = 0;
    std::int16_t value = 0;  // sample number (bgm) or picture number, 1 to 1295
};

struct TempoChange {
    std::int16_t measure = 0;
    std::int16_t position = 0;
    float bpm = 0;  // as written in the chart, before playback-rate options; always > 0
    // Where the chart put it in its measure, in standard-measure units before
    // any rounding to the grid: decides which of the changes that land on
    // one grid position is in force.
    double writtenPosition = 0;
};

// A pause of the chart at one place, as long as `length` 192nds of a 4/4
// measure last at the tempo in force there.
struct Stop {
    std::int16_t measure = 0;
    std::int16_t position = 0;
    float length = 0;  // always > 0
};

struct MeasureLength {
    std::int16_t measure = 0;
    std::int16_t length = 288;  // in position units; 288 is a standard measure
};

// One "#BGAxx" picture definition: a part of a "#BMPxx" bitmap.
struct BgaDef {
    bool defined = false;
    std::int32_t source = 0;  // "#BMPxx" number of the source bitmap
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t dx = 0, dy = 0;  // placement inside the picture frame, 0 to 255
};

constexpr int kStandardMeasure = 288;
constexpr int kLaneCapacity = 2000;
constexpr int kBgmCapacity = 8000;
constexpr int kBgaBaseCapacity = 8000;
constexpr int kBgaPoorCapacity = 4000;
constexpr int kBgaLayerCapacity = 8000;
constexpr int kTempoCapacity = 2000;
constexpr int kMeasureLengthCapacity = 2000;
constexpr int kStopCapacity = 2000;
constexpr int kBgaDefCount = 1296;

// Lanes: 0 P1 scratch, 1-5 P1 keys 1-5, 6-7 P1 keys 6-7,
//        8 P2 scratch, 9-13 P2 keys 1-5, 14-15 P2 keys 6-7.
enum KeyMode : std::int8_t { FiveKeys = 0, SevenKeys = 1, TenKeys = 2, FourteenKeys = 3 };

// Whether a key mode plays a lane (the others go to the BGM list).
constexpr bool laneInUse(int keyMode, int lane) {
    const bool twoSided = keyMode == TenKeys || keyMode == FourteenKeys;
    const bool sevenKeys = keyMode == SevenKeys || keyMode == FourteenKeys;
    const int sideLane = lane % 8;
    if (lane >= 8 && !twoSided) return false;
    return sideLane <= 5 || sevenKeys;
}

using Lane = FixedList<ChartObject, kLaneCapacity>;
using Lanes = std::array<Lane, kLaneCount>;

// Where and how the play screen shows the chart's pictures.
struct PictureFrame {
    std::int32_t bgaFrameX = -1;      // top-left of the frame; -1 when there is no room
    std::int32_t bgaFrameY = -1;
    std::int32_t bgaFrameSize = -1;   // 320, 256, 192 or 128; -1 when pictures are not shown
    Rect bgaSourceRect{0, 0, 256, 256};  // part of a 256 x 256 picture that is shown
    std::int8_t bgaFrameHidden = 0;   // 1: no frame drawn around the picture
    std::int8_t backdropInUse = 0;
};

struct Chart {
    std::int8_t keyMode = FiveKeys;
    Lanes sourceLanes;  // key objects as read, sorted per lane
    Lanes playLanes;    // after the lane transform; what play reads
    FixedList<ChartEvent, kBgmCapacity> bgm;  // channel 01 plus lanes the key mode does not use; sorted
    FixedList<MeasureLength, kMeasureLengthCapacity> measureLengths;  // sorted, one per measure
    FixedList<TempoChange, kTempoCapacity> tempoChanges;  // channels 03 and 08, in (measure, position) order
    FixedList<Stop, kStopCapacity> stops;  // channel 09 (only with STOPS on); sorted
    FixedList<ChartEvent, kBgaBaseCapacity> bgaBase;    // channel 04; sorted
    FixedList<ChartEvent, kBgaPoorCapacity> bgaPoor;    // channel 06; sorted
    FixedList<ChartEvent, kBgaLayerCapacity> bgaLayer;  // channel 07; sorted
    std::array<BgaDef, kBgaDefCount> bgaDefs{};
    double baseTempo = 130.0;  // the header tempo, positive
    double playTempo = 130.0;  // baseTempo times the playback-rate options
    std::int16_t lastMeasure = 0;
    std::int32_t totalLength = 0;  // units of measures 0 to lastMeasure
    std::int32_t noteCount = 0;
    std::string midiFile;
    bool hasMidi = false;
    std::int8_t rank = 2;  // 0-3, row of the judgement-window table
    std::array<std::int8_t, 4> judgeWindows{};  // narrowest first, in logic steps
    float gaugeGain = 0;
    float gaugeLoss = 0;
    std::int32_t scoreTarget = 0;

    // Set by the loader for the play scene.
    PictureFrame frame;
    std::int8_t autoplayActive = 0;  // AUTOPLAY ON outside BONUS
    std::int8_t autoScratch = 0;     // 2 under AUTOPLAY EFFECT

    // Length of a measure: 288 unless measureLengths lists it.
    int measureLengthOf(int measure) const;
};

// The one loaded chart of the running game (large: keep it in static storage).
extern Chart theChart;

}  // namespace kv
