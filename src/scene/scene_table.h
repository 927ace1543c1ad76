#pragma once
// Everything the scene driver calls: the screens of every mode and the few
// helpers of the library, the play state and the courses that its loops
// name. The game fills it with the real scenes (game_scenes.cpp); tests
// fill it with their own. The driver runs a mode only when every function
// it needs is there.
#include <array>
#include <functional>
#include <string>

#include "chart/chart_entry.h"

namespace kv {

constexpr int kCourseStages = 5;
using CourseStages = std::array<ChartEntry, kCourseStages>;

// Title results.
enum TitleChoice { TitleFreePlay = 0, TitlePuzzle = 1, TitleEternal = 2, TitleExit = 3, TitleListen = 4,
                   TitleCourse = 5, TitleKeySetup = 6, TitleJoypadSetup = 7 };

constexpr int kSceneBack = 2;  // "back" of most menu screens
constexpr int kCourseListBack = -1;
constexpr int kDirectSelectCourse = 0, kMakeNewCourse = 1, kJukeboxRandomCourse = 2, kFirstStoredCourse = 3;

// Results of playChart.
constexpr int kPlayDone = 0, kPlayRestart = 1, kPlayLeave = 2;
// Play.endState values the driver tells apart.
constexpr int kEndedNormally = 1, kEndAbandoned = 2;

// Purpose argument of evaluateClear and resultScreen.
constexpr int kPurposeStages = 0, kPurposeFreePlay = 1, kPurposePuzzle = 2;

// The parts of the running play's state that the driver reads.
struct PlayFacts {
    int endState = 0;
    int cleared = 0;
    int measure = 0;
    int autoplayActive = 0;
    int replayActive = 0;
    float gauge = 0.0f;
};

struct SceneTable {
    // Screens.
    std::function<int()> titleScreen;
    std::function<int(int mode, const std::string& title, int banner)> runSelectScreen;
    std::function<int()> selectPuzzleCell;
    std::function<int()> runEternalOptions;
    std::function<int(std::string& courseName)> inputCourseName;  // 0 = no name
    std::function<int(ChartEntry entry)> loadChart;               // 0 = not loaded
    std::function<int(const ChartEntry& entry, int stage)> playChart;
    std::function<int(int purpose)> evaluateClear;  // grade code
    std::function<int(int purpose, int grade)> resultScreen;
    std::function<void(int course)> courseResultScreen;
    std::function<void()> keySetupScreen;
    std::function<void()> joypadSetupScreen;
    std::function<int()> wipeOut;  // the striped transition between screens

    // Song library: the entry the last select screen chose, and the open
    // folder's list after the filters.
    std::function<ChartEntry()> chosenEntry;
    std::function<void()> rebuildSongList;
    std::function<int()> visibleCount;
    std::function<ChartEntry(int position)> visibleEntry;
    std::function<int()> folderCount;  // folders in display order
    std::function<int(int position)> folderIdAt;
    std::function<int()> currentFolderId;
    std::function<void(int folderId)> openFolder;  // makes it current and builds its list

    // The running play and the loaded chart.
    std::function<PlayFacts()> playFacts;
    std::function<void(float gauge)> setGauge;
    std::function<int()> chartLastMeasure;
    std::function<void()> stopChartSamples;
    std::function<void()> stopMusic;
    std::function<void()> closeMusic;         // closes every music device
    std::function<void()> releaseChartMedia;  // chart pictures and samples

    // Puzzle missions and courses.
    std::function<void()> applyMissionRules;      // saves the player's options first
    std::function<void()> restoreMissionOptions;
    std::function<int(const std::string& name, const CourseStages& stages)> saveCourse;
    std::function<int(int course, CourseStages& stages)> loadCourse;  // 0 = unreadable
    std::function<void(int stage)> recordCourseStage;  // tallies for the course result
};

}  // namespace kv
