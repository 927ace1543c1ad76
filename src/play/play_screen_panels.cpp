#include "play/play_screen_panels.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>

#include "media/gfx/blit.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/sprite_tables.h"
#include "play/status_labels.h"

namespace kv {

namespace {

constexpr int kBoardSlot = 2;
constexpr int kGaugeSprites = 4;  // 4 + 0..5
constexpr int kGaugeSegments = 63;
constexpr int kGrooveClearSegment = 44;
constexpr int kSmallDigits = 10, kBlankDigit = 20, kLargeDigits = 21, kMaxComboSign = 31;
constexpr int kAutoplaySign = 52, kPlaybackSign = 53, kClearedSign = 66, kFailedSign = 67;
constexpr int kCountPanel = 70, kCountMarkers = 71;
constexpr int kSignPhase = 10;
constexpr int kMissImageCode = 16;
constexpr int kMessageRowOff = -10;
constexpr int kStatusRowY = 6;
constexpr int kModeX = 14, kRunX = 121, kSpeedX = 470, kTransformX = 527, kViewX = 584;
constexpr int kUpperFigureY = 437, kLowerFigureY = 460;

void drawBoard(int x, int y, int cell) { drawSpriteKeyed(x, y, &boardTable[std::size_t(cell)], kBoardSlot); }

// Small play digits, right-aligned, leading zeros left blank unless asked
// for (the clock).
void drawSmallNumber(int x, int y, int value, int digits, bool zeroPadded = false) {
    value = std::max(value, 0);
    for (int i = digits - 1; i >= 0; --i) {
        const bool blank = !zeroPadded && value == 0 && i < digits - 1;
        drawBoard(x + 12 * i, y, blank ? kBlankDigit : kSmallDigits + value % 10);
        value /= 10;
    }
}

void drawCombo(int x, int y, int combo, bool best) {
    char text[12];
    const int digits = std::snprintf(text, sizeof text, "%d", combo);
    const int left = x - 9 * (digits - 1);
    if (best) drawBoard(left - boardTable[kMaxComboSign].right + boardTable[kMaxComboSign].left, y, kMaxComboSign);
    for (int i = 0; i < digits; ++i) drawBoard(left + 18 * i, y, kLargeDigits + (text[i] - '0'));
}

int clearMarkSegment(const PanelView& view) {
    if (view.config.gauge == Groove) return kGrooveClearSegment;
    if (view.config.gauge == HighScore) return int(std::int64_t(kGaugeSegments) * view.chart.scoreTarget / 200000);
    return kGaugeSegments;
}


// The labels sit 57 pixels apart and run up to six characters, so they use
// the 8-pixel glyphs: 12-pixel ones would print over each other.
void drawStatusLine(const PanelView& view, const PlayScreenState& screen) {
    const PlayConfig& config = view.config;
    constexpr bool kSecondRow = false;
    drawSmallText(kModeX, kStatusRowY, modeLabel(config), kSecondRow);
    drawSmallText(kRunX, kStatusRowY, screen.statusLine, kSecondRow);
    drawSmallText(kSpeedX, kStatusRowY, speedLabel(config.speed, view.play.speed.freeSpeed), kSecondRow);
    drawSmallText(kTransformX, kStatusRowY, transformLabel(view.options.OBJECT), kSecondRow);
    drawSmallText(kViewX, kStatusRowY, viewLabel(config.view), kSecondRow);
}

void drawFigures(const PanelView& view, const PlayScreenState& screen) {
    const Play& play = view.play;
    drawSmallNumber(243, kUpperFigureY, play.maxCombo, 4);
    drawSmallNumber(353, kUpperFigureY, int(view.chart.playTempo), 3);
    drawSmallNumber(453, kUpperFigureY, songProgress(play, view.chart, 100), 3);
    drawSmallNumber(576, kUpperFigureY, screen.framesPerSecond, 3);
    drawSmallNumber(473, kLowerFigureY, int(std::clamp(play.gauge, 0.0f, 100.0f)), 3);
    const std::time_t now = std::time(nullptr);
    if (const std::tm* local = std::localtime(&now)) {
        drawSmallNumber(576, kLowerFigureY, local->tm_hour, 2, true);
        drawSmallNumber(608, kLowerFigureY, local->tm_min, 2, true);
    }
}

}  // namespace

int messageRow(const PanelView& view) {
    static constexpr int kRows[] = {280, 120, 200, kMessageRowOff};
    const int msgPos = std::clamp<int>(view.options.MSGPOS, 0, 3);
    if (msgPos == 3) return kMessageRowOff;
    if (view.layout.fixedMessageRow) return *view.layout.fixedMessageRow;
    // The climb needs notes to divide by; a chart without any keeps the row.
    if (view.options.COMBOUP && view.chart.noteCount > 0)
        return 280 - int(std::int64_t(view.play.combo) * 160 / view.chart.noteCount);
    return kRows[msgPos];
}

void drawJudgement(const PanelView& view) {
    const Play& play = view.play;
    const int x = view.layout.messageX, row = messageRow(view);
    if (play.cleared != 0) {
        drawBoard(x, row, play.cleared > 0 ? kClearedSign : kFailedSign);
        if (play.cleared > 0 && play.autoplayActive) drawLargeText(x, row - 20, "PUSH ESC TO EXIT", 0);
        return;
    }
    const JudgeDisplay& judge = play.judge;
    if (judge.phase == kSignPhase) {
        drawBoard(x, row, judge.image == kPlaybackImage ? kPlaybackSign : kAutoplaySign);
        return;
    }
    if (judge.phase == 0) return;
    drawBoard(x, row, kJudgementImages + judge.image);
    if (play.combo > 1 && judge.code != kMissImageCode) drawCombo(x + 56, row - 45, play.combo, play.combo == play.maxCombo);
}

void drawGauge(const PanelView& view, PlayScreenState& screen) {
    const float gauge = std::clamp(view.play.gauge, 0.0f, 100.0f);
    screen.gaugeLevel = int(kGaugeSegments * gauge * 0.01f);
    const JudgeDisplay& judge = view.play.judge;
    const bool flash = judge.phase == 1 && (judge.code == 0 || judge.code == 4);  // COOL or GREAT just shown
    const bool lowSurvival = view.config.gauge == Survival && gauge < 25.0f;
    const int mark = clearMarkSegment(view);
    for (int segment = 0; segment < kGaugeSegments; ++segment) {
        int sprite = lowSurvival ? 4 : 1;
        if (flash) ++sprite;
        if (segment >= mark) sprite += 3;
        if (segment >= screen.gaugeShown) sprite -= flash ? 2 : 1;
        drawBoard(view.layout.gaugeX + 4 * segment, view.layout.gaugeY, kGaugeSprites + std::clamp(sprite, 0, 5));
    }
}

void drawScores(const PanelView& view, const PlayScreenState& screen) {
    const bool carried = view.config.course || view.config.eternal;
    const int score = screen.scoreShown + (carried ? view.play.courseScore : 0);
    drawSmallNumber(view.layout.scoreX, view.layout.scoreY, score, 6);
    drawSmallNumber(view.layout.bonusScoreX, view.layout.bonusScoreY, view.play.bonusScore, 5);
}

void drawJudgementCounts(const PanelView& view, const PlayScreenState& screen) {
    if (!view.options.JUDGECOUNT) return;
    const Play& play = view.play;
    const int x = view.layout.countPanelX, y = view.layout.countPanelY;
    drawBoard(x, y, kCountPanel);
    const std::array<int, 5> counts{play.coolCount, play.greatCount, play.goodCount, play.breakCount, play.missCount};
    for (std::size_t i = 0; i < counts.size(); ++i) drawSmallNumber(x + 35, y + 15 + 17 * int(i), counts[i], 4);
    const JudgeDisplay& judge = play.judge;
    if (screen.blink != 0 && judge.phase >= 1 && judge.phase <= 4) {
        const int row = std::clamp(judge.code / 4, 0, 4);
        drawBoard(x, y + 15 + 17 * row, kCountMarkers + row);
    }
}

int songProgress(const Play& play, const Chart& chart, int scale) {
    const std::int64_t total = absoluteStep(play.measureStarts, chart.lastMeasure + 1, 0);
    if (total <= 0) return 0;
    return int(std::clamp<std::int64_t>(std::int64_t(play.playAbsStep) * scale / total, 0, scale));
}

void drawGuidePanel(const PanelView& view, const PlayScreenState& screen) {
    drawStatusLine(view, screen);
    drawFigures(view, screen);
}

}  // namespace kv
