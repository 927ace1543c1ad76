#pragma once
// The software mixer that stands where the sound card's buffers stood: one
// voice per sample slot, each with its own rate in Hz. The sample slots
// hand it sounds already converted to the output rate, so its linear
// interpolation follows only the pitch changes of play. A start names the
// output frame it belongs to and begins exactly there, inside whichever
// render reaches it. A voice cut off by a restart or a stop fades out over
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
    // From the sound's first frame, once, beginning at output frame
    // `atFrame` (frames counted from the first render; one already rendered
    // means at once). Until then whatever the voice plays goes on.
    void start(int voice, std::int64_t atFrame = 0);
    void stop(int voice);  // at once
    bool isPlaying(int voice) const;
    void setStream(MixerStream* stream);
    void waitForRenders() const;

    // Audio thread, or whoever pulls the mix when there is no device.
    // Writes `frames` interleaved stereo frames.
    void render(std::int16_t* out, int frames);
    // Output frames rendered so far: the frame the next render begins at.
    std::int64_t renderedFrames() const { return rendered_.load(std::memory_order_acquire); }

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
        std::atomic<std::int64_t> startFrame{0};  // of the latest start, stored before its control
        // Written by the renderer: the control value whose playing ended.
        std::atomic<std::uint32_t> finished{0};
        // The renderer's own: the control value now in force.
        std::uint32_t seen = 0;
        bool playing = false;
        Playhead head;
        Fade fade;
    };

    void command(int voice, bool play, std::int64_t atFrame);
    // Mixes the voice's `frames` frames from output frame `firstFrame` on,
    // taking up a new command at its frame.
    void mixVoice(Voice& voice, std::int32_t* mix, int frames, std::int64_t firstFrame);
    void mixPlaying(Voice& voice, const platform::PcmSound* sound, std::int32_t* mix, int frames);
    void mixFade(Voice& voice, const platform::PcmSound* sound, std::int32_t* mix, int frames);

    int outputRate_;
    int voiceCount_;
    int fadeFrames_;
    MasterLimiter limiter_;
    std::unique_ptr<Voice[]> voices_;
    std::atomic<MixerStream*> stream_{nullptr};
    std::int64_t renderFrame_ = 0;  // the renderer's own count
    std::atomic<std::int64_t> rendered_{0};
    std::atomic<std::uint64_t> rendersStarted_{0};
    std::atomic<std::uint64_t> rendersFinished_{0};
};

}  // namespace kv
