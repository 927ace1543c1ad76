// A saved file that cannot be read (here a folder of that name, which opens
// like a file and refuses every read) counts as missing: no reader throws,
// and the game carries on with what it has when the file is absent.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "chart/ranking_store.h"
#include "play/replay_file.h"
#include "platform/script.h"
#include "screens/modes/course_file.h"
#include "screens/select/option_presets.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

TEST(UnreadableFiles, ReadAsMissing) {
    test::TempFolder temp{"kv_unreadable"};
    struct Case {
        const char* name;
        std::function<bool(const std::filesystem::path&)> readsAsMissing;
    };
    const Case cases[] = {
        {"song.KRP",
         [](const auto& path) {
             auto record = std::make_unique<ReplayRecord>();
             return !loadReplay(path, 0, *record);
         }},
        {"KV2OPT.DAT",
         [](const auto& path) {
             OptionPresets presets{};
             loadPresetFile(presets, path);
             OptionPresets defaults;
             defaults.fill(defaultPreset());
             return presets == defaults;
         }},
        {"mine.kcz", [](const auto& path) { return !readCourseFile(path); }},
        {"song.K2R", [](const auto& path) { return readRankingBlock(path) == emptyRankingBlock(); }},
        {"run.txt",
         [](const auto& path) {
             platform::Script script;
             platform::ScriptError error;
             return !platform::loadScript(path.string(), "", script, error) && error.line == 0;
         }},
    };
    for (const Case& c : cases) {
        const auto path = temp.path() / c.name;
        std::filesystem::create_directory(path);
        bool missing = false;
        EXPECT_NO_THROW(missing = c.readsAsMissing(path)) << c.name;
        EXPECT_TRUE(missing) << c.name;
    }
}

}  // namespace
}  // namespace kv
