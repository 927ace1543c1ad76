#include "play/scan_sparks.h"

namespace kv {

namespace {

constexpr int kSparkLifetime = 14;
constexpr float kSweepWidth = 576.0f;

}  // namespace

void addScanSpark(ScanSparks& sparks, const ScanSpark& spark) {
    for (ScanSpark& slot : sparks.slots)
        if (!slot.used) {
            slot = spark;
            slot.used = true;
            return;
        }
}

void followScanSweep(ScanSparks& sparks, float scanPosition) {
    if (scanPosition < sparks.lastScanPosition)
        for (ScanSpark& spark : sparks.slots) spark.sweep -= kSweepWidth;
    sparks.lastScanPosition = scanPosition;
}

void tickScanSparks(ScanSparks& sparks) {
    for (ScanSpark& spark : sparks.slots) {
        if (!spark.used) continue;
        if (++spark.age > kSparkLifetime) {
            spark.used = false;
            continue;
        }
        if (spark.age % 2 == 0) spark.dx += spark.vx, spark.dy += spark.vy;
    }
}

}  // namespace kv
