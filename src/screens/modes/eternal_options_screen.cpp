#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/skin.h"
#include "media/gfx/sprite_tables.h"
#include "media/input/input.h"
#include "platform/clock_counters.h"
#include "scene/eternal_run.h"
#include "scene/message_pump.h"
#include "scene/scene_table.h"
#include "scene/wipe.h"
#include "screens/modes/eternal_options.h"

namespace kv {

namespace {

constexpr double kStepMs = 12.0;
constexpr int kBackgroundSlot = 0;  // the select screen's picture, still loaded
constexpr int kLabelX = 244, kValueX = 328, kFirstLineY = 208, kLinePitch = 16;
constexpr const char* kLineLabels[kOptionLines] = {"START GAME", "FILTER", "FILTER", "SORT", "JUKE", "EXIT"};

// Drawn once into the background, so every frame only copies it.
void drawOptionBox() {
    if (Surface* background = slotSurface(kBackgroundSlot)) drawFramedBox(*background, {195, 159, 449, 321});
}

void drawFrame(const EternalOptionsMenu& menu, const Settings& options, int juke) {
    drawSprite(0, 0, nullptr, kBackgroundSlot);
    drawLargeText(208, 176, "ETERNAL PLAY OPTION", 0);
    for (int line = 0; line < kOptionLines; ++line) {
        const int y = kFirstLineY + kLinePitch * line;
        drawLargeText(kLabelX, y, kLineLabels[line], line == menu.cursor ? 1 : 0);
        drawLargeText(kValueX, y, eternalOptionValue(line, options, juke), 0);
    }
    present();
}

}  // namespace

int runEternalOptions() {
    loadSkinSheet(kFontSlot, skin.FONT);
    drawOptionBox();
    EternalOptionsMenu menu;
    int& juke = eternalRun().juke;
    MsCounter& menuMs = clockCounters().menuMs;
    menuMs.set(0);
    playSample(kSlotSelectMusic);
    EternalOptionsEnd end = EternalOptionsEnd::Running;
    while (end == EternalOptionsEnd::Running) {
        while (end == EternalOptionsEnd::Running && menuMs.takeStep(kStepMs)) {
            if (!pumpMessages()) return 0;
            readKeyboard();
            const EternalOptionsStep step = stepEternalOptions(menu, input.keys, settings(), juke);
            if (step.keyTaken) playSample(kSlotSelectCursor);
            end = step.end;
        }
        drawFrame(menu, settings(), juke);
    }
    if (end == EternalOptionsEnd::Start) playSample(kSlotSelectCheck);
    stopSample(kSlotSelectMusic);
    wipeOut();
    return end == EternalOptionsEnd::Start ? 1 : kSceneBack;
}

}  // namespace kv
