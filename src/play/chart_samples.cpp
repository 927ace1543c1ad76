#include "play/chart_samples.h"

#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"

namespace kv {

std::vector<int> loadChartSamples(const std::vector<SampleRequest>& requests, std::optional<double> rateFactor,
                                  platform::FileNames& names) {
    std::vector<SampleLoad> loads;
    loads.reserve(requests.size());
    for (const SampleRequest& request : requests) loads.push_back({chartSampleSlot(request.number), request.fileName});
    const auto factor = rateFactor ? std::optional<float>(float(*rateFactor)) : std::nullopt;
    return loadSamples(loads, factor, names);
}

}  // namespace kv
