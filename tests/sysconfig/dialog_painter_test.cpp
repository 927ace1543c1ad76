#include "sysconfig/dialog_painter.h"

#include <gtest/gtest.h>

#include "media/gfx/blit.h"
#include "sysconfig/config_dialog.h"

namespace kv::sysconfig {
namespace {

constexpr Pixel kInk = rgb(0, 0, 0);
constexpr Pixel kPaper = rgb(255, 255, 255);
constexpr Pixel kFaceGrey = rgb(212, 208, 200);

// Every character an 8 x 16 cell with a solid 6 x 10 block in it, so a
// test can tell where text went.
DialogFont blockFont() {
    DialogFont font;
    font.lineHeight = 16;
    font.measure = [](std::string_view text) { return int(text.size()) * 8; };
    font.draw = [](Surface& target, int x, int y, std::string_view text, Pixel colour) {
        for (int i = 0; i < int(text.size()); ++i) {
            for (int row = y + 3; row < y + 13; ++row) {
                for (int column = x + 8 * i + 1; column < x + 8 * i + 7; ++column) {
                    if (column >= 0 && row >= 0 && column < target.width && row < target.height)
                        target.row(row)[column] = colour;
                }
            }
        }
    };
    return font;
}

class PainterTest : public ::testing::Test {
protected:
    DialogFont font = blockFont();
    Dialog dialog = makeConfigDialog(font.measure);
    Surface picture{kDialogWidth, kDialogHeight};

    void paint() { paintDialog(picture, dialog, font); }
    int count(const Rect& area, Pixel colour) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += picture.at(x, y) == colour;
        return n;
    }
    // The square of a check box or circle of a radio button, without its label.
    Rect markOf(int id) const {
        const Rect box = (dialog.control(id).box);
        const int top = box.top + (box.height() - 13) / 2;
        return {box.left + 2, top + 2, box.left + 11, top + 11};
    }
};

TEST_F(PainterTest, CheckedBoxesAndRadiosShowTheirMark) {
    dialog.control(kFlipBox).checked = true;
    dialog.checkRadio(kHighQualityRadio);
    paint();
    EXPECT_GT(count(markOf(kFlipBox), kInk), 10);
    EXPECT_EQ(count(markOf(kWaitBox), kInk), 0);
    EXPECT_GT(count(markOf(kHighQualityRadio), kInk), 4);
    EXPECT_EQ(count(markOf(kNormalQualityRadio), kInk), 0);
    EXPECT_GT(count(markOf(kWaitBox), kPaper), 40);
}

TEST_F(PainterTest, CaretAndSelectionShowOnlyInTheFocusedEdit) {
    dialog.setEditText(kNameEdit, "AB");
    dialog.setEditText(kFreeSpeedEdit, "10");
    dialog.click(dialog.control(kNameEdit).box.left + 4, dialog.control(kNameEdit).box.top + 4);
    paint();
    const Rect name = (editTextArea(dialog.control(kNameEdit)));
    // The caret is a one-pixel ink line right at the start of the text.
    EXPECT_EQ(count({name.left, name.top + 3, name.left + 1, name.bottom - 3}, kInk), name.height() - 6);
    const Rect speed = (editTextArea(dialog.control(kFreeSpeedEdit)));
    EXPECT_EQ(count({speed.left, speed.top, speed.left + 1, speed.bottom}, kInk), 0);

    dialog.keyDown(DialogKey::Tab, true);
    dialog.keyDown(DialogKey::Tab, false);  // back in: everything selected
    paint();
    EXPECT_GT(count(name, rgb(10, 36, 106)), 0);
    EXPECT_GT(count(name, kPaper), 0);  // the selected letters turn white
}

TEST_F(PainterTest, ScrolledTextStaysInsideItsField) {
    dialog.click(dialog.control(kNameEdit).box.left + 4, dialog.control(kNameEdit).box.top + 4);
    for (int i = 0; i < 20; ++i) dialog.typeCharacter('W');
    paint();
    const Rect box = (dialog.control(kNameEdit).box);
    // Columns left and right of the field are untouched dialog face.
    EXPECT_EQ(count({box.left - 8, box.top, box.left, box.bottom}, kInk), 0);
    EXPECT_EQ(count({box.right, box.top, box.right + 8, box.bottom}, kInk), 0);
    EXPECT_GT(count(box, kInk), 0);
}

TEST_F(PainterTest, StaticTextWrapsAtBlanksInsideItsWidth) {
    paint();
    // "Sound Quality" in a 52 pixel box: "Sound" on the first line, "Quality" under it.
    const Control& label = dialog.controls()[dialog.controls().size() - 4];
    ASSERT_EQ(label.label, "Sound Quality");
    const Rect box = (label.box);
    EXPECT_EQ(count({box.left, box.top, box.left + 40, box.top + 16}, kInk), 5 * 60);
    EXPECT_EQ(count({box.left + 40, box.top, box.right + 20, box.top + 16}, kInk), 0);
    EXPECT_EQ(count({box.left, box.top + 16, box.left + 56, box.top + 32}, kInk), 7 * 60);
}

TEST_F(PainterTest, FaceFillsEverythingBetweenControls) {
    picture.pixels.assign(picture.pixels.size(), rgb(1, 2, 3));
    paint();
    EXPECT_EQ(count(picture.bounds(), rgb(1, 2, 3)), 0);
    EXPECT_EQ(picture.at(0, 0), kFaceGrey);
    EXPECT_EQ(picture.at(kDialogWidth - 1, kDialogHeight - 1), kFaceGrey);
}

}  // namespace
}  // namespace kv::sysconfig
