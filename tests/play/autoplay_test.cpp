#include <gtest/gtest.h>

#include "play_fixture.h"

namespace kv::test {
namespace {

// Notes on several lanes, a chord and a doubled note, at known steps.
void addSong(PlayFixture& f) {
    f.addNote(1, 0, 1, 1);
    f.addNote(2, 0, 72, 2);
    f.addNote(3, 0, 72, 3);
    f.addNote(0, 0, 144, 4);
    f.addNote(5, 1, 36, 5);
    f.addNote(5, 1, 36, 6, NoteKind::Doubled);
    f.addNote(4, 1, 100, 7, NoteKind::Invisible);
}

std::vector<std::pair<long, int>> noteSounds(const PlayFixture& f) {
    std::vector<std::pair<long, int>> sounds;
    for (const SoundEvent& e : f.sound.events)
        if (e.kind == SoundEvent::Normal) sounds.emplace_back(e.step, e.sample);
    return sounds;
}

TEST(Autoplay, EveryVisibleNoteSoundsAsItPassesTheLine) {
    PlayFixture f;
    f.chart->autoplayActive = 1;
    addSong(f);
    f.start();
    f.stepToCursor(3 * 288);
    const std::vector<std::pair<long, int>> expected = {
        {stepIndexAt(1) + 1, 1},   {stepIndexAt(72) + 1, 2},  {stepIndexAt(72) + 1, 3},
        {stepIndexAt(144) + 1, 4}, {stepIndexAt(324) + 1, 5}, {stepIndexAt(324) + 1, 6}};
    EXPECT_EQ(noteSounds(f), expected);
    const Play& p = *f.play;
    EXPECT_EQ(p.coolCount + p.greatCount + p.goodCount + p.breakCount + p.missCount, 0);
    EXPECT_EQ(p.judge.image, kAutoplayImage);
    EXPECT_EQ(p.gauge, 100.0f);
}

TEST(Autoplay, EffectPlaysOnlyTheTurntable) {
    PlayFixture f;
    f.chart->autoScratch = 2;
    f.addNote(0, 0, 10, 40, NoteKind::Auto);
    f.addNote(1, 0, 10, 41);
    f.start();
    f.stepToCursor(100);
    EXPECT_EQ(noteSounds(f), (std::vector<std::pair<long, int>>{{stepIndexAt(10) + 1, 40}}));
    EXPECT_EQ(f.play->missCount, 1) << "the key note passed unplayed";
}

// A player who presses every note exactly on the line.
TEST(PerfectPlay, PressesOnTheLineAreAllCool) {
    PlayFixture f;
    addSong(f);
    f.start();
    std::vector<std::pair<long, int>> presses;  // (cursor step, lane)
    for (int lane = 0; lane < kLaneCount; ++lane)
        for (const ChartObject& note : f.chart->playLanes[std::size_t(lane)])
            if (note.kind == NoteKind::Normal) presses.emplace_back(note.measure * 288 + note.position, lane);
    std::sort(presses.begin(), presses.end());
    for (std::size_t i = 0; i < presses.size();) {
        f.stepToCursor(presses[i].first - 1);
        StepInput input;
        const long at = presses[i].first;
        for (; i < presses.size() && presses[i].first == at; ++i) input.lanes[std::size_t(presses[i].second)] = 1;
        f.step(input);
    }
    f.stepToCursor(3 * 288);
    const Play& p = *f.play;
    EXPECT_EQ(p.coolCount, f.chart->noteCount);
    EXPECT_EQ(p.score, 200000);
    EXPECT_EQ(p.missCount, 0);
    EXPECT_EQ(p.maxCombo, f.chart->noteCount);
}

}  // namespace
}  // namespace kv::test
