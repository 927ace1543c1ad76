#include "support/click_chart.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace kv::test {

namespace {

constexpr int kClickRate = 44100;
constexpr int kSilentLevel = 64;
constexpr double kQuietBeforeMs = 50;

bool writeClick(const std::filesystem::path& file) {
    std::vector<std::int16_t> samples(kClickRate * 5 / 1000, 8000);
    platform::SoundFileWriter writer;
    const bool written = writer.open(file.string(), platform::SoundFileFormat::Wav16, kClickRate, 1) &&
                         writer.write(samples.data(), samples.size());
    writer.close();
    return written;
}

std::string chartText(const ClickChart& chart) {
    std::string text = "#PLAYER 1\r\n#GENRE TEST\r\n#TITLE CLICKS\r\n#BPM " + std::to_string(chart.bpm) +
                       "\r\n#RANK 2\r\n#WAV01 click.wav\r\n";
    for (int measure = 1; measure <= chart.measures; ++measure) {
        char number[4];
        std::snprintf(number, sizeof number, "%03d", measure);
        text += "#" + std::string(number) + "01:01010101\r\n";
        // Sample 02 is never defined: the notes make no sound of their own.
        if (chart.notes) text += "#" + std::string(number) + "11:02020202\r\n";
    }
    return text;
}

}  // namespace

std::filesystem::path writeClickChart(const std::filesystem::path& folder, const ClickChart& chart) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path file = folder / "clicks.bms";
    std::ofstream(file, std::ios::binary) << chartText(chart);
    if (!std::filesystem::exists(file) || !writeClick(folder / "click.wav")) return {};
    return file;
}

std::vector<double> clickOnsetsMs(const platform::PcmSound& recording, double fromMs) {
    std::vector<double> onsets;
    const auto channels = std::size_t(std::max(recording.channels, 1));
    const double msPerFrame = 1000.0 / recording.rate;
    const auto quietFrames = std::size_t(kQuietBeforeMs / msPerFrame);
    std::size_t quiet = quietFrames;  // the recording starts after silence
    for (std::size_t frame = std::size_t(fromMs / msPerFrame); frame < recording.frames(); ++frame) {
        bool loud = false;
        for (std::size_t c = 0; c < channels; ++c)
            loud = loud || std::abs(int(recording.samples[frame * channels + c])) > kSilentLevel;
        if (loud && quiet >= quietFrames) onsets.push_back(double(frame) * msPerFrame);
        quiet = loud ? 0 : quiet + 1;
    }
    return onsets;
}

}  // namespace kv::test
