// The FONT2 sheet: the six title tiles, the select screen's icons, banners
// and panels, and the key tiles of the setup screens.
#include <cmath>

#include "media/gfx/sprite_tables.h"
#include "sheets.h"
#include "widgets.h"

namespace skin {
namespace {

using kv::menuTable;

constexpr float kPi = 3.14159265f;

// Icons drawn in a box centred on (cx, cy) of size s.
void iconPlay(Canvas& c, float cx, float cy, float s, const Paint& p) {
    c.fill(polygon({{cx - s * 0.3f, cy - s * 0.38f}, {cx + s * 0.42f, cy}, {cx - s * 0.3f, cy + s * 0.38f}}), p);
}

void iconPuzzle(Canvas& c, float cx, float cy, float s, const Paint& p) {
    const float h = s * 0.2f, g = s * 0.04f;
    for (int i = 0; i < 4; ++i) {
        const float dx = (i % 2 ? 1 : -1) * (h + g), dy = (i / 2 ? 1 : -1) * (h + g) + (i == 1 ? -s * 0.1f : 0);
        c.fill(roundedBox(cx + dx - h, cy + dy - h, cx + dx + h, cy + dy + h, 3), p);
    }
}

void iconEternal(Canvas& c, float cx, float cy, float s, const Paint& p) {
    const float r = s * 0.2f;
    c.fill(ring(cx - r, cy, r, s * 0.09f), p);
    c.fill(ring(cx + r, cy, r, s * 0.09f), p);
}

void iconExit(Canvas& c, float cx, float cy, float s, const Paint& p) {
    const float r = s * 0.33f, t = s * 0.1f;
    const Shape arc = ring(cx, cy + s * 0.04f, r, t);
    c.fill([&](float x, float y) {
        const float angle = std::atan2(x - cx, -(y - cy));  // 0 straight up
        return std::abs(angle) < 0.6f ? 1.0f : arc(x, y);
    }, p);
    c.fill(segment(cx, cy - s * 0.42f, cx, cy - s * 0.02f, t), p);
}

void iconListen(Canvas& c, float cx, float cy, float s, const Paint& p) {
    const float r = s * 0.32f;
    const Shape band = ring(cx, cy + s * 0.05f, r, s * 0.08f);
    c.fill([&](float x, float y) { return y > cy + s * 0.05f ? 1.0f : band(x, y); }, p);
    for (float side : {-1.0f, 1.0f}) {
        const float x = cx + side * r;
        c.fill(roundedBox(x - s * 0.1f, cy + s * 0.02f, x + s * 0.1f, cy + s * 0.36f, 4), p);
    }
}

void iconCourse(Canvas& c, float cx, float cy, float s, const Paint& p) {
    for (int i = 0; i < 3; ++i) {
        const float x = cx - s * 0.36f + i * s * 0.26f, height = s * (0.25f + 0.2f * i);
        c.fill(roundedBox(x, cy + s * 0.38f - height, x + s * 0.2f, cy + s * 0.38f, 2), p);
    }
    c.fill(segment(cx + s * 0.3f, cy - s * 0.42f, cx + s * 0.3f, cy - s * 0.05f, s * 0.05f), p);
    c.fill(polygon({{cx + s * 0.3f, cy - s * 0.42f}, {cx + s * 0.02f, cy - s * 0.32f}, {cx + s * 0.3f, cy - s * 0.22f}}), p);
}

using Icon = void (*)(Canvas&, float, float, float, const Paint&);

struct Tile {
    const char* label;
    unsigned accent;
    Icon icon;
};

// Title results 0-5.
constexpr Tile kTiles[] = {
    {"FREE", 0x3ee3ff, iconPlay},      {"PUZZLE", 0x5cff9d, iconPuzzle}, {"ETERNAL", 0x8c6cff, iconEternal},
    {"EXIT", 0xff4d6a, iconExit},      {"LISTEN", 0xffd25a, iconListen}, {"COURSE", 0xff4fd8, iconCourse},
};

void drawTitleTiles(Canvas& c) {
    for (int i = 0; i < 6; ++i) {
        const kv::Rect& r = menuTable[kv::kTitleTiles + i];
        const Colour accent = hex(kTiles[i].accent);
        const float l = r.left, t = r.top;
        // A hexagonal badge matches the hexagon the tiles fly out to.
        std::vector<std::pair<float, float>> hexagon;
        for (int k = 0; k < 6; ++k) {
            const float a = kPi / 3 * k + kPi / 6;
            hexagon.push_back({l + 47.5f + 46.5f * std::cos(a), t + 47.5f + 46.5f * std::sin(a)});
        }
        const Shape badge = polygon(hexagon);
        c.fill(badge, vertical(mix(kPanelLight, accent, 0.35f), kNight, t, t + 95), r);
        c.fill([&](float x, float y) { return std::abs(badge(x, y) + 2) - 1.6f; }, solid(accent), r);
        c.glow(inset(badge, 8), mix(accent, kWhite, 0.2f), 10, r);
        c.fill(inset(badge, 6), vertical(mix(kDeep, accent, 0.25f), kNight, t, t + 95), r);
        kTiles[i].icon(c, l + 47.5f, t + 38, 40, vertical(kWhite, mix(accent, kWhite, 0.35f), t + 18, t + 58));
        label(c, {r.left + 16, r.top + 60, r.right - 16, r.top + 76}, kTiles[i].label, kWhite, mix(accent, kWhite, 0.4f));
    }
}

void drawSelectCells(Canvas& c) {
    // Song icons: off/on pairs, key counts, judge ranks (cells 17-20 for ranks 3 to 0), picture kinds.
    const char* pairs[] = {"BGM", "MIDI", "KEYS"};
    for (int i = 0; i < 3; ++i) {
        labelButton(c, menuTable[7 + 2 * i], pairs[i], kCyan, false);
        labelButton(c, menuTable[8 + 2 * i], pairs[i], kCyan, true);
    }
    const char* keys[] = {"5K", "7K", "10K", "14K"};
    for (int i = 0; i < 4; ++i) labelButton(c, menuTable[13 + i], keys[i], kViolet, true);
    const char* ranks[] = {"EASY", "NORM", "HARD", "V.HARD"};
    const Colour rankColours[] = {kGreen, kCyan, kOrange, kRed};
    for (int i = 0; i < 4; ++i) labelButton(c, menuTable[17 + i], ranks[i], rankColours[i], true);
    const char* pictures[] = {"NO BGA", "BGA", "LAYER", "BGA+"};
    for (int i = 0; i < 4; ++i) labelButton(c, menuTable[21 + i], pictures[i], kMagenta, i > 0);
    // Option page tabs: shown (25-28) and not shown (29-32).
    const char* tabs[] = {"BASIC", "STYLE", "RULE", "SCREEN"};
    for (int i = 0; i < 4; ++i) {
        labelButton(c, menuTable[25 + i], tabs[i], kGold, true);
        labelButton(c, menuTable[29 + i], tabs[i], kGold, false);
    }
    // Cursor bar of the song list: dark enough that the list's white, gold
    // and cyan lines all read on it, violet so it stands out of the blue list.
    const kv::Rect& bar = menuTable[33];
    c.fill(roundedBox(bar.left, bar.top, bar.right, bar.bottom, 3),
           horizontal(mix(kViolet, kNight, 0.5f), mix(kMagenta, kNight, 0.7f), bar.left, bar.right), bar);
    // Level box and the level stars by colour, then the level-0 mark.
    labelButton(c, menuTable[34], "LEVEL", kGold, true);
    const Colour stars[] = {kGreen, kCyan, kOrange, kRed};
    for (int i = 0; i < 5; ++i) {
        const kv::Rect& r = menuTable[35 + i];
        const float cx = (r.left + r.right) / 2.0f, cy = (r.top + r.bottom) / 2.0f + 0.5f;
        std::vector<std::pair<float, float>> star;
        for (int k = 0; k < 10; ++k) {
            const float a = -kPi / 2 + kPi / 5 * k, radius = k % 2 ? 4.2f : 10.5f;
            star.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
        }
        // A star is not convex: draw it as five triangles over a pentagon.
        const Colour colour = i < 4 ? stars[i] : hex(0x8088b8);
        const Paint paint = vertical(mix(colour, kWhite, 0.5f), colour, r.top, r.bottom);
        for (int k = 0; k < 10; k += 2)
            c.fill(polygon({star[k], star[(k + 1) % 10], star[(k + 9) % 10]}), paint, r);
        std::vector<std::pair<float, float>> core;
        for (int k = 1; k < 10; k += 2) core.push_back(star[k]);
        c.fill(polygon(core), paint, r);
    }
    // Mode banners 0-4 of the select screen.
    const char* banners[] = {"FREE PLAY", "COURSE PLAY", "PUZZLE PLAY", "ETERNAL PLAY", "LISTEN MODE"};
    const Colour bannerColours[] = {kCyan, kMagenta, kGreen, kViolet, kGold};
    for (int i = 0; i < 5; ++i) {
        const kv::Rect& r = menuTable[40 + i];
        panel(c, r, 8, mix(kPanel, bannerColours[i], 0.5f), kNight, bannerColours[i]);
        label(c, {r.left + 10, r.top + 8, r.right - 10, r.bottom - 8}, banners[i], kWhite, mix(bannerColours[i], kWhite, 0.4f));
    }
    labelButton(c, menuTable[45], "RANKING ON", kGreen, true);
    labelButton(c, menuTable[46], "NO RANKING", kRed, true);
    // Key and turntable tiles of the setup screens, then highlighted.
    for (int lit = 0; lit < 2; ++lit) {
        const Colour accent = lit ? kGold : kSky;
        const kv::Rect& key = menuTable[47 + 2 * lit];
        panel(c, key, 3, mix(kWhite, accent, 0.3f), mix(accent, kPanel, 0.5f), accent);
        const kv::Rect& disc = menuTable[48 + 2 * lit];
        const float cx = (disc.left + disc.right) / 2.0f, cy = (disc.top + disc.bottom) / 2.0f;
        c.fill(circle(cx, cy, 9.5f), vertical(mix(kWhite, accent, 0.4f), mix(accent, kPanel, 0.5f), disc.top, disc.bottom), disc);
        c.fill(ring(cx, cy, 5, 1.4f), solid(kPanel), disc);
    }
    labelButton(c, menuTable[51], "RP", kMagenta, true);
}

}  // namespace

kv::Surface drawMenuSheet() {
    Canvas c(640, 480);
    drawTitleTiles(c);
    drawSelectCells(c);
    return c.flatten();
}

}  // namespace skin
