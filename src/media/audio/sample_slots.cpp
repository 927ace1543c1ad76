#include "media/audio/sample_slots.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "media/audio/sample_file_name.h"
#include "media/audio/wave_chunks.h"
#include "platform/file_bytes.h"
#include "platform/resampler.h"

namespace kv {
namespace {

constexpr double kLowerFactor = 0.625;
// Rates no real recording has are left to the mixer rather than converted:
// a sound at a few hertz would grow by thousands of times.
constexpr int kMinConvertedRate = 8000;

bool isSlot(int slot) { return slot >= 0 && slot < kSampleSlotCount; }

int classifyFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::readFileBytes(path, bytes)) return kSampleNotOpened;
    return classifyUndecodableWave(bytes);
}

}  // namespace

SampleSlots::SampleSlots(Mixer& mixer) : mixer_(mixer), slots_(std::make_unique<Slot[]>(kSampleSlotCount)) {}

SampleSlots::~SampleSlots() { releaseAll(); }

SampleSlots::Slot* SampleSlots::loadedSlot(int slot) {
    return isSlot(slot) && slots_[slot].sound ? &slots_[slot] : nullptr;
}

const SampleSlots::Slot* SampleSlots::loadedSlot(int slot) const {
    return isSlot(slot) && slots_[slot].sound ? &slots_[slot] : nullptr;
}

bool SampleSlots::isLoaded(int slot) const { return loadedSlot(slot) != nullptr; }

int SampleSlots::loadSample(int slot, std::string_view name) {
    const int result = load(slot, name);
    return quietLoading_ ? kSampleLoaded : result;
}

int SampleSlots::load(int slot, std::string_view name) {
    if (!isSlot(slot)) return kSampleNoBuffer;
    const std::string path = findSampleFile(name);
    if (path.empty()) return kSampleNotOpened;

    std::unique_ptr<platform::PcmSound> sound;
    try {
        sound = std::make_unique<platform::PcmSound>();
    } catch (const std::bad_alloc&) {
        return kSampleNoMemory;
    }
    switch (platform::decodeSoundFile(path, *sound)) {
    case platform::DecodeResult::Ok: break;
    case platform::DecodeResult::OutOfMemory: return kSampleNoMemory;
    case platform::DecodeResult::Unreadable: {
        const int why = classifyFile(path);
        // Undecodable sound data is found only after the old sound was
        // given up for the new one, so the slot ends up empty.
        if (why == kSampleNoBuffer) release(slot, 1);
        return why;
    }
    }
    if (sound->frames() == 0) {
        release(slot, 1);
        return kSampleNoBuffer;
    }

    // Converted once here with a proper filter, so the mixer's own
    // interpolation only follows the pitch changes of play. A sound that
    // cannot be converted still plays, interpolated from its own rate.
    const int fileRate = sound->rate;
    if (fileRate >= kMinConvertedRate && fileRate <= int(kMaxSampleFrequency))
        platform::resampleSound(*sound, mixer_.outputRate());

    release(slot, 1);
    Slot& target = slots_[slot];
    target.sound = std::move(sound);
    target.fileRate = fileRate;
    target.rateFactor = 1.0;
    target.lowered = false;
    applyFrequency(slot);
    mixer_.setSound(slot, target.sound.get());
    return kSampleLoaded;
}

void SampleSlots::applyFrequency(int slot) {
    Slot& s = slots_[slot];
    // Both pitches derive from the rated one, so lowering and restoring
    // returns exactly to it.
    double hz = std::trunc(double(s.fileRate) * s.rateFactor);
    if (s.lowered) hz = std::trunc(hz * kLowerFactor);
    s.frequency = std::uint32_t(std::clamp(hz, double(kMinSampleFrequency), double(kMaxSampleFrequency)));
    // The same speed in the converted sound's frames: at the own pitch
    // exactly the output rate, so the mixer copies it frame for frame.
    mixer_.setFrequency(slot, std::uint32_t(std::llround(double(s.frequency) * s.sound->rate / s.fileRate)));
}

std::uint32_t SampleSlots::sampleFrequency(int slot) const {
    const Slot* s = loadedSlot(slot);
    return s ? s->frequency : 0;
}

int SampleSlots::play(int slot, bool lowered, std::int64_t atFrame) {
    Slot* s = loadedSlot(slot);
    if (!s) return 0;
    if (s->lowered != lowered) {
        s->lowered = lowered;
        applyFrequency(slot);
    }
    mixer_.start(slot, atFrame);
    return 1;
}

int SampleSlots::playSample(int slot, std::int64_t atFrame) { return play(slot, false, atFrame); }
int SampleSlots::playSampleLow(int slot, std::int64_t atFrame) { return play(slot, true, atFrame); }

void SampleSlots::setSampleRate(int slot, float factor) {
    Slot* s = loadedSlot(slot);
    // A factor that is no rate at all (zero, negative, NaN) leaves the
    // rate as it is instead of stopping the sound's clock.
    if (!s || !(factor > 0.0f) || !std::isfinite(factor)) return;
    s->rateFactor *= double(factor);
    applyFrequency(slot);
}

int SampleSlots::isSamplePlaying(int slot) const { return isLoaded(slot) && mixer_.isPlaying(slot) ? 1 : 0; }

void SampleSlots::stopSample(int slot) {
    if (isLoaded(slot)) mixer_.stop(slot);
}

void SampleSlots::releaseChartSamples() {
    release(0, kLowChartSlots);
    release(kHighChartSlotBase, kSampleSlotCount - kHighChartSlotBase);
}
void SampleSlots::releaseAll() { release(0, kSampleSlotCount); }

void SampleSlots::release(int first, int count) {
    bool detached = false;
    for (int slot = first; slot < first + count; ++slot) {
        if (!slots_[slot].sound) continue;
        mixer_.stop(slot);
        mixer_.setSound(slot, nullptr);
        detached = true;
    }
    if (!detached) return;
    mixer_.waitForRenders();
    for (int slot = first; slot < first + count; ++slot) slots_[slot] = Slot{};
}

}  // namespace kv
