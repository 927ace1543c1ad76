#include "support/blip_chart.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <vector>

#include "platform/sound_file.h"

namespace kv::test {

namespace {

constexpr int kBlipRate = 44100;

const char* const kBlipChart =
    "#PLAYER 1\r\n#GENRE TEST\r\n#TITLE BLIPS\r\n#BPM 120\r\n#RANK 2\r\n#WAV01 blip.wav\r\n"
    "#00111:01010101\r\n#00212:01010101\r\n#00313:01010101\r\n#00414:01010101\r\n";

bool writeBlip(const std::filesystem::path& file) {
    std::vector<std::int16_t> samples(kBlipRate * 60 / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / kBlipRate;
        samples[i] = std::int16_t(12000.0 * std::sin(2 * std::numbers::pi * 1000.0 * t) * std::exp(-t / 0.015));
    }
    platform::SoundFileWriter writer;
    const bool written = writer.open(file.string(), platform::SoundFileFormat::Wav16, kBlipRate, 1) &&
                         writer.write(samples.data(), samples.size());
    writer.close();
    return written;
}

}  // namespace

std::filesystem::path writeBlipChart(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path chart = folder / "blips.bms";
    std::ofstream(chart, std::ios::binary) << kBlipChart;
    if (!std::filesystem::exists(chart) || !writeBlip(folder / "blip.wav")) return {};
    return chart;
}

}  // namespace kv::test
