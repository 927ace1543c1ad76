#pragma once
// The text of a single-line edit box: the characters, the caret, a
// selection and how far the text is scrolled to keep the caret in view.
// Positions are byte offsets; the dialog types only single-byte characters.
#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

namespace kv::sysconfig {

// Width in pixels of a piece of text in the dialog's font.
using MeasureText = std::function<int(std::string_view)>;

class EditField {
public:
    const std::string& text() const { return text_; }
    int caret() const { return caret_; }
    int selectionStart() const { return std::min(anchor_, caret_); }
    int selectionEnd() const { return std::max(anchor_, caret_); }
    bool hasSelection() const { return anchor_ != caret_; }
    // Pixels of text hidden to the left of the box.
    int scroll() const { return scroll_; }

    // Replaces the text; caret at the start, nothing selected, no scroll.
    void setText(std::string text);
    void selectAll();
    // Moves the caret to `position` (clamped to the text); with `extend` the
    // selection grows from where it was anchored, else it collapses.
    void moveCaret(int position, bool extend);

    // Replaces the selection by `typed`. A box that does not scroll refuses
    // text that would no longer fit its `width`; returns whether it was taken.
    bool insert(std::string_view typed, bool scrolls, int width, const MeasureText& measure);
    // Backspace and Delete: remove the selection, else one character.
    void eraseBackward();
    void eraseForward();

    // Scrolls just enough that the caret lies inside a box `width` wide.
    void keepCaretVisible(int width, const MeasureText& measure);
    // The caret position closest to pixel `x` measured from the box's left edge.
    int positionAt(int x, const MeasureText& measure) const;

private:
    void eraseSelection();

    std::string text_;
    int caret_ = 0;
    int anchor_ = 0;
    int scroll_ = 0;
};

}  // namespace kv::sysconfig
