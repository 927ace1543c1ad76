#pragma once
// A private copy of the built program folder (settings, skin, sounds, demo
// songs) in which a test runs the real game program headless, so whatever
// the run writes (rankings, replays, KV2.CFG) stays in the test's own
// folder and goes away with it.
//
//   kv::test::GameFolder game(KV_HOME);
//   game.setOption("TITLESKIP", "0");
//   const auto run = game.run(script.text());
//   EXPECT_EQ(run.exitCode, 0) << run.errors;
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "support/temp_folder.h"

namespace kv::test {

class GameFolder {
public:
    // Copies `builtHome` (the folder holding the `game` program) without its
    // programs, without rankings or replays earlier runs left there, and
    // with the settings a fresh program folder ships with (whatever a
    // player's session in the built folder changed).
    explicit GameFolder(const std::filesystem::path& builtHome);

    const std::filesystem::path& home() const { return folder_.path(); }
    std::filesystem::path operator/(std::string_view relative) const { return home() / relative; }

    // Sets one KV2.CFG key (replacing its line, or adding one).
    void setOption(std::string_view key, std::string_view value);
    // The settings the game will read from (or has written to) KV2.CFG.
    Settings settings() const;

    struct Run {
        int exitCode = -1;
        std::string output;  // standard output
        std::string errors;  // standard error
    };
    // Runs `game --home HOME --headless --script SCRIPT [arguments...]`.
    Run run(const std::string& script, const std::vector<std::string>& arguments = {}) const;
    // Runs `game --home HOME` with other arguments only (--scan, --info, ...).
    Run tool(const std::vector<std::string>& arguments) const;
    // Runs `game --home HOME [arguments...]` under `environment`, words for
    // env(1) such as "-u DISPLAY SDL_AUDIODRIVER=dummy".
    Run runIn(const std::string& environment, const std::vector<std::string>& arguments) const;

    // The line of `chart` in its folder's chart list, as `--scan` lists the
    // library with the current settings; -1 when it is not listed.
    int chartListLine(const std::filesystem::path& chart) const;
    // The line of a song folder in the folder list, which lists the folders
    // of `--scan` by name; -1 when there is no such folder.
    int folderListLine(std::string_view folderName) const;

private:
    std::vector<std::string> scanLines() const;

    std::filesystem::path program_;
    TempFolder folder_{"kv_game"};
    TempFolder logs_{"kv_game_logs"};
};

}  // namespace kv::test
