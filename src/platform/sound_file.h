#pragma once
// Sound files through libsndfile: every format the game accepts is decoded
// once, whole, into 16-bit PCM; WAV and other files can be written (the
// headless mixdown, test fixtures, generated media).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kv::platform {

// Interleaved signed 16-bit frames of one or two channels at the file's
// own rate.
struct PcmSound {
    std::vector<std::int16_t> samples;
    int channels = 0;  // 1 or 2
    int rate = 0;      // frames per second

    std::size_t frames() const { return channels > 0 ? samples.size() / std::size_t(channels) : 0; }
};

enum class DecodeResult { Ok, Unreadable, OutOfMemory };

// Detects the format by content (WAV PCM/float/ADPCM, OGG Vorbis, FLAC,
// MP3, ...). Files of more than two channels keep their first two.
DecodeResult decodeSoundFile(const std::string& path, PcmSound& sound);

enum class SoundFileFormat { Wav16, Wav8, Wav24, WavFloat, WavImaAdpcm, WavMsAdpcm, OggVorbis, Flac, Mp3 };

// Writes interleaved 16-bit frames. The header is kept up to date after
// every write, so a run that ends abruptly still leaves a valid file.
class SoundFileWriter {
public:
    SoundFileWriter();
    ~SoundFileWriter();
    SoundFileWriter(const SoundFileWriter&) = delete;
    SoundFileWriter& operator=(const SoundFileWriter&) = delete;

    bool open(const std::string& path, SoundFileFormat format, int rate, int channels);
    bool write(const std::int16_t* samples, std::size_t frames);
    void close();
    bool isOpen() const;

private:
    struct File;
    std::unique_ptr<File> file_;
};

}  // namespace kv::platform
