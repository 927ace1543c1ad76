// The BOARD sheet: frame panels, gauge pieces, play digits, judgement
// images with their animation frames, hit flashes and play-screen marks.
#include <cmath>
#include <string>

#include "media/gfx/sprite_tables.h"
#include "sheets.h"
#include "widgets.h"

namespace skin {
namespace {

using kv::boardTable;

struct Judgement {
    const char* text;
    unsigned top, bottom;
};

constexpr Judgement kJudgements[] = {{"COOL", 0xffffff, 0x3ee3ff},
                                     {"GREAT", 0xfff6b0, 0xffd25a},
                                     {"GOOD", 0xd8ffe6, 0x5cff9d},
                                     {"BREAK", 0xffd0f4, 0xff4fd8},
                                     {"MISS", 0xffc4cc, 0xff4d6a}};

void smallLabel(Canvas& c, kv::Rect box, const char* text) { label(c, box, text, kSky, kCyan); }

void drawFramePanels(Canvas& c) {
    for (int wide = 0; wide < 2; ++wide) {
        const kv::Rect top = boardTable[wide ? 2 : 0], bottom = boardTable[wide ? 3 : 1];
        panel(c, top, 0, kPanel, kDeep, kPanelLight);
        c.fill(roundedBox(top.left, top.bottom - 2, top.right, top.bottom, 0), horizontal(kCyan, kMagenta, top.left, top.right), top);
        panel(c, bottom, 0, kPanel, kNight, kPanelLight);
        c.fill(roundedBox(bottom.left, bottom.top, bottom.right, bottom.top + 2, 0), horizontal(kCyan, kMagenta, bottom.left, bottom.right), bottom);
        const int y = bottom.top;
        // Gauge groove: 63 segments 4 pixels apart at x 26 (203 with the guide panel), row 457.
        const int gaugeLeft = wide ? 203 : 26;
        c.fill(roundedBox(gaugeLeft - 3, y + 21, gaugeLeft + 63 * 4 + 2, y + 45, 4), solid(kNight), bottom);
        if (wide) {
            smallLabel(c, {4, y + 5, 76, y + 19}, "SCORE");
            smallLabel(c, {4, y + 28, 76, y + 42}, "BONUS");
            smallLabel(c, {205, y + 5, 240, y + 19}, "MAX");
            smallLabel(c, {318, y + 5, 350, y + 19}, "BPM");
            smallLabel(c, {420, y + 5, 450, y + 19}, "POS");
            smallLabel(c, {545, y + 5, 573, y + 19}, "FPS");
            smallLabel(c, {510, y + 28, 535, y + 42}, "%");
            smallLabel(c, {540, y + 28, 573, y + 42}, "TIME");
        } else {
            smallLabel(c, {4, y + 5, 60, y + 19}, "SCORE");
            smallLabel(c, {150, y + 5, 204, y + 19}, "BONUS");
        }
    }
}

// Gauge segment sprites: normal zone off/on/flash (4-6), upper zone (7-9);
// a three-pixel bar at the left of the cell, the rest transparent.
void drawGaugePieces(Canvas& c) {
    const Colour zones[2][3] = {{hex(0x1f3a6e), kCyan, kWhite}, {hex(0x5a1f4a), kMagenta, hex(0xffd0f4)}};
    for (int zone = 0; zone < 2; ++zone)
        for (int k = 0; k < 3; ++k) {
            const kv::Rect& r = boardTable[4 + 3 * zone + k];
            c.fill(roundedBox(r.left, r.top + 2, r.left + 3, r.bottom - 2, 1),
                   vertical(mix(zones[zone][k], kWhite, 0.3f), zones[zone][k], r.top, r.bottom), r);
        }
}

void drawDigits(Canvas& c, int first, const Paint& paint) {
    for (int d = 0; d < 10; ++d) {
        const kv::Rect& r = boardTable[first + d];
        c.fitted(std::string(1, char('0' + d)), kBoldFace, r, paint, kOutline, r.height() + 10);
    }
}

void drawJudgements(Canvas& c) {
    for (int column = 0; column < 5; ++column) {
        const Judgement& j = kJudgements[column];
        for (int frame = 0; frame < 4; ++frame) {
            const kv::Rect& r = boardTable[kv::kJudgementImages + 4 * column + frame];
            // Frame 0 flashes white-hot, then the colours settle.
            const float heat = frame == 0 ? 0.7f : frame == 1 ? 0.3f : 0.0f;
            const Colour top = mix(hex(j.top), kWhite, heat), bottom = mix(hex(j.bottom), kWhite, heat);
            const int shrink = frame == 3 ? 3 : 0;
            c.fitted(j.text, kBoldFace, {r.left + 6 + shrink, r.top + 2 + shrink, r.right - 6 - shrink, r.bottom - 2 - shrink},
                     vertical(top, bottom, r.top + 4, r.bottom - 4), kOutline, 40);
        }
    }
    struct Banner {
        int cell;
        const char* text;
        Colour top, bottom;
    };
    const Banner banners[] = {{52, "AUTO PLAY", kWhite, kCyan}, {53, "REPLAY", kWhite, kViolet},
                              {66, "CLEAR!", hex(0xfff6b0), kGold}, {67, "FAILED", hex(0xffc4cc), kRed}};
    for (const Banner& b : banners) {
        const kv::Rect& r = boardTable[b.cell];
        c.fitted(b.text, kBoldFace, {r.left + 4, r.top + 3, r.right - 4, r.bottom - 3}, vertical(b.top, b.bottom, r.top, r.bottom),
                 kOutline, 40);
    }
}

// Hit flashes: an expanding ring that fades (GREAT), with a starburst (COOL).
void drawHitFlashes(Canvas& c) {
    for (int set = 0; set < 2; ++set)
        for (int f = 0; f < 6; ++f) {
            const kv::Rect& r = boardTable[54 + 6 * set + f];
            const float cx = r.left + 31.5f, cy = r.top + 31.5f, t = f / 5.0f;
            const Colour base = set ? kCyan : kGold;
            const Colour colour = mix(mix(kWhite, base, t), kNight, t * 0.5f);
            c.fill(ring(cx, cy, 8 + 20 * t, 4 - 2.5f * t), solid(colour), r);
            if (set == 1)
                for (int k = 0; k < 8; ++k) {
                    const float a = 3.14159265f / 4 * k + t, inner = 4 + 10 * t, outer = 14 + 16 * t;
                    c.fill(segment(cx + inner * std::cos(a), cy + inner * std::sin(a), cx + outer * std::cos(a),
                                   cy + outer * std::sin(a), 2.2f - 1.2f * t),
                           solid(mix(kWhite, kSky, t)), r);
                }
            if (f < 2) c.fill(circle(cx, cy, 7 - 3 * f), solid(kWhite), r);
        }
}

void drawMarks(Canvas& c) {
    // Max-combo bar stretched in front of the combo figure.
    const kv::Rect& bar = boardTable[31];
    c.fill(roundedBox(bar.left + 1, bar.top + 6, bar.right - 1, bar.bottom - 6, 6), horizontal(kGold, kOrange, bar.left, bar.right), bar);
    // Corners of the picture frame: top-left and bottom-right brackets.
    for (int k = 0; k < 2; ++k) {
        const kv::Rect& r = boardTable[68 + k];
        const float x = k ? r.right - 3.0f : r.left + 3.0f, y = k ? r.bottom - 3.0f : r.top + 3.0f;
        const float dx = k ? -50.0f : 50.0f, dy = k ? -50.0f : 50.0f;
        const Paint paint = horizontal(kCyan, kMagenta, r.left, r.right);
        c.fill(segment(x, y, x + dx, y, 4), paint, r);
        c.fill(segment(x, y, x, y + dy, 4), paint, r);
    }
    // Judgement-count panel: the counts go at x + 35 on rows 15, 33, 50, 67 and 84.
    const kv::Rect& p = boardTable[70];
    panel(c, p, 6, kPanel, kNight, kPanelLight);
    const int rows[] = {15, 33, 50, 67, 84};
    const char* names[] = {"CL", "GR", "GD", "BR", "MS"};
    for (int i = 0; i < 5; ++i)
        label(c, {p.left + 4, p.top + rows[i], p.left + 31, p.top + rows[i] + 14}, names[i], hex(kJudgements[i].top),
              hex(kJudgements[i].bottom));
    // Markers of the current judgement's row: drawn over the row's label, so
    // each is that label lit up, dark letters on its own colour.
    for (int i = 0; i < 5; ++i) {
        const kv::Rect& r = boardTable[71 + i];
        c.fill(roundedBox(r.left + 2.0f, r.top + 1.0f, r.right - 2.0f, r.bottom - 1.0f, 4.0f),
               vertical(hex(kJudgements[i].top), hex(kJudgements[i].bottom), r.top, r.bottom), r);
        label(c, {r.left + 4, r.top, r.left + 31, r.top + 14}, names[i], kNight, kNight);
    }
}

}  // namespace

kv::Surface drawBoardSheet() {
    Canvas c(640, 480);
    drawFramePanels(c);
    drawGaugePieces(c);
    drawDigits(c, 10, vertical(kWhite, kSky, 138, 154));
    drawDigits(c, 21, vertical(kGold, kOrange, 138, 162));
    drawJudgements(c);
    drawHitFlashes(c);
    drawMarks(c);
    return c.flatten();
}

}  // namespace skin
