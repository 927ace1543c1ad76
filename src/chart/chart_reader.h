#pragma once
// Reads the lines of one chart file into the chart: header commands,
// #RANDOM/#IF blocks, samples, bitmaps, picture definitions and every
// data channel. Samples and pictures load as their lines are read.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "base/text.h"
#include "chart/chart.h"
#include "chart/chart_media.h"
#include "chart/long_notes.h"

namespace kv {

struct ChartReadOptions {
    int bga = 1;                  // BGA setting; 0 shows no pictures
    bool framed = true;           // the play screen has a picture frame (bgaFrameSize > 0)
    int tempo = 0;                // TEMPO setting, which also pitches the samples
    std::function<int()> random;  // the game's generator, for #RANDOM
    bool longNotes = false;       // LONGNOTES: #LNTYPE, #LNOBJ and channels 51-69
    bool stops = false;           // STOPS: #STOPxx and channel 09
};

class ChartReader {
public:
    ChartReader(Chart& chart, ChartMedia& media, LoadingScreen& screen, const ChartReadOptions& options);

    // Reads to the end of the file. The lists must be empty beforehand.
    void read(TextFile& file);

    std::int32_t total() const { return total_; }  // #TOTAL, 0 when absent
    const LongNoteSource& longNotes() const { return longNotes_; }
    bool mediaFailed() const { return mediaFailed_; }
    int nextMessageRow() const { return messageRow_; }

private:
    void handleLine(TextFile& file);
    void handleHeader(TextFile& file, char* word, const char* argument);
    void handleData(int measure, int channel, const char* objects);
    void skipBlock(TextFile& file);
    void loadSample(const char* index, const char* argument);
    void loadBitmap(const char* index, const char* argument);
    void defineBga(const char* index, const char* argument);
    void reportFailure(const std::string& message);
    // The pair at index i of n pairs in its measure's line.
    void addTempo(int measure, int i, int n, double bpm);
    bool handleExtensionHeader(const char* word, const char* argument);
    bool handleExtensionData(int measure, int channel, const char* objects);
    void addStops();

    Chart& chart_;
    ChartMedia& media_;
    LoadingScreen& screen_;
    const ChartReadOptions& options_;
    std::array<double, 256> extendedTempo_;
    int randomValue_ = 1;
    int lineNumber_ = 0;
    int messageRow_ = 0;
    std::int32_t total_ = 0;
    bool mediaFailed_ = false;

    // Read in any order; stops are looked up once every #STOPxx is known.
    struct StopMark {
        std::int16_t measure, position, number;
    };
    LongNoteSource longNotes_;
    std::vector<double> stopLengths_ = std::vector<double>(kBgaDefCount, 0.0);
    std::vector<StopMark> stopMarks_;
};

}  // namespace kv
