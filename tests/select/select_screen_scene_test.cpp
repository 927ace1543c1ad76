// The select screen run headless over a small song folder with the
// default skin from the built program folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/shell.h"
#include "gfx/bmp_file.h"
#include "gfx/display.h"
#include "gfx/skin.h"
#include "input/input.h"
#include "select/select_screen.h"
#include "select/select_screen_run.h"
#include "settings/settings.h"
#include "support/headless_session.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

std::string chart(const std::string& title, int level) {
    return "#TITLE " + title + "\r\n#ARTIST KV\r\n#GENRE DEMO\r\n#BPM 150\r\n#PLAYLEVEL " +
           std::to_string(level) + "\r\n#WAV01 a.wav\r\n#00111:01010101\r\n";
}

class SelectScene : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& entry : std::filesystem::directory_iterator(KV_HOME))
            if (entry.path().extension() == ".pic" || entry.path().filename() == "DEFAULT.KZK")
                std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());
        folder.write("SONGS/first/a.bms", chart("\x83\x65\x83\x58\x83\x67 SONG", 3));  // Shift-JIS title
        folder.write("SONGS/second/b.bms", chart("SECOND SONG", 7));
        for (int slot = 0; slot < 4; ++slot) ASSERT_EQ(createSlot(slot, 640, 480, 0), 1);
        createInput();
        createKeyboard();
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
        shell() = Shell{};
        shell().programFolder = folder.path().string() + "/";
        settings() = Settings{};
        readSkin(kDefaultSkinFile);
        SongLibrary& library = songLibrary();
        library.currentFolder = kNoFolderOpen;
        library.atFolderList = 1;
        selectCursors() = SelectCursors{};
        ASSERT_TRUE(buildFolderList(library, shell().programFolder, {}));
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    test::TempFolder folder{"select"};
    test::HeadlessSession session;
    std::filesystem::path previous;
};

TEST_F(SelectScene, OpensTheFolderMovesAndBacksOut) {
    const auto shot = std::filesystem::temp_directory_path() / "select_chart_list.png";
    session.runScript("wait 300\npress RETURN\nwait 300\npress DOWN\nwait 300\nshot " + shot.string() +
                      "\npress ESCAPE\nwait 100\n");
    EXPECT_EQ(runSelectScreen(0, "SELECT MUSIC", 0), 2);
    EXPECT_EQ(songLibrary().atFolderList, 0);
    EXPECT_EQ(songLibrary().visibleCount, 2);
    EXPECT_EQ(selectCursors().chartCursor, 1);
    EXPECT_TRUE(std::filesystem::exists(shot));
}

TEST_F(SelectScene, DecidingAChartChoosesItAndShowsTheStageText) {
    session.runScript("wait 300\npress RETURN\nwait 300\npress RETURN\nwait 2000\n");
    EXPECT_EQ(runSelectScreen(0, "SELECT MUSIC", 0), 1);
    EXPECT_EQ(chosenChartEntry().title, songLibrary().charts[std::size_t(songLibrary().visible[0])].title);
    // The stage text ends with the title band in place over the LOAD picture.
    const Surface& frame = session.lastFrame();
    int titlePixels = 0;
    for (int y = 184; y < 256; ++y)
        for (int x = 96; x < 544; ++x) titlePixels += frame.at(x, y) == skin.FONTCOLOR;
    EXPECT_GT(titlePixels, 100);
}

TEST_F(SelectScene, AStagePictureIsRevealedWhole) {
    Surface stage(640, 480);
    std::fill(stage.pixels.begin(), stage.pixels.end(), rgb(10, 200, 30));
    const auto bytes = writeBmp(stage);
    folder.write("SONGS/first/stage.bmp", std::string(bytes.begin(), bytes.end()));
    folder.write("SONGS/first/a.bms", chart("STAGED", 3) + "#STAGEFILE stage.bmp\r\n");
    ASSERT_TRUE(buildFolderList(songLibrary(), shell().programFolder, {}));
    session.runScript("wait 300\npress RETURN\nwait 300\npress RETURN\nwait 1500\n");
    EXPECT_EQ(runSelectScreen(0, "SELECT MUSIC", 0), 1);
    EXPECT_EQ(session.lastFrame().pixels, stage.pixels);
}

TEST_F(SelectScene, CourseStagePickersSkipTheStageScreen) {
    session.runScript("wait 300\npress RETURN\nwait 300\npress RETURN\nwait 1000\n");
    EXPECT_EQ(runSelectScreen(3, "SELECT STG.1", 1), 1);
    EXPECT_EQ(session.lastFrame().pixels, std::vector<Pixel>(640 * 480, 0)) << "wiped to black";
}

TEST_F(SelectScene, QuitMessageReturnsAtOnce) {
    session.runScript("wait 200\n");
    EXPECT_EQ(runSelectScreen(0, "SELECT MUSIC", 0), 0);
}

}  // namespace
}  // namespace kv
