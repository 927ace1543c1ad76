#include "play/slot_sound.h"

#include "media/audio/midi_music.h"
#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"

namespace kv {

void SlotSound::playSample(int sample) { kv::playSample(chartSampleSlot(sample)); }

void SlotSound::playSampleLow(int sample) { kv::playSampleLow(chartSampleSlot(sample)); }

void SlotSound::startMusic() { playMidi(); }

}  // namespace kv
