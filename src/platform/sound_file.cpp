#include "platform/sound_file.h"

#include <algorithm>
#include <new>

#include "platform/sound_file_open.h"

namespace kv::platform {
namespace {

constexpr sf_count_t kReadChunkFrames = 4096;
constexpr sf_count_t kMaxReservedFrames = sf_count_t(1) << 26;  // 25 minutes at 44.1 kHz

// Rounds half to even as nearbyint does, inline: once 1.5 * 2^23 is added
// no fraction bits are left. Clamping first is the same as clamping the
// rounded value, and keeps the sum in that exact range.
std::int16_t floatToPcm16(float value) {
    constexpr float kRounder = 12582912.0f;
    const float scaled = std::clamp(value * 32768.0f, -32768.0f, 32767.0f);
    return std::int16_t((scaled + kRounder) - kRounder);
}

int sndfileFormat(SoundFileFormat format) {
    switch (format) {
    case SoundFileFormat::Wav16: return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case SoundFileFormat::Wav8: return SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
    case SoundFileFormat::Wav24: return SF_FORMAT_WAV | SF_FORMAT_PCM_24;
    case SoundFileFormat::WavFloat: return SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    case SoundFileFormat::WavImaAdpcm: return SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM;
    case SoundFileFormat::WavMsAdpcm: return SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;
    case SoundFileFormat::OggVorbis: return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case SoundFileFormat::Flac: return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case SoundFileFormat::Mp3: return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    }
    return 0;
}

}  // namespace

DecodeResult decodeSoundFile(const std::string& path, PcmSound& sound) {
    SF_INFO info{};
    SNDFILE* file = openSoundFile(path, SFM_READ, &info);
    if (!file) return DecodeResult::Unreadable;
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(file);
        return DecodeResult::Unreadable;
    }

    // Read as float for every format: integer reads of float files come out
    // silent or rescaled to the file's peak, and 16-bit values survive the
    // float round trip exactly.
    const int keep = std::min(info.channels, 2);
    PcmSound decoded;
    decoded.channels = keep;
    decoded.rate = info.samplerate;
    try {
        // The declared length saves regrowing the sound as it is read; an
        // absurd one is not trusted with memory up front.
        if (info.frames > 0 && info.frames <= kMaxReservedFrames)
            decoded.samples.reserve(std::size_t(info.frames) * std::size_t(keep));
        std::vector<float> chunk(std::size_t(kReadChunkFrames) * std::size_t(info.channels));
        // MP3 frame counts are estimates, so read until the decoder stops.
        for (;;) {
            const sf_count_t got = sf_readf_float(file, chunk.data(), kReadChunkFrames);
            if (got <= 0) break;
            const std::size_t start = decoded.samples.size();
            decoded.samples.resize(start + std::size_t(got) * std::size_t(keep));
            std::int16_t* out = decoded.samples.data() + start;
            for (sf_count_t frame = 0; frame < got; ++frame) {
                const float* in = &chunk[std::size_t(frame) * std::size_t(info.channels)];
                for (int channel = 0; channel < keep; ++channel) *out++ = floatToPcm16(in[channel]);
            }
        }
    } catch (const std::bad_alloc&) {
        sf_close(file);
        return DecodeResult::OutOfMemory;
    }
    sf_close(file);
    sound = std::move(decoded);
    return DecodeResult::Ok;
}

struct SoundFileWriter::File {
    SNDFILE* handle = nullptr;
    int channels = 0;
    // libsndfile's MP3 encoder mis-scales 16-bit stereo input; lossy
    // encoders take floats anyway.
    bool writeFloat = false;
    std::vector<float> converted;
};

SoundFileWriter::SoundFileWriter() = default;
SoundFileWriter::~SoundFileWriter() { close(); }

bool SoundFileWriter::open(const std::string& path, SoundFileFormat format, int rate, int channels) {
    close();
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = sndfileFormat(format);
    SNDFILE* handle = openSoundFile(path, SFM_WRITE, &info);
    if (!handle) return false;
    // Only WAV has a header to keep current; compressed streams break if
    // asked to.
    if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV)
        sf_command(handle, SFC_SET_UPDATE_HEADER_AUTO, nullptr, SF_TRUE);
    file_ = std::make_unique<File>();
    file_->handle = handle;
    file_->channels = channels;
    file_->writeFloat = format == SoundFileFormat::Mp3 || format == SoundFileFormat::OggVorbis;
    return true;
}

bool SoundFileWriter::write(const std::int16_t* samples, std::size_t frames) {
    if (!file_) return false;
    if (!file_->writeFloat) return sf_writef_short(file_->handle, samples, sf_count_t(frames)) == sf_count_t(frames);
    file_->converted.resize(frames * std::size_t(file_->channels));
    for (std::size_t i = 0; i < file_->converted.size(); ++i) file_->converted[i] = float(samples[i]) / 32768.0f;
    return sf_writef_float(file_->handle, file_->converted.data(), sf_count_t(frames)) == sf_count_t(frames);
}

void SoundFileWriter::close() {
    if (!file_) return;
    sf_close(file_->handle);
    file_.reset();
}

bool SoundFileWriter::isOpen() const { return file_ != nullptr; }

}  // namespace kv::platform
