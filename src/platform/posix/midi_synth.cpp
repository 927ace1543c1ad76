#include "platform/midi_synth.h"

#include <fluidsynth.h>

#include <filesystem>
#include <vector>

#include "platform/file_bytes.h"

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

}  // namespace

bool midiIsMixed() { return true; }

std::string findSoundfont() {
    std::error_code error;
    for (const char* path : kSoundfonts)
        if (std::filesystem::is_regular_file(path, error)) return path;
    return {};
}

struct MidiSynth::Parts {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;

    ~Parts() {
        if (player) delete_fluid_player(player);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

std::unique_ptr<MidiSynth> MidiSynth::open(const std::string& midiPath, int rate) {
    const std::string soundfont = findSoundfont();
    if (soundfont.empty() || !fluid_is_midifile(midiPath.c_str())) return nullptr;
    // The player parses its file when it starts, on the audio thread; hand
    // it the bytes so that thread never touches the disk.
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(midiPath, bytes) || bytes.empty()) return nullptr;

    auto parts = std::make_unique<Parts>();
    parts->settings = new_fluid_settings();
    if (!parts->settings) return nullptr;
    // Advance the song by rendered samples, not by the wall clock, which
    // would stall when the mix is pulled faster than real time.
    fluid_settings_setstr(parts->settings, "player.timing-source", "sample");
    fluid_settings_setnum(parts->settings, "synth.sample-rate", double(rate));
    fluid_settings_setnum(parts->settings, "synth.gain", kGain);
    parts->synth = new_fluid_synth(parts->settings);
    if (!parts->synth || fluid_synth_sfload(parts->synth, soundfont.c_str(), 1) == FLUID_FAILED) return nullptr;
    parts->player = new_fluid_player(parts->synth);
    if (!parts->player || fluid_player_add_mem(parts->player, bytes.data(), bytes.size()) != FLUID_OK) return nullptr;
    return std::unique_ptr<MidiSynth>(new MidiSynth(std::move(parts)));
}

MidiSynth::MidiSynth(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
MidiSynth::~MidiSynth() = default;

void MidiSynth::restart() {
    fluid_synth_all_sounds_off(parts_->synth, -1);
    fluid_player_seek(parts_->player, 0);
    // A player that is running takes the seek; one that has not started or
    // has finished must be started again.
    if (fluid_player_get_status(parts_->player) != FLUID_PLAYER_PLAYING) fluid_player_play(parts_->player);
}

void MidiSynth::render(std::int16_t* out, int frames) {
    fluid_synth_write_s16(parts_->synth, frames, out, 0, 2, out, 1, 2);
}

}  // namespace kv::platform
