// The pictures behind the play field and on the listen screen: where the
// BGA modes put the composition, what part of it they read, and when the
// composition is redone.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chart/chart.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "play/listen_screen.h"
#include "play/play_scene.h"
#include "play/play_screen_bga.h"
#include "scene/shell.h"
#include "settings/settings.h"
#include "support/headless_session.h"

namespace kv {
namespace {

constexpr int kPictureSlot = kFirstChartSlot + 1;  // the chart's picture 01

// Each pixel says where it came from: red and green are x and y of the
// 256 x 256 composition.
Pixel workPixel(int x, int y) { return rgb(x, y, 200); }
// The 640 x 480 backdrop: blue only, never equal to a composition pixel.
Pixel backdropPixel(int x, int y) { return rgb(0, 0, 1 + (x + y) % 150); }

class Backdrop : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(createSlot(kBackdropSlot, 640, 480, 0), 1);
        ASSERT_EQ(createSlot(kWorkSurfaceA, 256, 256, 0), 1);
        ASSERT_EQ(createSlot(kPictureSlot, 256, 256, 0), 1);
        fill(*slotSurface(kBackdropSlot), backdropPixel);
        fill(*slotSurface(kPictureSlot), workPixel);
        chart->frame.backdropInUse = 1;
        play->pictures.shownBase = 1;
    }
    template <class Colour>
    static void fill(Surface& surface, Colour colour) {
        for (int y = 0; y < surface.height; ++y)
            for (int x = 0; x < surface.width; ++x) surface.row(y)[x] = colour(x, y);
    }
    Pixel at(int x, int y) const { return display.back.row(y)[x]; }
    void draw(int mode) {
        options.BGA = std::int8_t(mode);
        fillRect(display.back, nullptr, 0);
        drawBackdrop(*play, *chart, options, screen);
    }

    test::HeadlessSession session;
    std::unique_ptr<Play> play = std::make_unique<Play>();
    std::unique_ptr<Chart> chart = std::make_unique<Chart>();
    Settings options;
    PlayScreenState screen;
};

struct Probe {
    int x, y;      // on the screen
    Pixel expect;  // what lands there
};

TEST_F(Backdrop, TileCoversTheScreenWithSixCopies) {
    draw(BgaTile);
    const Probe probes[] = {
        {0, 0, workPixel(128, 0)},      // the left copies show the right half
        {127, 253, workPixel(255, 253)},
        {128, 0, workPixel(0, 0)},      {383, 253, workPixel(255, 253)},
        {384, 0, workPixel(0, 0)},      {639, 100, workPixel(255, 100)},
        {0, 254, workPixel(128, 0)},    // the lower copies stop at 226 rows
        {200, 479, workPixel(72, 225)}, {639, 479, workPixel(255, 225)},
    };
    for (const Probe& p : probes) EXPECT_EQ(at(p.x, p.y), p.expect) << p.x << "," << p.y;
}

TEST_F(Backdrop, FullStretchesThePictureAndFull2OnlyItsSourcePart) {
    draw(BgaFull);
    EXPECT_EQ(at(0, 0), workPixel(0, 0));
    EXPECT_EQ(at(639, 479), workPixel(255, 255));

    chart->frame.bgaSourceRect = Rect{0, 32, 256, 225};
    draw(BgaFull2);
    EXPECT_EQ(at(0, 0), workPixel(0, 32));
    EXPECT_EQ(at(639, 479), workPixel(255, 224));
    EXPECT_EQ(at(320, 240), workPixel(128, 32 + 96));
}

TEST_F(Backdrop, ListenPutsThePictureBetweenTheListenPicturesStrips) {
    draw(BgaListen);
    const Probe probes[] = {
        {0, 0, backdropPixel(0, 0)},       {79, 300, backdropPixel(79, 300)},
        {80, 0, workPixel(0, 0)},          {559, 479, workPixel(255, 255)},
        {560, 10, backdropPixel(560, 10)}, {639, 479, backdropPixel(639, 479)},
    };
    for (const Probe& p : probes) EXPECT_EQ(at(p.x, p.y), p.expect) << p.x << "," << p.y;
}

TEST_F(Backdrop, StageShowsPicture00AndBackgrTheBackdropPicture) {
    ASSERT_EQ(createSlot(kFirstChartSlot, 640, 480, 0), 1);
    fillRect(*slotSurface(kFirstChartSlot), nullptr, rgb(9, 99, 9));
    draw(BgaStage);
    EXPECT_EQ(at(0, 0), rgb(9, 99, 9));
    EXPECT_EQ(at(639, 479), rgb(9, 99, 9));

    screen.backgroundLoaded = true;
    draw(BgaOff);
    EXPECT_EQ(at(300, 200), backdropPixel(300, 200));
}

TEST_F(Backdrop, TheCompositionIsRedoneForThreeFramesAfterEachChange) {
    // Only the pictures decide; a frame with none composes nothing.
    play->pictures.shownBase = kNoPicture;
    EXPECT_FALSE(composePicture(*play, *chart, screen));
    play->pictures.shownBase = 1;
    for (const bool expected : {true, true, true, false, false})
        EXPECT_EQ(composePicture(*play, *chart, screen), expected);
    EXPECT_EQ(slotSurface(kWorkSurfaceA)->row(7)[9], workPixel(9, 7));

    play->pictures.shownBase = kBlankPicture;
    for (const bool expected : {true, true, true, false}) EXPECT_EQ(composePicture(*play, *chart, screen), expected);
    EXPECT_EQ(slotSurface(kWorkSurfaceA)->row(7)[9], Pixel(0)) << "the blank picture clears the composition";
}

TEST_F(Backdrop, ListenScreenShowsThePicturesOnlyOnceTheChartHasBegun) {
    fillRect(display.back, nullptr, rgb(1, 2, 3));
    play->playCursor.measure = -1;
    paintListenFrame(*play, *chart, options, screen);
    EXPECT_EQ(at(320, 240), rgb(1, 2, 3));

    play->playCursor.measure = 0;
    options.BGA = BgaNormal;
    paintListenFrame(*play, *chart, options, screen);
    EXPECT_EQ(at(80, 0), workPixel(0, 0));
    EXPECT_EQ(at(559, 479), workPixel(255, 255));
    EXPECT_EQ(at(20, 20), rgb(1, 2, 3)) << "the sides keep the opening picture";

    options.BGA = BgaFull;
    screen = PlayScreenState{};
    paintListenFrame(*play, *chart, options, screen);
    EXPECT_EQ(at(20, 20), workPixel(8, 10));
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// Listen mode: the opening shows the listen picture (slot 0 here, as no
// skin is read), then the chart's picture appears between its side strips
// once the chart begins, and no play field is drawn.
TEST(ListenScene, OpensOnTheListenPictureAndShowsTheChartsPictureFromMeasureZero) {
    test::HeadlessSession session;
    settings() = Settings{};
    settings().BGA = BgaNormal;
    shell().listenMode = 1;
    ASSERT_EQ(createSlot(kBackdropSlot, 640, 480, 0), 1);
    fillRect(*slotSurface(kBackdropSlot), nullptr, rgb(30, 60, 90));
    ASSERT_EQ(createSlot(kPictureSlot, 256, 256, 0), 1);
    fillRect(*slotSurface(kPictureSlot), nullptr, rgb(200, 10, 10));
    auto chart = std::make_unique<Chart>();
    chart->baseTempo = chart->playTempo = 150.0;
    chart->autoplayActive = 1;
    chart->lastMeasure = 1;
    chart->bgaBase.push(ChartEvent{0, 0, 1});
    theChart = *chart;

    session.runScript("wait 5000\npress ESCAPE\nwait 200\n");
    playChart(ChartEntry{}, -1);
    shell().listenMode = 0;

    const Surface& last = session.lastFrame();
    EXPECT_EQ(last.row(240)[320], rgb(200, 10, 10));
    EXPECT_EQ(last.row(470)[20], rgb(30, 60, 90));
    EXPECT_EQ(last.row(240)[600], rgb(30, 60, 90));
    // Before the chart began every frame was the opening picture (the
    // chart has no names to write on it).
    const std::uint64_t opening = test::hashSurface(test::solidSurface(640, 480, rgb(30, 60, 90)));
    EXPECT_EQ(session.frameHashes().front(), opening);
    EXPECT_EQ(session.frameHashes()[30], opening);
}

}  // namespace
}  // namespace kv
