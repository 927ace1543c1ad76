#include "sysconfig/edit_field.h"

#include <cstdlib>

namespace kv::sysconfig {

void EditField::setText(std::string text) {
    text_ = std::move(text);
    caret_ = anchor_ = scroll_ = 0;
}

void EditField::selectAll() {
    anchor_ = 0;
    caret_ = int(text_.size());
}

void EditField::moveCaret(int position, bool extend) {
    caret_ = std::clamp(position, 0, int(text_.size()));
    if (!extend) anchor_ = caret_;
}

void EditField::eraseSelection() {
    const int start = selectionStart();
    text_.erase(std::size_t(start), std::size_t(selectionEnd() - start));
    caret_ = anchor_ = start;
}

bool EditField::insert(std::string_view typed, bool scrolls, int width, const MeasureText& measure) {
    std::string result = text_;
    const int start = selectionStart();
    result.replace(std::size_t(start), std::size_t(selectionEnd() - start), typed);
    if (!scrolls && measure(result) > width) return false;
    text_ = std::move(result);
    caret_ = anchor_ = start + int(typed.size());
    return true;
}

void EditField::eraseBackward() {
    if (!hasSelection() && caret_ > 0) anchor_ = caret_ - 1;
    eraseSelection();
}

void EditField::eraseForward() {
    if (!hasSelection() && caret_ < int(text_.size())) anchor_ = caret_ + 1;
    eraseSelection();
}

void EditField::keepCaretVisible(int width, const MeasureText& measure) {
    const int caretX = measure(std::string_view(text_).substr(0, std::size_t(caret_)));
    // Deleting text can leave blank room on the right that the text could fill.
    scroll_ = std::min(scroll_, std::max(0, measure(text_) - width));
    if (caretX < scroll_) scroll_ = caretX;
    if (caretX > scroll_ + width) scroll_ = caretX - width;
}

int EditField::positionAt(int x, const MeasureText& measure) const {
    const int target = x + scroll_;
    int best = 0;
    int bestDistance = std::abs(target);
    for (int position = 1; position <= int(text_.size()); ++position) {
        const int distance = std::abs(measure(std::string_view(text_).substr(0, std::size_t(position))) - target);
        if (distance < bestDistance) {
            best = position;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace kv::sysconfig
