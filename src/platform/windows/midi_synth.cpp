#include "platform/midi_synth.h"

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstring>

#include "platform/path_text.h"
#include "platform/platform.h"

namespace kv::platform {
namespace {

bool sendMci(const std::wstring& command) { return mciSendStringW(command.c_str(), nullptr, 0, nullptr) == 0; }

}  // namespace

// One MCI sequencer device per file; a fresh alias each time, since the
// mixer may drop the previous one after the next has opened.
struct MidiSynth::Parts {
    std::wstring alias;
    ~Parts() { sendMci(L"close " + alias); }
};

bool midiIsMixed() { return false; }

std::string findSoundfont() { return {}; }

std::unique_ptr<MidiSynth> MidiSynth::open(const std::string& midiPath, int) {
    // A headless run has no sound device of any kind.
    if (isHeadless()) return nullptr;
    static std::atomic<int> opened{0};
    auto parts = std::make_unique<Parts>();
    parts->alias = L"kvmidi" + std::to_wstring(++opened);
    // The file's name may be any text, so it goes in as the path it names.
    if (!sendMci(L"open \"" + pathFromText(midiPath).wstring() + L"\" type sequencer alias " + parts->alias))
        return nullptr;
    return std::unique_ptr<MidiSynth>(new MidiSynth(std::move(parts)));
}

MidiSynth::MidiSynth(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
MidiSynth::~MidiSynth() = default;

void MidiSynth::restart() { sendMci(L"play " + parts_->alias + L" from 0"); }

void MidiSynth::render(std::int16_t* out, int frames) { std::memset(out, 0, sizeof(std::int16_t) * 2 * frames); }

}  // namespace kv::platform
