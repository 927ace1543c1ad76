#include "sysconfig/settings_form.h"

#include <gtest/gtest.h>

namespace kv::sysconfig {
namespace {

const MeasureText kMonospace = [](std::string_view text) { return int(text.size()) * 8; };

struct FormTest : ::testing::Test {
    Settings settings;
    Dialog dialog = makeConfigDialog(kMonospace);
};

TEST_F(FormTest, ShowsEveryShownSettingInItsControl) {
    settings.WINDOW = 1;
    settings.THREEBUFFERS = 0;
    settings.WAVLOAD = 2;  // any value but 0 checks the box
    settings.WAVQUAL = 1;
    settings.NAME = "ABCD";
    settings.FREESPEED = -15;
    settings.BPMEDIT = 200;
    showSettings(settings, dialog);

    EXPECT_TRUE(dialog.control(kWindowModeBox).checked);
    EXPECT_FALSE(dialog.control(kTripleBuffersBox).checked);
    EXPECT_TRUE(dialog.control(kWavLoadBox).checked);
    EXPECT_TRUE(dialog.control(kJoypadBox).checked);
    EXPECT_FALSE(dialog.control(kNormalQualityRadio).checked);
    EXPECT_TRUE(dialog.control(kHighQualityRadio).checked);
    EXPECT_EQ(dialog.control(kNameEdit).edit.text(), "ABCD");
    EXPECT_EQ(dialog.control(kFreeSpeedEdit).edit.text(), "-15");
    EXPECT_EQ(dialog.control(kBpmEditEdit).edit.text(), "200");
}

TEST_F(FormTest, SoundQualityOutsideTheChoicesChecksNothingAndSurvives) {
    settings.WAVQUAL = 5;
    showSettings(settings, dialog);
    for (int id : {kNormalQualityRadio, kHighQualityRadio, kDefaultQualityRadio}) EXPECT_FALSE(dialog.control(id).checked);
    takeSettings(dialog, settings);
    EXPECT_EQ(settings.WAVQUAL, 5);

    dialog.checkRadio(kDefaultQualityRadio);
    takeSettings(dialog, settings);
    EXPECT_EQ(settings.WAVQUAL, 2);
}

TEST_F(FormTest, CheckBoxesSaveAsOneOrZero) {
    settings.WAVLOAD = 2;
    settings.FLIP = 1;
    showSettings(settings, dialog);
    dialog.control(kFlipBox).checked = false;
    takeSettings(dialog, settings);
    EXPECT_EQ(settings.WAVLOAD, 1);
    EXPECT_EQ(settings.FLIP, 0);
}

TEST_F(FormTest, NumberBoxesSaveTheirNumberOrZero) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"25", 25},  {"-7", -7},   {" 40 ", 40}, {"", 0},          {"abc", 0},
        {"12x", 0},  {"+5", 0},    {"-", 0},     {"2147483647", 2147483647},
        {"2147483648", 0},  // too large to hold
    };
    for (const auto& [text, expected] : cases) {
        settings.FREESPEED = settings.BPMEDIT = 99;
        dialog.setEditText(kFreeSpeedEdit, text);
        dialog.setEditText(kBpmEditEdit, text);
        takeSettings(dialog, settings);
        EXPECT_EQ(settings.FREESPEED, expected) << '"' << text << '"';
        EXPECT_EQ(settings.BPMEDIT, expected) << '"' << text << '"';
    }
}

TEST_F(FormTest, ChangedNameKeepsThreeCharactersUntouchedNameKeepsAll) {
    const struct {
        const char* loaded;
        const char* typed;
        const char* saved;
    } cases[] = {
        {"ABCD", "ABCD", "ABCD"},  // left as it was
        {"****", "****", "****"},
        {"****", "WXYZ", "WXY"},
        {"ABCD", "AB", "AB"},
        {"ABCD", "", ""},
    };
    for (const auto& c : cases) {
        settings.NAME = c.loaded;
        showSettings(settings, dialog);
        dialog.setEditText(kNameEdit, c.typed);
        takeSettings(dialog, settings);
        EXPECT_EQ(settings.NAME, c.saved) << c.loaded << " -> " << c.typed;
    }
}

}  // namespace
}  // namespace kv::sysconfig
