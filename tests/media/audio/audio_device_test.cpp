#include "platform/audio_device.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "media/audio/sound_engine.h"
#include "support/environment.h"

namespace kv {
namespace {

// The dummy driver stands in for a sound card: it calls back in real time.
class AudioDeviceTest : public ::testing::Test {
protected:
    void SetUp() override { test::setEnvironment("SDL_AUDIODRIVER", "dummy"); }
};

TEST_F(AudioDeviceTest, CallsBackWithSmallBuffersOnceResumed) {
    std::atomic<int> frames{0};
    auto count = [](void* user, std::int16_t* out, int n) {
        std::fill_n(out, n * 2, std::int16_t(0));
        static_cast<std::atomic<int>*>(user)->fetch_add(n);
    };
    auto device = platform::AudioDevice::open(44100, kDeviceBufferFrames, count, &frames);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->rate(), 44100);
    EXPECT_LE(device->bufferFrames(), kDeviceBufferFrames);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(frames.load(), 0);  // paused until the mixer is ready
    device->resume();
    for (int waited = 0; waited < 200 && frames.load() == 0; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_GT(frames.load(), 0);
}

TEST_F(AudioDeviceTest, SoundStartsOnTheDeviceAtTheChosenQuality) {
    struct Case {
        int wavQual;
        int rate;
    };
    for (const Case c : {Case{0, 22050}, Case{1, 44100}}) {
        ASSERT_EQ(initSound(c.wavQual), 1);
        EXPECT_EQ(soundOutputRate(), c.rate);
        shutdownSound();
    }
    ASSERT_EQ(initSound(2), 1);  // the device's own rate
    EXPECT_GT(soundOutputRate(), 0);
    shutdownSound();
}

}  // namespace
}  // namespace kv
