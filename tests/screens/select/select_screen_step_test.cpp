#include <gtest/gtest.h>

#include <memory>

#include "base/dik.h"
#include "media/audio/sample_slots.h"
#include "screens/select/list_cursor.h"
#include "screens/select/select_screen.h"

namespace kv {
namespace {

// A library held in memory: folders named as given, and a folder that
// opens with `chartsPerFolder` charts alternating 5 and 7 keys.
struct SelectFixture : ::testing::Test {
    std::unique_ptr<SongLibrary> library = std::make_unique<SongLibrary>();
    Settings settings;
    OptionPanel panel;
    OptionPresets presets{};
    SelectCursors cursors;
    std::unique_ptr<CourseList> courses = std::make_unique<CourseList>();
    std::vector<int> sounds;
    std::vector<std::string> rankingsShown;
    int chartsPerFolder = 40;
    int randomValue = 0;
    int opened = -1;
    SelectContext context{*library, settings, panel, presets, cursors, *courses,
                          [this](int folder) { openFolder(folder); },
                          [this](const ChartEntry& entry) { rankingsShown.push_back(entry.title); },
                          [this](int course) { rankingsShown.push_back((*courses)[course].name); },
                          [this](int slot) { sounds.push_back(slot); },
                          [this] { return randomValue; }};
    std::uint8_t keys[kKeyCount] = {};
    int now = 1000;

    void SetUp() override {
        for (int i = 0; i < kPresetSlots; ++i) presets[std::size_t(i)] = defaultPreset();
    }

    void addFolders(std::initializer_list<const char*> names) {
        for (const char* name : names) library->folders.push({name, std::string("/songs/") + name});
    }
    void openFolder(int folder) {
        opened = folder;
        library->chartCount = chartsPerFolder;
        for (int i = 0; i < chartsPerFolder; ++i) {
            ChartEntry& entry = library->charts[std::size_t(i)];
            entry = ChartEntry{};
            entry.title = "SONG " + std::to_string(i);
            entry.keyType = std::int8_t(i % 2);
            entry.playLevel = std::int8_t(chartsPerFolder - i);
        }
        buildVisibleList(*library, {settings.FILTER, settings.FILTER2, settings.SORT}, [] { return 0; });
    }
    SelectVisit openAtCharts(int mode = SelectCharts) {
        addFolders({"ONLY"});
        library->atFolderList = 1;
        SelectVisit visit = openSelectVisit(context, mode, 0);
        release(visit);
        press(visit, DIK_RETURN);
        return visit;
    }
    // One step with `key` down, then one with it up.
    void press(SelectVisit& visit, int key) {
        hold(visit, key);
        release(visit);
    }
    void hold(SelectVisit& visit, int key) {
        keys[key] = kKeyDown;
        selectStep(context, visit, keys, now);
        now += 12;
    }
    void release(SelectVisit& visit) {
        std::fill(std::begin(keys), std::end(keys), 0);
        selectStep(context, visit, keys, now);
        now += 12;
    }
};

TEST_F(SelectFixture, DecidingAFolderOpensItsChartList) {
    addFolders({"ZED", "ALPHA"});
    SelectVisit visit = openSelectVisit(context, SelectCharts, 0);
    EXPECT_EQ(visit.folderOrder, (std::vector<int>{1, 0}));
    release(visit);
    hold(visit, DIK_RETURN);
    hold(visit, DIK_RETURN);  // still held: the chart list must not decide too
    EXPECT_EQ(opened, 1);  // "ALPHA" comes first in the list
    EXPECT_EQ(library->currentFolder, 1);
    EXPECT_EQ(library->atFolderList, 0);
    EXPECT_EQ(visit.exitCode, SelectRunning);
    EXPECT_EQ(rankingsShown, (std::vector<std::string>{"SONG 0"}));
    EXPECT_EQ(sounds, (std::vector<int>{kSlotSelectCursor}));
}

TEST_F(SelectFixture, CursorKeysWrapPageAndScroll) {
    SelectVisit visit = openAtCharts();
    ASSERT_EQ(library->visibleCount, 40);
    struct Case { int key; int start; int expected; };
    for (const Case c : {Case{DIK_UP, 0, 40}, Case{DIK_LEFT, 5, 4}, Case{DIK_DOWN, 40, 0}, Case{DIK_RIGHT, 3, 4},
                         Case{DIK_PRIOR, 5, 0}, Case{DIK_PRIOR, 20, 12}, Case{DIK_NEXT, 36, 40},
                         Case{DIK_NEXT, 3, 11}, Case{DIK_HOME, 17, 0}, Case{DIK_END, 2, 40}}) {
        cursors.chartCursor = c.start;
        press(visit, c.key);
        EXPECT_EQ(cursors.chartCursor, c.expected) << "key " << c.key << " from " << c.start;
    }
    cursors.chartCursor = 38;
    visit.listTop = 0;
    press(visit, DIK_DOWN);
    EXPECT_EQ(cursors.chartCursor, 39);
    EXPECT_EQ(visit.listTop, 6);
}

TEST_F(SelectFixture, HeldArrowRepeatsAndHeldPageKeyDoesNot) {
    SelectVisit visit = openAtCharts();
    hold(visit, DIK_DOWN);
    EXPECT_EQ(cursors.chartCursor, 1);
    for (int step = 0; step < 8; ++step) hold(visit, DIK_DOWN);  // 96 ms more: not yet
    EXPECT_EQ(cursors.chartCursor, 1);
    hold(visit, DIK_DOWN);  // 108 ms after the first move
    EXPECT_EQ(cursors.chartCursor, 2);
    release(visit);

    for (int step = 0; step < 30; ++step) hold(visit, DIK_NEXT);
    EXPECT_EQ(cursors.chartCursor, 10);
}

TEST_F(SelectFixture, MovingOntoAChartShowsItsRankingButNotOnThePseudoLine) {
    SelectVisit visit = openAtCharts();
    rankingsShown.clear();
    press(visit, DIK_DOWN);
    press(visit, DIK_END);
    EXPECT_EQ(rankingsShown, (std::vector<std::string>{"SONG 1"}));
}

TEST_F(SelectFixture, ListKeysStepFiltersSortAndHeader) {
    SelectVisit visit = openAtCharts();
    press(visit, DIK_1);  // 5 keys only
    EXPECT_EQ(settings.FILTER, 1);
    EXPECT_EQ(library->visibleCount, 20);
    press(visit, DIK_3);  // by name
    EXPECT_EQ(settings.SORT, 1);
    EXPECT_EQ(library->charts[std::size_t(library->visible[1])].title, "SONG 10");
    settings.HEADER = 3;
    press(visit, DIK_4);
    EXPECT_EQ(settings.HEADER, 0);
    EXPECT_EQ(library->visibleCount, 20);
    settings.FILTER2 = 3;
    press(visit, DIK_2);
    EXPECT_EQ(settings.FILTER2, 0);
}

TEST_F(SelectFixture, ListKeysDoNothingAtTheFolderList) {
    addFolders({"A", "B"});
    SelectVisit visit = openSelectVisit(context, SelectCharts, 0);
    press(visit, DIK_1);
    EXPECT_EQ(settings.FILTER, 0);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(SelectFixture, TabSwitchesListsOnlyWithMoreThanOneFolder) {
    SelectVisit single = openAtCharts();
    press(single, DIK_TAB);
    EXPECT_EQ(library->atFolderList, 0);

    addFolders({"SECOND"});
    press(single, DIK_TAB);
    EXPECT_EQ(library->atFolderList, 1);
    press(single, DIK_TAB);
    EXPECT_EQ(library->atFolderList, 0);
}

TEST_F(SelectFixture, OptionHotKeysStepWithShiftBackAndLatch) {
    SelectVisit visit = openAtCharts();
    settings.SPEED = 2;
    loadPage(panel, settings, 0);
    hold(visit, DIK_S);
    hold(visit, DIK_S);  // still held: no second step
    EXPECT_EQ(settings.SPEED, 3);
    release(visit);
    keys[DIK_LSHIFT] = kKeyDown;
    hold(visit, DIK_S);
    EXPECT_EQ(settings.SPEED, 2);
    release(visit);

    press(visit, DIK_F3);
    EXPECT_EQ(panel.page, 2);
    press(visit, DIK_G);
    EXPECT_EQ(settings.GAUGE, 1);
}

TEST_F(SelectFixture, OptionKeysAreIgnoredWithoutThePanel) {
    SelectVisit visit = openAtCharts(SelectNoOptions);
    const std::int8_t speed = settings.SPEED;
    press(visit, DIK_S);
    press(visit, DIK_F9);
    EXPECT_EQ(settings.SPEED, speed);
    EXPECT_EQ(visit.messageFrames, 0);
}

TEST_F(SelectFixture, PresetsSaveWithShiftAndLoadBack) {
    SelectVisit visit = openAtCharts();
    settings.SPEED = 7;
    loadPage(panel, settings, 0);
    keys[DIK_LSHIFT] = kKeyDown;
    hold(visit, DIK_F10);
    release(visit);
    EXPECT_EQ(visit.messageText, presetMessage(1, true));
    EXPECT_EQ(visit.messageFrames, kMessageFrames);

    press(visit, DIK_S);
    ASSERT_EQ(settings.SPEED, 8);
    press(visit, DIK_F10);
    EXPECT_EQ(settings.SPEED, 7);
    EXPECT_EQ(panel.values[0], 7);
    EXPECT_EQ(visit.messageText, presetMessage(1, false));
}

TEST_F(SelectFixture, KeysHeldFromTheScreenBeforeActOnlyOnceReleased) {
    addFolders({"ONLY"});
    library->atFolderList = 1;
    SelectVisit visit = openSelectVisit(context, SelectCharts, 0);
    for (int key : {DIK_ESCAPE, DIK_RETURN, DIK_DOWN, DIK_TAB}) {
        for (int step = 0; step < 10; ++step) hold(visit, key);  // 120 ms held from the screen before
        EXPECT_EQ(visit.exitCode, SelectRunning) << key;
    }
    EXPECT_EQ(opened, -1);
    EXPECT_EQ(cursors.folderCursor, 0);
    EXPECT_TRUE(sounds.empty());
    release(visit);
    hold(visit, DIK_ESCAPE);
    EXPECT_EQ(visit.exitCode, SelectBack);
}

TEST_F(SelectFixture, EscapeBacksOut) {
    SelectVisit visit = openAtCharts();
    hold(visit, DIK_ESCAPE);
    EXPECT_EQ(visit.exitCode, SelectBack);
}

TEST_F(SelectFixture, DecidingAChartChoosesIt) {
    SelectVisit visit = openAtCharts();
    press(visit, DIK_DOWN);
    sounds.clear();
    hold(visit, DIK_SPACE);
    EXPECT_EQ(visit.exitCode, SelectDecided);
    EXPECT_EQ(sounds, (std::vector<int>{kSlotSelectCheck}));
    ASSERT_TRUE(chooseChart(context, visit));
    EXPECT_EQ(cursors.chosenChart, library->visible[1]);
}

TEST_F(SelectFixture, RandomSelectPicksOnlyVisibleCharts) {
    SelectVisit visit = openAtCharts();
    press(visit, DIK_1);  // 5-key charts only: the even ones
    press(visit, DIK_END);
    for (int r : {0, 7, 19, 20, 33}) {
        randomValue = r;
        visit.exitCode = SelectDecided;
        ASSERT_TRUE(chooseChart(context, visit));
        EXPECT_EQ(cursors.chosenChart, library->visible[std::size_t(r % 20)]);
        EXPECT_EQ(library->charts[std::size_t(cursors.chosenChart)].keyType, 0) << "random " << r;
    }
}

TEST_F(SelectFixture, NoMusicCannotBeChosen) {
    chartsPerFolder = 0;
    SelectVisit visit = openAtCharts();
    ASSERT_EQ(library->visibleCount, 0);
    sounds.clear();
    hold(visit, DIK_RETURN);
    EXPECT_TRUE(sounds.empty());
    EXPECT_FALSE(chooseChart(context, visit));
    EXPECT_EQ(visit.exitCode, SelectRunning);
}

TEST_F(SelectFixture, FolderPickerEndsOnTheFolder) {
    addFolders({"B", "A"});
    library->atFolderList = 0;
    SelectVisit visit = openSelectVisit(context, SelectFolderOnly, 0);
    EXPECT_EQ(library->atFolderList, 1);
    release(visit);
    press(visit, DIK_DOWN);
    hold(visit, DIK_RETURN);
    EXPECT_EQ(visit.exitCode, SelectDecided);
    EXPECT_EQ(library->currentFolder, 0);  // "B", second by name
    EXPECT_EQ(sounds.back(), kSlotSelectCheck);
}

TEST_F(SelectFixture, EmptyFolderListIgnoresDecide) {
    SelectVisit visit = openSelectVisit(context, SelectCharts, 0);
    press(visit, DIK_DOWN);
    hold(visit, DIK_RETURN);
    EXPECT_EQ(visit.exitCode, SelectRunning);
    EXPECT_EQ(opened, -1);
}

TEST_F(SelectFixture, OpeningOnAChartShowsItsRankingAtOnce) {
    SelectVisit first = openAtCharts();
    press(first, DIK_DOWN);
    rankingsShown.clear();
    openSelectVisit(context, SelectCharts, 0);  // back from a play, the chart list still open
    EXPECT_EQ(rankingsShown, (std::vector<std::string>{"SONG 1"}));
}

struct CourseListFixture : SelectFixture {
    void addCourses(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            CourseRecord course;
            course.name = name;
            courses->push(course);
        }
    }
};

TEST_F(CourseListFixture, LinesAreTheFixedChoicesThenTheCourses) {
    addCourses({"FIRST", "SECOND"});
    const std::vector<std::string> expected = {"Direct select", "Make new course", "Jukebox random", "FIRST", "SECOND", ""};
    for (int line = 0; line < int(expected.size()); ++line)
        EXPECT_EQ(courseLineText(*courses, line), expected[std::size_t(line)]) << "line " << line;
    EXPECT_EQ(openSelectVisit(context, SelectCourse, 1).courseLines, 5);
}

TEST_F(CourseListFixture, CursorWrapsAndStopsWithinTheCourseLines) {
    addCourses({"FIRST", "SECOND"});
    SelectVisit visit = openSelectVisit(context, SelectCourse, 1);
    release(visit);
    struct Case { int key; int start; int expected; };
    for (const Case c : {Case{DIK_UP, 0, 4}, Case{DIK_DOWN, 4, 0}, Case{DIK_DOWN, 1, 2}, Case{DIK_NEXT, 0, 4},
                         Case{DIK_PRIOR, 4, 0}, Case{DIK_END, 1, 4}, Case{DIK_HOME, 3, 0}}) {
        cursors.courseCursor = c.start;
        press(visit, c.key);
        EXPECT_EQ(cursors.courseCursor, c.expected) << "key " << c.key << " from " << c.start;
    }
    courses->clear();
    SelectVisit noCourses = openSelectVisit(context, SelectCourse, 1);
    release(noCourses);
    press(noCourses, DIK_UP);
    EXPECT_EQ(cursors.courseCursor, 2);
}

TEST_F(CourseListFixture, MovingOntoACourseShowsItsRanking) {
    addCourses({"FIRST", "SECOND"});
    SelectVisit visit = openSelectVisit(context, SelectCourse, 1);
    EXPECT_TRUE(rankingsShown.empty()) << "the cursor starts on a fixed line";
    for (int key : {DIK_DOWN, DIK_DOWN, DIK_DOWN, DIK_DOWN, DIK_DOWN}) press(visit, key);
    EXPECT_EQ(rankingsShown, (std::vector<std::string>{"FIRST", "SECOND"}));
}

TEST_F(CourseListFixture, OpeningClampsACursorPastTheCoursesAndShowsThatCourse) {
    addCourses({"FIRST", "SECOND"});
    cursors.courseCursor = 9;  // a course that was removed since the last visit
    EXPECT_EQ(openSelectVisit(context, SelectCourse, 1).listTop, 0);
    EXPECT_EQ(cursors.courseCursor, 4);
    EXPECT_EQ(rankingsShown, (std::vector<std::string>{"SECOND"}));
}

TEST_F(CourseListFixture, OpeningScrollsTheWindowToTheCursor) {
    for (int i = 0; i < kMaxCourses; ++i) addCourses({"C"});
    cursors.courseCursor = 42;
    EXPECT_EQ(openSelectVisit(context, SelectCourse, 1).listTop, 42 - (kListWindowLines - 1));
}

TEST_F(CourseListFixture, DecideAndEscapeEndTheVisitWhileListKeysDoNothing) {
    addCourses({"FIRST"});
    addFolders({"A", "B"});
    library->atFolderList = 0;
    SelectVisit visit = openSelectVisit(context, SelectCourse, 1);
    release(visit);
    press(visit, DIK_TAB);
    press(visit, DIK_1);
    EXPECT_EQ(library->atFolderList, 0);
    EXPECT_EQ(settings.FILTER, 0);
    EXPECT_EQ(opened, -1);
    hold(visit, DIK_RETURN);
    EXPECT_EQ(visit.exitCode, SelectDecided);

    SelectVisit back = openSelectVisit(context, SelectCourse, 1);
    release(back);
    hold(back, DIK_ESCAPE);
    EXPECT_EQ(back.exitCode, SelectBack);
}

}  // namespace
}  // namespace kv
