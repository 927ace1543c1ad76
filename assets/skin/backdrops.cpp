// Full-screen backdrops (opaque) and the title logo.
#include <cmath>

#include "sheets.h"
#include "widgets.h"

namespace skin {
namespace {

constexpr float kPi = 3.14159265f;

std::vector<std::pair<float, float>> hexagonPoints(float cx, float cy, float radius) {
    std::vector<std::pair<float, float>> points;
    for (int k = 0; k < 6; ++k) points.push_back({cx + radius * std::cos(kPi / 3 * k), cy + radius * std::sin(kPi / 3 * k)});
    return points;
}

void nightSky(Canvas& c, Colour accent) {
    c.fill(roundedBox(0, 0, 640, 480, 0), [&](float x, float y) {
        const float glow = std::exp(-std::pow((x - 470) / 330.0f, 2) - std::pow((y - 330) / 260.0f, 2));
        return mix(mix(kNight, kDeep, y / 480), mix(accent, kNight, 0.55f), glow * 0.6f);
    });
    // Faint diagonal light streaks.
    for (int i = 0; i < 7; ++i) {
        const float x = -200.0f + 130 * i;
        c.fill(segment(x, 480, x + 360, 0, 1.2f + (i % 3)), solid({accent.r, accent.g, accent.b, 0.07f}));
    }
    // A dotted grid, the kind of floor a stage has.
    for (int y = 12; y < 480; y += 24)
        for (int x = 12; x < 640; x += 24) c.blend(x, y, mix(accent, kWhite, 0.3f), 0.18f);
}

void hexagonRings(Canvas& c, float cx, float cy, Colour accent) {
    for (int i = 0; i < 4; ++i) {
        const Shape hexagon = polygon(hexagonPoints(cx, cy, 95.0f + 38 * i));
        const float alpha = 0.45f - 0.1f * i;
        c.fill([&](float x, float y) { return std::abs(hexagon(x, y)) - (i == 0 ? 1.6f : 0.8f); },
               solid({accent.r, accent.g, accent.b, alpha}));
    }
    c.glow(polygon(hexagonPoints(cx, cy, 60)), {accent.r, accent.g, accent.b, 0.35f}, 60, {0, 0, 640, 480});
}

// A faint screen name in a corner the screen's own drawing leaves free.
void heading(Canvas& c, const char* text, Colour accent, int top) {
    const int bottom = top + 30;
    c.fitted(text, kBoldFace, {18, top, 300, bottom},
             vertical({1, 1, 1, 0.35f}, {accent.r, accent.g, accent.b, 0.35f}, float(top), float(bottom)), {0, 0, 0, 0},
             40);
}

// Names of the figures the result screens roll in, left of each figure
// (their rows are fixed by the screens; medium digits are 24 pixels tall,
// the score's large ones 32), and the sign after each percentage.
struct LabelRow {
    const char* text;
    int y, height;
    unsigned top, bottom;
    bool percent;
};

constexpr unsigned kPlainTop = 0xffffff, kPlainBottom = 0x9fb4ff;

constexpr LabelRow kResultRows[] = {
    {"NOTES", 96, 24, kPlainTop, kPlainBottom, false},  {"COOL", 144, 24, 0xffffff, 0x3ee3ff, true},
    {"GREAT", 176, 24, 0xfff6b0, 0xffd25a, true},       {"GOOD", 208, 24, 0xd8ffe6, 0x5cff9d, true},
    {"BREAK", 240, 24, 0xffd0f4, 0xff4fd8, true},       {"MISS", 272, 24, 0xffc4cc, 0xff4d6a, true},
    {"COMBO", 320, 24, kPlainTop, kPlainBottom, false}, {"BONUS", 360, 24, kPlainTop, kPlainBottom, false},
    {"SCORE", 408, 32, 0xfff6b0, 0xffa23a, false}};

// The course totals: one row every 24 pixels, then bonus, combo and score.
constexpr LabelRow kCourseResultRows[] = {
    {"NOTES", 104, 24, kPlainTop, kPlainBottom, false}, {"COOL", 128, 24, 0xffffff, 0x3ee3ff, false},
    {"GREAT", 152, 24, 0xfff6b0, 0xffd25a, false},      {"GOOD", 176, 24, 0xd8ffe6, 0x5cff9d, false},
    {"BREAK", 200, 24, 0xffd0f4, 0xff4fd8, false},      {"MISS", 224, 24, 0xffc4cc, 0xff4d6a, false},
    {"BONUS", 256, 24, kPlainTop, kPlainBottom, false}, {"COMBO", 297, 24, kPlainTop, kPlainBottom, false},
    {"SCORE", 337, 32, 0xfff6b0, 0xffa23a, false}};

template <std::size_t N>
void figureLabels(Canvas& c, const LabelRow (&rows)[N]) {
    constexpr int kLabelLeft = 22, kLabelHeight = 15, kPercentX = 292;
    for (const LabelRow& row : rows) {
        const TextMask mask = renderText(row.text, kBoldFace, kLabelHeight);
        const int inkHeight = mask.inkBottom - mask.inkTop;
        const int top = row.y + (row.height - inkHeight) / 2;
        c.draw(mask, kLabelLeft - mask.inkLeft, top - mask.inkTop,
               vertical(hex(row.top), hex(row.bottom), float(top), float(top + inkHeight)), kOutline);
        if (!row.percent) continue;
        const TextMask percent = renderText("%", kBoldFace, kLabelHeight);
        c.draw(percent, kPercentX - percent.inkLeft, top - percent.inkTop, solid(hex(0x9fb4ff)), kOutline);
    }
}

// The result screens write their key hints along the bottom.
constexpr int kTopHeading = 12, kBottomHeading = 440;

}  // namespace

kv::Surface drawBackdrop(Backdrop kind) {
    Canvas c(640, 480);
    switch (kind) {
        case Backdrop::Title:
            nightSky(c, kViolet);
            hexagonRings(c, 472, 336, kCyan);  // behind the tile hexagon
            break;
        case Backdrop::Select:
            nightSky(c, kCyan);
            // The song list column on the right and the information panel on the left.
            c.fill(roundedBox(426, 34, 636, 454, 8), vertical({0.08f, 0.1f, 0.3f, 0.85f}, {0.05f, 0.06f, 0.2f, 0.85f}, 34, 454));
            c.fill(roundedBox(8, 40, 418, 200, 10), solid({0.1f, 0.12f, 0.35f, 0.55f}));
            c.fill(roundedBox(8, 206, 418, 330, 10), solid({0.1f, 0.12f, 0.35f, 0.4f}));
            break;
        case Backdrop::Result:
            nightSky(c, kGold);
            hexagonRings(c, 512, 409, kGold);  // behind the grade tile
            heading(c, "RESULT", kGold, kTopHeading);
            figureLabels(c, kResultRows);
            break;
        case Backdrop::CourseResult:
            nightSky(c, kMagenta);
            hexagonRings(c, 512, 409, kMagenta);
            heading(c, "COURSE RESULT", kMagenta, kTopHeading);
            figureLabels(c, kCourseResultRows);
            break;
        case Backdrop::Listen:
            nightSky(c, kGreen);
            break;
        case Backdrop::Load:
            nightSky(c, kCyan);
            hexagonRings(c, 320, 240, kViolet);
            heading(c, "NOW LOADING", kCyan, kBottomHeading);
            break;
        case Backdrop::Play:
            nightSky(c, kMagenta);
            break;
    }
    return c.flatten();
}

kv::Surface drawLogo() {
    Canvas c(353, 145);
    const TextMask word = renderText("KELVARIN", kBoldFace, 96, 34);
    const int x = 6 - word.inkLeft, y = 8 - word.inkTop;
    const float bottom = float(8 + word.inkBottom - word.inkTop);
    // A violet drop shadow gives the letters depth over any backdrop.
    c.draw(word, x + 4, y + 4, solid(hex(0x4a2c9c)), kOutline);
    c.draw(word, x, y, [&](float px, float py) {
        return mix(mix(kWhite, kCyan, (py - 8) / (bottom - 8)), kMagenta, std::max(0.0f, (px - 40) / 260.0f - 0.25f));
    }, kOutline);
    c.fitted("][", kBoldFace, {8 + word.inkRight - word.inkLeft + 6, 14, 350, int(bottom)}, vertical(kGold, kOrange, 14, bottom),
             kOutline, 100);
    c.fill(roundedBox(10, bottom + 10, 343, bottom + 13, 1.5f), horizontal(kCyan, kMagenta, 10, 343));
    c.fitted("KEYSOUND RHYTHM ACTION", kBoldFace, {10, int(bottom) + 18, 343, 143}, vertical(kWhite, kSky, bottom + 18, 143),
             kOutline, 30);
    return c.flatten();
}

}  // namespace skin
