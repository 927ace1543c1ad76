#include "chart/chart_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "chart/data_line.h"
#include "chart/playback_rate.h"

namespace kv {

namespace {

constexpr int kMessageRowStep = 20;
constexpr int kDefaultTempo = 130;

// Channels of the key lanes (11-19 and 21-29; 17 and 27 are not lanes).
int laneOfChannel(int channel) {
    static constexpr int lanes[19] = {1, 2, 3, 4, 5, 0, -1, 6, 7, -1, 9, 10, 11, 12, 13, 8, -1, 14, 15};
    return channel >= 11 && channel <= 29 ? lanes[channel - 11] : -1;
}

// The command word followed by an index ("WAV01" -> "01"), or null.
const char* indexAfter(const char* word, const char* command) {
    const std::size_t length = std::strlen(command);
    if (std::strncmp(word, command, length) != 0 || word[length] == '\0') return nullptr;
    return word + length;
}

// How far a "#BGA" number reaches: its printed width plus the blank after it.
int printedWidthPlusOne(int value) {
    if (value >= 0) return value < 10 ? 2 : value < 100 ? 3 : 4;
    return value > -10 ? 3 : value > -100 ? 4 : 5;
}

const char* stepWithin(const char* text, int steps) {
    while (steps-- > 0 && *text != '\0') ++text;
    return text;
}

std::string restOf(const char* argument) {
    char rest[kLineBufferSize];
    takeRest(argument, rest);
    return rest;
}

}  // namespace

ChartReader::ChartReader(Chart& chart, ChartMedia& media, LoadingScreen& screen, const ChartReadOptions& options)
    : chart_(chart), media_(media), screen_(screen), options_(options) {
    extendedTempo_.fill(kDefaultTempo);
}

void ChartReader::read(TextFile& file) {
    // A last line without a line feed is not read, as charts always were.
    while (readChartLine(file)) {
        handleLine(file);
        ++lineNumber_;
    }
    addStops();
}

void ChartReader::handleLine(TextFile& file) {
    char* line = file.lineBuffer;
    if (line[0] != '#') return;
    if (const auto data = parseDataLine(line)) {
        handleData(data->measure, data->channel, data->objects);
        return;
    }
    char word[kLineBufferSize];
    const int advance = takeWord(line + 1, word);
    upcaseAscii(word);
    handleHeader(file, word, line + 1 + advance);
}

void ChartReader::handleHeader(TextFile& file, char* word, const char* argument) {
    if (handleExtensionHeader(word, argument)) return;
    if (std::strcmp(word, "MIDIFILE") == 0) {
        chart_.hasMidi = true;
        chart_.midiFile = restOf(argument).substr(0, 79);
        media_.openMidi(chart_.midiFile);
    } else if (std::strcmp(word, "TOTAL") == 0) {
        total_ = parseSignedInt(argument);
    } else if (const char* index = indexAfter(word, "BPM")) {
        // Index 255 has its own entry, so #BPMFF stays inside the table.
        extendedTempo_[std::size_t(parseHexPair(index))] = parseDecimal(argument);
    } else if (std::strcmp(word, "RANDOM") == 0) {
        // A range of 0 or less has only one outcome.
        const int range = parseSignedInt(argument);
        randomValue_ = range > 0 ? options_.random() % range + 1 : 1;
    } else if (std::strcmp(word, "IF") == 0) {
        if (parseSignedInt(argument) != std::int16_t(randomValue_)) skipBlock(file);
    } else if (const char* index = indexAfter(word, "WAV")) {
        loadSample(index, argument);
    } else if (const char* index = indexAfter(word, "BMP")) {
        loadBitmap(index, argument);
    } else if (const char* index = indexAfter(word, "BGA")) {
        defineBga(index, argument);
    }
}

// Blocks do not nest: the first #ENDIF ends the skip, and so does the end
// of the file.
void ChartReader::skipBlock(TextFile& file) {
    while (readChartLine(file)) {
        upcaseAscii(file.lineBuffer);
        ++lineNumber_;
        if (std::strcmp(file.lineBuffer, "#ENDIF") == 0) return;
    }
}

void ChartReader::loadSample(const char* index, const char* argument) {
    const int slot = parseBase36Pair(index);
    const std::string name = restOf(argument);
    if (media_.loadSample(slot, name) != 0) {
        char message[kLineBufferSize + 64];
        std::snprintf(message, sizeof message, "WAVE ERROR !  LINE:%d  NAME:%s", lineNumber_, name.c_str());
        reportFailure(message);
    }
    if (options_.tempo != 0) media_.setSampleRate(slot, tempoFactor(options_.tempo));
}

void ChartReader::loadBitmap(const char* index, const char* argument) {
    if (options_.bga < 1 || options_.bga > 6 || !options_.framed) return;
    const int number = parseHexPair(index);
    const std::string name = restOf(argument);
    const int result = media_.loadPicture(number + 4, name);
    if (result != 1) {
        char message[kLineBufferSize + 64];
        std::snprintf(message, sizeof message, "BMP ERROR ! LINE:%d  NAME:%s TYPE:%d", lineNumber_, name.c_str(), result);
        reportFailure(message);
    }
}

void ChartReader::defineBga(const char* index, const char* argument) {
    if (options_.bga < 1 || options_.bga > 6) return;
    BgaDef& def = chart_.bgaDefs[std::size_t(parseBase36Pair(index))];
    def.defined = true;
    char word[kLineBufferSize];
    const char* text = argument + takeWord(argument, word);
    def.source = parseHexPair(word);
    std::int32_t* fields[] = {&def.x1, &def.y1, &def.x2, &def.y2, &def.dx, &def.dy};
    for (std::int32_t* field : fields) {
        const std::int16_t value = std::int16_t(parseSignedInt(text));
        *field = value;
        text = stepWithin(text, printedWidthPlusOne(value));
    }
    // Before its bitmap is loaded a definition is held to the usual picture size.
    int width = 0, height = 0;
    media_.pictureSize(def.source + 4, width, height);
    if (width <= 0 || height <= 0) width = height = 256;
    def.x1 = std::max(def.x1, 0);
    def.y1 = std::max(def.y1, 0);
    if (def.x2 >= width) def.x2 = width - 1;
    if (def.y2 >= height) def.y2 = height - 1;
    def.dx = std::clamp(def.dx, 0, 255);
    def.dy = std::clamp(def.dy, 0, 255);
}

void ChartReader::reportFailure(const std::string& message) {
    mediaFailed_ = true;
    screen_.drawLine(messageRow_, message);
    messageRow_ += kMessageRowStep;
}

void ChartReader::addTempo(int measure, int i, int n, double bpm) {
    // A tempo of 0 or less would stop the chart for good; such changes are dropped.
    if (!(bpm > 0 && std::isfinite(bpm))) return;
    const double written = double(kStandardMeasure) * i / n;
    chart_.tempoChanges.push({std::int16_t(measure), std::int16_t(pairPosition(i, n)), float(bpm), written});
}

bool ChartReader::handleExtensionHeader(const char* word, const char* argument) {
    if (options_.longNotes && std::strcmp(word, "LNTYPE") == 0) {
        longNotes_.lnType = parseSignedInt(argument);
    } else if (options_.longNotes && std::strcmp(word, "LNOBJ") == 0) {
        if (const int value = parseBase36Pair(argument); value > 0) longNotes_.endObjects.set(std::size_t(value));
    } else if (const char* index = indexAfter(word, "STOP"); index && options_.stops) {
        if (const int number = parseBase36Pair(index); number >= 0) stopLengths_[std::size_t(number)] = parseDecimal(argument);
    } else {
        return false;
    }
    return true;
}

bool ChartReader::handleExtensionData(int measure, int channel, const char* objects) {
    const int lane = laneOfChannel(channel - 40);
    const bool longNoteChannel = options_.longNotes && channel > 50 && lane >= 0;
    if (!longNoteChannel && !(options_.stops && channel == 9)) return false;
    const int n = pairCount(objects);
    for (int i = 0; i < n; ++i) {
        const int value = parseBase36Pair(objects + 2 * i);
        if (value <= 0) continue;
        const auto m = std::int16_t(measure);
        const auto position = std::int16_t(pairPosition(i, n));
        if (!longNoteChannel) {
            stopMarks_.push_back({m, position, std::int16_t(value)});
            continue;
        }
        // A cell runs to the next one; the last cell of a measure to the next measure.
        const bool lastCell = i + 1 == n;
        longNotes_.marks[std::size_t(lane)].push_back({m, position, std::int16_t(value),
                                                       std::int16_t(lastCell ? measure + 1 : measure),
                                                       std::int16_t(lastCell ? 0 : pairPosition(i + 1, n))});
    }
    return true;
}

// Stops of no length, negative or not a number, stop nothing.
void ChartReader::addStops() {
    for (const StopMark& mark : stopMarks_) {
        const double length = stopLengths_[std::size_t(mark.number)];
        if (length > 0 && std::isfinite(length)) chart_.stops.push({mark.measure, mark.position, float(std::min(length, 1e9))});
    }
}

void ChartReader::handleData(int measure, int channel, const char* objects) {
    if (handleExtensionData(measure, channel, objects)) return;
    NoteKind kind = NoteKind::Normal;
    if (channel > 30) {
        channel -= 20;
        kind = NoteKind::Invisible;
    }
    if (channel == 2) {
        // Lengths beyond what a position can hold are capped, not wrapped.
        const double units = parseDecimal(objects) * kStandardMeasure;
        const auto length = std::int16_t(std::min(units, 32767.0));
        for (MeasureLength& entry : chart_.measureLengths) {
            if (entry.measure == measure) {
                entry.length = length;
                return;
            }
        }
        chart_.measureLengths.push({std::int16_t(measure), length});
        return;
    }
    const int lane = laneOfChannel(channel);
    const bool hex = channel == 3 || channel == 8;
    if (lane < 0 && channel != 1 && !hex && channel != 4 && channel != 6 && channel != 7) return;

    const int n = pairCount(objects);
    for (int i = 0; i < n; ++i) {
        const char* pair = objects + 2 * i;
        const int value = hex ? parseHexPair(pair) : parseBase36Pair(pair);
        if (value <= 0) continue;
        const auto m = std::int16_t(measure);
        const auto position = std::int16_t(pairPosition(i, n));
        const auto v = std::int16_t(value);
        switch (channel) {
            case 1: chart_.bgm.push({m, position, v}); break;
            case 3: addTempo(measure, i, n, value); break;
            case 8: addTempo(measure, i, n, extendedTempo_[std::size_t(value)]); break;
            case 4: chart_.bgaBase.push({m, position, v}); break;
            case 6: chart_.bgaPoor.push({m, position, v}); break;
            case 7: chart_.bgaLayer.push({m, position, v}); break;
            default:
                if (chart_.sourceLanes[std::size_t(lane)].push({m, position, v, kind}) && kind == NoteKind::Normal)
                    ++chart_.noteCount;
        }
    }
}

}  // namespace kv
