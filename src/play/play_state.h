#pragma once
// The state of the running play: cursors, moving objects, tallies, gauge,
// judgement display and replay. One instance lives in static storage
// (thePlay); the result screen reads its tallies after the run.
#include <array>
#include <cstdint>

#include "base/fixed_list.h"
#include "chart/chart.h"
#include "play/measure_map.h"

namespace kv {

constexpr int kObjectPoolSize = 600;
constexpr int kBarPoolSize = 20;
constexpr int kMarkPoolSize = 600;
constexpr int kReplayLaneCapacity = 2000;

// Unit positions: objects enter at -384, reach the line at 402 and leave
// past 420. A logic step moves every object one unit.
constexpr int kEntryY = -384;
constexpr int kLineY = 402;
constexpr int kExitY = 420;

// The play cursor starts at measure -3, step 79: 785 steps behind spawning.
constexpr int kPlayStartMeasure = -3;
constexpr int kPlayStartStep = 79;
constexpr int kPreRollSteps = 204;

// Picture numbers of the picture state.
constexpr std::uint16_t kNoPicture = 0xFFFF;
constexpr std::uint16_t kBlankPicture = 0xFFFE;

// Judgement codes, as a replay stores them.
enum JudgementCode : std::int8_t { Cool = 1, Great = 2, Good = 3, Break = 4, Miss = 5 };
// A replay's entry for a key let go while it held a long note.
constexpr std::int16_t kReplayRelease = 6;

// A long note after its head was judged.
enum HoldState : std::int8_t { NotHeld = 0, Holding = 1, HoldBroken = 2 };

// Judgement display images.
constexpr int kAutoplayImage = 122;
constexpr int kPlaybackImage = 123;

// Pool object kinds: the low two bits say approaching (1) or past the line
// (2); the rest say what the note is and whether it was hit.
constexpr int kApproaching = 1;
constexpr int kPastLine = 2;
constexpr int kHitKept = 4;     // GOOD or BREAK: scrolls on, no miss later
constexpr int kHitVanish = 8;   // COOL or GREAT: gone from the lane
constexpr int kKindAuto = 0x11;
constexpr int kKindDoubled = 0x21;
constexpr int kKindInvisible = 0x41;

struct PoolObject {
    std::int32_t kind = 0;  // 0 = free slot
    std::int32_t y = 0;
    std::int32_t lane = 0;
    std::int32_t sample = 0;
    std::int32_t colour = 0;
    std::int8_t bulletsFired = 0;  // BONUS: aimed shots this enemy has fired
    std::int32_t length = 0;       // long note: steps from its head (at y) to its end
    std::int8_t hold = NotHeld;
    std::int8_t holdCode = 0;      // the head's judgement, kept while held
};

struct BarLine {
    bool used = false;
    std::int32_t y = 0;
};

struct ReplayPress {
    std::int16_t measure = 0;
    std::int16_t step = 0;
    std::int16_t code = 0;  // JudgementCode (Miss also for a press that judged nothing), or kReplayRelease
};

// Every press of a run, per lane.
struct ReplayRecord {
    std::array<FixedList<ReplayPress, kReplayLaneCapacity>, kLaneCount> lanes;
    void clear() {
        for (auto& lane : lanes) lane.clear();
    }
};

// A recorded press coming back down its lane during playback.
struct ReplayMark {
    std::int16_t code = 0;  // 0 = free slot
    std::int32_t lane = 0;
    std::int32_t y = 0;
    std::int32_t colour = 0;
};

struct HitFlash {
    bool active = false;
    bool great = false;
    std::int32_t age = 0;
};

struct LaneState {
    std::int32_t spawnIndex = 0;     // next chart note to release
    std::int32_t lineIndex = 0;      // next note to reach the line
    std::int32_t switchAbsStep = 0;  // midpoint between the last arrived note and the next
    bool switchPassed = false;
    std::int8_t control = 0;          // 0 up, 1 down, 2 turntable's second direction
    std::int8_t previousControl = 0;
    std::int32_t keyFlash = 0;
    HitFlash hitFlash;
    bool missSpark = false;  // SCAN2: a note passed unhit; the screen turns it into sparks
    std::int32_t playbackIndex = 0;  // next recorded press to release
};

struct Cursor {
    std::int32_t measure = 0;
    std::int32_t step = 0;
    std::int32_t lengthIndex = 0;  // into Chart.measureLengths
};

struct TempoState {
    double stepsPerSecond = 0;
    double msPerStep = 0;
    double substepsPerStep = 1.0;
    double tickMs = 0;  // wall time of one sub-step
    double substep = 1.0;
};

// Wall time not yet turned into sub-steps or 16-millisecond BONUS ticks.
struct PlayClock {
    double stepClockMs = 0;
    double bonusClockMs = 0;
};

struct EventIndices {
    std::int32_t bgm = 0;
    std::int32_t bgaBase = 0;
    std::int32_t bgaPoor = 0;
    std::int32_t bgaLayer = 0;
    std::int32_t tempo = 0;
};

// A pause of the chart: the cursors and the lanes stand still while
// `remainingMs` of wall time runs out.
struct StopState {
    std::int32_t next = 0;  // into Chart.stops
    double remainingMs = 0;
};

// What the picture frame shows; an "IsDef" flag means the number indexes
// Chart.bgaDefs, otherwise it is a bitmap slot number.
struct PictureState {
    std::uint16_t shownBase = kNoPicture;
    bool shownBaseIsDef = false;
    std::uint16_t shownPoor = kNoPicture;
    bool shownPoorIsDef = false;
    std::uint16_t shownLayer = kNoPicture;
    bool shownLayerIsDef = false;
};

struct SpeedState {
    std::int32_t randomSpeedIndex = 2;
    std::int32_t previousRandomSpeedIndex = 2;
    std::int32_t speedBlend = 0;  // 128 right after a RANDOM change, gliding to 0
    std::int32_t comboSpeedTenths = 10;
    std::int32_t freeSpeed = 10;  // tenths; written back to the settings after play
    std::int32_t freeSpeedLatch = 0;
};

struct JudgeDisplay {
    std::int32_t phase = 0;  // 0 hidden, 1-4 animation, 10 autoplay/playback sign
    std::int32_t code = 0;   // image code of the judgement shown (0, 4, 8, 12, 16)
    std::int32_t image = 0;  // code + animation frame
    std::int32_t age = 0;    // 10-millisecond ticks
};

struct Shot {
    bool used = false;
    std::int32_t x = 0, y = 0;
};

struct Bullet {
    bool used = false;
    float x = 0, y = 0, dx = 0, dy = 0;
};

struct Burst {
    bool used = false;
    std::int32_t x = 0, y = 0, age = 0;
};

constexpr int kShotSlots = 7;
constexpr int kBulletSlots = 50;
constexpr int kBurstSlots = 100;

// The BONUS style's shooter.
struct BonusState {
    std::int32_t shipX = 140, shipY = 340;
    std::int32_t tilt = 0;  // -1 left, 0 straight, 1 right
    std::int32_t invulnerableTicks = 0;
    bool firePreviouslyDown = false;
    std::array<Shot, kShotSlots> shots{};
    std::array<Bullet, kBulletSlots> bullets{};
    std::array<Burst, kBurstSlots> bursts{};
};

struct Play {
    // Outcome.
    std::int32_t endState = 0;  // PlayEnd
    std::int32_t cleared = 0;   // > 0 cleared, < 0 failed, counting away from 0 once decided
    std::int8_t autoplayActive = 0;
    std::int8_t autoScratch = 0;
    std::int8_t replayActive = 0;

    // Tallies.
    float gauge = 0;
    std::int32_t score = 0;
    std::int32_t courseScore = 0;
    std::int32_t bonusScore = 0;
    std::int32_t combo = 0;
    std::int32_t maxCombo = 0;
    std::int32_t coolCount = 0;
    std::int32_t greatCount = 0;
    std::int32_t goodCount = 0;
    std::int32_t breakCount = 0;
    std::int32_t missCount = 0;
    std::int8_t absorbedMisses = 0;  // misses already charged to presses
    bool missFlag = false;
    std::int8_t gaugeBarTarget = 0;
    JudgeDisplay judge;

    // Timeline.
    Cursor spawnCursor;
    Cursor playCursor{kPlayStartMeasure, kPlayStartStep, 0};  // "now", at the line
    MeasureStarts measureStarts{};
    std::int32_t playAbsStep = 0;
    TempoState tempo;
    PlayClock clock;
    EventIndices events;
    StopState stop;
    PictureState pictures;
    SpeedState speed;
    float scanPosition = 0;  // SCAN2 sweep
    std::int32_t noteAnimCounter = 0;
    std::int32_t noteFrame = 0;

    std::array<LaneState, kLaneCount> lanes{};
    std::array<PoolObject, kObjectPoolSize> pool{};
    std::array<BarLine, kBarPoolSize> bars{};
    std::array<ReplayMark, kMarkPoolSize> marks{};
    ReplayRecord replay;
    BonusState bonus;
};

enum PlayEnd : std::int32_t { Running = 0, SongOver = 1, Escaped = 2, Retry = 998, Back = 999 };

// The run of the game (large: static storage).
extern Play thePlay;

}  // namespace kv
