#include "screens/select/select_screen_run.h"

#include "base/random.h"
#include "media/audio/sound_engine.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/skin.h"
#include "media/input/input.h"
#include "platform/clock_counters.h"
#include "platform/files.h"
#include "scene/message_pump.h"
#include "scene/shell.h"
#include "scene/wipe.h"
#include "screens/results/ranking_file.h"
#include "screens/select/select_screen_draw.h"
#include "screens/select/stage_screen.h"

namespace kv {

namespace {

constexpr double kStepMs = 12.0;
constexpr int kGrabSlot = 3;  // the picture the next transition starts from
constexpr int kStayOnScreen = -2;

void loadSelectPictures() {
    platform::changeDirectory(shell().programFolder);
    loadSkinSheet(0, skin.SELECT);
    loadSkinSheet(1, skin.FONT);
    loadSkinSheet(2, skin.FONT2);
}

// Ends the visit: the result runSelectScreen returns, or kStayOnScreen after "NO MUSIC".
int leave(SelectContext& context, SelectVisit& visit, int banner) {
    stopSample(kSlotSelectMusic);
    grabScreen(0, 0, nullptr, kGrabSlot);
    storePage(context.panel, context.settings, context.panel.page);
    if (visit.mode == SelectCourse) {
        wipeOut();
        return visit.exitCode == SelectBack ? -1 : context.cursors.courseCursor;
    }
    if (visit.exitCode == SelectBack) return SelectBack;
    if (visit.mode == SelectFolderOnly) {
        wipeOut();
        return SelectDecided;
    }
    if (!chooseChart(context, visit)) return kStayOnScreen;
    const Shell& state = shell();
    if (banner == 1 || state.puzzleMode != 0 || state.playMode == EternalPlayMode) {
        wipeOut();
        return SelectDecided;
    }
    return showStageScreen(chosenChartEntry()) ? SelectDecided : 0;
}

}  // namespace

int runSelectScreen(int mode, const std::string& title, int banner) {
    CourseList& courses = courseList();
    if (mode == SelectCourse) loadCourseList(courses, shell().programFolder);
    Ranking ranking;
    SelectContext context{songLibrary(), settings(), optionPanel(), optionPresets(), selectCursors(), courses,
                          openSongFolder,
                          [&ranking](const ChartEntry& entry) { ranking = loadRankingForDisplay(entry); },
                          [&](int course) { ranking = loadCourseRankingForDisplay(courses[course]); },
                          [](int slot) { playSample(slot); },
                          nextRandom};
    MsCounter& menuMs = clockCounters().menuMs;
    menuMs.set(0);
    SelectVisit visit = openSelectVisit(context, mode, shell().playMode);
    loadSelectPictures();
    playSample(kSlotSelectMusic);
    int stepClockMs = 0;  // the key repeat counts in logic steps, not frames
    for (;;) {
        while (visit.exitCode == SelectRunning && menuMs.value() > kStepMs) {
            menuMs.take(kStepMs);
            if (!pumpMessages()) return 0;
            readKeyboard();
            stepClockMs += int(kStepMs);
            selectStep(context, visit, input.keys, stepClockMs);
        }
        drawSelectFrame(context, visit, ranking, title, banner);
        present();
        if (visit.exitCode != SelectRunning) {
            const int result = leave(context, visit, banner);
            if (result != kStayOnScreen) return result;
            playSample(kSlotSelectMusic);
        }
        if (!isSamplePlaying(kSlotSelectMusic)) playSample(kSlotSelectMusic);
    }
}

void openSongFolder(int folder) {
    const Settings& s = settings();
    SongLibrary& library = songLibrary();
    if (loadFolder(library, folder, {s.RANKING, shell().programFolder}, {s.FILTER, s.FILTER2, s.SORT}, nextRandom))
        library.currentFolder = folder;
}

ChartEntry chosenChartEntry() {
    const int chart = selectCursors().chosenChart;
    return chart >= 0 && chart <= kMaxCharts ? songLibrary().charts[std::size_t(chart)] : ChartEntry{};
}

}  // namespace kv
