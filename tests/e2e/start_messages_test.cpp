// Starts that cannot go as asked say why in one line on stderr: a chart
// that cannot be read, a missing scan folder, a program folder without its
// skin, no sound device, no display.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "support/game_folder.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

int lineCount(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

// The title a little after the start, as a PNG's bytes.
std::string titleShot(const test::GameFolder& game, const std::vector<std::string>& arguments, test::GameFolder::Run& run) {
    const fs::path shot = game / "title.png";
    fs::remove(shot);
    run = game.run("wait 3000\nshot " + shot.string() + "\n", arguments);
    return test::TempFolder::read(shot);
}

TEST(StartMessages, AChartThatCannotBeReadOpensTheSongListAndSaysSo) {
    test::GameFolder game(KV_HOME);
    test::GameFolder::Run run;
    const std::string normalTitle = titleShot(game, {}, run);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_FALSE(normalTitle.empty());
    // A chart that can be read starts single-song mode, whose title differs.
    EXPECT_NE(titleShot(game, {(game / "demo/tide pool/tide_pool_7.bme").string()}, run), normalTitle);
    EXPECT_EQ(run.errors, "");

    fs::create_directories(game / "folder.bms");
    std::ofstream(game / "notes.bms") << "just some words\nand no header line\n";
    for (const char* name : {"missing.bms", "folder.bms", "notes.bms"}) {
        SCOPED_TRACE(name);
        const std::string chart = (game / name).string();
        EXPECT_EQ(titleShot(game, {chart}, run), normalTitle);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.errors, "game: cannot read the chart " + chart + "; opening the song list instead\n");
    }
}

TEST(StartMessages, ScanOfAFolderThatIsNotThere) {
    test::GameFolder game(KV_HOME);
    const std::string folder = (game / "no such songs").string();
    const auto run = game.tool({"--scan", folder});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "scan: no folder " + folder + "\n");
}

TEST(StartMessages, AProgramFolderWithoutTheSkinNamesWhatIsMissing) {
    test::GameFolder game(KV_HOME);
    fs::remove(game / "kv2title.pic");
    fs::remove(game / "kv2font.pic");
    const auto run = game.run("wait 1000\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lineCount(run.errors), 1) << run.errors;
    for (const char* part : {"kv2title.pic", "kv2font.pic", "`make` builds them"})
        EXPECT_NE(run.errors.find(part), std::string::npos) << part << "\n" << run.errors;
    EXPECT_EQ(run.errors.find("kv2select.pic"), std::string::npos) << run.errors;
}

TEST(StartMessages, NoSoundDeviceGivesTheReasonAndHowToPickAnotherDriver) {
    test::GameFolder game(KV_HOME);
    const auto run = game.runIn("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=nosuchdriver", {});
    EXPECT_EQ(run.exitCode, 1);
    const std::size_t reason = run.errors.find("game: no sound device: ");
    const std::size_t box = run.errors.find("DirectSound error!!");
    ASSERT_NE(reason, std::string::npos) << run.errors;
    ASSERT_NE(box, std::string::npos) << run.errors;  // the box, on stderr without a display
    EXPECT_LT(reason, box);
    for (const char* part : {"nosuchdriver", "dummy", "SDL_AUDIODRIVER=NAME"})
        EXPECT_NE(run.errors.find(part), std::string::npos) << part << "\n" << run.errors;
    EXPECT_FALSE(fs::exists(game / "KV2OPT.DAT"));  // a failed start writes nothing
}

TEST(StartMessages, NoDisplayWithoutHeadlessStopsAndSaysSo) {
    test::GameFolder game(KV_HOME);
    const auto run = game.runIn("-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy", {});
    EXPECT_EQ(run.exitCode, 1);
    // The display libraries SDL tries may add lines of their own.
    const std::size_t message = run.errors.find("game: no display found");
    ASSERT_NE(message, std::string::npos) << run.errors;
    EXPECT_EQ(run.errors.find("game:", message + 1), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("--headless"), std::string::npos) << run.errors;
}

}  // namespace
}  // namespace kv
