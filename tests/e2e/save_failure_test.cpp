// A settings file the game cannot write at the end of a session is said on
// stderr, and the session still ends cleanly.
#include <gtest/gtest.h>

#include <string>

#include "support/game_folder.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

TEST(SaveFailure, SettingsThatCannotBeWrittenAreSaidOnce) {
    test::GameFolder game(KV_HOME);
    // A folder where KV2.CFG should be: the game reads defaults and cannot replace it.
    fs::remove(game / "KV2.CFG");
    fs::create_directory(game / "KV2.CFG");
    const auto run = game.run("wait 500\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    const std::string said = "could not save KV2.CFG";
    EXPECT_NE(run.errors.find(said), std::string::npos) << run.errors;
    EXPECT_EQ(run.errors.find(said), run.errors.rfind(said)) << run.errors;
    EXPECT_TRUE(fs::is_directory(game / "KV2.CFG"));
}

}  // namespace
}  // namespace kv
