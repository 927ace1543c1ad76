// libFuzzer target: arbitrary bytes as a chart file, through the header
// scan and the loader (with every option the input's first bytes pick).
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "chart/chart_loader.h"
#include "chart/chart_media.h"
#include "chart/header_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("kv_fuzz_" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    std::ofstream(folder / "f.bms", std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));

    kv::ChartEntry entry;
    kv::scanChartHeader(entry, folder.string(), "f.bms", {1, folder.string()});
    kv::Settings settings;
    if (size > 2) {
        settings.OBJECT = std::int8_t(data[0] % 12);
        settings.KEY = std::int8_t(data[1] % 9);
        settings.AUTOPLAY = std::int8_t(data[2] % 3);
    }
    static auto chart = std::make_unique<kv::Chart>();
    std::uint32_t state = 1;
    const kv::LoadContext context{0, false, 0, [&state] { return int((state = state * 214013u + 2531011u) >> 16 & 0x7FFF); }};
    kv::NullChartMedia media;
    kv::SilentLoadingScreen screen;
    kv::loadChart(entry, *chart, settings, context, media, screen);
    return 0;
}
