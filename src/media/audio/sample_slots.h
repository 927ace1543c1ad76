#pragma once
// The sample table: every sound of the game sits whole in memory in a
// numbered slot and is played by slot number, one voice per slot.
//
// Chart sample numbers ("#WAVxx", base 36) run 0 to 1295. Numbers 0-575
// are their own slots; the menu sounds sit at 577-586; numbers 576-1295
// live above the menu range, so no chart replaces a menu sound or indexes
// past the table. chartSampleSlot() gives the slot of any chart number.
#include <cstdint>
#include <memory>
#include <string_view>

#include "media/audio/mixer.h"
#include "platform/sound_file.h"

namespace kv {

inline constexpr int kChartSampleNumbers = 36 * 36;  // "#WAV00" to "#WAVZZ"
inline constexpr int kLowChartSlots = 576;           // chart numbers that are their own slot

enum MenuSoundSlot : int {
    kSlotTitleMusic = 577,
    kSlotTitleCursor,
    kSlotTitleCheck,
    kSlotSelectMusic,
    kSlotSelectCursor,
    kSlotSelectMode,
    kSlotSelectCheck,
    kSlotResultMusic,
    kSlotResultSound,
    kSlotResultCheck,
};
inline constexpr int kMenuSoundSlots = 10;

inline constexpr int kHighChartSlotBase = 589;  // where chart numbers 576 and up live
inline constexpr int kSampleSlotCount = kHighChartSlotBase + (kChartSampleNumbers - kLowChartSlots);

// Every slot below this may hold a chart sample (the menu slots lie among
// them): the bound for loops over all chart samples by slot.
inline constexpr int kChartSampleSlots = kSampleSlotCount;

// The slot of chart sample `number`, or -1 for a number no chart can give.
constexpr int chartSampleSlot(int number) {
    if (number < 0 || number >= kChartSampleNumbers) return -1;
    return number < kLowChartSlots ? number : kHighChartSlotBase + (number - kLowChartSlots);
}

// Results of loadSample.
enum LoadSampleResult : int {
    kSampleLoaded = 0,
    kSampleNotOpened = 1,     // missing or unreadable file
    kSampleNotWave = 2,       // neither a sound we decode nor a RIFF "WAVE" form
    kSampleNoFormat = 3,      // WAV without "fmt " chunk
    kSampleFormatShort = 4,   // "fmt " chunk cut short
    kSampleNoData = 5,        // WAV without "data" chunk
    kSampleNoBuffer = 7,      // no slot of that number, no sound data, or an encoding we cannot decode
    kSampleNoMemory = 999,
};

// Playback rates a slot may take, the range a sound card buffer accepts.
inline constexpr std::uint32_t kMinSampleFrequency = 100;
inline constexpr std::uint32_t kMaxSampleFrequency = 200000;

class SampleSlots {
public:
    // `mixer` has a voice for each of the kSampleSlotCount slots.
    explicit SampleSlots(Mixer& mixer);
    ~SampleSlots();  // releases every slot
    SampleSlots(const SampleSlots&) = delete;
    SampleSlots& operator=(const SampleSlots&) = delete;

    // With quiet loading (the WAVLOAD 1 reading method) loadSample reports
    // success whatever happened; the slot still stays empty on failure.
    void setQuietLoading(bool quiet) { quietLoading_ = quiet; }

    // Loads a sound file (any format the decoder knows; a missing "x.wav"
    // is looked for as "x.ogg", "x.flac", "x.mp3", "x.wav") and converts it
    // to the mixer's output rate. Returns a LoadSampleResult.
    int loadSample(int slot, std::string_view name);
    // Restart from the first frame at the slot's own pitch, at output frame
    // `atFrame` of the mixer (0: at once); 0 when empty.
    int playSample(int slot, std::int64_t atFrame = 0);
    // As playSample, at 0.625 times the pitch until the next playSample.
    int playSampleLow(int slot, std::int64_t atFrame = 0);
    // Scales the slot's rate until it is loaded again.
    void setSampleRate(int slot, float factor);
    int isSamplePlaying(int slot) const;
    void stopSample(int slot);
    void releaseChartSamples();
    void releaseAll();

    bool isLoaded(int slot) const;
    // The rate the slot plays at now, in Hz; 0 when empty.
    std::uint32_t sampleFrequency(int slot) const;

private:
    struct Slot {
        std::unique_ptr<platform::PcmSound> sound;  // converted to the output rate
        int fileRate = 0;             // the file's own rate, which pitches are reckoned in
        std::uint32_t frequency = 0;  // the rate it plays at now, in the file's frames
        double rateFactor = 1.0;      // product of setSampleRate factors
        bool lowered = false;
    };

    Slot* loadedSlot(int slot);
    const Slot* loadedSlot(int slot) const;
    int load(int slot, std::string_view name);
    int play(int slot, bool lowered, std::int64_t atFrame);
    void applyFrequency(int slot);
    // Detaches slots [first, first + count) from the mixer, then frees them.
    void release(int first, int count);

    Mixer& mixer_;
    std::unique_ptr<Slot[]> slots_;
    bool quietLoading_ = false;
};

}  // namespace kv
