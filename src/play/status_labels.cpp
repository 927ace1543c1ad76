#include "play/status_labels.h"

#include <algorithm>
#include <cstdio>

namespace kv {

namespace {

constexpr const char* kSpeedLabels[] = {" X0.5 ", "X0.75", "  X1  ", " X1.5 ", "  X2  ", " X2.5 ", "  X3  ",
                                        " X3.5 ", "  X4  ", " X4.5 ", "  X5  ", "  X6  ", "  X8  ", " X10 ",
                                        " X12 ", " X16 ", "RANDOM", "GRAVIT", "COMBO"};
constexpr const char* kTransformLabels[] = {"",      "MIRROR", "RANDOM", "PANIC", "SHUFLE", "ROTATE",
                                            "E MIR", "E RAN",  "E PAN",  "E SHU", "E ROT",  "SYMMET"};
constexpr const char* kViewLabels[] = {"", "HIDDEN", "SUDDEN", "INVISI", "MIDDLE", "HIDSUD"};

template <std::size_t N>
const char* pick(const char* const (&labels)[N], int code) {
    return labels[std::clamp(code, 0, int(N) - 1)];
}

}  // namespace

const char* modeLabel(const PlayConfig& config) {
    if (config.course) return "COURSE PLAY";
    if (config.eternal) return "ETERNALPLAY";
    if (config.puzzle) return "PUZZLE PLAY";
    return " FREE PLAY ";
}

std::string speedLabel(int speed, int freeSpeed) {
    if (speed != kSpeedFree) return pick(kSpeedLabels, speed);
    char text[24];
    std::snprintf(text, sizeof text, "F%d.%d", freeSpeed / 10, freeSpeed % 10);
    return text;
}

const char* transformLabel(int object) { return pick(kTransformLabels, object); }

const char* viewLabel(int view) { return pick(kViewLabels, view); }

}  // namespace kv
