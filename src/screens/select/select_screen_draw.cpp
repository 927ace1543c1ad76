#include "screens/select/select_screen_draw.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "chart/chart_text.h"
#include "media/gfx/display.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/skin.h"
#include "media/gfx/system_text.h"
#include "scene/shell.h"
#include "screens/modes/puzzle_missions.h"
#include "screens/results/ranking_file.h"
#include "screens/select/list_cursor.h"
#include "screens/select/select_screen_cells.h"
#include "screens/select/select_screen_icons.h"
#include "screens/select/select_screen_option_labels.h"

namespace kv {

namespace {

constexpr int kListX = 432, kListTitleX = 480, kListTitleWidth = 144, kHeaderWidth = 40;

std::string format(const char* pattern, int value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// Free text with a black copy behind it, offset down and right.
void drawShadowed(int x, int y, int shadowX, int shadowY, int width, const std::string& text, int height,
                  Pixel colour, const std::string& font) {
    drawTextSqueezed(shadowX, shadowY, width, text, height, 0, font, 0, -1);
    drawTextSqueezed(x, y, width, text, height, colour, font, 0, -1);
}

void drawCursorBar(int cursor, int top) { drawMenuCell(kListX, (cursor - top) * 12 + 40, menuCell(1, 214, 192, 14)); }

std::string headerColumn(const ChartEntry& entry, int header) {
    switch (header) {
        case 1: return chartTextUtf8(entry, entry.artist);
        case 2: return entry.bpm == 0 ? " " : format("%d", std::abs(int(entry.bpm)));
        case 3: return chartTextUtf8(entry, entry.genre);
        default: return entry.playLevel == 0 ? " " : format("     %d", entry.playLevel);
    }
}

std::string bpmText(float bpm) {
    return bpm < 0 ? format("BPM %d?", std::abs(int(bpm))) : format("BPM %d", int(bpm));
}

void drawChartList(const SelectContext& context, const SelectVisit& visit) {
    const SongLibrary& library = context.library;
    const Settings& settings = context.settings;
    const int cursor = context.cursors.chartCursor;
    const ChartEntry& chosen = library.charts[std::size_t(library.visible[std::size_t(cursor)])];
    drawCursorBar(cursor, visit.listTop);
    drawLargeText(24, 56, bpmText(chosen.bpm), 0);
    drawShadowed(130, 56, 132, 58, 245, chartTextUtf8(chosen, chosen.genre), 24, skin.FONTCOLOR, settings.LFONT);
    drawShadowed(130, 79, 134, 83, 275, chartTextUtf8(chosen, chosen.title), 64, skin.FONTCOLOR, settings.LFONT);
    drawShadowed(188, 149, 190, 151, 210, chartTextUtf8(chosen, chosen.artist), 24, skin.FONTCOLOR,
                 settings.LFONT);
    drawChartIcons(chosen);
    const std::string folderName =
        library.currentFolder >= 0 && library.currentFolder < library.folders.size()
            ? library.folders[library.currentFolder].name : "";
    drawTextCut(kListX, 20, 194, "JUKEBOX : " + folderName, 12, skin.FONTCOLOR, settings.SFONT);
    drawLargeText(kListX, 456, musicCounterText(library, cursor), 0);
    for (int i = 0; i < kListWindowLines && visit.listTop + i <= library.visibleCount; ++i) {
        const int position = visit.listTop + i;
        const ChartEntry& entry = library.charts[std::size_t(library.visible[std::size_t(position)])];
        const bool pseudo = position == library.visibleCount;
        const Pixel colour = pseudo ? skin.COMCOLOR
                             : loadRankingForDisplay(entry).hasTopScore() ? skin.CLEARCOLOR : skin.FONTCOLOR;
        const int y = 41 + 12 * i;
        drawTextCut(kListTitleX, y, kListTitleWidth, chartTextUtf8(entry, entry.title), 12, colour, settings.SFONT);
        if (!pseudo) drawTextCut(kListX, y, kHeaderWidth, headerColumn(entry, settings.HEADER), 12, colour, settings.SFONT);
    }
}

void drawFolderList(const SelectContext& context, const SelectVisit& visit) {
    const SongLibrary& library = context.library;
    const Settings& settings = context.settings;
    const int cursor = context.cursors.folderCursor;
    if (cursor < int(visit.folderOrder.size())) {
        const std::string& name = library.folders[visit.folderOrder[std::size_t(cursor)]].name;
        drawShadowed(133, 53, 135, 55, 288, "Jukebox", 24, skin.COMCOLOR, settings.LFONT);
        drawShadowed(133, 83, 137, 87, 288, name, 64, skin.COMCOLOR, settings.LFONT);
    }
    drawCursorBar(cursor, visit.listTop);
    drawTextCut(kListX, 20, 194, "SELECT JUKEBOX", 12, skin.FONTCOLOR, settings.SFONT);
    for (int i = 0; i < kListWindowLines && visit.listTop + i < int(visit.folderOrder.size()); ++i) {
        const SongFolder& folder = library.folders[visit.folderOrder[std::size_t(visit.listTop + i)]];
        drawTextCut(kListTitleX, 41 + 12 * i, kListTitleWidth, folder.name, 12, skin.COMCOLOR, settings.SFONT);
    }
}

void drawOptionPanel(const OptionPanel& panel, int playMode) {
    drawLargeText(29, 212, kOptionPageTable[std::size_t(panel.page)].title, 0);
    for (int line = 0; line < shownLineCount(panel.page, playMode); ++line)
        drawLargeText(17, 244 + 16 * line, optionLineLabel(panel.page, line, panel.values[std::size_t(line)]), 0);
    for (int page = 0; page < 4; ++page)
        drawMenuCell(17 + 79 * page, 448, menuCell(1 + 73 * page, page == panel.page ? 164 : 189, 72, 24));
}

void drawListSettings(const Settings& settings) {
    static const char* const kFilter[] = {"5K  7K", "5K", "    7K", "    "};
    static const char* const kFilter2[] = {"10K 14K", "10K", "    14K", "    "};
    static const char* const kSort[] = {"none", "NAME", "LEVEL", "ARTIST", "TEMPO", "GENRE"};
    static const char* const kHeader[] = {"LEVEL", "ARTIST", "TEMPO", "GENRE"};
    struct Row { const char* name; const char* value; };
    // Codes from a hand-edited settings file are kept in range here.
    const Row rows[] = {{"FILTER", kFilter[settings.FILTER & 3]}, {"FILTER", kFilter2[settings.FILTER2 & 3]},
                        {"SORT", kSort[unsigned(settings.SORT) % 6]}, {"HEADER", kHeader[settings.HEADER & 3]}};
    for (int i = 0; i < 4; ++i) {
        const int y = 360 + 16 * i;
        drawLargeText(208, y, format("%d", i + 1), 0);
        drawLargeText(232, y, rows[i].name, 0);
        drawLargeText(316, y, rows[i].value, 0);
    }
}

char letterOf(const char* letters, int code) {
    const int count = int(std::strlen(letters));
    return code >= 0 && code < count ? letters[code] : ' ';
}

const char* textOf(const std::vector<const char*>& texts, int code) {
    return code >= 0 && code < int(texts.size()) ? texts[std::size_t(code)] : "   ";
}

void drawRankingBox(const Ranking& ranking) {
    static const std::vector<const char*> kKeyModes = {" 5", " 7", "10", "14"};
    static const std::vector<const char*> kSpeeds = {"0.5", ".75", " X1", "1.5", " X2", "2.5", " X3",
                                                     "3.5", " X4", "4.5", " X5", " X6", " X8", "X10",
                                                     "X12", "X16", "RND", "GRV", "COM", "FRE"};
    if (!ranking.hasTopScore()) return;
    drawSmallText(216, 216, "NO NAME  SCORE  R  ST  MO", false);
    for (int row = 0; row < kRankingRows; ++row) {
        const RankingEntry& entry = ranking.entries[std::size_t(row)];
        if (entry.score == 0) continue;
        const int y = 232 + 18 * row;
        const bool first = row == 0;
        char text[96];
        std::snprintf(text, sizeof text, "%1d        %6d %c %s%c %s", row + 1, entry.score,
                      letterOf("SABCDEF", entry.grade), textOf(kKeyModes, entry.keyMode), letterOf("HS", entry.line),
                      textOf(kSpeeds, entry.speed));
        drawSmallText(216, y, text, first);
        drawLargeText(232, y, std::string(entry.name.begin(), entry.name.end()), first ? 1 : 0);
        std::snprintf(text, sizeof text, "          %5d    %c%c  %c%c", entry.bonus, letterOf("BUSW?", entry.style),
                      letterOf("GSH", entry.gauge), letterOf(" HSIM", entry.view), letterOf(" MRPSTmrpst", entry.object));
        drawSmallText(216, y + 8, text, first);
    }
}

// The letters earned on the chart, mission by mission, row by row.
void drawPuzzleBox(const Ranking& ranking) {
    drawSmallText(216, 216, "       PUZZLE CLEAR      ", false);
    drawSmallText(216, 232, "1", false);
    drawSmallText(216, 257, "2", false);
    drawSmallText(216, 282, "3", false);
    for (int mission = 0; mission < kMissionCount; ++mission)
        if (ranking.puzzleLetters[std::size_t(mission)])
            drawLargeText(250 + 20 * (mission % kMissionColumns), 232 + 25 * (mission / kMissionColumns),
                          missionCell(mission).substr(0, 1), 0);
}

// Course list: the fixed lines, then the stored courses; the highlighted
// fixed line is shown large, a course with its stages and ranking.
void drawCourseList(const SelectContext& context, const SelectVisit& visit, const Ranking& ranking) {
    const Settings& settings = context.settings;
    const int cursor = context.cursors.courseCursor;
    drawCursorBar(cursor, visit.listTop);
    for (int i = 0; i < kListWindowLines && visit.listTop + i < visit.courseLines; ++i) {
        const int line = visit.listTop + i;
        const Pixel colour = line < kFirstStoredCourse ? skin.COMCOLOR : skin.FONTCOLOR;
        drawTextCut(kListTitleX, 41 + 12 * i, kListTitleWidth, courseLineText(context.courses, line), 12, colour,
                    settings.SFONT);
    }
    const int course = cursor - kFirstStoredCourse;
    if (course < 0) {
        drawShadowed(130, 79, 134, 83, 275, courseLineText(context.courses, cursor), 64, skin.FONTCOLOR, settings.LFONT);
        return;
    }
    if (course >= context.courses.size()) return;
    const CourseRecord& record = context.courses[course];
    drawShadowed(188, 149, 190, 151, 210, record.name + " Course", 24, skin.FONTCOLOR, settings.LFONT);
    for (int s = 0; s < kCourseStages; ++s)
        drawShadowed(129, 58 + 16 * s, 130, 59 + 16 * s, 248, record.stageTitles[std::size_t(s)], 16, skin.FONTCOLOR,
                     settings.LFONT);
    drawRankingBox(ranking);
}

}  // namespace

void drawSelectFrame(const SelectContext& context, SelectVisit& visit, const Ranking& ranking,
                     const std::string& title, int banner) {
    static constexpr int kBannerX[] = {1, 1, 217, 217, 217}, kBannerY[] = {255, 296, 214, 255, 296};
    drawSprite(0, 0, nullptr, 0);
    if (banner >= 0 && banner < 5) drawMenuCell(0, 0, menuCell(kBannerX[banner], kBannerY[banner], 215, 40));
    drawMenuCell(208, 328, menuCell(293, context.panel.unrankedMarker ? 189 : 164, 216, 24));
    drawLargeText(256, 24, title, 0);
    if (chartListShown(visit, context.library)) {
        drawChartList(context, visit);
        if (shell().puzzleMode == 1) drawPuzzleBox(ranking);
        else if (visit.mode == SelectCharts) drawRankingBox(ranking);
    }
    else if (visit.mode == SelectCourse) drawCourseList(context, visit, ranking);
    else drawFolderList(context, visit);
    if (optionsShown(visit)) drawOptionPanel(context.panel, visit.playMode);
    if (!context.library.atFolderList) drawListSettings(context.settings);
    if (visit.messageFrames > 0) {
        drawSmallText(20, 438, visit.messageText, false);
        --visit.messageFrames;
    }
}

std::string musicCounterText(const SongLibrary& library, int chartCursor) {
    char counter[32];
    std::snprintf(counter, sizeof counter, "MUSIC %d/%d", chartCursor + 1,
                  library.singleSong ? 1 : library.visibleCount);
    return counter;
}

}  // namespace kv
