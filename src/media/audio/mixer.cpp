#include "media/audio/mixer.h"

#include <algorithm>
#include <thread>

namespace kv {
namespace {

// A cut-off sound fades out over 1/500 s: short enough that a restarted
// keysound still starts on its frame, long enough not to click.
constexpr int kFadesPerSecond = 500;

// Output frames until `position` reaches `limit`, moving `step` per frame.
std::uint64_t framesUntil(std::uint64_t position, std::uint64_t limit, std::uint64_t step) {
    return position >= limit ? 0 : (limit - position + step - 1) / step;
}

// Mixes `count` frames of source `data` starting at `position`; `next` of
// the last source frame is silence, so a sound fades out over its last
// interpolation step instead of wrapping or reading past the end. When
// `Fading`, frame i is scaled by (fadeLeft - i) / fadeLength.
template <int Channels, bool Fading>
std::uint64_t mixRun(const std::int16_t* data, std::uint64_t sourceFrames, std::uint64_t position,
                     std::uint64_t step, std::int32_t* mix, std::uint64_t count, std::int32_t fadeLeft,
                     std::int32_t fadeLength) {
    for (std::uint64_t i = 0; i < count; ++i, position += step, mix += 2) {
        const std::uint64_t index = position >> 32;
        // 15 bits of fraction keep (b - a) * fraction within 32 bits.
        const std::int32_t fraction = std::int32_t((position >> 17) & 0x7FFF);
        const bool hasNext = index + 1 < sourceFrames;
        for (int channel = 0; channel < Channels; ++channel) {
            const std::int32_t a = data[index * Channels + channel];
            const std::int32_t b = hasNext ? data[(index + 1) * Channels + channel] : 0;
            std::int32_t value = a + (((b - a) * fraction) >> 15);
            if constexpr (Fading) value = value * (fadeLeft - std::int32_t(i)) / fadeLength;
            if constexpr (Channels == 1) {
                mix[0] += value;
                mix[1] += value;
            } else {
                mix[channel] += value;
            }
        }
    }
    return position;
}

// Mixes up to `frames` frames of `sound` from `position` on and moves it;
// returns how many frames the sound had left to give of them.
template <bool Fading>
int mixFrom(const platform::PcmSound& sound, std::uint64_t& position, std::uint64_t step, std::int32_t* mix,
            int frames, std::int32_t fadeLeft = 0, std::int32_t fadeLength = 1) {
    const std::uint64_t sourceFrames = sound.frames();
    const auto count = int(std::min<std::uint64_t>(framesUntil(position, sourceFrames << 32, step), std::uint64_t(frames)));
    if (count > 0) {
        const std::int16_t* data = sound.samples.data();
        position = sound.channels == 1
                       ? mixRun<1, Fading>(data, sourceFrames, position, step, mix, std::uint64_t(count), fadeLeft, fadeLength)
                       : mixRun<2, Fading>(data, sourceFrames, position, step, mix, std::uint64_t(count), fadeLeft, fadeLength);
    }
    return count;
}

}  // namespace

Mixer::Mixer(int outputRate, int voiceCount)
    : outputRate_(std::max(outputRate, 1)), voiceCount_(std::max(voiceCount, 0)),
      fadeFrames_(std::max(outputRate_ / kFadesPerSecond, 1)), limiter_(outputRate_),
      voices_(std::make_unique<Voice[]>(std::size_t(voiceCount_))) {}

void Mixer::setSound(int voice, const platform::PcmSound* sound) {
    if (voice < 0 || voice >= voiceCount_) return;
    voices_[voice].sound.store(sound, std::memory_order_seq_cst);
}

void Mixer::setFrequency(int voice, std::uint32_t hz) {
    if (voice < 0 || voice >= voiceCount_) return;
    voices_[voice].frequency.store(std::max<std::uint32_t>(hz, 1), std::memory_order_relaxed);
}

void Mixer::command(int voice, bool play, std::int64_t atFrame) {
    if (voice < 0 || voice >= voiceCount_) return;
    Voice& v = voices_[voice];
    const std::uint32_t serial = (v.control.load(std::memory_order_relaxed) >> 1) + 1;
    v.startFrame.store(atFrame, std::memory_order_relaxed);
    v.control.store(serial << 1 | (play ? 1u : 0u), std::memory_order_release);
}

void Mixer::start(int voice, std::int64_t atFrame) { command(voice, true, atFrame); }
void Mixer::stop(int voice) { command(voice, false, 0); }

bool Mixer::isPlaying(int voice) const {
    if (voice < 0 || voice >= voiceCount_) return false;
    const Voice& v = voices_[voice];
    const std::uint32_t control = v.control.load(std::memory_order_relaxed);
    return (control & 1) && v.finished.load(std::memory_order_acquire) != control;
}

void Mixer::setStream(MixerStream* stream) {
    stream_.store(stream, std::memory_order_seq_cst);
}

// A render that began before the pointer swap may still hold the old
// pointer; every render that begins after it sees the new one. Renders are
// short (one device buffer), so the wait is brief and happens only when
// sounds are loaded or released, never per note.
void Mixer::waitForRenders() const {
    const std::uint64_t started = rendersStarted_.load(std::memory_order_seq_cst);
    while (rendersFinished_.load(std::memory_order_acquire) < started) std::this_thread::yield();
}

void Mixer::render(std::int16_t* out, int frames) {
    rendersStarted_.fetch_add(1, std::memory_order_seq_cst);
    std::int32_t mix[kChunkFrames * 2];
    while (frames > 0) {
        const int count = std::min(frames, kChunkFrames);
        std::fill_n(mix, count * 2, 0);
        for (int voice = 0; voice < voiceCount_; ++voice) mixVoice(voices_[voice], mix, count, renderFrame_);
        if (MixerStream* stream = stream_.load(std::memory_order_seq_cst)) stream->mixInto(mix, count);
        limiter_.process(mix, out, count);
        out += count * 2;
        frames -= count;
        renderFrame_ += count;
    }
    rendered_.store(renderFrame_, std::memory_order_release);
    rendersFinished_.fetch_add(1, std::memory_order_release);
}

void Mixer::mixVoice(Voice& voice, std::int32_t* mix, int frames, std::int64_t firstFrame) {
    const std::uint32_t control = voice.control.load(std::memory_order_acquire);
    const platform::PcmSound* sound = voice.sound.load(std::memory_order_seq_cst);
    int before = 0;  // frames that still belong to the command in force
    if (control != voice.seen) {
        const std::int64_t at = (control & 1) ? voice.startFrame.load(std::memory_order_relaxed) : firstFrame;
        if (at >= firstFrame + frames) {
            mixPlaying(voice, sound, mix, frames);
            return;
        }
        before = int(std::max<std::int64_t>(at - firstFrame, 0));
        mixPlaying(voice, sound, mix, before);
        voice.seen = control;
        // Whatever still sounds fades out under the new start.
        if (voice.playing) voice.fade = Fade{voice.head, fadeFrames_};
        voice.playing = control & 1;
        voice.head.position = 0;
    }
    mixPlaying(voice, sound, mix + before * 2, frames - before);
}

void Mixer::mixPlaying(Voice& voice, const platform::PcmSound* sound, std::int32_t* mix, int frames) {
    if (frames <= 0) return;
    mixFade(voice, sound, mix, frames);
    if (!voice.playing) return;

    voice.head.sound = sound;
    voice.head.step = std::max<std::uint64_t>(
        (std::uint64_t(voice.frequency.load(std::memory_order_relaxed)) << 32) / std::uint64_t(outputRate_), 1);
    const int count = sound ? mixFrom<false>(*sound, voice.head.position, voice.head.step, mix, frames) : 0;
    if (count < frames) {
        voice.playing = false;
        voice.finished.store(voice.seen, std::memory_order_release);
    }
}

void Mixer::mixFade(Voice& voice, const platform::PcmSound* sound, std::int32_t* mix, int frames) {
    Fade& fade = voice.fade;
    if (fade.framesLeft == 0) return;
    // A sound replaced since the cut may already be freed: it is not read.
    if (!sound || fade.head.sound != sound) {
        fade.framesLeft = 0;
        return;
    }
    const int count = std::min(frames, fade.framesLeft);
    const int mixed = mixFrom<true>(*sound, fade.head.position, fade.head.step, mix, count, fade.framesLeft, fadeFrames_ + 1);
    fade.framesLeft = mixed < count ? 0 : fade.framesLeft - count;
}

}  // namespace kv
