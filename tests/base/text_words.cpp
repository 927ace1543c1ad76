#include <gtest/gtest.h>

#include <string>

#include "base/text.h"

namespace kv {
namespace {

TEST(TakeWords, FirstWordSkipsBlanksAndPointsOneByteBeyondTheWord) {
    struct Case {
        const char* text;
        const char* word;
        int advance;
        const char* value;  // text + advance
    } cases[] = {
        {"TITLE  My Song ", "TITLE", 6, " My Song "},
        {"  TITLE x", "TITLE", 8, "x"},
        {"SPEED", "SPEED", 5, ""},  // nothing after the key: the value is empty, not past the end
        {"   ", "", 3, ""},
        {"", "", 0, ""},
        {"a\tb c", "a\tb", 4, "c"},  // tabs are not blanks
    };
    for (const Case& c : cases) {
        char word[80];
        const int advance = takeFirstWord(c.text, word);
        EXPECT_STREQ(word, c.word) << c.text;
        EXPECT_EQ(advance, c.advance) << c.text;
        EXPECT_STREQ(c.text + advance, c.value) << c.text;
    }
}

TEST(TakeWords, WordSkipsNothing) {
    char word[80];
    EXPECT_EQ(takeWord(" WAV01", word), 1);
    EXPECT_STREQ(word, "");
    EXPECT_EQ(takeWord("WAV01 a.wav", word), 6);
    EXPECT_STREQ(word, "WAV01");
    EXPECT_EQ(takeWord("END", word), 3);
    EXPECT_STREQ(word, "END");
}

TEST(TakeWords, WordsAreCutToTheirBufferButAdvanceCountsTheWholeWord) {
    char word[4];
    const char* text = "ABCDEFG value";
    const int advance = takeFirstWord(text, word);
    EXPECT_STREQ(word, "ABC");
    EXPECT_STREQ(text + advance, "value");
}

TEST(TakeWords, RestKeepsInnerAndTrailingBlanks) {
    char rest[80];
    takeRest("  My Song ", rest);
    EXPECT_STREQ(rest, "My Song ");
    takeRest("   ", rest);
    EXPECT_STREQ(rest, "");
    char small[5];
    takeRest(" abcdefgh", small);
    EXPECT_STREQ(small, "abcd");
}

TEST(UpcaseAscii, FoldsLettersButNeverTheSecondByteOfADoubleByteCharacter) {
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"speed 5", "SPEED 5"},
        {"Title", "TITLE"},
        {"\x82" "a" "b", "\x82" "a" "B"},        // 'a' trails a lead byte, 'b' does not
        {"x\xb0" "a\xb0" "zq", "X\xb0" "a\xb0" "zQ"},
        {"", ""},
    };
    for (Case& c : cases) {
        upcaseAscii(c.text.data());
        EXPECT_EQ(c.text, c.expected);
    }
    upcaseAscii(nullptr);  // a null text is left alone rather than crashing
}

TEST(LowerAscii, FoldsOnlyAToZ) {
    EXPECT_EQ(lowerAscii("Times New Roman"), "times new roman");
    EXPECT_EQ(lowerAscii("MS \x82\x6C Z@[`{"), "ms \x82\x6C z@[`{");  // other bytes and the ones around A-Z stay
    EXPECT_EQ(lowerAscii(""), "");
}

TEST(ParseNumbers, SignedIntAndDigits5) {
    struct Case {
        const char* text;
        int signedInt;
        int digits5;
    } cases[] = {
        {"-123456", -12345, 0}, {"  42x", 42, 0}, {"x", 0, 0},          {"00111:01", 111, 111},
        {"WAV01 a.wav", 0, 0},  {"-", 0, 0},      {"123456", 12345, 12345}, {"", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseSignedInt(c.text), c.signedInt) << c.text;
        EXPECT_EQ(parseDigits5(c.text), c.digits5) << c.text;
    }
}

TEST(ParseNumbers, Decimal) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"0.75", 0.75}, {"3", 3.0},     {"3.", 3.0},  {".5", 0.5},
        {"  130.5x", 130.5}, {"-2", 0.0}, {"", 0.0}, {"1.0000000000005", 1.0000000000005},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(parseDecimal(c.text), c.value) << c.text;
}

TEST(ParseNumbers, Pairs) {
    struct Case {
        const char* text;
        int hex;
        int base36;
    } cases[] = {
        {"", -1, -1},   {"A", 10, 10},  {"7f", 127, 7 * 36 + 15}, {"ff", 255, 15 * 36 + 15},
        {"FF", 255, 555}, {"G1", 0, 16 * 36 + 1}, {"-1", 0, 0},   {"zz", 0, 1295},
        {"ZZ", 0, 1295}, {"0", 0, 0},   {"1", 1, 1},             {"1-", 1, 1},
        {"01", 1, 1},   {"0Z", 35, 35}, {"10", 16, 36},           {"1Z", 51, 71},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseHexPair(c.text), c.hex) << c.text;
        EXPECT_EQ(parseBase36Pair(c.text), c.base36) << c.text;
    }
}

}  // namespace
}  // namespace kv
