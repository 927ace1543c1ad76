#include "screens/select/list_cursor.h"

#include <algorithm>

namespace kv {

int movedCursor(int cursor, CursorMove move, int lastLine) {
    switch (move) {
        case CursorMove::Previous: return cursor <= 0 ? lastLine : cursor - 1;
        case CursorMove::Next: return cursor >= lastLine ? 0 : cursor + 1;
        case CursorMove::PageUp: return std::max(cursor - kPageLines, 0);
        case CursorMove::PageDown: return std::min(cursor + kPageLines, lastLine);
        case CursorMove::First: return 0;
        case CursorMove::Last: return lastLine;
    }
    return cursor;
}

bool cursorMoveActs(CursorMove move, bool keyLatch, int nowMs, int lastRepeatMs) {
    if (!keyLatch) return true;
    const bool arrow = move == CursorMove::Previous || move == CursorMove::Next;
    return arrow && lastRepeatMs > 0 && nowMs - lastRepeatMs > kCursorRepeatMs;
}

void keepCursorVisible(ListView& view, int lastLine) {
    view.cursor = std::clamp(view.cursor, 0, std::max(lastLine, 0));
    if (view.cursor < view.top) view.top = view.cursor;
    if (view.cursor > view.top + kListWindowLines - 1) view.top = view.cursor - (kListWindowLines - 1);
}

}  // namespace kv
