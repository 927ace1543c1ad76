// A custom option preset saved in the chart list outlives the session: the
// game writes KV2OPT.DAT when it ends and reads it again at the next start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "shots.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

constexpr double kTitleOpensMs = 1500;

std::vector<unsigned char> fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// From the title into the chart list of free play.
test::TimedScript toChartList() {
    test::TimedScript script;
    script.wait(kTitleOpensMs).press("RETURN").wait(test::kListOpensMs);
    return script;
}

TEST(OptionPresets, SavedPresetIsLoadedInTheNextSession) {
    test::GameFolder game(KV_HOME);
    game.setOption("SPEED", "2");
    const fs::path savedShot = e2e::shotFolder() / "preset_saved.png";
    const fs::path loadedShot = e2e::shotFolder() / "preset_loaded.png";
    fs::remove(savedShot);
    fs::remove(loadedShot);

    // First session: SPEED 2 -> 5 on the basic page, Shift+F9 keeps it in preset 1.
    test::TimedScript first = toChartList();
    for (int i = 0; i < 3; ++i) first.press("S").wait(test::kPressMs);
    first.tap("LSHIFT", first.now(), 3 * test::kPressMs);
    first.wait(test::kPressMs).press("F9").wait(test::kScreenStepMs).shot(savedShot);
    const auto saving = game.run(first.text());
    ASSERT_EQ(saving.exitCode, 0) << saving.errors;

    const std::vector<unsigned char> file = fileBytes(game / "KV2OPT.DAT");
    ASSERT_EQ(file.size(), 101u);
    EXPECT_EQ(file[0], 9);
    EXPECT_EQ(file[1], 5) << "preset 1 holds SPEED first";

    // Second session starts from SPEED 2 again; F9 brings the preset back.
    game.setOption("SPEED", "2");
    test::TimedScript second = toChartList();
    second.press("F9").wait(test::kScreenStepMs).shot(loadedShot);
    const auto loading = game.run(second.text());
    ASSERT_EQ(loading.exitCode, 0) << loading.errors;
    EXPECT_EQ(game.settings().SPEED, 5);
    e2e::expectPicture(savedShot);
    e2e::expectPicture(loadedShot);
}

}  // namespace
}  // namespace kv
