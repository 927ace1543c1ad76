#pragma once
// The options one run of play obeys, taken from the settings and the play
// mode when the run starts. Play logic reads only this record, so tests and
// the offline renderer can run it with any combination of options.
#include <cstdint>
#include <filesystem>

#include "settings/settings.h"

namespace kv {

enum PlayStyle : std::int8_t { Bemusic = 0, Upway = 1, Scan2 = 2, Wave = 3, Bonus = 4 };
enum GaugeType : std::int8_t { Groove = 0, Survival = 1, HighScore = 2 };
enum AutoplayOption : std::int8_t { AutoplayOff = 0, AutoplayOn = 1, AutoplayEffect = 2 };
enum ReplayOption : std::int8_t { ReplayOff = 0, ReplayOn = 1, ReplayLoad = 2 };
enum ViewOption : std::int8_t { ViewNormal = 0, Hidden = 1, Sudden = 2, Invisible = 3, Middle = 4, HiddenSudden = 5 };
enum ComboOption : std::int8_t { ComboOff = 0, ComboGreat = 1, ComboGood = 2, ComboCool2 = 3 };

// SPEED codes past the fixed multipliers 0-15.
constexpr int kSpeedRandom = 16;
constexpr int kSpeedGravity = 17;
constexpr int kSpeedCombo = 18;
constexpr int kSpeedFree = 19;

struct PlayConfig {
    std::int8_t speed = 2;
    std::int8_t view = ViewNormal;
    std::int8_t replay = ReplayOff;
    std::int8_t style = Bemusic;
    std::int8_t line = 0;  // 0 HALF, 1 SEPRATE
    std::int8_t combo = ComboGreat;
    bool igMiss = false;
    bool igCool = false;
    std::int8_t gauge = Groove;
    std::int8_t tempo = 0;  // 0 normal, 1 HIGH, 2 HIGH2, 3 LOW1, 4 LOW2
    std::int32_t bpmEdit = 50;
    std::int32_t freeSpeed = 10;  // tenths
    bool objectNormal = true;     // lane transform off: a replay may be loaded
    // Run-only toggles.
    bool perfect2 = false;
    bool missPitch = false;
    bool coolOnly = false;
    bool lag = false;
    // Play mode.
    bool course = false;
    bool eternal = false;
    bool puzzle = false;
    // The chart's replay file and the checksum that ties it to the chart.
    std::filesystem::path replayFile;
    std::uint8_t chartChecksum = 0;

    bool freePlay() const { return !course && !eternal && !puzzle; }
};

// The play options of the settings; the caller adds the play mode and the
// chart's replay file.
PlayConfig playConfigFromSettings(const Settings& settings);

}  // namespace kv
