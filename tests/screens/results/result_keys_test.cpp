#include <gtest/gtest.h>

#include "screens/results/result_keys.h"

namespace kv {
namespace {

class ResultKeysTest : public ::testing::Test {
protected:
    void press(int code) { keys[code] = kKeyDown; }
    void release(int code) { keys[code] = 0; }
    std::uint8_t keys[kKeyCount] = {};
};

TEST_F(ResultKeysTest, EachKeyActsOncePerPress) {
    ResultKeyReader reader(keys);
    press(DIK_A);
    press(DIK_RETURN);
    auto pressed = reader.newlyPressed(keys);
    ASSERT_EQ(pressed.size(), 2u);
    EXPECT_EQ(pressed[0].kind, ResultKeyKind::Enter);
    EXPECT_EQ(pressed[1].kind, ResultKeyKind::Symbol);
    EXPECT_EQ(pressed[1].symbol, 'A');
    EXPECT_TRUE(reader.newlyPressed(keys).empty()) << "held keys do not repeat";
    release(DIK_A);
    EXPECT_TRUE(reader.newlyPressed(keys).empty());
    press(DIK_A);
    EXPECT_EQ(reader.newlyPressed(keys).size(), 1u);
}

TEST_F(ResultKeysTest, KeysHeldWhenTheScreenOpensWaitForRelease) {
    press(DIK_ESCAPE);
    ResultKeyReader reader(keys);
    EXPECT_TRUE(reader.newlyPressed(keys).empty());
    release(DIK_ESCAPE);
    reader.newlyPressed(keys);
    press(DIK_ESCAPE);
    EXPECT_EQ(reader.newlyPressed(keys).at(0).kind, ResultKeyKind::Escape);
}

TEST_F(ResultKeysTest, KeyMeanings) {
    struct Case { int code; ResultKeyKind kind; char symbol; };
    const Case cases[] = {
        {DIK_SPACE, ResultKeyKind::Space, 0}, {DIK_TAB, ResultKeyKind::Tab, 0},
        {DIK_BACK, ResultKeyKind::Erase, 0},  {DIK_LEFT, ResultKeyKind::Erase, 0},
        {DIK_RIGHT, ResultKeyKind::Advance, 0}, {DIK_0, ResultKeyKind::Symbol, '0'},
        {DIK_9, ResultKeyKind::Symbol, '9'},  {DIK_Z, ResultKeyKind::Symbol, 'Z'},
    };
    for (const auto& c : cases) {
        std::uint8_t table[kKeyCount] = {};
        ResultKeyReader reader(table);
        table[c.code] = kKeyDown;
        const auto pressed = reader.newlyPressed(table);
        ASSERT_EQ(pressed.size(), 1u) << c.code;
        EXPECT_EQ(pressed[0].kind, c.kind) << c.code;
        EXPECT_EQ(pressed[0].symbol, c.symbol) << c.code;
    }
    std::uint8_t table[kKeyCount] = {};
    ResultKeyReader reader(table);
    table[DIK_F1] = table[DIK_MINUS] = kKeyDown;
    EXPECT_TRUE(reader.newlyPressed(table).empty()) << "other keys mean nothing here";
}

}  // namespace
}  // namespace kv
