#include "widgets.h"

#include <cmath>

namespace skin {

void panel(Canvas& c, kv::Rect r, float radius, Colour top, Colour bottom, Colour rim) {
    const Shape body = roundedBox(r.left, r.top, r.right, r.bottom, radius);
    c.fill(body, vertical(top, bottom, r.top, r.bottom), r);
    c.fill([&](float x, float y) { return std::abs(body(x, y) + 0.75f) - 0.6f; }, solid(rim), r);
}

void label(Canvas& c, kv::Rect box, std::string_view text, Colour top, Colour bottom) {
    c.fitted(text, kBoldFace, box, vertical(top, bottom, box.top, box.bottom), kOutline, box.height() + 10);
}

void labelButton(Canvas& c, kv::Rect r, std::string_view text, Colour accent, bool lit) {
    const Colour face = lit ? mix(kPanel, accent, 0.45f) : kPanel;
    panel(c, r, 5, mix(face, kWhite, 0.12f), mix(face, kNight, 0.4f), lit ? accent : kPanelLight);
    const Colour ink = lit ? kWhite : hex(0x8088b8);
    label(c, {r.left + 4, r.top + 3, r.right - 4, r.bottom - 3}, text, ink, lit ? mix(accent, kWhite, 0.3f) : ink);
}

}  // namespace skin
