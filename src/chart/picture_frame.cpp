#include "chart/picture_frame.h"

#include <algorithm>

namespace kv {

namespace {

constexpr int kScan2 = 2, kWave = 3, kBgaBig = 2, kBgaFull2 = 5;

struct FramePlace {
    int x[4], y[4], bigX[4];
};

// Rows: HALF LEFT, MIDDLE, RIGHT, then SEPRATE LEFT, MIDDLE, RIGHT; columns by key mode.
constexpr FramePlace kPlaces[2][3] = {
    {
        {{346, 346, 346, 346}, {93, 93, 93, 93}, {299, 299, -1, -1}},
        {{424, 424, 489, 489}, {129, 129, 155, 155}, {-1, -1, -1, -1}},
        {{44, 44, 44, 44}, {93, 93, 93, 93}, {19, 19, -1, -1}},
    },
    {
        {{346, 346, 346, 415}, {93, 93, 93, 129}, {299, -1, -1, -1}},
        {{424, 489, 489, -1}, {129, 155, 155, -1}, {-1, -1, -1, -1}},
        {{44, 44, 44, 42}, {93, 93, 93, 129}, {19, -1, -1, -1}},
    },
};
constexpr int kScan2X[2][4] = {{310, 310, 342, 374}, {310, 342, 374, -1}};

// Without room for a frame, BIG and the full-screen kinds still show pictures.
int sizeWithoutRoom(int bga) { return bga >= kBgaBig ? 256 : -1; }

int scan2Size(int x, int bga) {
    switch (x) {
        case 310: return 256;
        case 342: return 192;
        case 374: return 128;
        default: return sizeWithoutRoom(bga);
    }
}

int sizeFromY(int y, int bga) {
    switch (y) {
        case 67: return 320;
        case 93: return 256;
        case 129: return 192;
        case 155: return 128;
        default: return sizeWithoutRoom(bga);
    }
}

}  // namespace

PictureFrame pictureFrameFor(const FrameOptions& options, int keyMode, int bgaKind) {
    const int mode = std::clamp(keyMode, 0, 3);
    const int line = std::clamp(options.line, 0, 1);
    const int linePos = std::clamp(options.linePos, 0, 2);
    PictureFrame frame;
    frame.backdropInUse = options.bga > 2 && bgaKind != 0;
    frame.bgaFrameHidden = bgaKind == 0 || (options.style == kWave && options.bga < 3);
    if (options.bga == kBgaFull2) frame.bgaSourceRect = Rect{0, 32, 256, 225};

    if (options.style == kScan2) {
        frame.bgaFrameX = kScan2X[line][mode];
        frame.bgaFrameY = 22;
        frame.bgaFrameSize = scan2Size(frame.bgaFrameX, options.bga);
        return frame;
    }
    const FramePlace& place = kPlaces[line][linePos];
    frame.bgaFrameX = place.x[mode];
    frame.bgaFrameY = place.y[mode];
    if (options.bga == kBgaBig && place.bigX[mode] > 0) {
        frame.bgaFrameX = place.bigX[mode];
        frame.bgaFrameY = 67;
    }
    frame.bgaFrameSize = sizeFromY(frame.bgaFrameY, options.bga);
    return frame;
}

}  // namespace kv
