#include "platform/audio_device.h"

#include <SDL.h>

namespace kv::platform {
namespace {

struct Callback {
    AudioDevice::Fill fill;
    void* user;
};

// One device at a time; SDL hands the callback a single pointer.
Callback g_callback{};
std::string g_openProblem;

// "ALSA: Couldn't open audio device (drivers: pulseaudio, alsa, dummy)"
std::string describeFailure() {
    std::string text = SDL_GetError();
    const int drivers = SDL_GetNumAudioDrivers();
    for (int i = 0; i < drivers; ++i) text += (i == 0 ? " (drivers: " : ", ") + std::string(SDL_GetAudioDriver(i));
    return drivers > 0 ? text + ")" : text;
}

void onAudio(void*, Uint8* stream, int bytes) {
    g_callback.fill(g_callback.user, reinterpret_cast<std::int16_t*>(stream), bytes / 4);
}

int deviceDefaultRate() {
    SDL_AudioSpec spec{};
    if (SDL_GetDefaultAudioInfo(nullptr, &spec, 0) == 0 && spec.freq > 0) return spec.freq;
    return 44100;
}

}  // namespace

std::unique_ptr<AudioDevice> AudioDevice::open(int rate, int bufferFrames, Fill fill, void* user) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        g_openProblem = describeFailure();
        return nullptr;
    }
    g_callback = Callback{fill, user};
    SDL_AudioSpec wanted{};
    wanted.freq = rate > 0 ? rate : deviceDefaultRate();
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = Uint16(bufferFrames);
    wanted.callback = onAudio;
    SDL_AudioSpec got{};
    // Exact format and channels (we mix 16-bit stereo); a device that
    // prefers another rate or a smaller buffer may have it.
    const SDL_AudioDeviceID id =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, rate > 0 ? 0 : SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (id == 0) {
        g_openProblem = describeFailure();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    return std::unique_ptr<AudioDevice>(new AudioDevice(id, got.freq, got.samples));
}

AudioDevice::~AudioDevice() {
    SDL_CloseAudioDevice(id_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

const std::string& AudioDevice::openProblem() { return g_openProblem; }

void AudioDevice::resume() { SDL_PauseAudioDevice(id_, 0); }

}  // namespace kv::platform
