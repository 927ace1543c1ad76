#include "media/audio/output_clock.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kv {
namespace {

constexpr int kRate = 44100;
constexpr int kBuffer = 256;
constexpr std::int64_t kBufferMicros = std::int64_t(kBuffer) * 1'000'000 / kRate;

// A card that pulls one buffer per period, each callback up to `jitter`
// microseconds late, its first buffer asked for at clock time `origin`.
struct Card {
    OutputClock clock{kRate, kBuffer};
    std::int64_t origin = 1'000'000;
    std::int64_t frame = 0;
    int underruns = 0;

    void pull(int buffers, std::int64_t jitter) {
        for (int i = 0; i < buffers; ++i, frame += kBuffer) {
            const std::int64_t late = jitter ? std::int64_t(std::rand() % int(jitter)) : 0;
            underruns += clock.renderBegan(origin + frame * 1'000'000 / kRate + late, frame) ? 1 : 0;
        }
    }
    // The frame the card renders at clock time `micros`.
    std::int64_t frameAt(std::int64_t micros) const { return (micros - origin) * kRate / 1'000'000; }
};

TEST(OutputClock, StartsAtOnceUntilTheCardHasCalled) {
    OutputClock clock(kRate, kBuffer);
    EXPECT_EQ(clock.frameFor(5'000'000), 0);
}

TEST(OutputClock, JitteryCallbacksGiveAConstantLeadAheadOfTheRender) {
    std::srand(7);
    Card card;
    card.pull(400, kBufferMicros / 2);
    const std::int64_t now = card.origin + card.frame * 1'000'000 / kRate;
    const std::int64_t lead = card.clock.frameFor(now) - card.frameAt(now);
    const std::int64_t wanted = card.clock.leadMicros() * kRate / 1'000'000;
    // Half a buffer of jitter moves the estimate by less than half a buffer.
    EXPECT_NEAR(double(lead), double(wanted), kBuffer / 2.0);
    EXPECT_GT(lead, 2 * kBuffer);  // never inside the buffers being mixed
    // Moments 10 ms apart stay 10 ms apart: no jitter between them.
    EXPECT_EQ(card.clock.frameFor(now + 10'000) - card.clock.frameFor(now), kRate / 100);
    EXPECT_EQ(card.underruns, 0);
}

TEST(OutputClock, AStalledCardIsAnUnderrunAndTheEstimateStartsAfresh) {
    Card card;
    card.pull(100, 0);
    card.origin += 50'000;  // 50 ms of silence: the callbacks came late
    card.pull(1, 0);
    EXPECT_EQ(card.underruns, 1);
    card.pull(100, 0);
    EXPECT_EQ(card.underruns, 1);
    const std::int64_t now = card.origin + card.frame * 1'000'000 / kRate;
    EXPECT_NEAR(double(card.clock.frameFor(now) - card.frameAt(now)),
                double(card.clock.leadMicros() * kRate / 1'000'000), 2.0);
}

TEST(OutputClock, ABurstOfCallbacksIsNoUnderrun) {
    Card card;
    card.pull(100, 0);
    card.origin -= 50'000;  // the card asked 50 ms ahead
    card.pull(10, 0);
    EXPECT_EQ(card.underruns, 0);
}

}  // namespace
}  // namespace kv
