#pragma once
// Cursor movement in the select screen's lists (folders, charts, courses):
// arrows wrap and repeat while held, paging keys stop at the ends, and the
// 34-line window follows the cursor.

namespace kv {

constexpr int kListWindowLines = 34;
constexpr int kPageLines = 8;
constexpr int kCursorRepeatMs = 100;

enum class CursorMove { Previous, Next, PageUp, PageDown, First, Last };

struct ListView {
    int cursor = 0;
    int top = 0;  // line shown at the top of the window
};

// The line the cursor lands on; lastLine is the list's last selectable line.
int movedCursor(int cursor, CursorMove move, int lastLine);

// Arrow keys act on a fresh press, and again while held once 100 ms have
// passed since the last move; the paging keys act on a fresh press only.
bool cursorMoveActs(CursorMove move, bool keyLatch, int nowMs, int lastRepeatMs);

// Clamps the cursor to the list and scrolls the window so it stays visible.
void keepCursorVisible(ListView& view, int lastLine);

}  // namespace kv
