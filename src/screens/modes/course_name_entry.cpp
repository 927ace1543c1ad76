#include "screens/modes/course_name_entry.h"

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
#include "platform/files.h"
#include "scene/message_pump.h"
#include "scene/shell.h"
#include "scene/wipe.h"
#include "screens/results/result_keys.h"

namespace kv {

namespace {

constexpr double kStepMs = 12.0;
constexpr int kBackgroundSlot = 0;  // the course list's picture, still loaded
constexpr int kNameX = 195, kPromptY = 190, kNameY = 222;

void drawNameBox() {
    if (Surface* background = slotSurface(kBackgroundSlot)) drawFramedBox(*background, {170, 173, 471, 254});
}

void drawFrame(const std::string& name, int blink) {
    drawSprite(0, 0, nullptr, kBackgroundSlot);
    drawLargeText(kNameX, kPromptY, "INPUT NEW COURSE NAME", 0);
    drawLargeText(kNameX, kNameY, name, 0);
    if (blink > kBlinkPeriod / 2)
        drawSpriteKeyed(kNameX + 12 * int(name.size()), kNameY, &fontTable[kTextCursor], kFontSlot);
}

}  // namespace

bool applyCourseNameKey(std::string& name, const ResultKey& key) {
    switch (key.kind) {
        case ResultKeyKind::Enter: return true;
        case ResultKeyKind::Escape: name.clear(); return true;
        case ResultKeyKind::Erase:
            if (!name.empty()) name.pop_back();
            return false;
        case ResultKeyKind::Symbol:
            if (name.size() < kCourseNameLength) name.push_back(key.symbol);
            return false;
        default: return false;
    }
}

int inputCourseName(std::string& name) {
    name.clear();
    platform::changeDirectory(shell().programFolder);
    loadSkinSheet(kFontSlot, skin.FONT);
    drawNameBox();
    readKeyboard();
    ResultKeyReader reader(input.keys);  // the key that chose this screen is still down
    MsCounter& menuMs = clockCounters().menuMs;
    menuMs.set(0);
    int blink = 0;
    bool finished = false;
    while (!finished) {
        while (!finished && menuMs.takeStep(kStepMs)) {
            if (!pumpMessages()) return 0;
            readKeyboard();
            blink = (blink + 1) % (kBlinkPeriod + 1);
            for (const ResultKey& key : reader.newlyPressed(input.keys))
                if (!finished) finished = applyCourseNameKey(name, key);
        }
        drawFrame(name, blink);
        present();
        if (!isSamplePlaying(kSlotSelectMusic)) playSample(kSlotSelectMusic);
    }
    wipeOut();
    return name.empty() ? 0 : 1;
}

}  // namespace kv
