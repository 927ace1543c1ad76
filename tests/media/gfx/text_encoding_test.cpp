// Chart text in Shift-JIS, CP949 or UTF-8 converts to the same UTF-8.
#include <gtest/gtest.h>

#include "platform/font_encoding.h"

namespace kv::platform {
namespace {

struct EncodingCase {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    std::string utf8;
};

TEST(ChartTextEncoding, DetectsAndConvertsTitles) {
    const EncodingCase cases[] = {
        {"Shift-JIS katakana whose bytes are also valid CP949",
         "\x83\x74\x83\x40\x83\x43\x83\x69\x83\x8B\x81\x45\x83\x7B\x83\x58", TextEncoding::Cp932,
         "\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\x8A\xE3\x83\xAB\xE3\x83\xBB\xE3\x83\x9C\xE3\x82\xB9"},
        {"Shift-JIS kanji with wave dashes", "\x96\xE9\x8D\xF7 \x81\x60Remix\x81\x60", TextEncoding::Cp932,
         "\xE5\xA4\x9C\xE6\xA1\x9C \xEF\xBD\x9ERemix\xEF\xBD\x9E"},
        {"Shift-JIS 0x5C stays a backslash, also as a second byte", "\x95\x5C\x8E\xA6\x5C", TextEncoding::Cp932,
         "\xE8\xA1\xA8\xE7\xA4\xBA\\"},
        {"half-width katakana that CP949 cannot read", "\xB1\xB2\xB3", TextEncoding::Cp932,
         "\xEF\xBD\xB1\xEF\xBD\xB2\xEF\xBD\xB3"},
        {"half-width katakana alone, which CP949 also reads (as Hangul)", "\xB1\xB0\xC3\xA8\xBD\xC4",
         TextEncoding::Cp932, "\xEF\xBD\xB1\xEF\xBD\xB0\xEF\xBE\x83\xEF\xBD\xA8\xEF\xBD\xBD\xEF\xBE\x84"},
        {"Korean title", "\xC7\xD1\xB1\xB9\xBE\xEE \xC1\xA6\xB8\xF1", TextEncoding::Cp949,
         "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4 \xEC\xA0\x9C\xEB\xAA\xA9"},
        {"Korean syllables outside EUC-KR", "\x8C\x63\xB9\xE6\xB0\xA2\xC7\xCF", TextEncoding::Cp949,
         "\xEB\x98\xA0\xEB\xB0\xA9\xEA\xB0\x81\xED\x95\x98"},
        {"UTF-8 stays as it is", "\xE5\xA4\x9C\xE6\xA1\x9C Night", TextEncoding::Utf8,
         "\xE5\xA4\x9C\xE6\xA1\x9C Night"},
        {"plain ASCII", "SONG 01", TextEncoding::Utf8, "SONG 01"},
    };
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(detectEncoding(c.bytes), c.encoding);
        EXPECT_EQ(chartTextToUtf8(c.bytes), c.utf8);
    }
}

TEST(ChartTextEncoding, UndecodableBytesBecomeQuestionMarks) {
    // 0x81 then end of text: a lead byte without its partner in every code page.
    EXPECT_EQ(toUtf8("AB\x81", TextEncoding::Cp932), "AB?");
    EXPECT_EQ(chartTextToUtf8("AB\x81"), "AB?");
}

}  // namespace
}  // namespace kv::platform
