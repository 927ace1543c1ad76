#pragma once
// The game's sound: the sample table and its mixer, fed to the sound card,
// or pulled by whoever drives time when there is no card (headless runs,
// offline mixdowns, tests). Every operation is for the game thread.
#include <cstdint>
#include <memory>
#include <string_view>

#include "media/audio/mixer.h"
#include "media/audio/sample_slots.h"
#include "platform/clock.h"

namespace kv {

inline constexpr int kDeviceBufferFrames = 256;

// Output rate by WAVQUAL: 0 is 22050 Hz, 1 is 44100 Hz, anything else the
// device's own rate. Opens the sound card, or, in a headless run, none
// (the mix then follows the manual clock). Returns 1, or 0 when no sound
// card can be opened.
int initSound(int wavQual);
// The same with no sound card at all: the caller pulls the mix with
// renderSound (44100 Hz for the device's own rate).
int initSoundPulled(int wavQual);
// Closes the MIDI music, releases every slot and the sound card.
void shutdownSound();

// Mixes the next `frames` interleaved 16-bit stereo frames. For runs
// without a sound card only.
void renderSound(std::int16_t* out, int frames);
// Output rate in Hz; 0 before initSound.
int soundOutputRate();
// The running mixer, or null before initSound.
Mixer* soundMixer();
// Mixes `stream` after the voices in place of the previous stream, which is
// freed once no render reads it. Null removes it. Ignored before initSound.
void attachSoundStream(std::unique_ptr<MixerStream> stream);

// The WAVLOAD reading method: 1 loads quietly (loadSample always reports
// success).
void setWavLoadMode(int wavLoad);

int loadSample(int slot, std::string_view name);
// A sound belongs to a moment of the game clock and begins on the output
// frame of that moment: exactly in a headless run, a constant lead later
// with a sound card. Mixes pulled without a clock (offline mixdowns)
// start it at once. Without a moment: now.
int playSample(int slot);
int playSampleAt(int slot, platform::Micros at);
int playSampleLow(int slot);
int playSampleLowAt(int slot, platform::Micros at);
// How much later than its moment a sound is heard, as far as the game
// knows: 0 headless, the lead of the estimate with a sound card.
platform::Micros soundStartLeadMicros();
void setSampleRate(int slot, float factor);
int isSamplePlaying(int slot);
void stopSample(int slot);
void releaseChartSamples();

}  // namespace kv
