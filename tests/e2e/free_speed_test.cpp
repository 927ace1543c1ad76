// The FREE scroll speed the player sets with F1/F2 during play is the
// FREESPEED setting: the next run starts from it and KV2.CFG keeps it.
#include <gtest/gtest.h>

#include "shots.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

constexpr double kHoldMs = 1500;
constexpr int kSpeedFree = 19;

TEST(FreeSpeed, ChangedInPlayIsKeptForTheNextRunAndInTheSettingsFile) {
    test::GameFolder game(KV_HOME);
    game.setOption("TITLESKIP", "0");
    game.setOption("SPEED", std::to_string(kSpeedFree));
    game.setOption("FREESPEED", "10");
    const fs::path chart = game / "demo/tide pool/tide_pool_5.bms";
    const int line = game.chartListLine(chart);
    ASSERT_GE(line, 0);
    const fs::path restarted = e2e::shotFolder() / "free_speed_after_f11.png";
    fs::remove(restarted);

    test::TimedScript script;
    const double playStart = test::chooseChartFromTitle(script, line);
    script.waitUntil(playStart + 1000);
    script.tap("F2", script.now(), kHoldMs);
    script.wait(kHoldMs + 200).press("F11").wait(1000).shot(restarted);
    script.press("F12").wait(test::kListOpensMs);
    const auto run = game.run(script.text());
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    const Settings saved = game.settings();
    EXPECT_GT(saved.FREESPEED, 30) << "F2 held for 1.5 s raises the speed by many tenths";
    EXPECT_LE(saved.FREESPEED, 2550);
    e2e::expectPicture(restarted);
}

}  // namespace
}  // namespace kv
