#include "screens/results/course_result_screen.h"

#include "base/random.h"
#include "media/gfx/blit.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/skin.h"
#include "platform/atomic_file.h"
#include "platform/path_text.h"
#include "platform/save_report.h"
#include "scene/shell.h"
#include "screens/results/course_stages.h"
#include "screens/results/grade.h"
#include "screens/results/ranking_commit.h"
#include "screens/results/ranking_file.h"
#include "screens/results/ranking_update.h"
#include "screens/results/result_drawing.h"
#include "screens/results/result_loop.h"

namespace kv {

namespace {

constexpr int kFigureX = 136;
constexpr int kRankingHeaderY = 299;

void drawCourseFigures(const CourseTotals& totals, int grade, const ResultFlow& flow) {
    const auto& c = flow.counters;
    const RunTallies& t = totals.tallies;
    const int figures[] = {t.noteCount, t.coolCount, t.greatCount, t.goodCount, t.breakCount, t.missCount};
    for (int i = 0; i < 6; ++i) drawNumber(kFigureX, 104 + 24 * i, figures[i], c[CounterNotes + i], 5);
    drawNumber(kFigureX, 256, totals.bonus, c[CounterBonus], 5);
    drawNumber(kFigureX, 297, totals.maxCombo, c[CounterCombo], 5);
    drawLargeNumber(107, 337, t.score, c[CounterScore]);
    drawGradeTile(216, 385, grade, c[CounterGrade]);
}

}  // namespace

bool courseResultScreen(int course, const std::string& courseName, std::uint8_t chartsChecksum) {
    loadSkinSheet(0, skin.CRESULT);
    loadSkinSheet(kFontSlot, skin.FONT);
    const Settings& options = settings();
    const auto& stages = courseStageRecords();
    const CourseTotals totals = sumCourseStages(stages);
    const RunTallies& t = totals.tallies;
    const int grade = courseGrade(static_cast<long long>(t.coolCount) + t.greatCount, t.noteCount, t.score);

    const auto path = courseRankingPath(platform::pathFromText(shell().programFolder), courseName, course);
    const Ranking stored = path ? decodeRanking(readRankingBlock(*path), chartsChecksum) : Ranking{};
    RankingUpdate update = planRankingUpdate(PurposeFreePlay, grade, stored,
                                             runEntry(t, totals.bonus, grade, stages.back().keyMode, options),
                                             totals.plausible, rankingRulesFrom(options), -1);
    // Hand-picked and random courses, and files that cannot be replaced, take no entry.
    const bool unsaved = update.write && path && !platform::canReplaceFile(*path);
    if (unsaved) platform::reportSaveFailure(*path);
    if (update.write && (!path || unsaved)) update = {.ranking = stored};

    ResultFlow flow = startResultFlow(update.place >= 0, false, options.NAME);
    flow.allowsRestart = false;
    const int choice = runResultLoop(flow, [&] {
        drawSprite(0, 0, nullptr, 0);
        drawCourseFigures(totals, grade, flow);
        drawResultHint(flow, update.place, false);
        if (unsaved) drawSaveFailure();
        if (update.ranking.hasTopScore()) drawRankingTable(437, kRankingHeaderY, update.ranking, update.place, flow);
    });
    if (choice == ResultNothing) return false;

    commitRanking(update, flow, path.value_or(""), chartsChecksum, settings().NAME, nextRandom);
    return true;
}

}  // namespace kv
