#include "screens/results/result_screen.h"

#include <optional>

#include "base/random.h"
#include "chart/chart.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/skin.h"
#include "platform/atomic_file.h"
#include "platform/path_text.h"
#include "platform/save_report.h"
#include "play/play_state.h"
#include "play/replay_file.h"
#include "scene/shell.h"
#include "screens/results/grade.h"
#include "screens/results/ranking_commit.h"
#include "screens/results/ranking_file.h"
#include "screens/results/ranking_update.h"
#include "screens/results/result_drawing.h"
#include "screens/results/result_figures.h"
#include "screens/results/result_loop.h"

namespace kv {

namespace {

constexpr int kFigureX = 136, kPercentX = 240;

RunTallies tallies(const Play& play, const Chart& chart) {
    return {.coolCount = play.coolCount, .greatCount = play.greatCount, .goodCount = play.goodCount,
            .breakCount = play.breakCount, .missCount = play.missCount, .noteCount = chart.noteCount,
            .score = play.score};
}

bool nothingJudged(const RunTallies& run) {
    return run.coolCount == 0 && run.greatCount == 0 && run.goodCount == 0 && run.breakCount == 0 &&
           run.missCount == 0;
}

void drawFigures(const RunTallies& run, const Play& play, int grade, const ResultFlow& flow) {
    const auto& c = flow.counters;
    drawNumber(kFigureX, 96, run.noteCount, c[CounterNotes], 5);
    const int counts[] = {run.coolCount, run.greatCount, run.goodCount, run.breakCount, run.missCount};
    for (int i = 0; i < 5; ++i) {
        const int y = 144 + 32 * i;
        drawNumber(kFigureX, y, counts[i], c[CounterCool + i], 5);
        drawNumber(kPercentX, y, percentOfNotes(counts[i], run.noteCount), c[CounterCool + i], 3);
    }
    drawNumber(kFigureX, 320, play.maxCombo, c[CounterCombo], 5);
    drawNumber(kFigureX, 360, play.bonusScore, c[CounterBonus], 5);
    drawLargeNumber(kFigureX, 408, run.score, c[CounterScore]);
    drawGradeTile(480, 377, grade, c[CounterGrade]);
    drawJudgementBar(320, 352, flow.barHeight, judgementBarBands(run, kBarFull));
}

}  // namespace

int resultScreen(int purpose, int grade, ChartEntry& entry, int missionIndex) {
    loadSkinSheet(0, skin.RESULT);
    loadSkinSheet(kFontSlot, skin.FONT);
    const Settings& options = settings();
    const RunTallies run = tallies(thePlay, theChart);
    if (nothingJudged(run)) return ResultNothing;

    const auto path = chartRankingPath(platform::pathFromText(entry.dirPath), entry.fileName, options.RANKING,
                                       platform::pathFromText(shell().programFolder));
    const Ranking stored = path ? decodeRanking(readRankingBlock(*path), entry.checksum) : Ranking{};
    RankingUpdate update = planRankingUpdate(purpose, grade, stored,
                                             runEntry(run, thePlay.bonusScore, grade, theChart.keyMode, options),
                                             runIsPlausible(run), rankingRulesFrom(options), missionIndex);
    // A ranking that cannot be stored is not offered, and the screen says why.
    const bool unsaved = update.write && path && !platform::canReplaceFile(*path);
    if (unsaved) platform::reportSaveFailure(*path);
    if (update.write && (!path || unsaved)) update = {.ranking = stored};

    const bool stages = purpose == PurposeCourseOrEternal;
    const bool offersReplay = options.REPLAY == 1 && thePlay.replayActive == 1;
    ResultFlow flow = startResultFlow(purpose == PurposeFreePlay && update.place >= 0, offersReplay, options.NAME);
    const int choice = runResultLoop(flow, [&] {
        drawSprite(0, 0, nullptr, 0);
        drawFigures(run, thePlay, grade, flow);
        drawResultHint(flow, update.place, !stages);
        if (unsaved) drawSaveFailure();
        if (!stages && update.ranking.hasTopScore()) drawRankingTable(437, 145, update.ranking, update.place, flow);
    });
    if (choice == ResultNothing) return ResultNothing;

    if (auto block = commitRanking(update, flow, path.value_or(""), entry.checksum, settings().NAME, nextRandom))
        entry.rankingBlock = *block;
    if (choice == ResultSaveReplay && options.OBJECT == 0) {
        const auto replay = replayPathFor(chartPath(entry));
        if (saveReplay(replay, entry.checksum, thePlay.replay, static_cast<std::uint8_t>(nextRandom())))
            entry.hasReplay = 1;
        else
            platform::reportSaveFailure(replay);
    }
    return choice;
}

}  // namespace kv
