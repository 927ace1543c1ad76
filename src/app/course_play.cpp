// Course play: five charts on one run, picked by hand, at random from a
// folder, or from a stored course.
#include <cstdio>

#include "app/driver_steps.h"
#include "base/random.h"
#include "scene/shell.h"
#include "settings/settings.h"

namespace kv {

namespace {

enum class CourseEnd { ToList, Quit };

std::string stageTitle(const char* format, int stage) {
    char title[32];
    std::snprintf(title, sizeof title, format, stage);
    return title;
}

// Asks for the five stages one by one; false when the player backs out.
bool pickStages(const SceneTable& scenes, const char* titleFormat, CourseStages& stages) {
    for (int n = 1; n <= kCourseStages; ++n) {
        if (scenes.runSelectScreen(3, stageTitle(titleFormat, n), 1) == kSceneBack || quitting()) return false;
        stages[n - 1] = scenes.chosenEntry();
    }
    return true;
}

// Five entries of the folder the player picks, repeats allowed. False when
// the player backs out or the folder shows no chart to draw from.
bool pickRandomStages(const SceneTable& scenes, CourseStages& stages) {
    if (scenes.runSelectScreen(2, "JUKEBOX RANDOM", 1) == kSceneBack || quitting()) return false;
    const int count = scenes.visibleCount();
    if (count <= 0) return false;
    for (ChartEntry& stage : stages) stage = scenes.visibleEntry(nextRandom() % count);
    return true;
}

CourseEnd playCourse(const SceneTable& scenes, const CourseStages& stages, int course) {
    shell().playMode = CoursePlayMode;
    const bool nonstop = settings().NONSTOP != 0;
    for (int stage = 0; stage < kCourseStages; ++stage) {
        if (!scenes.loadChart(stages[stage])) return quitting() ? CourseEnd::Quit : CourseEnd::ToList;
        const int played = scenes.playChart(stages[stage], stage);
        applyGaugeRule(scenes, true);
        const int grade = scenes.evaluateClear(kPurposeStages);
        const PlayFacts facts = scenes.playFacts();
        if (!(nonstop && facts.endState == kEndedNormally && stage != kCourseStages - 1)) scenes.wipeOut();
        if (played == kPlayDone && !(nonstop && facts.cleared != 0) && !quitting())
            scenes.resultScreen(kPurposeStages, grade);
        releaseStage(scenes);
        if (quitting()) return CourseEnd::Quit;
        if (scenes.playFacts().cleared == 0) return CourseEnd::ToList;
        scenes.recordCourseStage(stage);
    }
    if (scenes.playFacts().autoplayActive != 1) scenes.courseResultScreen(course);
    return quitting() ? CourseEnd::Quit : CourseEnd::ToList;
}

}  // namespace

ModeEnd runCoursePlay(const SceneTable& scenes) {
    CourseStages stages;
    for (;;) {
        shell().playMode = CoursePlayMode;
        const int choice = scenes.runSelectScreen(1, "SELECT COURSE", 1);
        if (quitting()) return ModeEnd::Quit;
        if (choice < kDirectSelectCourse) return ModeEnd::Title;  // back, without a wipe

        CourseEnd end = CourseEnd::ToList;
        if (choice == kDirectSelectCourse) {
            if (pickStages(scenes, "SELECT STG.%d", stages)) end = playCourse(scenes, stages, choice - kFirstStoredCourse);
        } else if (choice == kMakeNewCourse) {
            std::string name;
            if (scenes.inputCourseName(name) != 0 && !quitting() && pickStages(scenes, "MAKE STAGE %d", stages))
                scenes.saveCourse(name, stages);
        } else if (choice == kJukeboxRandomCourse) {
            if (pickRandomStages(scenes, stages)) end = playCourse(scenes, stages, choice - kFirstStoredCourse);
        } else if (scenes.loadCourse(choice - kFirstStoredCourse, stages)) {
            end = playCourse(scenes, stages, choice - kFirstStoredCourse);
        }
        if (end == CourseEnd::Quit || quitting()) return ModeEnd::Quit;
    }
}

}  // namespace kv
