#include "platform/midi_synth.h"

#include <fluidsynth.h>

#include <filesystem>
#include <mutex>
#include <vector>

#include "platform/file_bytes.h"
#include "platform/midi_file.h"

namespace kv::platform {
namespace {

// Small General MIDI banks from Debian packages, the one we install first.
constexpr const char* kSoundfonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

// FluidSynth's default gain is quiet beside full-scale keysounds.
constexpr double kGain = 0.5;

// A synthesizer with its soundfont loaded. Loading the soundfont costs far
// more than reading a MIDI file, so the last one is kept for the next file.
struct LoadedSynth {
    std::string soundfont;
    int rate = 0;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;

    ~LoadedSynth() {
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }

    static std::unique_ptr<LoadedSynth> load(const std::string& soundfont, int rate) {
        auto loaded = std::make_unique<LoadedSynth>();
        loaded->soundfont = soundfont;
        loaded->rate = rate;
        loaded->settings = new_fluid_settings();
        if (!loaded->settings) return nullptr;
        // Advance the song by rendered samples, not by the wall clock, which
        // would stall when the mix is pulled faster than real time.
        fluid_settings_setstr(loaded->settings, "player.timing-source", "sample");
        fluid_settings_setnum(loaded->settings, "synth.sample-rate", double(rate));
        fluid_settings_setnum(loaded->settings, "synth.gain", kGain);
        loaded->synth = new_fluid_synth(loaded->settings);
        if (!loaded->synth || fluid_synth_sfload(loaded->synth, soundfont.c_str(), 1) == FLUID_FAILED) return nullptr;
        return loaded;
    }
};

// The synthesizer no player holds, kept for the next file.
std::mutex g_idleLock;
std::unique_ptr<LoadedSynth> g_idle;

std::unique_ptr<LoadedSynth> takeSynth(const std::string& soundfont, int rate) {
    {
        const std::lock_guard lock(g_idleLock);
        if (g_idle && g_idle->soundfont == soundfont && g_idle->rate == rate) return std::move(g_idle);
    }
    return LoadedSynth::load(soundfont, rate);
}

// Back to the power-on state (notes, controllers, programs, reverb and
// chorus), so the next file sounds as it would on a fresh synthesizer.
void parkSynth(std::unique_ptr<LoadedSynth> loaded) {
    fluid_synth_system_reset(loaded->synth);
    const std::lock_guard lock(g_idleLock);
    g_idle = std::move(loaded);
}

}  // namespace

bool midiIsMixed() { return true; }

std::string findSoundfont() {
    std::error_code error;
    for (const char* path : kSoundfonts)
        if (std::filesystem::is_regular_file(path, error)) return path;
    return {};
}

struct MidiSynth::Parts {
    std::unique_ptr<LoadedSynth> loaded;
    fluid_player_t* player = nullptr;

    ~Parts() {
        if (player) delete_fluid_player(player);
        if (loaded) parkSynth(std::move(loaded));
    }
};

std::unique_ptr<MidiSynth> MidiSynth::open(const std::string& midiPath, int rate) {
    const std::string soundfont = findSoundfont();
    if (soundfont.empty()) return nullptr;
    // The player parses its file when it starts, on the audio thread; hand
    // it the bytes so that thread never touches the disk. Its reader cannot
    // step over a chunk it does not know, and one sized 2 GB or more sends
    // it backwards for good: it gets only the chunks it plays.
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(midiPath, bytes)) return nullptr;
    bytes = midiHeaderAndTracks(bytes);
    if (bytes.empty()) return nullptr;

    auto parts = std::make_unique<Parts>();
    parts->loaded = takeSynth(soundfont, rate);
    if (!parts->loaded) return nullptr;
    parts->player = new_fluid_player(parts->loaded->synth);
    if (!parts->player || fluid_player_add_mem(parts->player, bytes.data(), bytes.size()) != FLUID_OK) return nullptr;
    return std::unique_ptr<MidiSynth>(new MidiSynth(std::move(parts)));
}

MidiSynth::MidiSynth(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
MidiSynth::~MidiSynth() = default;

void MidiSynth::restart() {
    fluid_synth_all_sounds_off(parts_->loaded->synth, -1);
    fluid_player_seek(parts_->player, 0);
    // A player that is running takes the seek; one that has not started or
    // has finished must be started again.
    if (fluid_player_get_status(parts_->player) != FLUID_PLAYER_PLAYING) fluid_player_play(parts_->player);
}

void MidiSynth::render(std::int16_t* out, int frames) {
    fluid_synth_write_s16(parts_->loaded->synth, frames, out, 0, 2, out, 1, 2);
}

}  // namespace kv::platform
