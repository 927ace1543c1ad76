#include "sysconfig/dialog.h"

#include <stdexcept>

namespace kv::sysconfig {

namespace {

// A sunken frame is two pixels wide; the text keeps one more pixel clear.
constexpr int kFramedInset = 3;
constexpr int kBareInset = 1;

bool contains(const Rect& box, int x, int y) {
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

}  // namespace

Rect editTextArea(const Control& edit) {
    const int inset = edit.border ? kFramedInset : kBareInset;
    return {edit.box.left + inset, edit.box.top + inset, edit.box.right - inset, edit.box.bottom - inset};
}

Dialog::Dialog(std::vector<Control> controls, MeasureText measure)
    : controls_(std::move(controls)), measure_(std::move(measure)) {
    for (int index = 0; index < int(controls_.size()); ++index) {
        if (isTabStop(index)) {
            setFocus(index, true);
            break;
        }
    }
}

int Dialog::indexOf(int id) const {
    for (int index = 0; index < int(controls_.size()); ++index) {
        if (controls_[index].id == id && id != 0) return index;
    }
    throw std::out_of_range("dialog has no control " + std::to_string(id));
}

Control& Dialog::control(int id) { return controls_[indexOf(id)]; }
const Control& Dialog::control(int id) const { return controls_[indexOf(id)]; }

std::pair<int, int> Dialog::groupOf(int index) const {
    const ControlKind kind = controls_[index].kind;
    int first = index;
    int last = index;
    while (first > 0 && controls_[first - 1].kind == kind) --first;
    while (last + 1 < int(controls_.size()) && controls_[last + 1].kind == kind) ++last;
    return {first, last};
}

void Dialog::checkRadio(int id) {
    const auto [first, last] = groupOf(indexOf(id));
    for (int index = first; index <= last; ++index) controls_[index].checked = controls_[index].id == id;
}

void Dialog::setEditText(int id, std::string text) {
    Control& edit = control(id);
    edit.edit.setText(std::move(text));
    if (indexOf(id) == focus_) edit.edit.selectAll();
}

bool Dialog::isTabStop(int index) const {
    const Control& control = controls_[index];
    switch (control.kind) {
    case ControlKind::StaticText:
        return false;
    case ControlKind::RadioButton: {
        // A radio group is one stop: its checked button, or its first one.
        const auto [first, last] = groupOf(index);
        for (int other = first; other <= last; ++other) {
            if (controls_[other].checked) return other == index;
        }
        return index == first;
    }
    default:
        return true;
    }
}

void Dialog::setFocus(int index, bool selectText) {
    focus_ = index;
    Control& control = controls_[index];
    if (control.kind != ControlKind::Edit) return;
    if (selectText) control.edit.selectAll();
    control.edit.keepCaretVisible(editTextArea(control).width(), measure_);
}

void Dialog::moveFocus(int step) {
    const int count = int(controls_.size());
    for (int index = (focus_ + step + count) % count; index != focus_; index = (index + step + count) % count) {
        if (isTabStop(index)) {
            setFocus(index, true);
            return;
        }
    }
}

void Dialog::moveInGroup(int step) {
    const auto [first, last] = groupOf(focus_);
    const int size = last - first + 1;
    const int next = first + (focus_ - first + step + size) % size;
    setFocus(next, false);
    if (controls_[next].kind == ControlKind::RadioButton) checkRadio(controls_[next].id);
}

int Dialog::activate(int index) {
    Control& control = controls_[index];
    switch (control.kind) {
    case ControlKind::CheckBox:
        control.checked = !control.checked;
        return 0;
    case ControlKind::RadioButton:
        checkRadio(control.id);
        return 0;
    case ControlKind::PushButton:
        return control.id;
    default:
        return 0;
    }
}

void Dialog::editKey(DialogKey key, bool shift) {
    EditField& edit = controls_[focus_].edit;
    switch (key) {
    case DialogKey::Left: edit.moveCaret(edit.caret() - 1, shift); break;
    case DialogKey::Right: edit.moveCaret(edit.caret() + 1, shift); break;
    case DialogKey::Home: edit.moveCaret(0, shift); break;
    case DialogKey::End: edit.moveCaret(int(edit.text().size()), shift); break;
    case DialogKey::Backspace: edit.eraseBackward(); break;
    case DialogKey::Delete: edit.eraseForward(); break;
    case DialogKey::Space: typeIntoFocus(' '); return;
    default: return;
    }
    edit.keepCaretVisible(editTextArea(controls_[focus_]).width(), measure_);
}

void Dialog::typeIntoFocus(char character) {
    Control& control = controls_[focus_];
    const Rect area = editTextArea(control);
    control.edit.insert(std::string_view(&character, 1), control.scrolls, area.width(), measure_);
    control.edit.keepCaretVisible(area.width(), measure_);
}

int Dialog::keyDown(DialogKey key, bool shift) {
    if (focus_ < 0) return 0;
    if (key == DialogKey::Tab) {
        moveFocus(shift ? -1 : 1);
        return 0;
    }
    const ControlKind kind = controls_[focus_].kind;
    if (kind == ControlKind::Edit) {
        editKey(key, shift);
        return 0;
    }
    switch (key) {
    case DialogKey::Space:
        return activate(focus_);
    case DialogKey::Enter:
        return kind == ControlKind::PushButton ? activate(focus_) : 0;
    case DialogKey::Left:
    case DialogKey::Up:
        moveInGroup(-1);
        return 0;
    case DialogKey::Right:
    case DialogKey::Down:
        moveInGroup(1);
        return 0;
    default:
        return 0;
    }
}

void Dialog::typeCharacter(char character) {
    if (focus_ >= 0 && controls_[focus_].kind == ControlKind::Edit) typeIntoFocus(character);
}

int Dialog::controlAt(int x, int y) const {
    for (int index = 0; index < int(controls_.size()); ++index) {
        if (controls_[index].kind != ControlKind::StaticText && contains(controls_[index].box, x, y)) return index;
    }
    return -1;
}

int Dialog::click(int x, int y) {
    const int index = controlAt(x, y);
    if (index < 0) return 0;
    setFocus(index, false);
    Control& control = controls_[index];
    if (control.kind != ControlKind::Edit) return activate(index);
    control.edit.moveCaret(control.edit.positionAt(x - editTextArea(control).left, measure_), false);
    return 0;
}

}  // namespace kv::sysconfig
