// System-font text: fonts resolve to real files, cut text never exceeds its
// width or splits a character, squeezing narrows but never reaches width 0.
#include <gtest/gtest.h>

#include <filesystem>

#include "media/gfx/system_text.h"
#include "platform/font_faces.h"
#include "platform/font_renderer.h"

namespace kv {
namespace {

const std::string kJapaneseTitle = "\xE5\xA4\x9C\xE6\xA1\x9C\xE3\x81\xAE\xE6\xAD\x8C Long Night Remix";
const std::string kKoreanTitle = "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4 \xEC\xA0\x9C\xEB\xAA\xA9";

int widthOf(const std::string& text, int height, int charWidth, const char* face) {
    return platform::layoutText({face, height, charWidth}, text, {});
}

TEST(FontChain, ConfiguredFacesResolveToInstalledFiles) {
    for (const char* face : {"impact", "times new roman", "Times New Roman", "ms gothic", "gulim", "no such face"}) {
        SCOPED_TRACE(face);
        const auto chain = platform::fontChain(face);
        ASSERT_FALSE(chain.empty());
        for (const auto& file : chain) EXPECT_TRUE(std::filesystem::exists(file.path)) << file.path;
        EXPECT_GT(widthOf("AB", 16, 0, face), 0);
    }
    EXPECT_NE(platform::fontChain("impact").front().path, platform::fontChain("times new roman").front().path);
}

TEST(FontChain, OtherNamesAreInstalledFamiliesOrTheFallback) {
    struct Case {
        const char* face;
        const char* fileName;
        int faceIndex;
    };
    const Case cases[] = {
        {"Liberation Mono", "LiberationMono-Regular.ttf", 0},
        {"liberation serif", "LiberationSerif-Regular.ttf", 0},
        {"Noto Sans CJK KR", "NotoSansCJK-Regular.ttc", 1},
        {"no such face", "LiberationSans-Regular.ttf", 0},
        {"", "LiberationSans-Regular.ttf", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        const auto chain = platform::fontChain(c.face);
        ASSERT_EQ(chain.size(), 2u);
        EXPECT_EQ(std::filesystem::path(chain[0].path).filename(), c.fileName);
        EXPECT_EQ(chain[0].faceIndex, c.faceIndex);
        EXPECT_EQ(std::filesystem::path(chain[1].path).filename(), "NotoSansCJK-Regular.ttc");
    }
}

TEST(FontChain, JapaneseAndKoreanTextHasGlyphsInEveryFace) {
    for (const char* face : {"impact", "times new roman"}) {
        SCOPED_TRACE(face);
        int drawn = 0;
        platform::layoutText({face, 16, 0}, "\xE5\xA4\x9C\xED\x95\x9C", [&](const platform::PlacedGlyph&) { ++drawn; });
        EXPECT_EQ(drawn, 2);
    }
}

TEST(TextCut, DropsWholeCharactersFromTheEndUntilItFits) {
    for (const std::string& title : {kJapaneseTitle, kKoreanTitle, std::string("A plain title that is long")}) {
        const int full = widthOf(title, 12, 0, "times new roman");
        for (int maxWidth : {full, full - 1, full / 2, 10, 0}) {
            SCOPED_TRACE(title + " at " + std::to_string(maxWidth));
            const std::string cut = cutToWidth(title, maxWidth, 12, "times new roman");
            EXPECT_LE(widthOf(cut, 12, 0, "times new roman"), std::max(maxWidth, 0));
            EXPECT_EQ(title.compare(0, cut.size(), cut), 0);
            // Never ends inside a multi-byte character.
            EXPECT_TRUE(cut.size() == title.size() || (static_cast<unsigned char>(title[cut.size()]) & 0xC0) != 0x80);
        }
        EXPECT_EQ(cutToWidth(title, widthOf(title, 12, 0, "times new roman"), 12, "times new roman"), title);
    }
}

TEST(TextCut, KeepsAtMost95Characters) {
    const std::string longText(200, 'i');
    EXPECT_EQ(cutToWidth(longText, 100000, 12, "times new roman").size(), 95u);
}

TEST(TextSqueeze, FittingTextKeepsItsNaturalHalfHeightWidth) {
    const SqueezedFit fit = squeezeToWidth("HI", 600, 24, "impact");
    EXPECT_EQ(fit.charWidth, 12);
    EXPECT_EQ(fit.textWidth, widthOf("HI", 24, 12, "impact"));
}

TEST(TextSqueeze, LongTextNarrowsInStepsOfTwoButNeverToZero) {
    struct Case {
        int maxWidth;
        int height;
    };
    for (const Case c : {Case{200, 24}, Case{120, 16}, Case{1, 16}, Case{0, 72}, Case{-5, 24}}) {
        SCOPED_TRACE(std::to_string(c.maxWidth) + " / " + std::to_string(c.height));
        const SqueezedFit fit = squeezeToWidth(kJapaneseTitle, c.maxWidth, c.height, "impact");
        EXPECT_GE(fit.charWidth, 1);
        EXPECT_LT(fit.charWidth, c.height / 2);
        EXPECT_EQ(fit.textWidth, widthOf(kJapaneseTitle, c.height, fit.charWidth, "impact"));
        if (fit.charWidth > 1) {
            EXPECT_EQ((c.height / 2 - fit.charWidth) % 2, 0);
            EXPECT_LE(fit.textWidth, c.maxWidth);
            EXPECT_GT(widthOf(kJapaneseTitle, c.height, fit.charWidth + 2, "impact"), c.maxWidth);
        }
    }
}

TEST(TextDrawing, BlendsGlyphsInTheColourAndClipsAtTheEdges) {
    Surface canvas(64, 24);
    drawTextOn(canvas, 2, 2, "HM", 20, 0, rgb(255, 255, 0), "impact");
    int full = 0, touched = 0;
    for (Pixel p : canvas.pixels) {
        full += p == rgb(255, 255, 0);
        touched += p != 0;
        EXPECT_EQ(p & 0xFF, 0u) << "yellow over black never gains blue";
    }
    EXPECT_GT(full, 20);
    EXPECT_GE(touched, full);

    Surface small(8, 8);
    drawTextOn(small, -10, -6, kKoreanTitle, 24, 0, rgb(255, 255, 255), "gulim");
    drawTextOn(small, 6, 6, kKoreanTitle, 24, 0, rgb(255, 255, 255), "gulim");
    EXPECT_EQ(small.pixels.size(), 64u);
}

}  // namespace
}  // namespace kv
