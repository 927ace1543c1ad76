// libFuzzer target: arbitrary bytes as a chart file, through the header
// scan and the loader (with every option the input's first bytes pick).
#include <cstdint>
#include <memory>

#include "chart/chart_loader.h"
#include "chart/chart_media.h"
#include "chart/header_scan.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = kv::fuzz::scratchFolder().string();
    kv::fuzz::writeInput("f.bms", data, size);

    kv::ChartEntry entry;
    kv::scanChartHeader(entry, folder, "f.bms", {1, folder});
    kv::Settings settings;
    if (size > 2) {
        settings.OBJECT = std::int8_t(data[0] % 12);
        settings.KEY = std::int8_t(data[1] % 9);
        settings.AUTOPLAY = std::int8_t(data[2] % 3);
    }
    static auto chart = std::make_unique<kv::Chart>();
    const kv::LoadContext context{0, false, 0, kv::fuzz::Lcg{1}};
    kv::NullChartMedia media;
    kv::SilentLoadingScreen screen;
    kv::loadChart(entry, *chart, settings, context, media, screen);
    return 0;
}
