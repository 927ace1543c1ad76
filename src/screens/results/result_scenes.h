#pragma once
// Puts the clear evaluation and the result screens into the scene table.
#include <cstdint>
#include <functional>
#include <string>

#include "scene/scene_table.h"

namespace kv {

// A stored course's ranking file is named after the course and tied to
// the checksum of its charts.
struct CourseRankingKey {
    std::string name;
    std::uint8_t chartsChecksum = 0;
};

// What the result scenes need from the song library and the play modes.
// Unset sources mean: no puzzle mission, no stored course.
struct ResultSceneSources {
    std::function<ChartEntry&()> playedEntry;  // the song table's record of the chart just played
    std::function<int()> missionIndex;         // the puzzle cell played
    std::function<bool()> missionLost;         // the puzzle's goal was missed
    std::function<CourseRankingKey(int course)> courseRanking;
    std::function<int()> wipeOut;  // the transition run when a result screen is left
};

// Registers evaluateClear, resultScreen, courseResultScreen and
// recordCourseStage; the screens end with the sources' wipe when they are
// left. The registered functions hold copies of what they use, so the
// table can be copied or moved freely.
void registerResultScenes(SceneTable& scenes, ResultSceneSources sources);

}  // namespace kv
