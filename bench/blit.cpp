// Per-call cost of the two operations every frame pays most for: a
// full-screen keyed sprite (a background sheet with transparent holes) and
// a present (headless: keeping the frame and moving the manual clock).
#include <benchmark/benchmark.h>

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "platform/platform.h"

namespace {

// A full-screen sheet where every fourth pixel is the colour key, so the
// keyed loop cannot skip whole rows.
void setUpScene() {
    kv::platform::startPlatform(true);
    kv::createDisplay(false);
    kv::createSlot(0, kv::kScreenWidth, kv::kScreenHeight, 0);
    kv::Surface& sheet = *kv::slotSurface(0);
    for (std::size_t i = 0; i < sheet.pixels.size(); ++i) sheet.pixels[i] = i % 4 == 0 ? 0 : kv::Pixel(0x102030 + i);
}

void tearDownScene() {
    kv::releaseDisplay();
    kv::platform::stopPlatform();
}

void FullScreenKeyedBlit(benchmark::State& state) {
    setUpScene();
    for (auto _ : state) {
        kv::drawSpriteKeyed(0, 0, nullptr, 0);
        benchmark::DoNotOptimize(kv::display.back.pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kv::kScreenWidth * kv::kScreenHeight * sizeof(kv::Pixel));
    tearDownScene();
}
BENCHMARK(FullScreenKeyedBlit)->Unit(benchmark::kMicrosecond);

void FullScreenBlit(benchmark::State& state) {
    setUpScene();
    for (auto _ : state) {
        kv::drawSprite(0, 0, nullptr, 0);
        benchmark::ClobberMemory();
    }
    tearDownScene();
}
BENCHMARK(FullScreenBlit)->Unit(benchmark::kMicrosecond);

void FullScreenStretchKeyed(benchmark::State& state) {
    setUpScene();
    const kv::Rect half{0, 0, kv::kScreenWidth / 2, kv::kScreenHeight / 2};
    for (auto _ : state) {
        kv::stretchSpriteKeyed(0, 0, kv::kScreenWidth, kv::kScreenHeight, &half, 0);
        benchmark::ClobberMemory();
    }
    tearDownScene();
}
BENCHMARK(FullScreenStretchKeyed)->Unit(benchmark::kMicrosecond);

void HeadlessPresent(benchmark::State& state) {
    setUpScene();
    for (auto _ : state) kv::present();
    tearDownScene();
}
BENCHMARK(HeadlessPresent)->Unit(benchmark::kMicrosecond);

}  // namespace
