// The SELECT PUZZLE screen's keys, and the player's options around the
// chosen mission's play.
#include "screens/modes/puzzle_select.h"

#include <gtest/gtest.h>

#include "screens/modes/puzzle_scenes.h"

namespace kv {
namespace {

class PuzzleSelect : public ::testing::Test {
protected:
    // One key pressed and released; returns the step that took it.
    PuzzleSelectStep press(PuzzleKeys keys) {
        const PuzzleSelectStep step = stepPuzzleSelect(menu, grid, keys);
        stepPuzzleSelect(menu, grid, PuzzleKeys{});
        return step;
    }
    PuzzleSelectMenu menu{.latch = false};
    PuzzleGrid grid;
};

TEST_F(PuzzleSelect, AKeyHeldFromTheSelectScreenDoesNothing) {
    PuzzleSelectMenu fresh;
    const PuzzleKeys held{.choose = true};
    EXPECT_EQ(stepPuzzleSelect(fresh, grid, held).end, PuzzleSelectEnd::Running);
    EXPECT_EQ(stepPuzzleSelect(fresh, grid, held).end, PuzzleSelectEnd::Running);
    stepPuzzleSelect(fresh, grid, PuzzleKeys{});
    EXPECT_EQ(stepPuzzleSelect(fresh, grid, held).end, PuzzleSelectEnd::Chosen);
}

TEST_F(PuzzleSelect, CursorWrapsOverRowsAndColumns) {
    struct Case {
        PuzzleKeys key;
        int row, column, mission;
    };
    const Case cases[] = {
        {{.up = true}, 2, 0, 16},    {{.left = true}, 2, 7, 23}, {{.down = true}, 0, 7, 7},
        {{.right = true}, 0, 0, 0},  {{.right = true}, 0, 1, 1}, {{.down = true}, 1, 1, 9},
    };
    for (const Case& c : cases) {
        const PuzzleSelectStep step = press(c.key);
        EXPECT_TRUE(step.cursorMoved);
        EXPECT_EQ(step.end, PuzzleSelectEnd::Running);
        EXPECT_EQ(grid.row, c.row);
        EXPECT_EQ(grid.column, c.column);
        EXPECT_EQ(grid.mission(), c.mission);
    }
}

TEST_F(PuzzleSelect, HeldArrowMovesOnceUntilReleased) {
    stepPuzzleSelect(menu, grid, {.right = true});
    stepPuzzleSelect(menu, grid, {.right = true});
    EXPECT_EQ(grid.column, 1);
}

TEST_F(PuzzleSelect, ReturnChoosesAndEscapeGoesBack) {
    EXPECT_EQ(press({.choose = true}).end, PuzzleSelectEnd::Chosen);
    EXPECT_EQ(press({.escape = true}).end, PuzzleSelectEnd::Back);
    EXPECT_FALSE(press({.escape = true}).cursorMoved);
}

TEST(MissionRules, ForcedForThePlayAndThePlayersOwnAfterwards) {
    PuzzlePlay puzzle;
    puzzle.mission = 17;  // E3: combo GOOD, speed X12
    Settings s;
    s.COMBO = 0;
    s.SPEED = 3;
    s.STYLE = 4;
    applyMissionRules(puzzle, s);
    EXPECT_EQ(s.COMBO, 2);
    EXPECT_EQ(s.SPEED, 14);
    EXPECT_EQ(s.STYLE, 0);
    restoreMissionOptions(puzzle, s);
    EXPECT_EQ(s.COMBO, 0);
    EXPECT_EQ(s.SPEED, 3);
    EXPECT_EQ(s.STYLE, 4);
}

TEST(MissionRules, NeitherASecondApplyNorASecondRestoreLosesThePlayersOptions) {
    PuzzlePlay puzzle;
    Settings s;
    s.GAUGE = 2;
    s.VIEW = 5;
    puzzle.mission = 2;  // L1: SURVIVAL
    applyMissionRules(puzzle, s);
    puzzle.mission = 8;  // K2: HIDDEN, the gauge left to the player
    applyMissionRules(puzzle, s);
    EXPECT_EQ(s.GAUGE, 2);  // L1's gauge did not stay behind
    EXPECT_EQ(s.VIEW, 1);
    restoreMissionOptions(puzzle, s);
    restoreMissionOptions(puzzle, s);
    EXPECT_EQ(s.GAUGE, 2);
    EXPECT_EQ(s.VIEW, 5);
}

}  // namespace
}  // namespace kv
