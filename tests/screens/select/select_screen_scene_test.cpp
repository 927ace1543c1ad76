// The select screen run headless over a small song folder with the
// default skin from the built program folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "chart/header_scan.h"
#include "media/gfx/bmp_file.h"
#include "media/gfx/display.h"
#include "media/gfx/skin.h"
#include "media/input/input.h"
#include "platform/image_codec.h"
#include "play/game_chart_load.h"
#include "scene/shell.h"
#include "screens/modes/course_list.h"
#include "screens/select/select_screen.h"
#include "screens/select/select_screen_run.h"
#include "settings/settings.h"
#include "support/skinned_scene.h"

namespace kv {
namespace {

std::string chart(const std::string& title, int level) {
    return "#TITLE " + title + "\r\n#ARTIST KV\r\n#GENRE DEMO\r\n#BPM 150\r\n#PLAYLEVEL " +
           std::to_string(level) + "\r\n#WAV01 a.wav\r\n#00111:01010101\r\n";
}

class SelectScene : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("SONGS/first/a.bms", chart("\x83\x65\x83\x58\x83\x67 SONG", 3));  // Shift-JIS title
        folder.write("SONGS/second/b.bms", chart("SECOND SONG", 7));
        settings() = Settings{};
        readSkin(kDefaultSkinFile);
        SongLibrary& library = songLibrary();
        library.currentFolder = kNoFolderOpen;
        library.atFolderList = 1;
        selectCursors() = SelectCursors{};
        ASSERT_TRUE(buildFolderList(library, shell().programFolder, {}));
    }
    test::SkinnedScene scene{KV_HOME, "select"};
    test::TempFolder& folder = scene.folder;
    test::HeadlessSession& session = scene.session;
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

bool near(Pixel a, Pixel b) {
    for (int shift : {0, 8, 16})
        if (std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) > 24) return false;
    return true;
}

// Pixels of about one colour (text edges are blended) inside a rectangle of a saved screenshot.
int countColour(const std::filesystem::path& shot, Rect area, Pixel colour) {
    Surface picture;
    EXPECT_TRUE(platform::decodeImageFile(shot.string(), picture)) << shot;
    int count = 0;
    for (int y = area.top; y < area.bottom && y < picture.height; ++y)
        for (int x = area.left; x < area.right && x < picture.width; ++x) count += near(picture.at(x, y), colour);
    return count;
}

std::vector<Pixel> area(const std::filesystem::path& shot, Rect rect) {
    Surface picture;
    EXPECT_TRUE(platform::decodeImageFile(shot.string(), picture)) << shot;
    std::vector<Pixel> pixels;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) pixels.push_back(picture.at(x, y));
    return pixels;
}

TEST_F(SelectScene, TheLoadersKeyWaitKeepsTheStageScreenBehindItsLines) {
    const auto shot = std::filesystem::temp_directory_path() / "loader_wait_over_stage_text.png";
    // a.wav is missing, so the loader shows its line and waits for a key.
    session.runScript("wait 300\npress RETURN\nwait 300\npress RETURN\nwait 3000\nshot " + shot.string() +
                      "\npress SPACE\nwait 100\n");
    ASSERT_EQ(runSelectScreen(0, "SELECT MUSIC", 0), 1);
    ASSERT_EQ(loadGameChart(chosenChartEntry(), 0), 1);
    EXPECT_GT(countColour(shot, Rect{96, 184, 544, 256}, skin.FONTCOLOR), 100) << "the title band stays";
    EXPECT_NE(area(shot, Rect{0, 0, 320, 16}), std::vector<Pixel>(320 * 16, 0)) << "the error line is drawn";
    EXPECT_NE(area(shot, Rect{0, 440, 640, 480}), std::vector<Pixel>(640 * 40, 0)) << "the LOAD picture stays";
}

TEST_F(SelectScene, ChartsWithAStoredScoreAreListedInTheClearColour) {
    ChartEntry scanned;
    ASSERT_EQ(scanChartHeader(scanned, (folder.path() / "SONGS/first").string(), "a.bms", {1, ""}), 1);
    Ranking stored;
    stored.entries[0].score = 150000;
    int next = 3;
    ASSERT_TRUE(writeRankingBlock(folder.path() / "SONGS/first/a.K2R",
                                  encodeRanking(stored, scanned.checksum, [&next] { return next += 11; })));
    const auto shot = std::filesystem::temp_directory_path() / "select_clear_colour.png";
    const auto onBar = std::filesystem::temp_directory_path() / "select_clear_colour_on_cursor_bar.png";
    // The cursor bar moves off the first line, so its colour cannot be mistaken for the text's.
    session.runScript("wait 300\npress RETURN\nwait 300\nshot " + onBar.string() + "\npress DOWN\nwait 300\nshot " +
                      shot.string() + "\npress ESCAPE\nwait 100\n");
    EXPECT_EQ(runSelectScreen(0, "SELECT MUSIC", 0), 2);
    const Rect firstLine{480, 41, 624, 53}, secondLine{480, 53, 624, 65};
    EXPECT_GT(countColour(shot, firstLine, skin.CLEARCOLOR), 4) << "the chart with a score";
    EXPECT_EQ(countColour(shot, firstLine, skin.FONTCOLOR), 0);
    EXPECT_GT(countColour(shot, secondLine, skin.FONTCOLOR), 10) << "the chart without one";
    EXPECT_GT(countColour(onBar, firstLine, skin.CLEARCOLOR), 4) << "on the cursor bar";
}

TEST_F(SelectScene, CourseListShowsTheHighlightedLineAndReturnsIt) {
    CourseStages stages;
    for (int s = 0; s < kCourseStages; ++s) {
        stages[std::size_t(s)].dirPath = folder.path().string() + (s % 2 ? "/SONGS/second" : "/SONGS/first");
        stages[std::size_t(s)].fileName = s % 2 ? "b.bms" : "a.bms";
        stages[std::size_t(s)].title = s % 2 ? "SECOND SONG" : "FIRST SONG";
    }
    std::filesystem::create_directories(folder.path() / "course");
    ASSERT_EQ(saveCourse(shell().programFolder, "TRAINING", stages), 1);
    std::array<std::string, kCourseStages> paths;
    for (int s = 0; s < kCourseStages; ++s) paths[std::size_t(s)] = stagePath(stages[std::size_t(s)]);
    Ranking stored;
    stored.entries[0].score = 654321;
    int next = 1;
    ASSERT_TRUE(writeRankingBlock(folder.path() / "course/TRAINING.k2r",
                                  encodeRanking(stored, *checkCourseCharts(paths), [&next] { return next += 17; })));

    const auto onFixedLine = std::filesystem::temp_directory_path() / "select_course_fixed.png";
    const auto onRandom = std::filesystem::temp_directory_path() / "select_course_random.png";
    const auto onCourse = std::filesystem::temp_directory_path() / "select_course_list.png";
    session.runScript("wait 300\nshot " + onFixedLine.string() + "\npress UP\nwait 200\npress UP\nwait 200\nshot " +
                      onRandom.string() + "\npress DOWN\nwait 300\nshot " + onCourse.string() +
                      "\npress RETURN\nwait 1000\n");
    EXPECT_EQ(runSelectScreen(1, "SELECT COURSE", 1), 3);

    const Rect titlePlace{130, 79, 405, 143}, artistPlace{188, 149, 398, 173}, stagesPlace{129, 58, 377, 138};
    const Rect rankingBox{216, 216, 430, 320};
    EXPECT_GT(countColour(onFixedLine, titlePlace, skin.FONTCOLOR), 100) << "\"Direct select\" in the title place";
    EXPECT_EQ(countColour(onFixedLine, artistPlace, skin.FONTCOLOR), 0);
    EXPECT_GT(countColour(onCourse, artistPlace, skin.FONTCOLOR), 50) << "\"TRAINING Course\"";
    EXPECT_GT(countColour(onCourse, stagesPlace, skin.FONTCOLOR), 100) << "the stage titles";
    EXPECT_NE(area(onCourse, rankingBox), area(onRandom, rankingBox)) << "the course's ranking box";

    session.runScript("wait 300\npress ESCAPE\nwait 1000\n");
    EXPECT_EQ(runSelectScreen(1, "SELECT COURSE", 1), -1);
}

}  // namespace
}  // namespace kv
