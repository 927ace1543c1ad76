#include "screens/select/option_presets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace kv {
namespace {

namespace fs = std::filesystem;

TEST(OptionPresets, DefaultPresetLoadsSpeedTwoAndLeavesRankingOff) {
    OptionPresets presets;
    loadPresetFile(presets, "/nonexistent/KV2OPT.DAT");
    Settings settings;
    settings.SPEED = 7;
    loadPreset(presets, settings, 0);
    EXPECT_EQ(settings.SPEED, 2);
    EXPECT_EQ(settings.RANKING, 0);
    EXPECT_EQ(settings.COMBO, 1);
    EXPECT_EQ(settings.BGA, 1);
    EXPECT_EQ(settings.TITLESKIP, 1);
    EXPECT_EQ(settings.JUDGECOUNT, 1);
}

TEST(OptionPresets, SaveLoadTouchesOnlyThePresetOptions) {
    Settings chosen;
    chosen.SPEED = 9;
    chosen.JUDGECOUNT = 0;
    chosen.PERFECT2 = 1;
    OptionPresets presets = {};
    savePreset(presets, chosen, 2);
    Settings target;
    target.MAXFPS = 77;
    loadPreset(presets, target, 2);
    EXPECT_EQ(target.SPEED, 9);
    EXPECT_EQ(target.JUDGECOUNT, 0);
    EXPECT_EQ(target.PERFECT2, 0) << "page five toggles are not stored";
    EXPECT_EQ(target.MAXFPS, 77);
}

TEST(OptionPresets, FileRoundTripIs101BytesStartingWithNine) {
    OptionPresets presets;
    presets.fill(defaultPreset());
    presets[3][0] = 19;
    presets[1][24] = 0;
    const auto bytes = encodePresetFile(presets);
    ASSERT_EQ(bytes.size(), 101u);
    EXPECT_EQ(bytes[0], 9);
    EXPECT_EQ(bytes[1 + 3 * 25], 19);
    EXPECT_EQ(decodePresetFile(bytes), presets);
}

TEST(OptionPresets, ShortFileReadsZeroesAndDamagedCodesFallBack) {
    const OptionPreset fallback = defaultPreset();
    std::vector<std::uint8_t> bytes(1 + 25 + 10, 1);  // preset 1 whole, 10 bytes of preset 2
    bytes[1] = 200;                                   // SPEED code far outside its 20 codes
    bytes[2] = 11;                                    // OBJECT 11 is valid
    const OptionPresets presets = decodePresetFile(bytes);
    EXPECT_EQ(presets[0][0], fallback[0]);
    EXPECT_EQ(presets[0][1], 11);
    EXPECT_EQ(presets[1][9], 1);
    EXPECT_EQ(presets[1][10], 0) << "bytes the file lacks are 0";
    EXPECT_EQ(presets[3], OptionPreset{});
    EXPECT_NE(presets[3], fallback);
}

TEST(OptionPresets, FileOnDiskRoundTrips) {
    const fs::path folder = fs::temp_directory_path() / "kv_presets_test";
    fs::create_directories(folder);
    const fs::path file = folder / "KV2OPT.DAT";
    OptionPresets written;
    written.fill(defaultPreset());
    written[2][4] = 2;
    ASSERT_TRUE(savePresetFile(written, file));
    EXPECT_EQ(fs::file_size(file), 101u);
    OptionPresets read;
    loadPresetFile(read, file);
    EXPECT_EQ(read, written);
    fs::remove_all(folder);
}

TEST(OptionPresets, Messages) {
    EXPECT_EQ(presetMessage(0, true), "CUSTOM OPTION 1 SAVED");
    EXPECT_EQ(presetMessage(3, false), "CUSTOM OPTION 4 LOADED");
}

}  // namespace
}  // namespace kv
