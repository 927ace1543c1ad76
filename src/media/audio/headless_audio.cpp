#include "media/audio/headless_audio.h"

#include <algorithm>

#include "media/audio/sound_engine.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/sound_file.h"

namespace kv {
namespace {

constexpr int kPullChunkFrames = 4096;
// The mix is made this far behind the clock, so the sounds of logic steps
// that run late (a display frame's steps at its end) still find their own
// frames unmixed; the file itself keeps every sound at its moment.
constexpr platform::Micros kMixBehindMicros = 2 * 1'000'000 / 60;

struct HeadlessAudio {
    bool requested = false;
    bool attached = false;
    std::string wavPath;
    platform::Clock* clock = nullptr;  // the clock we listen to
    int subscription = 0;
    platform::SoundFileWriter writer;
    std::int64_t framesRendered = 0;
};

HeadlessAudio g_headless;

}  // namespace

void startHeadlessAudio(const std::string& wavPath) {
    g_headless.requested = true;
    g_headless.wavPath = wavPath;
}

bool headlessAudioRequested() { return g_headless.requested || platform::isHeadless(); }

void attachHeadlessOutput() {
    detachHeadlessOutput();
    g_headless.attached = true;
    g_headless.framesRendered = 0;
    if (!g_headless.wavPath.empty())
        g_headless.writer.open(g_headless.wavPath, platform::SoundFileFormat::Wav16, soundOutputRate(), 2);
    g_headless.clock = &platform::clock();
    g_headless.subscription = g_headless.clock->subscribe(
        [](platform::Micros, platform::Micros to) { pullHeadlessAudioTo(to - kMixBehindMicros); });
}

void detachHeadlessOutput() {
    if (!g_headless.attached) return;
    // A clock replaced since has dropped our listener with itself.
    if (g_headless.clock == &platform::clock()) {
        g_headless.clock->unsubscribe(g_headless.subscription);
        pullHeadlessAudioTo(g_headless.clock->nowMicros());  // the file runs to the end of the run
    }
    g_headless.writer.close();
    g_headless.attached = false;
}

void pullHeadlessAudioTo(std::int64_t micros) {
    if (!g_headless.attached) return;
    // Frames follow from the absolute time, so rounding never drifts.
    const std::int64_t due = micros * soundOutputRate() / 1000000;
    std::int16_t buffer[kPullChunkFrames * 2];
    while (g_headless.framesRendered < due) {
        const int count = int(std::min<std::int64_t>(due - g_headless.framesRendered, kPullChunkFrames));
        renderSound(buffer, count);
        g_headless.writer.write(buffer, std::size_t(count));
        g_headless.framesRendered += count;
    }
}

}  // namespace kv
