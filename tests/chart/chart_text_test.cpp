// A chart's texts decode in one encoding, decided from all of them.
#include "chart/chart_text.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

using platform::TextEncoding;

TEST(ChartText, TheWholeHeaderDecidesTheEncodingOfEveryText) {
    // Half-width "ｱｰﾃｨｽﾄ" reads as Hangul in CP949 too; the kanji title
    // ("日本", not valid CP949) settles it for the artist as well.
    const std::string kanaArtist = "\xB1\xB0\xC3\xA8\xBD\xC4";
    const std::string kanaUtf8 = "\xEF\xBD\xB1\xEF\xBD\xB0\xEF\xBE\x83\xEF\xBD\xA8\xEF\xBD\xBD\xEF\xBE\x84";
    // "한국어 제목" is no valid CP932; its chart's other texts follow it.
    const std::string koreanTitle = "\xC7\xD1\xB1\xB9\xBE\xEE \xC1\xA6\xB8\xF1";
    struct Case {
        const char* name;
        std::string genre, title, artist;
        TextEncoding encoding;
        std::string artistUtf8;
    };
    const Case cases[] = {
        {"Japanese title, half-width artist", "POP", "\x93\xfa\x96\x7b", kanaArtist, TextEncoding::Cp932, kanaUtf8},
        {"ASCII title, half-width artist", "", "SONG", kanaArtist, TextEncoding::Cp932, kanaUtf8},
        // "가" alone would read as half-width "ｰ｡" in CP932.
        {"Korean title, artist that reads as either", "", koreanTitle, "\xB0\xA1", TextEncoding::Cp949,
         "\xEA\xB0\x80"},
        {"UTF-8 throughout", "", "\xE6\x97\xA5\xE6\x9C\xAC", "KV", TextEncoding::Utf8, "KV"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartEntry entry;
        entry.genre = c.genre;
        entry.title = c.title;
        entry.artist = c.artist;
        EXPECT_EQ(chartTextEncoding(entry), c.encoding);
        EXPECT_EQ(chartTextUtf8(entry, entry.artist), c.artistUtf8);
    }
}

}  // namespace
}  // namespace kv
