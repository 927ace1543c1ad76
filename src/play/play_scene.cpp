#include "play/play_scene.h"

#include <cstdio>
#include <string>

#include "app/clock_counters.h"
#include "app/frame_pacer.h"
#include "app/message_pump.h"
#include "app/random.h"
#include "app/scene_table.h"
#include "app/shell.h"
#include "gfx/blit.h"
#include "gfx/display.h"
#include "gfx/picture_loading.h"
#include "gfx/skin.h"
#include "input/dik.h"
#include "platform/clock.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "play/lane_input.h"
#include "play/logic_step.h"
#include "play/play_clock.h"
#include "play/play_screen.h"
#include "play/run_start.h"
#include "play/scroll_speed.h"
#include "play/slot_sound.h"
#include "settings/settings.h"

namespace kv {

namespace {

constexpr int kBackgroundSlot = 0, kFontSlot = 1, kBoardSlot = 2, kStyleSlot = 3;
constexpr int kBgaOff = 0, kBgaTile = 3, kBgaListen = 6, kBgaStage = 7;
constexpr int kBackgrOff = 0, kBackgrStage = 2;
constexpr int kFirstFramePaints = 3;
constexpr int kQuitResult = 1;  // the driver sees the quit itself and leaves

const std::string& styleSheet(int style) {
    switch (style) {
        case Upway: return skin.UPWAY;
        case Scan2: return skin.SCAN2;
        case Wave: return skin.WAVE;
        case Bonus: return skin.BONUS;
        default: return skin.BEMUSIC;
    }
}

PlayConfig runConfig(int stageIndex) {
    PlayConfig config = playConfigFromSettings(settings());
    config.course = stageIndex >= 0;
    config.puzzle = shell().puzzleMode != 0;
    return config;
}

bool createWorkSurfaces() {
    return createSlot(kWorkSurfaceA, kWorkSurfaceSize, kWorkSurfaceSize, 0) &&
           createSlot(kWorkSurfaceB, kWorkSurfaceSize, kWorkSurfaceSize, 0);
}

void clearSurface(Surface* surface) {
    if (surface) fillRect(*surface, nullptr, 0);
}

// Slot 0: the chart's stage picture or the skin's backdrop, where the BGA
// leaves room for one; the listen picture for the listen screen. Returns
// whether a backdrop picture is in slot 0.
bool loadBackground(const ChartEntry& entry, const Settings& options, Chart& chart) {
    const int backgr = options.BACKGR, bga = options.BGA;
    const bool noAnimation = entry.bgaKind == 0;
    const bool wanted = (backgr != kBackgrOff && (noAnimation || bga == kBgaOff)) ||
                        (options.STYLE == Wave && (bga < kBgaTile || noAnimation));
    bool loaded = false;
    if (wanted) {
        if (backgr == kBackgrStage) {
            loaded = !entry.stageFile.empty() && loadPicture(kBackgroundSlot, entry.dirPath + "/" + entry.stageFile) == 1;
            if (!loaded && !chart.frame.backdropInUse) loaded = loadPicture(kBackgroundSlot, skin.BACKGR) == 1;
        } else {
            loaded = loadPicture(kBackgroundSlot, skin.BACKGR) == 1;
        }
        // With BGA STAGE the stage picture is the BGA itself, not a backdrop.
        if (bga == kBgaStage) return false;
        if (loaded) chart.frame.backdropInUse = 1;
    }
    if (bga == kBgaListen || shell().listenMode) loadPicture(kBackgroundSlot, skin.LISTEN);
    return loaded;
}

std::string statusLine(const PlayConfig& config, int stageIndex) {
    char text[24];
    if (config.puzzle) return " ";
    if (config.course) std::snprintf(text, sizeof text, "STG. %d", stageIndex + 1);
    else std::snprintf(text, sizeof text, "PL.%3ld", long(shell().playCount));
    return text;
}

void paintFrame(PlayContext& ctx, const LaneLayout& layout, PlayScreenState& screen) {
    updateFrameSpeed(ctx.play, ctx.config, platform::isKeyDown(DIK_F1), platform::isKeyDown(DIK_F2));
    paintPlayFrame(ctx, layout, screen);
}

StepInput readStepInput(LaneInput& lanes) {
    StepInput input;
    lanes.read(input.lanes.data(), int(input.lanes.size()));
    input.escape = platform::isKeyDown(DIK_ESCAPE);
    input.retry = platform::isKeyDown(DIK_F11);
    input.back = platform::isKeyDown(DIK_F12);
    return input;
}

int sceneResult(int endState) {
    if (endState == Retry) return kPlayRestart;
    if (endState == Back) return kPlayLeave;
    return kPlayDone;
}

}  // namespace

int playChart(const ChartEntry& entry, int stageIndex) {
    const PlayConfig config = runConfig(stageIndex);
    SlotSound sound;
    PlayContext ctx{thePlay, theChart, config, sound, nextRandom};
    Play& play = thePlay;

    if (!createWorkSurfaces()) {
        platform::showMessage("Offscr error!!");
        return 0;
    }
    // A missing sheet leaves its slot blank; the run still plays.
    loadPicture(kFontSlot, skin.FONT);
    loadPicture(kBoardSlot, skin.BOARD);
    loadPicture(kStyleSlot, styleSheet(config.style));
    clearSurface(&display.back);
    clearSurface(slotSurface(kWorkSurfaceA));
    clearSurface(slotSurface(kWorkSurfaceB));
    const LaneLayout layout = layoutLanes(config, settings(), theChart.keyMode);
    PlayScreenState screen;
    screen.statusLine = statusLine(config, stageIndex);
    screen.backgroundLoaded = loadBackground(entry, settings(), theChart);

    platform::Micros lastMicros = platform::clock().nowMicros();
    clockCounters().animMs.set(0);
    startRun(ctx, stageIndex >= 1);
    if (play.endState != Running) return sceneResult(play.endState);

    LaneInput lanes(theChart.keyMode);
    resetPacer(settings().MAXFPS);
    bool quit = false;
    for (int i = 0; i < kFirstFramePaints; ++i) paintFrame(ctx, layout, screen);
    while (play.endState == Running) {
        const platform::Micros now = platform::clock().nowMicros();
        const double elapsedMs = double(now - lastMicros) / 1000.0;
        lastMicros = now;
        runDueSteps(play, elapsedMs, [&] {
            if (!pumpMessages()) {
                quit = true;
                play.endState = Escaped;  // stops the remaining steps
                return;
            }
            runLogicStep(ctx, readStepInput(lanes));
        });
        if (quit) return kQuitResult;
        animateFrame(play, screen);
        if (waitFrame()) paintFrame(ctx, layout, screen);
    }
    return sceneResult(play.endState);
}

}  // namespace kv
