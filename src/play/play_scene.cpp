#include "play/play_scene.h"

#include <array>
#include <cstdio>
#include <string>

#include "base/dik.h"
#include "base/random.h"
#include "chart/chart_text.h"
#include "media/audio/sound_engine.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/skin.h"
#include "media/gfx/system_text.h"
#include "platform/clock.h"
#include "platform/clock_counters.h"
#include "platform/frame_pacer.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "play/bonus_layout.h"
#include "play/bonus_screen.h"
#include "play/bonus_shooter.h"
#include "play/lane_input.h"
#include "play/listen_screen.h"
#include "play/logic_step.h"
#include "play/play_clock.h"
#include "play/play_screen.h"
#include "play/play_screen_bga.h"
#include "play/replay_file.h"
#include "play/run_start.h"
#include "play/scroll_speed.h"
#include "play/slot_sound.h"
#include "play/tallies.h"
#include "scene/eternal_run.h"
#include "scene/message_pump.h"
#include "scene/scene_table.h"
#include "scene/shell.h"
#include "settings/settings.h"

namespace kv {

namespace {

constexpr int kFontSlot = 1, kBoardSlot = 2, kStyleSlot = 3;
constexpr int kBackgrOff = 0, kBackgrStage = 2;
constexpr int kFirstFramePaints = 3;
constexpr int kQuitResult = 1;  // the driver sees the quit itself and leaves
constexpr double kBonusTickMs = 16.0;

const std::string& styleSheet(int style) {
    switch (style) {
        case Upway: return skin.UPWAY;
        case Scan2: return skin.SCAN2;
        case Wave: return skin.WAVE;
        case Bonus: return skin.BONUS;
        default: return skin.BEMUSIC;
    }
}

PlayConfig runConfig(const ChartEntry& entry, int stageIndex) {
    PlayConfig config = playConfigFromSettings(settings());
    config.course = stageIndex >= 0;
    config.eternal = shell().playMode == EternalPlayMode;
    config.puzzle = shell().puzzleMode != 0;
    // REPLAY LOAD plays back the replay saved beside the chart, if it was made on this chart.
    config.replayFile = replayPathFor(chartPath(entry));
    config.chartChecksum = entry.checksum;
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
    const bool wanted = (backgr != kBackgrOff && (noAnimation || bga == BgaOff)) ||
                        (options.STYLE == Wave && (bga < BgaTile || noAnimation));
    bool loaded = false;
    if (wanted) {
        if (backgr == kBackgrStage) {
            loaded = !entry.stageFile.empty() && loadPicture(kBackdropSlot, entry.dirPath + "/" + entry.stageFile) == 1;
            if (!loaded && !chart.frame.backdropInUse) loaded = loadPicture(kBackdropSlot, skin.BACKGR) == 1;
        } else {
            loaded = loadPicture(kBackdropSlot, skin.BACKGR) == 1;
        }
        // With BGA STAGE the stage picture is the BGA itself, not a backdrop.
        if (bga == BgaStage) return false;
        if (loaded) chart.frame.backdropInUse = 1;
    }
    if (bga == BgaListen || shell().listenMode) loadPicture(kBackdropSlot, skin.LISTEN);
    return loaded;
}

std::string statusLine(const PlayConfig& config, int stageIndex) {
    char text[24];
    if (config.puzzle) return " ";
    if (config.eternal) std::snprintf(text, sizeof text, "STG. %d", eternalRun().songs + 1);
    else if (config.course) std::snprintf(text, sizeof text, "STG. %d", stageIndex + 1);
    else std::snprintf(text, sizeof text, "PL.%3ld", long(shell().playCount));
    return text;
}

// The chart's title (a puzzle's goal), written once into the BOARD sheet so
// the top bar carries it through the run.
void writeMessageOnBoard(const std::string& message, bool guidePanel) {
    constexpr Pixel kWhite = 0xFFFFFF;
    constexpr int kCentred = 1;
    if (guidePanel) drawTextSqueezed(182, 71, 276, message, 16, kWhite, "impact", kCentred, kBoardSlot);
    else drawTextSqueezed(2, 2, 294, message, 16, kWhite, "impact", kCentred, kBoardSlot);
}

// One painter per screen: listen mode, the BONUS shooter, the lane styles.
struct ScreenPainter {
    PlayContext& ctx;
    const LaneLayout& layout;
    PlayScreenState& screen;
    bool listen;

    void paint() {
        countFrame(screen);
        if (listen) {
            paintListenFrame(ctx.play, ctx.chart, settings(), screen);
            return;
        }
        updateFrameSpeed(ctx.play, ctx.config, platform::isKeyDown(DIK_F1), platform::isKeyDown(DIK_F2));
        if (ctx.config.style == Bonus) paintBonusFrame(ctx, layout, screen);
        else paintPlayFrame(ctx, layout, screen);
        // Every frame is drawn whole, so a reactivated display is already mended.
        shell().displayReactivated = 0;
    }
};

BonusControls readBonusControls() {
    using platform::isKeyDown;
    return BonusControls{isKeyDown(DIK_UP) || isKeyDown(DIK_NUMPAD8), isKeyDown(DIK_DOWN) || isKeyDown(DIK_NUMPAD2),
                         isKeyDown(DIK_LEFT) || isKeyDown(DIK_NUMPAD4), isKeyDown(DIK_RIGHT) || isKeyDown(DIK_NUMPAD6),
                         isKeyDown(DIK_SPACE)};
}

// The shooter runs in 16-millisecond ticks of its own clock.
void runBonusTicks(PlayContext& ctx, const std::array<int, kLaneCount>& laneXs) {
    double& clockMs = ctx.play.clock.bonusClockMs;
    while (clockMs > kBonusTickMs) {
        clockMs -= kBonusTickMs;
        bonusShipUpdate(ctx, readBonusControls());
        bonusShotUpdate(ctx, laneXs);
    }
}

StepInput readEndKeys() {
    StepInput input;
    input.escape = platform::isKeyDown(DIK_ESCAPE);
    input.retry = platform::isKeyDown(DIK_F11);
    input.back = platform::isKeyDown(DIK_F12);
    return input;
}

StepInput readStepInput(LaneInput& lanes, platform::Micros stepTime, double msPerStep) {
    StepInput input = readEndKeys();
    lanes.read(stepTime, msPerStep, input.lanes.data(), input.lateSteps.data(), int(input.lanes.size()));
    return input;
}

// The FREE speed the player set with F1/F2 becomes the setting, so the
// next run and the settings file start from it.
void keepFreeSpeed(const PlayContext& ctx) {
    if (ctx.config.speed == kSpeedFree) settings().FREESPEED = ctx.play.speed.freeSpeed;
}

int sceneResult(int endState) {
    if (endState == Retry) return kPlayRestart;
    if (endState == Back) return kPlayLeave;
    return kPlayDone;
}

}  // namespace

int playChart(const ChartEntry& entry, int stageIndex, const PlayMission* mission) {
    const PlayConfig config = runConfig(entry, stageIndex);
    SlotSound sound;
    PlayContext ctx{thePlay, theChart, config, sound, nextRandom, config.puzzle ? mission : nullptr};
    Play& play = thePlay;

    if (!createWorkSurfaces()) {
        platform::showMessage("Offscr error!!");
        return 0;
    }
    // A missing sheet leaves its slot blank; the run still plays.
    loadSkinSheet(kFontSlot, skin.FONT);
    loadSkinSheet(kBoardSlot, skin.BOARD);
    loadSkinSheet(kStyleSlot, styleSheet(config.style));
    clearSurface(&display.back);
    clearSurface(slotSurface(kWorkSurfaceA));
    clearSurface(slotSurface(kWorkSurfaceB));
    const bool bonus = config.style == Bonus;
    const LaneLayout layout = bonus ? layoutBonusLanes(theChart.keyMode) : layoutLanes(config, settings(), theChart.keyMode);
    const std::array<int, kLaneCount> bonusLanes = bonusLaneXs(layout);
    PlayScreenState screen;
    screen.statusLine = statusLine(config, stageIndex);
    screen.backgroundLoaded = loadBackground(entry, settings(), theChart);

    platform::Micros lastMicros = platform::clock().nowMicros();
    clockCounters().animMs.set(0);
    clockCounters().fpsMs.set(0);
    startRun(ctx, stageIndex >= 1);
    writeMessageOnBoard(ctx.mission ? ctx.mission->boardText : chartTextUtf8(entry, entry.title), layout.guidePanel);
    if (play.endState != Running) return sceneResult(play.endState);

    // Presses come after the sound they answer by the sound's own lead and
    // by whatever the player's JUDGEOFFSET line says.
    LaneInput lanes(theChart.keyMode, platform::Micros(settings().JUDGEOFFSET) * 1000 + soundStartLeadMicros());
    resetPacer(settings().MAXFPS);
    bool quit = false;
    const bool listen = shell().listenMode != 0;
    ScreenPainter painter{ctx, layout, screen, listen};
    for (int i = 0; i < kFirstFramePaints; ++i) {
        if (listen) drawListenOpening(entry);
        painter.paint();
    }
    while (play.endState == Running) {
        const platform::Micros now = platform::clock().nowMicros();
        const double elapsedMs = double(now - lastMicros) / 1000.0;
        lastMicros = now;
        const int steps = runDueSteps(play, elapsedMs, [&] {
            if (!pumpMessages()) {
                quit = true;
                play.endState = Escaped;  // stops the remaining steps
                return;
            }
            // The step's moment came the clock's remainder ago, inside this frame.
            const platform::Micros stepTime = now - platform::Micros(play.clock.stepClockMs * 1000.0);
            sound.setMoment(stepTime);
            runLogicStep(ctx, readStepInput(lanes, stepTime, play.tempo.msPerStep));
        });
        // A tempo slow enough to bring no step for a long while must not
        // hold the player on this screen.
        if (steps == 0) {
            quit = !pumpMessages();
            if (!quit) applyEndKeys(play, readEndKeys());
        }
        if (quit) {
            keepFreeSpeed(ctx);
            return kQuitResult;
        }
        animateFrame(play, screen);
        if (bonus && !listen) runBonusTicks(ctx, bonusLanes);
        if (waitFrame()) painter.paint();
    }
    keepFreeSpeed(ctx);
    // A judgement after the last drawn frame must not hand on a gauge out of range.
    clampGauge(play);
    return sceneResult(play.endState);
}

}  // namespace kv
