#pragma once
// The software mixer that stands where the sound card's buffers stood: one
// voice per sample slot, each with its own rate in Hz. The sample slots
// hand it sounds already converted to the output rate, so its linear
// interpolation follows only the pitch changes of play. A voice cut off by a restart or a stop fades out over
// 2 ms while its new start sounds on time, and the sum passes the master
// limiter into 16-bit stereo.
//
// The game thread commands the voices; the audio thread renders. They meet
// only through atomics, so the audio callback never waits for the game.
#include <atomic>
#include <cstdint>
#include <memory>

#include "media/audio/master_limiter.h"
#include "platform/sound_file.h"

namespace kv {

// A source mixed after the voices: the MIDI accompaniment.
class MixerStream {
public:
    virtual ~MixerStream() = default;
    // Adds `frames` interleaved stereo frames into `mix`.
    virtual void mixInto(std::int32_t* mix, int frames) = 0;
};

class Mixer {
public:
    static constexpr int kChunkFrames = 512;

    Mixer(int outputRate, int voiceCount);

    int outputRate() const { return outputRate_; }
    int voiceCount() const { return voiceCount_; }

    // Game thread. A sound or stream that setSound or setStream replaced
    // may still be read by a render in progress: free it only after
    // waitForRenders().
    void setSound(int voice, const platform::PcmSound* sound);
    // Frames of the voice's sound per second of output.
    void setFrequency(int voice, std::uint32_t hz);
    void start(int voice);  // from the first frame, once
    void stop(int voice);
    bool isPlaying(int voice) const;
    void setStream(MixerStream* stream);
    void waitForRenders() const;

    // Audio thread, or whoever pulls the mix when there is no device.
    // Writes `frames` interleaved stereo frames.
    void render(std::int16_t* out, int frames);

private:
    // Where a sound is in its data, and how fast it moves.
    struct Playhead {
        const platform::PcmSound* sound = nullptr;
        std::uint64_t position = 0;  // source frame, 32.32 fixed point
        std::uint64_t step = 0;      // per output frame
    };
    // The sound a restart or stop cut off, fading out.
    struct Fade {
        Playhead head;
        int framesLeft = 0;
    };

    struct Voice {
        // Written by the game thread.
        std::atomic<const platform::PcmSound*> sound{nullptr};
        std::atomic<std::uint32_t> frequency{0};
        std::atomic<std::uint32_t> control{0};  // command serial << 1 | playing
        // Written by the renderer: the control value whose playing ended.
        std::atomic<std::uint32_t> finished{0};
        // The renderer's own.
        std::uint32_t seen = 0;
        bool playing = false;
        Playhead head;
        Fade fade;
    };

    void command(int voice, bool play);
    void mixVoice(Voice& voice, std::int32_t* mix, int frames);
    void mixFade(Voice& voice, const platform::PcmSound* sound, std::int32_t* mix, int frames);

    int outputRate_;
    int voiceCount_;
    int fadeFrames_;
    MasterLimiter limiter_;
    std::unique_ptr<Voice[]> voices_;
    std::atomic<MixerStream*> stream_{nullptr};
    std::atomic<std::uint64_t> rendersStarted_{0};
    std::atomic<std::uint64_t> rendersFinished_{0};
};

}  // namespace kv
