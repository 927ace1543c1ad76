#include "chart/chart_info.h"

#include "base/text.h"

#include "chart/chart_text.h"
#include "chart/chart_timing.h"
#include "chart/json_text.h"

namespace kv {

namespace {

template <class Items, class Write>
void writeList(std::ostream& out, const Items& items, Write write) {
    out << '[';
    bool first = true;
    for (const auto& item : items) {
        if (!first) out << ',';
        first = false;
        write(item);
    }
    out << ']';
}

int longNoteCount(const Chart& chart) {
    int count = 0;
    for (const Lane& lane : chart.playLanes)
        for (const ChartObject& object : lane) count += object.isLong() && object.kind == NoteKind::Normal;
    return count;
}

}  // namespace

void MissingMedia::addOnce(std::vector<std::string>& list, const std::string& fileName) {
    for (const std::string& listed : list)
        if (sameLetters(listed, fileName)) return;
    list.push_back(fileName);
}

void writeChartInfo(std::ostream& out, const Chart& chart, const ChartEntry& entry, const MissingMedia& missing,
                    PlaybackRate rate, InfoSwitches switches) {
    out << "{\"file\":" << jsonString(chartPath(entry).string())
        << ",\"title\":" << jsonString(chartTextUtf8(entry, entry.title))
        << ",\"keyMode\":" << int(chart.keyMode) << ",\"noteCount\":" << chart.noteCount
        << ",\"lastMeasure\":" << chart.lastMeasure << ",\"totalLength\":" << chart.totalLength
        << ",\"baseTempo\":" << chart.baseTempo << ",\"playTempo\":" << chart.playTempo << ",\"tempoChanges\":";
    writeList(out, chart.tempoChanges, [&](const TempoChange& c) {
        out << "{\"measure\":" << c.measure << ",\"position\":" << c.position << ",\"bpm\":" << c.bpm << '}';
    });
    out << ",\"measureLengths\":";
    writeList(out, chart.measureLengths,
              [&](const MeasureLength& m) { out << "{\"measure\":" << m.measure << ",\"length\":" << m.length << '}'; });
    out << ",\"judgeWindows\":";
    writeList(out, chart.judgeWindows, [&](std::int8_t w) { out << int(w); });
    out << ",\"gaugeGain\":" << chart.gaugeGain << ",\"gaugeLoss\":" << chart.gaugeLoss
        << ",\"scoreTarget\":" << chart.scoreTarget << ",\"laneObjects\":";
    writeList(out, chart.playLanes, [&](const Lane& lane) { out << lane.size(); });
    out << ",\"bgmEvents\":" << chart.bgm.size() << ",\"missingSamples\":";
    writeList(out, missing.samples, [&](const std::string& name) { out << jsonChartText(name); });
    out << ",\"missingPictures\":";
    writeList(out, missing.pictures, [&](const std::string& name) { out << jsonChartText(name); });
    if (switches.longNotes) out << ",\"longNotes\":" << longNoteCount(chart);
    if (switches.stops) out << ",\"stops\":" << chart.stops.size();
    out << ",\"playSeconds\":" << playLengthSeconds(chart, rate) << "}\n";
}

}  // namespace kv
