#include "base/dik.h"
#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/skin.h"
#include "media/gfx/sprite_tables.h"
#include "platform/clock_counters.h"
#include "platform/keyboard.h"
#include "scene/message_pump.h"
#include "scene/scene_table.h"
#include "scene/wipe.h"
#include "screens/modes/puzzle_missions.h"
#include "screens/modes/puzzle_select.h"

namespace kv {

namespace {

constexpr double kStepMs = 12.0;
constexpr int kBackgroundSlot = 0;  // the select screen's picture, still loaded
constexpr int kCellX = 195, kCellY = 185, kCellPitchX = 36, kCellPitchY = 24;
constexpr int kCursorSecondX = 11;  // the cursor glyph marks both characters of the label

// Drawn once into the background, so every frame only copies it.
void drawPuzzleBox() {
    if (Surface* background = slotSurface(kBackgroundSlot)) drawFramedBox(*background, {98, 136, 543, 329});
}

void drawFrame(const PuzzleGrid& grid) {
    drawSprite(0, 0, nullptr, kBackgroundSlot);
    drawLargeText(255, 153, "SELECT PUZZLE", 0);
    for (int mission = 0; mission < kMissionCount; ++mission) {
        const int x = kCellX + kCellPitchX * (mission % kMissionColumns);
        const int y = kCellY + kCellPitchY * (mission / kMissionColumns);
        drawLargeText(x, y, missionCell(mission), 0);
    }
    const int cursorX = kCellX + kCellPitchX * grid.column, cursorY = kCellY + kCellPitchY * grid.row;
    drawSpriteKeyed(cursorX, cursorY, &fontTable[kTextCursor], kFontSlot);
    drawSpriteKeyed(cursorX + kCursorSecondX, cursorY, &fontTable[kTextCursor], kFontSlot);
    const Mission& row = missionTable()[std::size_t(grid.mission())];
    drawLargeText(111, 281, row.goalText, 0);
    drawLargeText(111, 297, row.ruleText, 0);
    present();
}

PuzzleKeys readPuzzleKeys() {
    using platform::isKeyDown;
    return PuzzleKeys{isKeyDown(DIK_UP),    isKeyDown(DIK_DOWN),
                      isKeyDown(DIK_LEFT),  isKeyDown(DIK_RIGHT),
                      isKeyDown(DIK_RETURN) || isKeyDown(DIK_SPACE), isKeyDown(DIK_ESCAPE)};
}

}  // namespace

int selectPuzzleCell(int& chosenMission, const std::function<int()>& showStage) {
    loadPicture(kFontSlot, skin.FONT);  // the wipe into this screen drew over it
    drawPuzzleBox();
    PuzzleSelectMenu menu;
    PuzzleGrid& grid = puzzleGrid();
    MsCounter& menuMs = clockCounters().menuMs;
    menuMs.set(0);
    playSample(kSlotSelectMusic);
    PuzzleSelectEnd end = PuzzleSelectEnd::Running;
    while (end == PuzzleSelectEnd::Running) {
        while (end == PuzzleSelectEnd::Running && menuMs.takeStep(kStepMs)) {
            if (!pumpMessages()) return 0;
            const PuzzleSelectStep step = stepPuzzleSelect(menu, grid, readPuzzleKeys());
            if (step.cursorMoved) playSample(kSlotSelectCursor);
            end = step.end;
        }
        drawFrame(grid);
    }
    stopSample(kSlotSelectMusic);
    if (end == PuzzleSelectEnd::Back) {
        wipeOut();
        return kSceneBack;
    }
    playSample(kSlotSelectCheck);
    chosenMission = grid.mission();
    return showStage() ? 1 : 0;
}

}  // namespace kv
