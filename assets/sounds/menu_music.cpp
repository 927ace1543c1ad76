#include "menu_music.h"

#include <array>

namespace kv::sounds {
namespace {

using Chord = std::array<int, 3>;  // pad voicing, MIDI notes

struct Progression {
    std::vector<Chord> chords;  // one per bar
    std::vector<int> bassRoots;
};

// One bar per chord, four beats per bar: pad, bass, pluck arpeggio and,
// when `drums`, a light kit.
void playBars(Track& track, const Progression& song, double beat, int bars, bool drums, bool arpeggioIn16ths) {
    for (int bar = 0; bar < bars; ++bar) {
        const Chord& chord = song.chords[std::size_t(bar) % song.chords.size()];
        const int root = song.bassRoots[std::size_t(bar) % song.bassRoots.size()];
        const double start = bar * 4 * beat;
        for (int note : chord) track.add(Instrument::Pad, start, 4 * beat, note, 0.22, note % 2 ? -0.4 : 0.4);
        track.add(Instrument::Bass, start, 1.5 * beat, root, 0.55);
        track.add(Instrument::Bass, start + 2.5 * beat, 0.5 * beat, root, 0.4);
        track.add(Instrument::Bass, start + 3 * beat, 0.9 * beat, root + 12, 0.35);

        const std::array<int, 8> shape = {0, 1, 2, 3, 2, 1, 2, 3};
        const int steps = arpeggioIn16ths ? 16 : 8;
        const double step = 4 * beat / steps;
        for (int i = 0; i < steps; ++i) {
            const int tone = shape[std::size_t(i) % shape.size()];
            const int note = tone == 3 ? chord[0] + 24 : chord[std::size_t(tone)] + 12;
            track.add(Instrument::Pluck, start + i * step, step * 0.9, note, i % 4 == 0 ? 0.3 : 0.2,
                      i % 2 ? 0.35 : -0.35);
        }
        if (!drums) continue;
        for (int b = 0; b < 4; ++b) {
            const double at = start + b * beat;
            track.add(b % 2 ? Instrument::Snare : Instrument::Kick, at, 0.2, 0, b % 2 ? 0.25 : 0.7);
            track.add(Instrument::Hat, at + beat / 2, 0.05, 0, 0.22, 0.3);
        }
    }
}

// A melody of (beat offset, MIDI note, beats) on the bell.
struct Note {
    double at;
    int note;
    double beats;
};
void playMelody(Track& track, const std::vector<Note>& melody, double beat, double offset, double velocity) {
    for (const Note& n : melody) track.add(Instrument::Bell, offset + n.at * beat, n.beats * beat, n.note, velocity, 0.15);
}

Track titleMusic(int rate) {
    const double beat = 60.0 / 112.0;
    Track track(rate, 32 * beat);
    const Progression song{{{53, 57, 60}, {52, 55, 60}, {53, 57, 62}, {53, 58, 62}}, {41, 36, 38, 34}};
    playBars(track, song, beat, 8, true, false);
    // A hook over the second pass: F major pentatonic, answered at the end.
    const std::vector<Note> hook = {{0, 81, 1},    {1, 79, 0.5}, {1.5, 77, 0.5}, {2, 79, 2},  {4, 76, 1},
                                    {5, 77, 0.5}, {5.5, 79, 0.5}, {6, 72, 2},   {8, 74, 1},  {9, 77, 1},
                                    {10, 81, 1.5}, {11.5, 79, 0.5}, {12, 82, 1}, {13, 81, 1}, {14, 77, 2}};
    playMelody(track, hook, beat, 16 * beat, 0.3);
    track.echo(beat * 0.75, 0.3, 0.35);
    return track;
}

Track selectMusic(int rate) {
    const double beat = 60.0 / 96.0;
    Track track(rate, 32 * beat);
    const Progression song{{{57, 60, 64}, {57, 60, 65}, {55, 60, 64}, {55, 59, 62}}, {45, 41, 36, 43}};
    playBars(track, song, beat, 8, false, true);
    for (int b = 0; b < 32; ++b) track.add(Instrument::Hat, (b + 0.5) * beat, 0.05, 0, 0.15, 0.3);
    const std::vector<Note> line = {{0, 76, 2},  {2, 74, 1}, {3, 72, 1}, {4, 72, 3},  {8, 79, 2},  {10, 76, 2},
                                    {12, 74, 4}, {16, 76, 2}, {18, 77, 1}, {19, 76, 1}, {20, 72, 3}, {24, 71, 2},
                                    {26, 72, 1}, {27, 74, 1}, {28, 71, 4}};
    playMelody(track, line, beat, 0, 0.22);
    track.echo(beat * 0.5, 0.35, 0.4);
    return track;
}

Track resultMusic(int rate) {
    const double beat = 60.0 / 120.0;
    Track track(rate, 20 * beat);
    const Progression song{{{55, 60, 64}, {57, 60, 64}, {57, 60, 65}, {55, 59, 62}}, {36, 45, 41, 43}};
    playBars(track, song, beat, 4, true, false);
    for (int note : {48, 55, 60, 64, 67}) track.add(Instrument::Pad, 16 * beat, 3 * beat, note, 0.22);
    track.add(Instrument::Kick, 16 * beat, 0.2, 0, 0.7);
    const std::vector<Note> fanfare = {{0, 67, 0.5},  {0.5, 72, 0.5}, {1, 76, 1},   {2, 79, 2},  {4, 81, 1},
                                       {5, 79, 1},    {6, 76, 2},     {8, 77, 1},   {9, 79, 1},  {10, 81, 2},
                                       {12, 79, 1},   {13, 77, 1},    {14, 74, 2},  {16, 84, 4}};
    playMelody(track, fanfare, beat, 0, 0.3);
    track.echo(beat * 0.75, 0.3, 0.3);
    return track;
}

// A short figure of bell or pluck notes `spacing` seconds apart.
Track figure(int rate, double seconds, Instrument instrument, const std::vector<int>& notes, double spacing,
             double length) {
    Track track(rate, seconds);
    for (std::size_t i = 0; i < notes.size(); ++i)
        track.add(instrument, double(i) * spacing, length, notes[i], 0.5, i % 2 ? 0.2 : -0.2);
    track.echo(0.09, 0.25, 0.3);
    return track;
}

}  // namespace

std::vector<MenuSound> composeMenuSounds(int rate) {
    // Levels leave room for a screen's music and all of its effects at
    // once (select: music, cursor, mode and check) below full scale, so the
    // menus never reach the output limiter.
    constexpr double kMusic = 0.35;
    constexpr double kEffect = 0.18;
    std::vector<MenuSound> sounds;
    auto add = [&](const char* file, Track track, double peak, double fade) {
        sounds.push_back(MenuSound{file, std::move(track), peak, fade});
    };
    add("title_music.wav", titleMusic(rate), kMusic, 0.05);
    add("title_cursor.wav", figure(rate, 0.3, Instrument::Bell, {88}, 0, 0.06), kEffect, 0.05);
    add("title_check.wav", figure(rate, 0.9, Instrument::Bell, {84, 88, 91, 96}, 0.05, 0.2), kEffect, 0.2);
    add("select_music.wav", selectMusic(rate), kMusic, 0.05);
    add("select_cursor.wav", figure(rate, 0.25, Instrument::Pluck, {81}, 0, 0.04), kEffect, 0.05);
    add("select_mode.wav", figure(rate, 0.35, Instrument::Pluck, {84, 91}, 0.05, 0.05), kEffect, 0.05);
    add("select_check.wav", figure(rate, 0.7, Instrument::Bell, {79, 84, 91}, 0.045, 0.15), kEffect, 0.2);
    add("result_music.wav", resultMusic(rate), kMusic, 1.0);
    add("result_sound.wav", figure(rate, 1.6, Instrument::Bell, {72, 76, 79, 84}, 0.0, 0.8), kEffect, 0.5);
    add("result_check.wav", figure(rate, 0.7, Instrument::Bell, {91, 84}, 0.07, 0.15), kEffect, 0.2);
    return sounds;
}

}  // namespace kv::sounds
