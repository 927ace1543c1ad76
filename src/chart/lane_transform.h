#pragma once
// The OBJECT option: copies the chart's lanes into the play lanes mirrored,
// permuted, rotated or folded, and hands the turntable to the game under
// AUTOPLAY EFFECT.
#include <functional>

#include "chart/chart.h"

namespace kv {

// Draws 0-32767 from the game's one pseudo-random generator.
using RandomSource = std::function<int()>;

enum ObjectOption {
    ObjectNormal = 0,
    ObjectMirror = 1,
    ObjectRandom = 2,
    ObjectPanic = 3,
    ObjectShuffle = 4,
    ObjectRotate = 5,
    // 6-10: the same five with the turntable lanes taking part.
    ObjectSymmetry = 11,
};

// Fills chart.playLanes from chart.sourceLanes (read, scaled and sorted) and
// adjusts chart.noteCount. object: OBJECT code 0-11; autoplay: AUTOPLAY code.
void transformLanes(Chart& chart, int object, int autoplay, const RandomSource& random);

}  // namespace kv
