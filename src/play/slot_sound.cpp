#include "play/slot_sound.h"

#include "audio/midi_music.h"
#include "audio/sound_engine.h"

namespace kv {

void SlotSound::playSample(int sample) { kv::playSample(sample); }

void SlotSound::playSampleLow(int sample) { kv::playSampleLow(sample); }

void SlotSound::startMusic() { playMidi(); }

}  // namespace kv
