// The play-style sheets: lane strips, keys, notes, beams and markers for
// BEMUSIC and UPWAY, and the SCAN2, WAVE and BONUS sheets.
#include <cmath>

#include "media/gfx/style_sheets.h"
#include "sheets.h"
#include "widgets.h"

namespace skin {
namespace {

using kv::bemusicSheet;
using kv::bonusSheet;
using kv::scanSheet;
using kv::waveSheet;

// Note colours 0-3: odd keys, even keys, narrow keys, turntable.
const Colour kNoteColours[] = {kWhite, kCyan, hex(0x7fb0ff), kRed};
// Replay marks follow the judgement colours.
const Colour kJudgeColours[] = {kCyan, kGold, kGreen, kMagenta, kRed};

void note(Canvas& c, const kv::Rect& r, Colour colour, int frame) {
    const Shape body = roundedBox(r.left + 0.5f, r.top + 1.5f, r.right - 0.5f, r.bottom - 1.5f, 3);
    c.fill(body, vertical(mix(colour, kWhite, 0.6f), mix(colour, kNight, 0.25f), r.top, r.bottom), r);
    // A glint runs across the note as it animates.
    const float glintX = r.left + (r.width() + 6) * (frame / 4.0f) - 3;
    c.fill(segment(glintX, r.top + 2.0f, glintX + 3, r.bottom - 2.0f, 2), solid({1, 1, 1, 0.7f}), r);
}

void key(Canvas& c, const kv::Rect& r, Colour colour, bool pressed) {
    const Colour face = pressed ? mix(colour, kWhite, 0.5f) : mix(colour, kPanel, 0.55f);
    panel(c, {r.left, r.top, r.right, r.bottom}, 3, mix(face, kWhite, 0.2f), mix(face, kNight, 0.3f), pressed ? kWhite : colour);
    if (pressed) c.glow(roundedBox(r.left + 4, r.top + 4, r.right - 4, r.bottom - 4, 2), kWhite, 3, r);
}

void turntable(Canvas& c, const kv::Rect& r, Colour accent, bool lit) {
    const float cx = (r.left + r.right) / 2.0f, cy = (r.top + r.bottom) / 2.0f, radius = std::min(r.width(), r.height()) / 2.0f - 1;
    c.fill(circle(cx, cy, radius), vertical(mix(kPanelLight, accent, lit ? 0.7f : 0.2f), kNight, r.top, r.bottom), r);
    c.fill(ring(cx, cy, radius - 1, 1.5f), solid(accent), r);
    c.fill(ring(cx, cy, radius * 0.45f, 1.5f), solid(mix(accent, kWhite, 0.4f)), r);
    c.fill(circle(cx, cy, 2), solid(kWhite), r);
}

void strip(Canvas& c, const kv::Rect& r, Colour tint) {
    c.fill(roundedBox(r.left, r.top, r.right, r.bottom, 0), horizontal(mix(kNight, tint, 0.12f), mix(kDeep, tint, 0.08f), r.left, r.right), r);
    c.fill(roundedBox(r.left, r.top, r.left + 1, r.bottom, 0), solid(mix(kDeep, tint, 0.35f)), r);
}

// A beam rising from the key: bright at the key end, fading away from it.
void beam(Canvas& c, const kv::Rect& r, Colour colour, bool keyAtTop) {
    const float cx = (r.left + r.right) / 2.0f;
    c.fill(roundedBox(r.left, r.top, r.right, r.bottom, 0), [&](float x, float y) {
        const float along = keyAtTop ? (r.bottom - y) / r.height() : (y - r.top) / r.height();
        const float across = 1 - std::abs(x - cx) / (r.width() / 2.0f + 0.5f);
        // Opaque throughout: it fades into the lane colour, not into the key.
        return mix(mix(kNight, colour, 0.15f), mix(colour, kWhite, across * 0.8f), std::pow(along, 1.5f) * (0.5f + 0.5f * across));
    }, r);
}

void replayMark(Canvas& c, const kv::Rect& r, Colour colour) {
    c.fill([&](float x, float y) { return std::abs(roundedBox(r.left + 1, r.top + 2, r.right - 1, r.bottom - 2, 3)(x, y)) - 1; },
           solid(colour), r);
}

// A long note's body: a band of the note's colour, brighter while held.
void longBody(Canvas& c, const kv::Rect& r, Colour colour, bool held) {
    const Colour edge = held ? mix(colour, kWhite, 0.5f) : mix(colour, kNight, 0.35f);
    const Colour core = held ? mix(colour, kWhite, 0.8f) : mix(colour, kNight, 0.6f);
    c.fill(roundedBox(r.left + 2.0f, r.top, r.right - 2.0f, r.bottom, 0), horizontal(edge, core, r.left, (r.left + r.right) / 2.0f), r);
}

void sidePiece(Canvas& c, const kv::Rect& r, bool mirrored) {
    c.fill(roundedBox(r.left, r.top, r.right, r.bottom, 0), horizontal(mirrored ? kPanel : kPanelLight, mirrored ? kPanelLight : kPanel, r.left, r.right), r);
    const float x = mirrored ? r.left + 2.0f : r.right - 3.0f;
    c.fill(segment(x, r.top + 4.0f, x, r.bottom - 4.0f, 1.5f), vertical(kCyan, kMagenta, r.top, r.bottom), r);
}

}  // namespace

kv::Surface drawBemusicSheet(bool upway) {
    Canvas c(640, 480);
    sidePiece(c, bemusicSheet[0], false);
    sidePiece(c, bemusicSheet[1], true);
    // Keys at rest and pressed: 2-5 (half lanes), 6-9 (separate lanes), 10-11 and 61 turntable.
    key(c, bemusicSheet[2], kWhite, false);
    key(c, bemusicSheet[3], kCyan, false);
    key(c, bemusicSheet[4], kWhite, true);
    key(c, bemusicSheet[5], kCyan, true);
    key(c, bemusicSheet[6], kWhite, false);
    key(c, bemusicSheet[7], kCyan, false);
    key(c, bemusicSheet[8], kWhite, true);
    key(c, bemusicSheet[9], kCyan, true);
    turntable(c, bemusicSheet[10], kRed, false);
    turntable(c, bemusicSheet[11], kRed, true);
    turntable(c, bemusicSheet[61], kGold, false);
    for (int colour = 0; colour < 4; ++colour)
        for (int frame = 0; frame < 4; ++frame)
            note(c, bemusicSheet[kv::kBemusicNotes + 4 * colour + frame], kNoteColours[colour], frame);
    for (int colour = 0; colour < 3; ++colour)
        for (int code = 1; code <= 5; ++code)
            replayMark(c, bemusicSheet[kv::kBemusicReplayMarks + 5 * colour + code], kJudgeColours[code - 1]);
    c.fill(roundedBox(138, 0, 139, 383, 0), vertical(kCyan, kMagenta, 0, 383));
    c.fill(roundedBox(0, 414, 324, 415, 0), solid(hex(0x6c78b8)));
    strip(c, bemusicSheet[kv::kBemusicLaneStrips], kWhite);
    strip(c, bemusicSheet[kv::kBemusicLaneStrips + 1], kCyan);
    strip(c, bemusicSheet[kv::kBemusicLaneStrips + 2], kRed);
    // Each beam set is three nested widths of one picture: draw the widest.
    const Colour beamColours[] = {kSky, kCyan, kCyan, kRed};
    for (int set = 0; set < 4; ++set) beam(c, bemusicSheet[kv::kBemusicBeams + 3 * set + 2], beamColours[set], upway);
    for (int colour = 0; colour < 4; ++colour) {
        longBody(c, bemusicSheet[kv::kBemusicLongBodies + colour], kNoteColours[colour], false);
        longBody(c, bemusicSheet[kv::kBemusicHeldBodies + colour], kNoteColours[colour], true);
    }
    const kv::Rect& marker = bemusicSheet[60];
    c.fill(roundedBox(marker.left, marker.top, marker.right, marker.bottom, 3), horizontal(kGold, kOrange, marker.left, marker.right));
    return c.flatten();
}

kv::Surface drawScanSheet() {
    Canvas c(640, 480);
    for (int i = 0; i < 2; ++i) panel(c, scanSheet[i], 0, kPanel, kDeep, kCyan);
    const Colour keyColours[] = {kWhite, kCyan, kWhite, kCyan, kRed, kGold};
    for (int i = 0; i < 6; ++i) key(c, scanSheet[2 + i], keyColours[i], false);
    for (int colour = 0; colour < 4; ++colour)
        for (int frame = 0; frame < 2; ++frame) note(c, scanSheet[kv::kScanNotes + 2 * colour + frame], kNoteColours[colour], frame * 2);
    for (int colour = 0; colour < 3; ++colour)
        for (int code = 1; code <= 5; ++code) replayMark(c, scanSheet[kv::kScanReplayMarks + 5 * colour + code], kJudgeColours[code - 1]);
    const Colour stripTints[] = {kWhite, kCyan, kRed};
    for (int i = 0; i < 3; ++i) strip(c, scanSheet[kv::kScanLaneStrips + i], stripTints[i]);
    const Colour laneColours[] = {kWhite, kCyan, kSky, kRed};
    for (int i = 0; i < 4; ++i) {
        key(c, scanSheet[kv::kScanKeys + 2 * i], laneColours[i], false);
        key(c, scanSheet[kv::kScanKeys + 2 * i + 1], laneColours[i], true);
        const kv::Rect& spark = scanSheet[kv::kScanMissSparks + i];
        c.fill(circle((spark.left + spark.right) / 2.0f, (spark.top + spark.bottom) / 2.0f, 5), solid(kRed), spark);
    }
    const kv::Rect& marker = scanSheet[42];
    c.fill(roundedBox(marker.left, marker.top, marker.right, marker.bottom, 2), vertical(kGold, kOrange, marker.top, marker.bottom));
    const kv::Rect& hit = scanSheet[47];
    c.fill(circle(hit.left + 2.5f, hit.top + 2.5f, 2.5f), solid(kWhite), hit);
    const kv::Rect& frame = scanSheet[48];
    c.fill([&](float x, float y) { return std::abs(roundedBox(frame.left + 2, frame.top + 2, frame.right - 2, frame.bottom - 2, 10)(x, y)) - 1.5f; },
           horizontal(kCyan, kMagenta, frame.left, frame.right), frame);
    return c.flatten();
}

kv::Surface drawWaveSheet() {
    Canvas c(640, 480);
    // Keys at rest and pressed: 0/1 odd keys, 2/3 even keys, 4/5 turntable, 6 turntable under autoplay effect.
    const Colour keyColours[] = {kWhite, kWhite, kCyan, kCyan, kRed, kRed, kGold};
    for (int i = 0; i < 7; ++i) {
        const kv::Rect& r = waveSheet[i];
        const bool pressed = i % 2 == 1 && i < 6;
        const float cx = r.left + 18.5f, cy = r.top + 18.5f;
        c.fill(circle(cx, cy, 17), vertical(mix(keyColours[i], pressed ? kWhite : kPanel, 0.5f), kNight, r.top, r.bottom), r);
        c.fill(ring(cx, cy, 16, 2), solid(pressed ? kWhite : keyColours[i]), r);
    }
    // Note quarters: each a quarter of a diamond pointing to the key.
    for (int colour = 0; colour < 4; ++colour)
        for (int quarter = 0; quarter < 4; ++quarter) {
            const kv::Rect& r = waveSheet[kv::kWaveNoteQuarters + 4 * colour + quarter];
            const float ox = quarter % 2 ? r.left : r.right, oy = quarter / 2 ? r.top : r.bottom;
            const float sx = quarter % 2 ? 1.0f : -1.0f, sy = quarter / 2 ? 1.0f : -1.0f;
            c.fill(polygon({{ox, oy}, {ox + sx * 17, oy}, {ox, oy + sy * 17}}),
                   vertical(mix(kNoteColours[colour], kWhite, 0.5f), kNoteColours[colour], r.top, r.bottom), r);
        }
    return c.flatten();
}

kv::Surface drawBonusSheet() {
    Canvas c(640, 480);
    const kv::Rect& field = bonusSheet[0];
    c.fill(roundedBox(field.left, field.top, field.right, field.bottom, 0), vertical(kNight, kDeep, field.top, field.bottom));
    for (int i = 0; i < 40; ++i) {
        const float x = float((i * 73) % 318 + 1), y = float((i * 151) % 411 + 1);
        c.fill(circle(x, y, i % 5 == 0 ? 1.2f : 0.7f), solid(mix(kSky, kWhite, (i % 3) / 2.0f)), field);
    }
    sidePiece(c, bonusSheet[1], false);
    sidePiece(c, bonusSheet[2], true);
    // Ship: straight, tilted right, tilted left.
    for (int i = 0; i < 3; ++i) {
        const kv::Rect& r = bonusSheet[3 + i];
        const float cx = r.left + 16.0f, tilt = i == 1 ? 3.0f : i == 2 ? -3.0f : 0.0f;
        c.fill(polygon({{cx + tilt, r.top + 2.0f}, {r.right - 3.0f + tilt, r.bottom - 4.0f}, {cx, r.bottom - 9.0f}, {r.left + 3.0f + tilt, r.bottom - 4.0f}}),
               vertical(kWhite, kCyan, r.top, r.bottom), r);
        c.fill(circle(cx + tilt * 0.5f, r.top + 15.0f, 3), solid(kMagenta), r);
    }
    // Enemy animation: a spinning crystal.
    for (int i = 0; i < 4; ++i) {
        const kv::Rect& r = bonusSheet[6 + i];
        const float cx = r.left + 16.0f, cy = r.top + 16.0f, w = 13.0f * std::abs(std::cos(i * 0.6f)) + 3;
        c.fill(polygon({{cx, cy - 14}, {cx + w, cy}, {cx, cy + 14}, {cx - w, cy}}), vertical(kMagenta, kViolet, r.top, r.bottom), r);
    }
    const kv::Rect& destroyed = bonusSheet[10];
    for (int k = 0; k < 6; ++k) {
        const float a = 1.047f * k, cx = destroyed.left + 16.0f, cy = destroyed.top + 16.0f;
        c.fill(segment(cx + 4 * std::cos(a), cy + 4 * std::sin(a), cx + 13 * std::cos(a), cy + 13 * std::sin(a), 2.5f), solid(kOrange), destroyed);
    }
    const kv::Rect& shot = bonusSheet[11];
    c.fill(roundedBox(shot.left + 5, shot.top + 2, shot.right - 5, shot.bottom - 2, 3), vertical(kWhite, kCyan, shot.top, shot.bottom), shot);
    const kv::Rect& bullet = bonusSheet[12];
    c.fill(circle(bullet.left + 4.0f, bullet.top + 4.0f, 3.5f), solid(kGold), bullet);
    for (int i = 0; i < 4; ++i) {
        const kv::Rect& r = bonusSheet[13 + i];
        const float t = i / 3.0f, cx = r.left + 27.0f, cy = r.top + 27.0f;
        c.fill(circle(cx, cy, 5 + 8 * t), solid(mix(kWhite, kOrange, t)), r);
        c.fill(ring(cx, cy, 8 + 16 * t, 4 - 2 * t), solid(mix(kGold, kRed, t)), r);
    }
    return c.flatten();
}

}  // namespace skin
