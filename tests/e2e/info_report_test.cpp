// `game --info`: the pictures it reports missing are the ones play cannot
// load, and the play length is the time play takes with the rate options.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "support/game_folder.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// A chart of two 130 BPM measures naming two pictures, one of them and a
// missing sample in two slots each.
fs::path writeInfoChart(const test::GameFolder& game) {
    const fs::path folder = game / "infosong";
    fs::create_directories(folder);
    std::ofstream(folder / "chart.bms") << "#BPM 130\n#WAV01 lost.wav\n#WAV02 LOST.WAV\n"
                                           "#BMP01 e.bmp\n#BMP02 gone.bmp\n#BMP03 gone.bmp\n#00111:01\n#00104:01\n";
    // Play finds "e.bmp" as the PNG of the same name.
    std::ofstream(folder / "e.png", std::ios::binary) << "any bytes";
    return folder / "chart.bms";
}

double playSeconds(const std::string& json) {
    std::smatch match;
    return std::regex_search(json, match, std::regex("\"playSeconds\":([0-9.e+-]+)")) ? std::stod(match[1]) : -1;
}

TEST(InfoReport, ListsEachMissingFileOnceAndNotThoseFoundUnderAnotherExtension) {
    test::GameFolder game(KV_HOME);
    const auto run = game.tool({"--info", writeInfoChart(game).string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.output.find("\"missingPictures\":[\"gone.bmp\"]"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("\"missingSamples\":[\"lost.wav\"]"), std::string::npos) << run.output;
}

TEST(InfoReport, PlaySecondsFollowTempoAndBpmEdit) {
    constexpr double kTwoMeasures = 2 * 4 * 60.0 / 130;
    struct Case {
        const char* tempo;
        const char* bpmEdit;
        double seconds;
    };
    const Case cases[] = {{"0", "50", kTwoMeasures}, {"2", "50", kTwoMeasures / 2}, {"3", "70", kTwoMeasures / (0.75 * 1.02)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("TEMPO ") + c.tempo + " BPMEDIT " + c.bpmEdit);
        test::GameFolder game(KV_HOME);
        game.setOption("TEMPO", c.tempo);
        game.setOption("BPMEDIT", c.bpmEdit);
        const auto run = game.tool({"--info", writeInfoChart(game).string()});
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_NEAR(playSeconds(run.output), c.seconds, 1e-4) << run.output;
    }
}

}  // namespace
}  // namespace kv
