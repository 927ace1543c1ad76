#pragma once
// What loading a chart needs from the sound and picture slots and from the
// loading screen. The game wires the real slots in; tests record the calls.
// File names are as the chart writes them, relative to the chart's folder.
#include <optional>
#include <string>
#include <vector>

namespace kv {

// One "#WAVxx" line: the sample number and the file as the chart names it.
struct SampleRequest {
    int number = 0;
    std::string fileName;
};

class ChartMedia {
public:
    virtual ~ChartMedia() = default;
    // Loads the chart's samples with the result of loading them one after
    // another in the order given, each followed, when a factor is given, by
    // scaling its rate by that factor (whether or not its load failed). One
    // result per request: 0 on success, else the sound loader's error code.
    virtual std::vector<int> loadSamples(const std::vector<SampleRequest>& requests,
                                         std::optional<double> rateFactor) = 0;
    // 1 on success, else the picture loader's error type.
    virtual int loadPicture(int slot, const std::string& fileName) = 0;
    // Size of the picture in a slot; 0 x 0 when none is loaded.
    virtual void pictureSize(int slot, int& width, int& height) const = 0;
    // The STAGE backdrop: a 640 x 480 picture in slot 4, black when the file fails.
    virtual void loadStagePicture(const std::string& fileName) = 0;
    virtual void openMidi(const std::string& fileName) = 0;
};

class LoadingScreen {
public:
    virtual ~LoadingScreen() = default;
    // Draws one line of text at the left edge, row y in pixels.
    virtual void drawLine(int y, const std::string& text) = 0;
    // Shows what was drawn and waits for any key; false when the program
    // is to quit instead.
    virtual bool waitForKey() = 0;
};

// Every file "loads" and nothing is kept: for runs that only need the
// chart's text, such as header checks, benchmarks and fuzzing.
class NullChartMedia : public ChartMedia {
public:
    std::vector<int> loadSamples(const std::vector<SampleRequest>& requests, std::optional<double>) override {
        return std::vector<int>(requests.size(), 0);
    }
    int loadPicture(int, const std::string&) override { return 1; }
    void pictureSize(int, int& width, int& height) const override { width = height = kChartPictureEdge; }
    void loadStagePicture(const std::string&) override {}
    void openMidi(const std::string&) override {}

private:
    static constexpr int kChartPictureEdge = 256;  // a full-size BGA picture
};

// Nobody is watching: no lines, no key wait.
class SilentLoadingScreen : public LoadingScreen {
public:
    void drawLine(int, const std::string&) override {}
    bool waitForKey() override { return true; }
};

}  // namespace kv
