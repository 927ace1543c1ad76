#include "screens/select/list_cursor.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ListCursor, MovesWrapOrStopAtTheEnds) {
    struct Case { int cursor; CursorMove move; int lastLine; int expected; };
    const Case cases[] = {
        {0, CursorMove::Previous, 40, 40},  // from line 0 to the pseudo line
        {40, CursorMove::Next, 40, 0},
        {5, CursorMove::Next, 40, 6},
        {5, CursorMove::Previous, 40, 4},
        {3, CursorMove::PageUp, 40, 0},
        {20, CursorMove::PageUp, 40, 12},
        {37, CursorMove::PageDown, 40, 40},
        {20, CursorMove::PageDown, 40, 28},
        {20, CursorMove::First, 40, 0},
        {20, CursorMove::Last, 40, 40},
        {0, CursorMove::Next, 0, 0},  // a list of one line
    };
    for (const Case& c : cases)
        EXPECT_EQ(movedCursor(c.cursor, c.move, c.lastLine), c.expected) << "from " << c.cursor;
}

TEST(ListCursor, HeldArrowsRepeatEveryHundredMillisecondsPagingKeysDoNot) {
    EXPECT_TRUE(cursorMoveActs(CursorMove::Next, false, 0, -1));
    EXPECT_TRUE(cursorMoveActs(CursorMove::PageDown, false, 0, -1));
    EXPECT_FALSE(cursorMoveActs(CursorMove::Next, true, 1100, 1000));
    EXPECT_TRUE(cursorMoveActs(CursorMove::Next, true, 1101, 1000));
    EXPECT_FALSE(cursorMoveActs(CursorMove::PageDown, true, 5000, 1000));
    EXPECT_FALSE(cursorMoveActs(CursorMove::Previous, true, 5000, -1)) << "no repeat before a first move";
}

TEST(ListCursor, WindowFollowsTheCursor) {
    ListView view{39, 0};
    keepCursorVisible(view, 40);
    EXPECT_EQ(view.top, 6);
    view.cursor = 2;
    keepCursorVisible(view, 40);
    EXPECT_EQ(view.top, 2);
    view.cursor = 60;
    keepCursorVisible(view, 40);
    EXPECT_EQ(view.cursor, 40);
    EXPECT_EQ(view.top, 7);
}

}  // namespace
}  // namespace kv
