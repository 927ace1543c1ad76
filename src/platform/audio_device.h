#pragma once
// The sound card: a 16-bit stereo output stream that calls back for more
// frames on its own thread.
#include <cstdint>
#include <memory>
#include <string>

namespace kv::platform {

class AudioDevice {
public:
    // Fills `frames` interleaved stereo frames; runs on the device's thread.
    using Fill = void (*)(void* user, std::int16_t* out, int frames);

    // Opens the default device at `rate` Hz (0: the device's own rate) with
    // a buffer of at most `bufferFrames`. The device starts paused, so the
    // caller can size its mixer to rate() before the first callback.
    // Null when no device can be opened; openProblem() then says why.
    static std::unique_ptr<AudioDevice> open(int rate, int bufferFrames, Fill fill, void* user);

    // The sound system's reason for the last failed open, with the drivers
    // this build can use, for a message to the player.
    static const std::string& openProblem();

    ~AudioDevice();  // no callback runs after this returns
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    int rate() const { return rate_; }
    int bufferFrames() const { return bufferFrames_; }
    void resume();

private:
    AudioDevice(std::uint32_t id, int rate, int bufferFrames) : id_(id), rate_(rate), bufferFrames_(bufferFrames) {}

    std::uint32_t id_;
    int rate_;
    int bufferFrames_;
};

}  // namespace kv::platform
