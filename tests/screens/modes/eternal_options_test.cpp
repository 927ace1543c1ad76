// The eternal play option screen's keys.
#include "screens/modes/eternal_options.h"

#include <gtest/gtest.h>

#include <string>

#include "base/dik.h"

namespace kv {
namespace {

class EternalOptions : public ::testing::Test {
protected:
    // One key pressed and released; returns the step that took it.
    EternalOptionsStep press(int key) {
        std::uint8_t keys[kKeyCount] = {};
        keys[key] = 0x80;
        const EternalOptionsStep step = stepEternalOptions(menu, keys, options, juke);
        keys[key] = 0;
        stepEternalOptions(menu, keys, options, juke);
        return step;
    }
    EternalOptionsMenu menu{.cursor = OptionStart, .latch = false};
    Settings options;
    int juke = 1;
};

TEST_F(EternalOptions, AKeyHeldFromTheScreenBeforeDoesNothing) {
    EternalOptionsMenu fresh;
    std::uint8_t keys[kKeyCount] = {};
    keys[DIK_RETURN] = 0x80;
    EXPECT_EQ(stepEternalOptions(fresh, keys, options, juke).end, EternalOptionsEnd::Running);
    EXPECT_FALSE(stepEternalOptions(fresh, keys, options, juke).keyTaken);
}

TEST_F(EternalOptions, CursorWrapsOverTheSixLines) {
    press(DIK_UP);
    EXPECT_EQ(menu.cursor, OptionExit);
    press(DIK_DOWN);
    EXPECT_EQ(menu.cursor, OptionStart);
}

TEST_F(EternalOptions, ValuesStepBothWaysWithWrap) {
    struct Case {
        int line, key, presses;
        std::string value;
    };
    const Case cases[] = {
        {OptionFilter, DIK_RIGHT, 1, "5K"},       {OptionFilter, DIK_LEFT, 1, "    "},
        {OptionFilter2, DIK_SPACE, 4, "10K 14K"}, {OptionSort, DIK_LEFT, 1, "RANDOM"},
        {OptionSort, DIK_RETURN, 2, "LEVEL"},     {OptionJuke, DIK_RIGHT, 1, "CURRENT"},
        {OptionJuke, DIK_LEFT, 2, "ALL"},
    };
    for (const Case& c : cases) {
        options = Settings{};
        juke = 1;
        menu.cursor = c.line;
        for (int i = 0; i < c.presses; ++i) EXPECT_TRUE(press(c.key).keyTaken);
        EXPECT_EQ(eternalOptionValue(c.line, options, juke), c.value) << "line " << c.line << " key " << c.key;
    }
}

TEST_F(EternalOptions, StartExitAndEscapeEndTheScreen) {
    EXPECT_EQ(press(DIK_RETURN).end, EternalOptionsEnd::Start);
    menu.cursor = OptionExit;
    EXPECT_EQ(press(DIK_SPACE).end, EternalOptionsEnd::Exit);
    menu.cursor = OptionSort;
    EXPECT_EQ(press(DIK_ESCAPE).end, EternalOptionsEnd::Exit);
    EXPECT_EQ(press(DIK_LEFT).end, EternalOptionsEnd::Running) << "stepping a value goes on";
}

}  // namespace
}  // namespace kv
