#pragma once
// Sound files made at test time: tones in any format the decoder reads,
// and hand-built RIFF files for the chunk rules.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/sound_file.h"

namespace kv::test {

// A fresh empty folder under the system's temporary folder, removed with
// everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A sine tone of `frames` frames at `rate` Hz.
platform::PcmSound makeTone(int rate, int channels, int frames, double hz = 440.0, double amplitude = 0.5);
// A constant level, for exact mixing sums.
platform::PcmSound makeLevel(int rate, int channels, int frames, std::int16_t level);

void writeSound(const std::filesystem::path& path, platform::SoundFileFormat format, const platform::PcmSound& sound);
void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// One RIFF chunk: tag, little-endian size, body, pad byte when odd.
std::vector<std::uint8_t> riffChunk(const std::string& tag, const std::vector<std::uint8_t>& body);
// A 16-bit PCM "fmt " chunk body.
std::vector<std::uint8_t> pcmFormat(int rate, int channels);
// "RIFF" size "WAVE" followed by the given chunks.
std::vector<std::uint8_t> riffWave(const std::vector<std::vector<std::uint8_t>>& chunks);
// 16-bit samples as little-endian bytes.
std::vector<std::uint8_t> pcmBytes(const std::vector<std::int16_t>& samples);

// Largest absolute sample.
int peakOf(const std::vector<std::int16_t>& samples);

}  // namespace kv::test
