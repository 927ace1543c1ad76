#include "sysconfig/dialog_painter.h"

#include "media/gfx/blit.h"

namespace kv::sysconfig {

namespace {

constexpr Pixel kFace = rgb(212, 208, 200);
constexpr Pixel kHighlight = rgb(255, 255, 255);
constexpr Pixel kShadow = rgb(128, 128, 128);
constexpr Pixel kDarkShadow = rgb(64, 64, 64);
constexpr Pixel kFieldColour = rgb(255, 255, 255);
constexpr Pixel kTextColour = rgb(0, 0, 0);
constexpr Pixel kSelection = rgb(10, 36, 106);
constexpr Pixel kSelectedText = rgb(255, 255, 255);

constexpr int kBoxSize = 13;   // check box square and radio circle
constexpr int kLabelGap = 4;   // between the box and its label

struct Painter {
    Surface& picture;
    const DialogFont& font;

    void fill(const Rect& area, Pixel colour) const { fillRect(picture, &area, colour); }
    void dot(int x, int y, Pixel colour) const {
        if (x >= 0 && y >= 0 && x < picture.width && y < picture.height) picture.row(y)[x] = colour;
    }

    // Two-pixel bevel: raised buttons light at the top left, sunken fields the other way round.
    void bevel(const Rect& box, Pixel outerTopLeft, Pixel outerBottomRight, Pixel innerTopLeft,
               Pixel innerBottomRight) const {
        edge(box, outerTopLeft, outerBottomRight);
        edge({box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, innerTopLeft, innerBottomRight);
    }
    void edge(const Rect& box, Pixel topLeft, Pixel bottomRight) const {
        fill({box.left, box.top, box.right, box.top + 1}, topLeft);
        fill({box.left, box.top, box.left + 1, box.bottom}, topLeft);
        fill({box.left, box.bottom - 1, box.right, box.bottom}, bottomRight);
        fill({box.right - 1, box.top, box.right, box.bottom}, bottomRight);
    }
    void raised(const Rect& box) const { bevel(box, kHighlight, kDarkShadow, kFace, kShadow); }
    void sunken(const Rect& box) const { bevel(box, kShadow, kHighlight, kDarkShadow, kFace); }

    void focusFrame(const Rect& box) const {
        for (int x = box.left; x < box.right; x += 2) {
            dot(x, box.top, kTextColour);
            dot(x, box.bottom - 1, kTextColour);
        }
        for (int y = box.top; y < box.bottom; y += 2) {
            dot(box.left, y, kTextColour);
            dot(box.right - 1, y, kTextColour);
        }
    }

    int centredTop(const Rect& box) const { return box.top + (box.height() - font.lineHeight) / 2; }

    // Label right of a check box or radio circle; the focus frame hugs it.
    void label(const Rect& box, const Control& control, bool focused) const {
        const int x = box.left + kBoxSize + kLabelGap;
        const int y = centredTop(box);
        font.draw(picture, x, y, control.label, kTextColour);
        if (focused) focusFrame({x - 2, y, x + font.measure(control.label) + 2, y + font.lineHeight});
    }

    void checkBox(const Control& control, bool focused) const {
        const Rect box = control.box;
        const int top = box.top + (box.height() - kBoxSize) / 2;
        const Rect square{box.left, top, box.left + kBoxSize, top + kBoxSize};
        sunken(square);
        fill({square.left + 2, square.top + 2, square.right - 2, square.bottom - 2}, kFieldColour);
        if (control.checked) {
            // A tick three pixels thick: down for three columns, then up for four.
            for (int column = 0; column < 7; ++column) {
                const int y = square.top + (column < 3 ? 5 + column : 9 - column);
                fill({square.left + 3 + column, y, square.left + 4 + column, y + 3}, kTextColour);
            }
        }
        label(box, control, focused);
    }

    void radioButton(const Control& control, bool focused) const {
        const Rect box = control.box;
        const int top = box.top + (box.height() - kBoxSize) / 2;
        // Rings by distance from the centre: shadowed on the upper left half,
        // lit on the lower right, a white well and the dot when checked.
        const int twiceCentre = kBoxSize - 1;
        for (int y = 0; y < kBoxSize; ++y) {
            for (int x = 0; x < kBoxSize; ++x) {
                const int dx = 2 * x - twiceCentre, dy = 2 * y - twiceCentre;
                const int distanceSquared = (dx * dx + dy * dy) / 4;  // in pixels squared
                const bool upperLeft = x + y < twiceCentre;
                Pixel colour;
                if (distanceSquared >= 36 && distanceSquared < 49) colour = upperLeft ? kShadow : kHighlight;
                else if (distanceSquared >= 25 && distanceSquared < 36) colour = upperLeft ? kDarkShadow : kFace;
                else if (distanceSquared < 25) colour = control.checked && distanceSquared < 6 ? kTextColour : kFieldColour;
                else continue;
                dot(box.left + x, top + y, colour);
            }
        }
        label(box, control, focused);
    }

    void pushButton(const Control& control, bool focused) const {
        Rect box = control.box;
        fill(box, kFace);
        if (focused) {
            // The button Enter would press wears a black outline.
            edge(box, kTextColour, kTextColour);
            box = {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
        }
        raised(box);
        const int width = font.measure(control.label);
        font.draw(picture, box.left + (box.width() - width) / 2, centredTop(box), control.label, kTextColour);
        if (focused) focusFrame({box.left + 3, box.top + 3, box.right - 3, box.bottom - 3});
    }

    // The text is drawn into a scratch picture of the text area, so that
    // scrolled-away characters are cut off at the field's edges.
    void edit(const Control& control, bool focused) const {
        const Rect box = control.box;
        fill(box, kFieldColour);
        if (control.border) sunken(box);
        const Rect area = editTextArea(control);
        Surface field(area.width(), area.height());
        fillRect(field, nullptr, kFieldColour);

        const EditField& text = control.edit;
        const int y = (area.height() - font.lineHeight) / 2;
        const int x = -text.scroll();
        font.draw(field, x, y, text.text(), kTextColour);
        auto offsetOf = [&](int position) {
            return x + font.measure(std::string_view(text.text()).substr(0, std::size_t(position)));
        };
        if (focused && text.hasSelection()) {
            const int left = std::max(0, offsetOf(text.selectionStart()));
            const int right = std::min(field.width, offsetOf(text.selectionEnd()));
            const Rect band{left, 0, right, field.height};
            if (right > left) fillRect(field, &band, kSelection);
            const std::string_view selected =
                std::string_view(text.text()).substr(std::size_t(text.selectionStart()),
                                                     std::size_t(text.selectionEnd() - text.selectionStart()));
            font.draw(field, offsetOf(text.selectionStart()), y, selected, kSelectedText);
        }
        if (focused) {
            const int caretX = std::clamp(offsetOf(text.caret()), 0, field.width - 1);
            const Rect caret{caretX, std::max(0, y), caretX + 1, std::min(field.height, y + font.lineHeight)};
            fillRect(field, &caret, kTextColour);
        }
        blitSurface(field, nullptr, picture, area.left, area.top, false);
    }

    // Static text wraps at blanks to the width of its box.
    void staticText(const Control& control) const {
        const Rect box = control.box;
        int y = box.top;
        std::string_view rest = control.label;
        while (!rest.empty() && y < box.bottom) {
            std::size_t end = rest.size();
            while (font.measure(rest.substr(0, end)) > box.width()) {
                const std::size_t blank = rest.rfind(' ', end - 1);
                if (blank == std::string_view::npos || blank == 0) break;
                end = blank;
            }
            font.draw(picture, box.left, y, rest.substr(0, end), kTextColour);
            rest.remove_prefix(std::min(rest.size(), end + 1));
            y += font.lineHeight;
        }
    }
};

}  // namespace

void paintDialog(Surface& picture, const Dialog& dialog, const DialogFont& font) {
    fillRect(picture, nullptr, kFace);
    const Painter painter{picture, font};
    const auto& controls = dialog.controls();
    for (int index = 0; index < int(controls.size()); ++index) {
        const Control& control = controls[index];
        const bool focused = index == dialog.focus();
        switch (control.kind) {
        case ControlKind::CheckBox: painter.checkBox(control, focused); break;
        case ControlKind::RadioButton: painter.radioButton(control, focused); break;
        case ControlKind::PushButton: painter.pushButton(control, focused); break;
        case ControlKind::Edit: painter.edit(control, focused); break;
        case ControlKind::StaticText: painter.staticText(control); break;
        }
    }
}

}  // namespace kv::sysconfig
