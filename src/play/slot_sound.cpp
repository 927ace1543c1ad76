#include "play/slot_sound.h"

#include "media/audio/midi_music.h"
#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"

namespace kv {

void SlotSound::playSample(int sample) { playSampleAt(chartSampleSlot(sample), moment()); }

void SlotSound::playSampleLow(int sample) { playSampleLowAt(chartSampleSlot(sample), moment()); }

void SlotSound::startMusic() { playMidi(); }

}  // namespace kv
