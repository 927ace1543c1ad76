// Key names for scripts and the characters keys type.
#include "base/key_names.h"

#include <gtest/gtest.h>

#include "base/dik.h"

namespace kv {
namespace {

TEST(KeyNamesTest, NamesAreCaseInsensitiveWithOrWithoutPrefix) {
    const std::pair<const char*, int> cases[] = {
        {"RETURN", DIK_RETURN}, {"return", DIK_RETURN}, {"DIK_ESCAPE", DIK_ESCAPE}, {"dik_f1", DIK_F1},
        {"1", DIK_1},           {"A", DIK_A},           {"LSHIFT", DIK_LSHIFT},     {"UP", DIK_UP},
        {"BACKSPACE", DIK_BACK}, {"PGDN", DIK_NEXT},    {"LALT", DIK_LMENU},        {"SPACE", 0x39},
        {"NOPE", -1},           {"", -1},               {"DIK_", -1},
    };
    for (auto [name, dik] : cases) EXPECT_EQ(dikFromName(name), dik) << name;
}

TEST(KeyNamesTest, EveryNamedCodeRoundTrips) {
    int named = 0;
    for (int dik = 0; dik < kKeyCount; ++dik) {
        const std::string_view name = dikName(dik);
        if (name.empty()) continue;
        ++named;
        EXPECT_EQ(dikFromName(name), dik) << name;
    }
    EXPECT_GT(named, 100);
    EXPECT_EQ(dikName(0), "");
    EXPECT_EQ(dikName(DIK_NUMPADENTER), "NUMPADENTER");
}

TEST(KeyNamesTest, CharactersAndKeysMatchOnAUsKeyboard) {
    struct Case {
        char c;
        int dik;
        bool shift;
    };
    const Case cases[] = {{'a', DIK_A, false}, {'A', DIK_A, true},     {'0', DIK_0, false}, {')', DIK_0, true},
                          {' ', DIK_SPACE, false}, {',', DIK_COMMA, false}, {'?', DIK_SLASH, true},
                          {'_', DIK_MINUS, true}};
    for (const auto& c : cases) {
        const KeyStroke stroke = keyForChar(c.c);
        EXPECT_EQ(stroke.dik, c.dik) << c.c;
        EXPECT_EQ(stroke.shift, c.shift) << c.c;
        EXPECT_EQ(charForKey(c.dik, c.shift), c.c) << c.c;
    }
    EXPECT_EQ(keyForChar('\n').dik, -1);
    EXPECT_EQ(charForKey(DIK_F1, false), 0);
    EXPECT_EQ(charForKey(-5, true), 0);
}

}  // namespace
}  // namespace kv
