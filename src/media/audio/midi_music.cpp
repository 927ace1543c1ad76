#include "media/audio/midi_music.h"

#include <atomic>
#include <memory>

#include "media/audio/sound_engine.h"
#include "platform/files.h"
#include "platform/midi_synth.h"

namespace kv {
namespace {

// The synthesizer belongs to the renderer once attached; the game thread
// only asks it to start over, through a counter.
class MidiStream final : public MixerStream {
public:
    explicit MidiStream(std::unique_ptr<platform::MidiSynth> synth) : synth_(std::move(synth)) {}

    void requestStart() { startRequests_.fetch_add(1, std::memory_order_release); }

    void mixInto(std::int32_t* mix, int frames) override {
        const std::uint32_t requests = startRequests_.load(std::memory_order_acquire);
        if (requests != startsSeen_) {
            startsSeen_ = requests;
            synth_->restart();
            started_ = true;
        }
        if (!started_) return;
        std::int16_t rendered[Mixer::kChunkFrames * 2];
        synth_->render(rendered, frames);
        for (int i = 0; i < frames * 2; ++i) mix[i] += rendered[i];
    }

private:
    std::unique_ptr<platform::MidiSynth> synth_;
    std::atomic<std::uint32_t> startRequests_{0};
    std::uint32_t startsSeen_ = 0;
    bool started_ = false;
};

// The open file's stream; the sound engine owns it.
MidiStream* g_midi = nullptr;

}  // namespace

bool openMidi(std::string_view name) {
    closeMidi();
    Mixer* mixer = soundMixer();
    if (!mixer || name.empty() || !platform::fileExists(name)) return false;
    auto synth = platform::MidiSynth::open(platform::resolvePath(name), mixer->outputRate());
    if (!synth) return false;
    auto stream = std::make_unique<MidiStream>(std::move(synth));
    g_midi = stream.get();
    attachSoundStream(std::move(stream));
    return true;
}

bool playMidi() {
    if (!g_midi) return false;
    g_midi->requestStart();
    return true;
}

bool stopMidi() { return false; }

bool closeMidi() {
    if (!g_midi) return true;
    g_midi = nullptr;
    attachSoundStream(nullptr);
    return true;
}

}  // namespace kv
