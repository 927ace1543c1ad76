#include "play/play_screen_panels.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "gfx/blit.h"
#include "gfx/sheet_text.h"
#include "gfx/sprite_tables.h"

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

void drawBoard(int x, int y, int cell) { drawSpriteKeyed(x, y, &boardTable[std::size_t(cell)], kBoardSlot); }

// Small play digits, right-aligned, leading zeros left blank.
void drawSmallNumber(int x, int y, int value, int digits) {
    value = std::max(value, 0);
    for (int i = digits - 1; i >= 0; --i) {
        const bool blank = value == 0 && i < digits - 1;
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

}  // namespace

int messageRow(const PanelView& view) {
    static constexpr int kRows[] = {280, 120, 200, kMessageRowOff};
    const int msgPos = std::clamp<int>(view.options.MSGPOS, 0, 3);
    if (msgPos == 3) return kMessageRowOff;
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

void drawStatusLine(const PanelView& view, const PlayScreenState& screen) {
    static constexpr const char* kSpeedLabels[] = {" X0.5 ", "X0.75", "  X1  ", " X1.5 ", "  X2  ", " X2.5 ", "  X3  ",
                                                   " X3.5 ", "  X4  ", " X4.5 ", "  X5  ", "  X6  ", "  X8  ", " X10 ",
                                                   " X12 ", " X16 ", "RANDOM", "GRAVIT", "COMBO"};
    static constexpr const char* kViewLabels[] = {"", "HIDDEN", "SUDDEN", "INVISI", "MIDDLE", "HIDSUD"};
    const PlayConfig& config = view.config;
    const char* mode = config.course ? "COURSE PLAY" : config.eternal ? "ETERNALPLAY" : config.puzzle ? "PUZZLE PLAY"
                                                                                                   : " FREE PLAY ";
    drawLargeText(14, 6, mode, 1);
    drawLargeText(121, 6, screen.statusLine, 1);
    char speed[16];
    if (config.speed == kSpeedFree)
        std::snprintf(speed, sizeof speed, "F%d.%d", view.play.speed.freeSpeed / 10, view.play.speed.freeSpeed % 10);
    else
        std::snprintf(speed, sizeof speed, "%s", kSpeedLabels[std::clamp<int>(config.speed, 0, kSpeedCombo)]);
    drawLargeText(470, 6, speed, 1);
    drawLargeText(584, 6, kViewLabels[std::clamp<int>(config.view, 0, HiddenSudden)], 1);
}

}  // namespace kv
