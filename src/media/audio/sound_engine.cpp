#include "media/audio/sound_engine.h"

#include <atomic>
#include <cstdio>
#include <memory>

#include "media/audio/headless_audio.h"
#include "media/audio/midi_music.h"
#include "media/audio/output_clock.h"
#include "platform/audio_device.h"

namespace kv {
namespace {

constexpr int kPulledDefaultRate = 44100;

// Members are destroyed in reverse: the device stops calling back before
// anything it reads goes away, even at exit without shutdownSound.
struct SoundEngine {
    std::unique_ptr<Mixer> mixer;
    std::unique_ptr<SampleSlots> slots;
    std::unique_ptr<MixerStream> stream;
    std::unique_ptr<OutputClock> outputClock;  // with a sound card
    std::unique_ptr<platform::AudioDevice> device;
    bool quietLoading = false;
    bool clockedPull = false;  // a headless mix that follows the manual clock
};

SoundEngine g_sound;

// 0 for the device's own rate.
int rateForQuality(int wavQual) {
    switch (wavQual) {
    case 0: return 22050;
    case 1: return 44100;
    default: return 0;
    }
}

// The mixer is created before the device resumes and destroyed after the
// device closes, so the callback always finds it.
void fillFromMixer(void* user, std::int16_t* out, int frames) {
    SoundEngine& sound = *static_cast<SoundEngine*>(user);
    if (sound.outputClock->renderBegan(platform::clock().nowMicros(), sound.mixer->renderedFrames())) {
        // Once a run: the player learns why it stuttered, the log stays short.
        static std::atomic<bool> reported{false};
        if (!reported.exchange(true))
            std::fprintf(stderr, "sound: the output ran dry (underrun); some sounds came late\n");
    }
    sound.mixer->render(out, frames);
}

// The output frame of clock time `at`.
std::int64_t startFrame(platform::Micros at) {
    if (g_sound.outputClock) return g_sound.outputClock->frameFor(at);
    if (g_sound.clockedPull) return at * g_sound.mixer->outputRate() / 1'000'000;
    return 0;
}

void startMixer(int rate) {
    g_sound.mixer = std::make_unique<Mixer>(rate, kSampleSlotCount);
    g_sound.slots = std::make_unique<SampleSlots>(*g_sound.mixer);
    g_sound.slots->setQuietLoading(g_sound.quietLoading);
}

}  // namespace

int initSound(int wavQual) {
    if (headlessAudioRequested()) {
        initSoundPulled(wavQual);
        attachHeadlessOutput();
        g_sound.clockedPull = true;
        return 1;
    }
    shutdownSound();
    auto device = platform::AudioDevice::open(rateForQuality(wavQual), kDeviceBufferFrames, fillFromMixer, &g_sound);
    if (!device) return 0;
    startMixer(device->rate());
    g_sound.outputClock = std::make_unique<OutputClock>(device->rate(), device->bufferFrames());
    g_sound.device = std::move(device);
    g_sound.device->resume();
    return 1;
}

int initSoundPulled(int wavQual) {
    shutdownSound();
    const int rate = rateForQuality(wavQual);
    startMixer(rate > 0 ? rate : kPulledDefaultRate);
    return 1;
}

void shutdownSound() {
    detachHeadlessOutput();
    g_sound.clockedPull = false;
    g_sound.device.reset();
    g_sound.outputClock.reset();
    closeMidi();
    g_sound.slots.reset();
    g_sound.mixer.reset();
}

void renderSound(std::int16_t* out, int frames) {
    if (g_sound.mixer && !g_sound.device) g_sound.mixer->render(out, frames);
}

int soundOutputRate() { return g_sound.mixer ? g_sound.mixer->outputRate() : 0; }
Mixer* soundMixer() { return g_sound.mixer.get(); }

void attachSoundStream(std::unique_ptr<MixerStream> stream) {
    if (!g_sound.mixer) return;
    g_sound.mixer->setStream(stream.get());
    g_sound.mixer->waitForRenders();
    g_sound.stream = std::move(stream);
}

void setWavLoadMode(int wavLoad) {
    g_sound.quietLoading = wavLoad == 1;
    if (g_sound.slots) g_sound.slots->setQuietLoading(g_sound.quietLoading);
}

int loadSample(int slot, std::string_view name) {
    return g_sound.slots ? g_sound.slots->loadSample(slot, name) : kSampleNoBuffer;
}
int playSample(int slot) { return playSampleAt(slot, platform::clock().nowMicros()); }
int playSampleAt(int slot, platform::Micros at) {
    return g_sound.slots ? g_sound.slots->playSample(slot, startFrame(at)) : 0;
}
int playSampleLow(int slot) { return playSampleLowAt(slot, platform::clock().nowMicros()); }
int playSampleLowAt(int slot, platform::Micros at) {
    return g_sound.slots ? g_sound.slots->playSampleLow(slot, startFrame(at)) : 0;
}
platform::Micros soundStartLeadMicros() { return g_sound.outputClock ? g_sound.outputClock->leadMicros() : 0; }
void setSampleRate(int slot, float factor) {
    if (g_sound.slots) g_sound.slots->setSampleRate(slot, factor);
}
int isSamplePlaying(int slot) { return g_sound.slots ? g_sound.slots->isSamplePlaying(slot) : 0; }
void stopSample(int slot) {
    if (g_sound.slots) g_sound.slots->stopSample(slot);
}
void releaseChartSamples() {
    if (g_sound.slots) g_sound.slots->releaseChartSamples();
}

}  // namespace kv
