#include <gtest/gtest.h>

#include <filesystem>

#include "media/gfx/display.h"
#include "media/gfx/skin.h"
#include "media/input/input.h"
#include "scene/shell.h"
#include "screens/modes/course_name_entry.h"
#include "support/headless_session.h"

namespace kv {
namespace {

ResultKey symbol(char c) { return {ResultKeyKind::Symbol, c}; }

TEST(CourseNameKeys, TypeEraseAndFinish) {
    struct Case {
        const char* what;
        std::string before;
        ResultKey key;
        std::string after;
        bool finished;
    };
    const std::string full(kCourseNameLength, 'Z');
    for (const Case& c : {Case{"letter", "AB", symbol('C'), "ABC", false},
                          Case{"digit", "", symbol('7'), "7", false},
                          Case{"full name takes no more", full, symbol('Q'), full, false},
                          Case{"erase", "AB", {ResultKeyKind::Erase}, "A", false},
                          Case{"erase on empty", "", {ResultKeyKind::Erase}, "", false},
                          Case{"enter keeps the name", "AB", {ResultKeyKind::Enter}, "AB", true},
                          Case{"escape empties it", "AB", {ResultKeyKind::Escape}, "", true},
                          Case{"space is not a name key", "AB", {ResultKeyKind::Space}, "AB", false}}) {
        std::string name = c.before;
        EXPECT_EQ(applyCourseNameKey(name, c.key), c.finished) << c.what;
        EXPECT_EQ(name, c.after) << c.what;
    }
}

struct CourseNameScreen : ::testing::Test {
    void SetUp() override {
        shell() = Shell{};
        shell().programFolder = std::string(KV_HOME) + "/";
        for (int slot = 0; slot < 4; ++slot) ASSERT_EQ(createSlot(slot, 640, 480, 0), 1);
        createInput();
        createKeyboard();
        previous = std::filesystem::current_path();
        std::filesystem::current_path(KV_HOME);
        readSkin(kDefaultSkinFile);
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    test::HeadlessSession session;
    std::filesystem::path previous;
};

TEST_F(CourseNameScreen, TypedNameIsReturned) {
    session.setKey(DIK_RETURN, true);  // still held from the course list
    session.runScript("wait 100\nup RETURN\nwait 100\ntype kv2x\npress BACK\ntype 9\nwait 600\npress RETURN\nwait 800\n");
    std::string name = "OLD";
    EXPECT_EQ(inputCourseName(name), 1);
    EXPECT_EQ(name, "KV29");
}

TEST_F(CourseNameScreen, EscapeOrQuitGivesNoName) {
    session.runScript("wait 100\ntype ab\npress ESCAPE\nwait 800\n");
    std::string name;
    EXPECT_EQ(inputCourseName(name), 0);
    EXPECT_EQ(name, "");

    test::HeadlessSession quitting;
    quitting.runScript("wait 100\ntype ab\nwait 100\n");
    EXPECT_EQ(inputCourseName(name), 0);
}

}  // namespace
}  // namespace kv
