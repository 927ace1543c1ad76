#include "sysconfig/config_dialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv::sysconfig {
namespace {

const MeasureText kMonospace = [](std::string_view text) { return int(text.size()) * 8; };

class ConfigDialogTest : public ::testing::Test {
protected:
    Dialog dialog = makeConfigDialog(kMonospace);

    int focusedId() const { return dialog.controls()[dialog.focus()].id; }
    std::vector<int> tabWalk(int presses, bool shift) {
        std::vector<int> ids;
        for (int i = 0; i < presses; ++i) {
            dialog.keyDown(DialogKey::Tab, shift);
            ids.push_back(focusedId());
        }
        return ids;
    }
    void focusOn(int id) {
        for (int i = 0; i < 20 && focusedId() != id; ++i) dialog.keyDown(DialogKey::Tab, false);
        ASSERT_EQ(focusedId(), id);
    }
    int click(const Control& control) { return dialog.click(control.box.left + 2, control.box.top + 2); }
    int click(int id) { return click(dialog.control(id)); }
};

TEST_F(ConfigDialogTest, ControlsSitAtTheirDialogUnitPositionsInPixels) {
    const Rect save = dialog.control(kSaveButton).box;
    EXPECT_EQ(save.left, 100);
    EXPECT_EQ(save.top, 308);
    EXPECT_EQ(save.width(), 94);
    EXPECT_EQ(save.height(), 32);
    EXPECT_EQ(kDialogWidth, 486);
    EXPECT_EQ(kDialogHeight, 374);
}

TEST_F(ConfigDialogTest, TabVisitsEveryControlOnceAndTheRadioGroupAsOneStop) {
    EXPECT_EQ(focusedId(), kWindowModeBox);
    const std::vector<int> forward = {kTripleBuffersBox, kSystemMemoryBox, kFlipBox, kWaitBox, kWavLoadBox,
                                      kJoypadBox, kNormalQualityRadio, kNameEdit, kFreeSpeedEdit, kBpmEditEdit,
                                      kSaveButton, kCancelButton, kWindowModeBox};
    EXPECT_EQ(tabWalk(13, false), forward);

    dialog.checkRadio(kHighQualityRadio);
    const std::vector<int> backward = {kCancelButton, kSaveButton, kBpmEditEdit, kFreeSpeedEdit, kNameEdit,
                                       kHighQualityRadio, kJoypadBox};
    EXPECT_EQ(tabWalk(7, true), backward);
}

TEST_F(ConfigDialogTest, SpaceTogglesTheFocusedCheckBox) {
    dialog.keyDown(DialogKey::Space, false);
    EXPECT_TRUE(dialog.control(kWindowModeBox).checked);
    dialog.keyDown(DialogKey::Space, false);
    EXPECT_FALSE(dialog.control(kWindowModeBox).checked);
    EXPECT_FALSE(dialog.control(kTripleBuffersBox).checked);
}

TEST_F(ConfigDialogTest, ArrowsWalkTheRadioGroupCheckingAsTheyGoAndWrap) {
    focusOn(kNormalQualityRadio);
    struct Step {
        DialogKey key;
        int checked;
    };
    const Step steps[] = {{DialogKey::Down, kHighQualityRadio},    {DialogKey::Right, kDefaultQualityRadio},
                          {DialogKey::Down, kNormalQualityRadio},  {DialogKey::Up, kDefaultQualityRadio},
                          {DialogKey::Left, kHighQualityRadio}};
    for (const Step& step : steps) {
        dialog.keyDown(step.key, false);
        EXPECT_EQ(focusedId(), step.checked);
        for (int id : {kNormalQualityRadio, kHighQualityRadio, kDefaultQualityRadio}) {
            EXPECT_EQ(dialog.control(id).checked, id == step.checked) << id;
        }
    }
}

TEST_F(ConfigDialogTest, ArrowsOnCheckBoxesMoveFocusWithoutToggling) {
    dialog.keyDown(DialogKey::Up, false);
    EXPECT_EQ(focusedId(), kJoypadBox);
    dialog.keyDown(DialogKey::Down, false);
    dialog.keyDown(DialogKey::Down, false);
    EXPECT_EQ(focusedId(), kTripleBuffersBox);
    for (const Control& control : dialog.controls()) EXPECT_FALSE(control.checked) << control.id;
}

TEST_F(ConfigDialogTest, OnlyAButtonAnswersSpaceOrEnter) {
    EXPECT_EQ(dialog.keyDown(DialogKey::Enter, false), 0);
    focusOn(kSaveButton);
    EXPECT_EQ(dialog.keyDown(DialogKey::Space, false), kSaveButton);
    EXPECT_EQ(dialog.keyDown(DialogKey::Enter, false), kSaveButton);
    dialog.keyDown(DialogKey::Right, false);
    EXPECT_EQ(dialog.keyDown(DialogKey::Enter, false), kCancelButton);
}

TEST_F(ConfigDialogTest, TabbingIntoAnEditSelectsItsTextSoTypingReplacesIt) {
    dialog.setEditText(kNameEdit, "****");
    focusOn(kNameEdit);
    for (char c : std::string_view("AB CD")) {
        if (c == ' ') dialog.keyDown(DialogKey::Space, false);
        else dialog.typeCharacter(c);
    }
    dialog.keyDown(DialogKey::Backspace, false);
    EXPECT_EQ(dialog.control(kNameEdit).edit.text(), "AB C");
}

TEST_F(ConfigDialogTest, TypingOutsideAnEditChangesNothing) {
    dialog.typeCharacter('x');
    dialog.keyDown(DialogKey::Backspace, false);
    for (const Control& control : dialog.controls()) {
        EXPECT_FALSE(control.checked) << control.id;
        EXPECT_EQ(control.edit.text(), "") << control.id;
    }
}

TEST_F(ConfigDialogTest, NumberEditsStopAtTheirWidthWhileTheNameScrolls) {
    focusOn(kFreeSpeedEdit);
    for (int i = 0; i < 9; ++i) dialog.typeCharacter('9');
    const Control& speed = dialog.control(kFreeSpeedEdit);
    EXPECT_EQ(int(speed.edit.text().size()), editTextArea(speed).width() / 8);

    focusOn(kNameEdit);
    for (int i = 0; i < 9; ++i) dialog.typeCharacter('N');
    const Control& name = dialog.control(kNameEdit);
    EXPECT_EQ(name.edit.text(), "NNNNNNNNN");
    EXPECT_EQ(name.edit.scroll(), 9 * 8 - editTextArea(name).width());
}

TEST_F(ConfigDialogTest, ClickingActsOnTheControlAndFocusesIt) {
    EXPECT_EQ(click(kFlipBox), 0);
    EXPECT_TRUE(dialog.control(kFlipBox).checked);
    EXPECT_EQ(focusedId(), kFlipBox);
    EXPECT_EQ(click(kFlipBox), 0);
    EXPECT_FALSE(dialog.control(kFlipBox).checked);

    EXPECT_EQ(click(kDefaultQualityRadio), 0);
    EXPECT_TRUE(dialog.control(kDefaultQualityRadio).checked);
    EXPECT_EQ(focusedId(), kDefaultQualityRadio);

    EXPECT_EQ(click(kCancelButton), kCancelButton);
    EXPECT_EQ(focusedId(), kCancelButton);
}

TEST_F(ConfigDialogTest, ClickingAnEditPutsTheCaretUnderThePointer) {
    dialog.setEditText(kNameEdit, "ABC");
    const Rect area = editTextArea(dialog.control(kNameEdit));
    EXPECT_EQ(dialog.click(area.left + 9, area.top + 2), 0);
    const EditField& edit = dialog.control(kNameEdit).edit;
    EXPECT_EQ(focusedId(), kNameEdit);
    EXPECT_EQ(edit.caret(), 1);
    EXPECT_FALSE(edit.hasSelection());
}

TEST_F(ConfigDialogTest, ClicksOnLabelsOrEmptySpaceDoNothing) {
    const Control& label = dialog.controls().back();
    ASSERT_EQ(label.kind, ControlKind::StaticText);
    EXPECT_EQ(click(label), 0);
    EXPECT_EQ(dialog.click(kDialogWidth - 2, kDialogHeight - 2), 0);
    EXPECT_EQ(focusedId(), kWindowModeBox);
}

}  // namespace
}  // namespace kv::sysconfig
