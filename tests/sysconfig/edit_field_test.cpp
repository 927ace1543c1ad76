#include "sysconfig/edit_field.h"

#include <gtest/gtest.h>

namespace kv::sysconfig {
namespace {

// Every character 8 pixels wide keeps the expected scroll offsets readable.
const MeasureText kMonospace = [](std::string_view text) { return int(text.size()) * 8; };
constexpr int kWidth = 40;  // five characters

EditField fieldWith(const char* text, int caret) {
    EditField field;
    field.setText(text);
    field.moveCaret(caret, false);
    return field;
}

TEST(EditField, TypingReplacesTheSelection) {
    EditField field = fieldWith("****", 0);
    field.selectAll();
    EXPECT_TRUE(field.insert("A", true, kWidth, kMonospace));
    EXPECT_EQ(field.text(), "A");
    EXPECT_EQ(field.caret(), 1);
    EXPECT_FALSE(field.hasSelection());
}

TEST(EditField, ShiftMovementExtendsTheSelectionFromItsAnchor) {
    EditField field = fieldWith("abcdef", 4);
    field.moveCaret(2, true);
    field.moveCaret(1, true);
    EXPECT_EQ(field.selectionStart(), 1);
    EXPECT_EQ(field.selectionEnd(), 4);
    field.moveCaret(3, false);
    EXPECT_FALSE(field.hasSelection());
}

TEST(EditField, CaretNeverLeavesTheText) {
    EditField field = fieldWith("abc", 99);
    EXPECT_EQ(field.caret(), 3);
    field.moveCaret(-5, false);
    EXPECT_EQ(field.caret(), 0);
}

TEST(EditField, BoxThatDoesNotScrollRefusesTextPastItsWidth) {
    EditField field = fieldWith("12345", 5);
    EXPECT_FALSE(field.insert("6", false, kWidth, kMonospace));
    EXPECT_EQ(field.text(), "12345");
    EXPECT_EQ(field.caret(), 5);
    // Replacing a selection with something as wide still fits.
    field.moveCaret(4, true);
    EXPECT_TRUE(field.insert("9", false, kWidth, kMonospace));
    EXPECT_EQ(field.text(), "12349");
}

TEST(EditField, ErasingAtEitherEdgeOrOverASelection) {
    struct Case {
        const char* text;
        int anchor, caret;
        bool backward;
        const char* expected;
        int caretAfter;
    };
    const Case cases[] = {
        {"abc", 0, 0, true, "abc", 0},   // Backspace at the start
        {"abc", 3, 3, false, "abc", 3},  // Delete at the end
        {"abc", 2, 2, true, "ac", 1},
        {"abc", 1, 1, false, "ac", 1},
        {"abcdef", 1, 4, true, "aef", 1},   // a selection goes whole,
        {"abcdef", 4, 1, false, "aef", 1},  // whichever way it was made
    };
    for (const Case& c : cases) {
        EditField field = fieldWith(c.text, c.anchor);
        field.moveCaret(c.caret, true);
        if (c.backward) field.eraseBackward();
        else field.eraseForward();
        EXPECT_EQ(field.text(), c.expected) << c.text << " " << c.anchor << "-" << c.caret;
        EXPECT_EQ(field.caret(), c.caretAfter) << c.text << " " << c.anchor << "-" << c.caret;
    }
}

TEST(EditField, ScrollFollowsTheCaretBothWays) {
    EditField field = fieldWith("", 0);
    for (char c : std::string_view("ABCDEFGH")) {
        field.insert(std::string_view(&c, 1), true, kWidth, kMonospace);
        field.keepCaretVisible(kWidth, kMonospace);
    }
    EXPECT_EQ(field.scroll(), 8 * 8 - kWidth);  // caret sits on the right edge

    field.moveCaret(0, false);
    field.keepCaretVisible(kWidth, kMonospace);
    EXPECT_EQ(field.scroll(), 0);
}

TEST(EditField, ErasingGivesBackBlankRoomOnTheRight) {
    EditField field = fieldWith("ABCDEFGH", 8);
    field.keepCaretVisible(kWidth, kMonospace);
    ASSERT_EQ(field.scroll(), 24);
    field.moveCaret(2, false);
    field.eraseForward();
    field.eraseForward();
    field.keepCaretVisible(kWidth, kMonospace);
    EXPECT_EQ(field.scroll(), 8);  // "ABEFGH" is 48 px wide, the box 40
}

TEST(EditField, ClickFindsTheNearestCaretPositionUnderScroll) {
    EditField field = fieldWith("ABCDEFGH", 8);
    field.keepCaretVisible(kWidth, kMonospace);  // scroll 24: "DEFGH" shows
    EXPECT_EQ(field.positionAt(0, kMonospace), 3);
    EXPECT_EQ(field.positionAt(5, kMonospace), 4);  // past half of "D"
    EXPECT_EQ(field.positionAt(3, kMonospace), 3);
    EXPECT_EQ(field.positionAt(500, kMonospace), 8);
    EXPECT_EQ(field.positionAt(-500, kMonospace), 0);
}

}  // namespace
}  // namespace kv::sysconfig
