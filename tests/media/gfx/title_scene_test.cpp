// The title screen run headless: the real scene with scripted keys, the
// default skin from the built program folder, frames checked by pixels.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/title_screen.h"
#include "media/gfx/bmp_file.h"
#include "media/gfx/display.h"
#include "media/gfx/skin.h"
#include "media/input/input.h"
#include "scene/shell.h"
#include "settings/settings.h"
#include "support/skinned_scene.h"

namespace kv {
namespace {

constexpr Pixel kAltTitle = rgb(200, 30, 60);

// The default skin in a scratch program folder.
class TitleScene : public ::testing::Test {
protected:
    void SetUp() override {
        settings().SKIN = 0;
        settings().USEJOYPAD = 0;
    }

    // A second skin whose title picture is one flat colour.
    void addFlatSkin() {
        Surface flat(640, 480);
        std::fill(flat.pixels.begin(), flat.pixels.end(), kAltTitle);
        const auto bytes = writeBmp(flat);
        std::ofstream(folder.path() / "flat.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        folder.write("FLAT.KZK", "TITLE flat.bmp\r\n");
    }

    void readSkins() {
        listSkins();
        readSkin(skinList.names[validSkinIndex(settings().SKIN)]);
    }

    test::SkinnedScene scene{KV_HOME, "title"};
    test::TempFolder& folder = scene.folder;
    test::HeadlessSession& session = scene.session;
};

TEST_F(TitleScene, EscapeTwiceLeavesThroughTheExitItem) {
    readSkins();
    session.runScript("wait 1000\npress ESCAPE\nwait 100\npress ESCAPE\nwait 100\n");
    EXPECT_EQ(titleScreen(), kTitleExitItem);
    EXPECT_EQ(shell().titleCursor, kTitleExitItem);
    // The logo has slid to x 32 and the exit tile pulses at (480, 384).
    const Surface& frame = session.lastFrame();
    const Surface& logo = *slotSurface(3);
    int logoPixels = 0;
    for (int y = 0; y < kLogoHeight; ++y)
        for (int x = 0; x < kLogoWidth; ++x)
            if (logo.at(x, y) != 0) {
                ++logoPixels;
                ASSERT_EQ(frame.at(32 + x, 48 + y), logo.at(x, y)) << x << "," << y;
            }
    EXPECT_GT(logoPixels, 5000);
    EXPECT_NE(frame.at(512, 416), slotSurface(0)->at(512, 416)) << "a tile covers its place";
}

TEST_F(TitleScene, ReturnConfirmsTheItemUnderTheCursor) {
    readSkins();
    shell().titleCursor = 4;
    session.runScript("wait 300\npress DOWN\nwait 100\npress RETURN\nwait 100\n");
    EXPECT_EQ(titleScreen(), 5);
}

TEST_F(TitleScene, F1WithTwoSkinsSwitchesThePictures) {
    addFlatSkin();
    readSkins();
    ASSERT_EQ(skinList.count, 2);
    session.runScript("wait 500\npress F1\nwait 500\npress ESCAPE\nwait 100\npress ESCAPE\nwait 100\n");
    const Pixel before = slotSurface(0)->at(5, 5);
    EXPECT_EQ(titleScreen(), kTitleExitItem);
    EXPECT_NE(before, kAltTitle);
    EXPECT_EQ(settings().SKIN, 1);
    EXPECT_EQ(session.lastFrame().at(5, 5), kAltTitle);
}

TEST_F(TitleScene, QuitMessageReturnsAtOnce) {
    readSkins();
    session.runScript("wait 200\n");  // the quit message arrives when the script ends
    EXPECT_EQ(titleScreen(), 0);
}

}  // namespace
}  // namespace kv
