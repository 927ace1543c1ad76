#pragma once
// A dialog box: a fixed list of controls, one of which has the keyboard
// focus, driven by key presses, typed characters and mouse clicks the way
// a desktop dialog behaves. It knows nothing of files or drawing; pushing
// a button hands its id back to whoever runs the dialog.
#include <string>
#include <vector>

#include "base/surface.h"
#include "sysconfig/edit_field.h"

namespace kv::sysconfig {

enum class ControlKind { CheckBox, RadioButton, Edit, PushButton, StaticText };

struct Control {
    ControlKind kind = ControlKind::StaticText;
    int id = 0;         // what the program asks the dialog for; 0 for static text
    std::string label;  // shown beside boxes, on buttons, or as the static text
    Rect box;           // pixels, relative to the dialog's top left corner
    bool border = false;   // edits: drawn with a sunken frame
    bool scrolls = false;  // edits: text may grow past the box and scrolls
    bool checked = false;  // check boxes and radio buttons
    EditField edit;
};

// The keys a dialog reacts to; every other key is ignored (Escape too).
enum class DialogKey { Tab, Enter, Space, Left, Right, Up, Down, Home, End, Backspace, Delete };

// Where an edit box shows its text, inside its frame.
Rect editTextArea(const Control& edit);

class Dialog {
public:
    // Focus starts on the first control that Tab can reach.
    Dialog(std::vector<Control> controls, MeasureText measure);

    const std::vector<Control>& controls() const { return controls_; }
    // The control with `id`; ids are fixed by whoever built the dialog.
    Control& control(int id);
    const Control& control(int id) const;
    // Index into controls() of the focused control.
    int focus() const { return focus_; }

    // Checks a radio button and clears the others of its group.
    void checkRadio(int id);
    void setEditText(int id, std::string text);

    // keyDown and click return the id of the push button they activated, else 0.
    int keyDown(DialogKey key, bool shift);
    void typeCharacter(char character);
    // A mouse click at (x, y) relative to the dialog's top left corner.
    int click(int x, int y);

private:
    int indexOf(int id) const;
    int controlAt(int x, int y) const;
    bool isTabStop(int index) const;
    // The run of neighbouring controls of one kind that arrow keys move within.
    std::pair<int, int> groupOf(int index) const;
    void setFocus(int index, bool selectText);
    void moveFocus(int step);
    void moveInGroup(int step);
    int activate(int index);
    void editKey(DialogKey key, bool shift);
    void typeIntoFocus(char character);

    std::vector<Control> controls_;
    MeasureText measure_;
    int focus_ = -1;
};

}  // namespace kv::sysconfig
