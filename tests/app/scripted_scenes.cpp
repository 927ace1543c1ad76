#include "scripted_scenes.h"

namespace kv::test {

ChartEntry entryNamed(const std::string& fileName) {
    ChartEntry entry;
    entry.fileName = fileName;
    return entry;
}

int ScriptedScenes::next(std::deque<int>& queue, int whenEmpty) {
    if (queue.empty()) return whenEmpty;
    const int value = queue.front();
    queue.pop_front();
    return value;
}

std::vector<std::string> ScriptedScenes::calls(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : log)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

ScriptedScenes::ScriptedScenes() {
    SceneTable& t = table_;
    auto note = [this](std::string line) { log.push_back(std::move(line)); };

    t.titleScreen = [=, this] { note("title"); return next(titles, TitleExit); };
    t.runSelectScreen = [=, this](int mode, const std::string& title, int banner) {
        note("select " + std::to_string(mode) + " " + title + " " + std::to_string(banner));
        const int result = next(selects, mode == 1 ? kCourseListBack : kSceneBack);
        if (result < pick(0)) return result;
        // Folder pickers (eternal, random course) pick from an empty list too.
        if (std::size_t(result - pick(0)) < list.size()) chosen_ = list[result - pick(0)];
        return 0;
    };
    t.selectPuzzleCell = [=, this] { note("puzzle cell"); return next(others, kSceneBack); };
    t.runEternalOptions = [=, this] { note("eternal options"); return next(others, kSceneBack); };
    t.inputCourseName = [=, this](std::string& name) {
        name = "MYCOURSE";
        note("course name");
        return next(others, 0);
    };
    t.loadChart = [=, this](ChartEntry entry) { note("load " + entry.fileName); return next(loads, 1); };
    t.playChart = [=, this](const ChartEntry& entry, int stage) {
        note("play " + entry.fileName + " " + std::to_string(stage));
        ++plays_made;
        current_ = PlayFacts{kEndedNormally, 1, lastMeasure + 1, 0, 0, 80.0f};
        if (!facts.empty()) {
            current_ = facts.front();
            facts.pop_front();
        }
        gauge = current_.gauge;
        if (duringPlay) duringPlay(plays_made);
        return next(plays, kPlayDone);
    };
    t.evaluateClear = [=, this](int purpose) { note("clear " + std::to_string(purpose)); return 7; };
    t.resultScreen = [=, this](int purpose, int grade) {
        note("result " + std::to_string(purpose) + " " + std::to_string(grade));
        return next(results, 0);
    };
    t.courseResultScreen = [=](int course) { note("course result " + std::to_string(course)); };
    t.keySetupScreen = [=] { note("key setup"); };
    t.joypadSetupScreen = [=] { note("joypad setup"); };
    t.wipeOut = [=] { note("wipe"); return 1; };

    t.chosenEntry = [this] { return chosen_; };
    t.rebuildSongList = [=] { note("rebuild list"); };
    t.visibleCount = [this] { return int(list.size()); };
    t.visibleEntry = [this](int position) { return list.at(position); };
    t.folderCount = [] { return 1; };
    t.folderIdAt = [](int) { return 0; };
    t.currentFolderId = [] { return 0; };
    t.openFolder = [=](int id) { note("open folder " + std::to_string(id)); };

    t.playFacts = [this] {
        PlayFacts now = current_;
        now.gauge = gauge;
        return now;
    };
    t.setGauge = [=, this](float value) {
        gauge = value;
        note("gauge " + std::to_string(int(value)));
    };
    t.chartLastMeasure = [this] { return lastMeasure; };
    t.stopChartSamples = [=] { note("stop samples"); };
    t.stopMusic = [=] { note("stop music"); };
    t.closeMusic = [=] { note("close music"); };
    t.releaseChartMedia = [=] { note("release media"); };

    t.applyMissionRules = [=] { note("mission rules"); };
    t.restoreMissionOptions = [=] { note("restore options"); };
    t.saveCourse = [=](const std::string& name, const CourseStages& stages) {
        note("save course " + name + " " + stages[0].fileName + ".." + stages[4].fileName);
        return 1;
    };
    t.loadCourse = [=, this](int course, CourseStages& stages) {
        note("load course " + std::to_string(course));
        for (ChartEntry& stage : stages) stage = entryNamed("stored");
        return next(others, 1);
    };
    t.recordCourseStage = [=](int stage) { note("record stage " + std::to_string(stage)); };
}

}  // namespace kv::test
