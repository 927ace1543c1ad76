#pragma once
// The select screen's logic: one 12 ms step over the key table, moving the
// folder, chart or course cursor, stepping list settings and options, and
// deciding or backing out. Drawing and the frame loop live elsewhere; the
// step reaches sounds and the ranking box through callbacks so it can be
// driven by tests without a window.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "screens/modes/course_list.h"
#include "screens/select/library.h"
#include "screens/select/option_panel.h"
#include "screens/select/option_presets.h"
#include "settings/settings.h"

namespace kv {

// Modes of the screen, by caller.
enum SelectMode { SelectCharts = 0, SelectCourse = 1, SelectFolderOnly = 2, SelectNoOptions = 3 };
enum SelectExit { SelectRunning = 0, SelectDecided = 1, SelectBack = 2 };

// The cursors that survive between visits.
struct SelectCursors {
    int chartCursor = 0;
    int folderCursor = 0;
    int courseCursor = 0;
    int chosenChart = -1;
};

SelectCursors& selectCursors();

// What the step works on; the references outlive the visit.
struct SelectContext {
    SongLibrary& library;
    Settings& settings;
    OptionPanel& panel;
    OptionPresets& presets;
    SelectCursors& cursors;
    const CourseList& courses;                           // the stored courses of the course list
    std::function<void(int folder)> openFolder;         // loadFolder with the game's options
    std::function<void(const ChartEntry&)> showRanking;  // loadRankingForDisplay into the box
    std::function<void(int course)> showCourseRanking;   // a stored course's ranking into the box
    std::function<void(int slot)> playSound;             // a menu sound slot
    std::function<int()> random;
};

// State of one visit.
struct SelectVisit {
    int mode = SelectCharts;
    int playMode = 0;
    int courseLines = 3;  // mode 1: the three fixed lines and one per course
    std::vector<int> folderOrder;
    int listTop = 0;
    int exitCode = SelectRunning;
    bool keyLatch = false;
    int lastRepeat = -1;
    std::string messageText;
    int messageFrames = 0;
};

constexpr int kMessageFrames = 100;

// Folder indices sorted by name, byte-wise.
std::vector<int> folderDisplayOrder(const SongLibrary& library);

// Whether the option panel and its keys are there in this visit.
bool optionsShown(const SelectVisit& visit);
// The chart list is what the screen shows (not the folders, not the courses).
bool chartListShown(const SelectVisit& visit, const SongLibrary& library);

// The text of a course list line: the three fixed lines, then the course names.
std::string courseLineText(const CourseList& courses, int line);

// Opening: folder level for the folder pickers, fresh window and latch, the
// course lines of the course list, the option page loaded from the settings,
// and the ranking of the line the cursor is on.
SelectVisit openSelectVisit(SelectContext& context, int mode, int playMode);

// One logic step with the keys down now and the millisecond counter.
void selectStep(SelectContext& context, SelectVisit& visit, const std::uint8_t* keys, int nowMs);

// After a decision in the chart list: sets chosenChart and returns true, or
// returns false and resumes the screen when "NO MUSIC" was decided.
bool chooseChart(SelectContext& context, SelectVisit& visit);

}  // namespace kv
