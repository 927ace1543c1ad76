#include "audio_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <random>

namespace kv::test {

// Several checkouts may run this suite at once: a random name keeps their
// folders apart.
TempFolder::TempFolder()
    : path_(std::filesystem::temp_directory_path() / ("kv_audio_" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

platform::PcmSound makeTone(int rate, int channels, int frames, double hz, double amplitude) {
    platform::PcmSound sound;
    sound.rate = rate;
    sound.channels = channels;
    for (int i = 0; i < frames; ++i) {
        const double value = amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * hz * i / rate);
        for (int c = 0; c < channels; ++c) sound.samples.push_back(std::int16_t(std::lround(value)));
    }
    return sound;
}

platform::PcmSound makeLevel(int rate, int channels, int frames, std::int16_t level) {
    platform::PcmSound sound;
    sound.rate = rate;
    sound.channels = channels;
    sound.samples.assign(std::size_t(frames) * std::size_t(channels), level);
    return sound;
}

void writeSound(const std::filesystem::path& path, platform::SoundFileFormat format, const platform::PcmSound& sound) {
    platform::SoundFileWriter writer;
    ASSERT_TRUE(writer.open(path.string(), format, sound.rate, sound.channels)) << path;
    ASSERT_TRUE(writer.write(sound.samples.data(), sound.frames()));
    writer.close();
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

namespace {
void appendLe(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(std::uint8_t(value >> (8 * i)));
}
}  // namespace

std::vector<std::uint8_t> riffChunk(const std::string& tag, const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> chunk(tag.begin(), tag.end());
    appendLe(chunk, std::uint32_t(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2) chunk.push_back(0);
    return chunk;
}

std::vector<std::uint8_t> pcmFormat(int rate, int channels) {
    std::vector<std::uint8_t> body;
    appendLe(body, 1, 2);  // PCM
    appendLe(body, std::uint32_t(channels), 2);
    appendLe(body, std::uint32_t(rate), 4);
    appendLe(body, std::uint32_t(rate * channels * 2), 4);
    appendLe(body, std::uint32_t(channels * 2), 2);
    appendLe(body, 16, 2);
    return body;
}

std::vector<std::uint8_t> riffWave(const std::vector<std::vector<std::uint8_t>>& chunks) {
    std::vector<std::uint8_t> body{'W', 'A', 'V', 'E'};
    for (const auto& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
    return riffChunk("RIFF", body);
}

std::vector<std::uint8_t> pcmBytes(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> bytes;
    for (std::int16_t s : samples) appendLe(bytes, std::uint16_t(s), 2);
    return bytes;
}

int peakOf(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
    return peak;
}

}  // namespace kv::test
