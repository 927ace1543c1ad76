#include "chart/chart_loader.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "base/text.h"
#include "chart/chart_arrange.h"
#include "chart/chart_reader.h"
#include "chart/gauge_rates.h"
#include "chart/judge_windows.h"
#include "chart/key_mode.h"
#include "chart/lane_transform.h"
#include "chart/long_notes.h"
#include "chart/picture_frame.h"
#include "chart/playback_rate.h"
#include "platform/path_text.h"

namespace kv {

namespace {

constexpr int kAutoplayOn = 1, kAutoplayEffect = 2, kStyleBonus = 4, kBgaStage = 7;

// A header tempo of 0 (or garbage) would never advance the chart.
double headerTempo(float bpm) {
    const double tempo = std::fabs(double(bpm));
    return tempo > 0 && std::isfinite(tempo) ? tempo : 130.0;
}

void resetLists(Chart& chart) {
    for (Lane& lane : chart.sourceLanes) lane.clear();
    for (Lane& lane : chart.playLanes) lane.clear();
    chart.bgm.clear();
    chart.measureLengths.clear();
    chart.tempoChanges.clear();
    chart.stops.clear();
    chart.bgaBase.clear();
    chart.bgaPoor.clear();
    chart.bgaLayer.clear();
    for (BgaDef& def : chart.bgaDefs) def.defined = false;
    chart.noteCount = 0;
}

GaugeRules gaugeRulesFor(const Settings& settings, const LoadContext& context) {
    GaugeRules rules;
    rules.gauge = settings.GAUGE;
    rules.level = settings.LEVEL;
    rules.igCool = settings.IGCOOL != 0;
    rules.bonusStyle = settings.STYLE == kStyleBonus;
    rules.puzzle = context.puzzle;
    rules.courseOrEternal = context.playMode != 0;
    rules.rankingTopScore = context.rankingTopScore;
    return rules;
}

// `bytes` null: the chart file could not be read.
int load(const ChartEntry& entry, const std::string_view* bytes, Chart& chart, const Settings& settings,
         const LoadContext& context, ChartMedia& media, LoadingScreen& screen) {
    chart.hasMidi = false;
    chart.midiFile.clear();
    std::error_code error;
    if (!std::filesystem::is_directory(platform::pathFromText(entry.dirPath), error)) return 0;

    chart.keyMode = std::int8_t(keyModeFor(settings.KEY, entry.keyType));
    chart.autoplayActive = settings.AUTOPLAY == kAutoplayOn && settings.STYLE != kStyleBonus;
    chart.autoScratch = settings.AUTOPLAY == kAutoplayEffect ? 2 : 0;
    chart.baseTempo = chart.playTempo = headerTempo(entry.bpm);

    chart.frame = pictureFrameFor({settings.STYLE, settings.BGA, settings.LINE, settings.LINEPOS}, chart.keyMode,
                                  entry.bgaKind);
    if (settings.BGA == kBgaStage) {
        media.loadStagePicture(entry.stageFile);
        chart.frame.backdropInUse = 1;
    }

    resetLists(chart);
    if (!bytes) return 0;
    TextFile file;
    file.openBytes(*bytes);
    const ChartReadOptions options{settings.BGA,     chart.frame.bgaFrameSize > 0, settings.TEMPO, context.random,
                                   settings.longNotesOn(), settings.stopsOn()};
    ChartReader reader(chart, media, screen, options);
    reader.read(file);

    if ((reader.mediaFailed() || settings.TITLESKIP == 0) && context.playMode == 0) {
        screen.drawLine(reader.nextMessageRow(), "PUSH ANY KEY TO CONTINUE...");
        if (!screen.waitForKey()) return 0;
    }

    buildLongNotes(chart, reader.longNotes());
    arrangeChart(chart, settings.OBJECT == ObjectSymmetry);
    computeGaugeRates(chart, reader.total(), gaugeRulesFor(settings, context));
    if (settings.TEMPO != 0) chart.playTempo *= tempoFactor(settings.TEMPO);
    if (settings.BPMEDIT != 50) chart.playTempo *= bpmEditFactor(settings.BPMEDIT);
    // Ranks above 3 (or below 0) have no row in the window table.
    chart.rank = std::int8_t(std::clamp<int>(entry.judgeRank, 0, 3));
    computeJudgeWindows(chart, settings.COOLONLY != 0);
    transformLanes(chart, settings.OBJECT, settings.AUTOPLAY, context.random);
    return 1;
}

}  // namespace

int loadChart(const ChartEntry& entry, Chart& chart, const Settings& settings, const LoadContext& context,
              ChartMedia& media, LoadingScreen& screen) {
    std::string bytes;
    const bool readable = readFileText(chartPath(entry), bytes);
    const std::string_view text = bytes;
    return load(entry, readable ? &text : nullptr, chart, settings, context, media, screen);
}

int loadChartText(const ChartEntry& entry, std::string_view bytes, Chart& chart, const Settings& settings,
                  const LoadContext& context, ChartMedia& media, LoadingScreen& screen) {
    return load(entry, &bytes, chart, settings, context, media, screen);
}

}  // namespace kv
