// Writes the demo song "Tide Pool": a tune in A minor over Am-F-C-G, every
// note its own synthesized keysound, charted for 5, 7 and 14 keys.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979;
// Full scale of one keysound. Kick, snare, hat, chord, bass and lead all
// land together on some beats; at this level even those moments peak
// about 3.5 dB below full scale, so the song never reaches the limiter.
constexpr float kSampleLevel = 9000;

void writeWav(const std::filesystem::path& file, const std::vector<float>& samples) {
    std::ofstream out(file, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    const std::uint32_t bytes = std::uint32_t(samples.size() * 2);
    out << "RIFF";
    u32(36 + bytes);
    out << "WAVEfmt ";
    u32(16), u16(1), u16(1), u32(kRate), u32(kRate * 2), u16(2), u16(16);
    out << "data";
    u32(bytes);
    for (float s : samples) u16(std::uint16_t(std::int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * kSampleLevel))));
}

double frequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A plucked tone: a few harmonics under a quick attack and exponential decay.
std::vector<float> tone(int midi, double seconds, double brightness, double decay) {
    std::vector<float> out(std::size_t(seconds * kRate));
    const double f = frequency(midi);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double envelope = std::min(1.0, t * 200) * std::exp(-t * decay);
        double v = 0;
        for (int h = 1; h <= 4; ++h) v += std::sin(2 * kPi * f * h * t) * std::pow(brightness, h - 1) / h;
        out[i] = float(0.45 * envelope * v);
    }
    return out;
}

std::vector<float> chord(std::initializer_list<int> notes) {
    std::vector<float> out(std::size_t(0.9 * kRate));
    for (int note : notes) {
        const auto t = tone(note, 0.9, 0.3, 3.0);
        for (std::size_t i = 0; i < out.size(); ++i) out[i] += t[i] * 0.4f;
    }
    return out;
}

std::vector<float> drum(double pitch, double drop, double noise, double decay, double seconds) {
    std::vector<float> out(std::size_t(seconds * kRate));
    std::uint32_t seed = 12345;
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        phase += 2 * kPi * pitch * std::exp(-t * drop) / kRate;
        seed = seed * 1664525u + 1013904223u;
        const double white = double(seed >> 8) / double(1 << 24) * 2 - 1;
        out[i] = float(std::exp(-t * decay) * ((1 - noise) * std::sin(phase) + noise * white) * 0.8);
    }
    return out;
}

std::string base36(int n) {
    const char* digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return {digits[n / 36], digits[n % 36]};
}

// Sample numbers: 01 kick, 02 snare, 03 hat, 04-07 chords, 10+ bass notes, 30+ lead notes.
constexpr int kKick = 1, kSnare = 2, kHat = 3, kChord = 4, kBass = 10, kLead = 30;
const int kRoots[4] = {45, 41, 48, 43};  // A2 F2 C3 G2
const int kScale[10] = {69, 72, 74, 76, 79, 81, 84, 86, 88, 91};  // A minor pentatonic, two octaves

// The melody: scale degrees per eighth note over four bars, -1 for rests.
const int kTune[4][8] = {{0, -1, 2, 3, 4, -1, 3, 2}, {1, -1, 0, 1, 2, 3, -1, 2},
                         {2, 3, 4, 5, 4, -1, 3, 2}, {3, -1, 2, 1, 0, -1, -1, -1}};

void writeSamples(const std::filesystem::path& dir) {
    writeWav(dir / "kick.wav", drum(110, 18, 0.05, 9, 0.4));
    writeWav(dir / "snare.wav", drum(190, 6, 0.7, 14, 0.3));
    writeWav(dir / "hat.wav", drum(6000, 0, 0.95, 45, 0.1));
    const std::initializer_list<int> chords[4] = {{57, 60, 64}, {53, 57, 60}, {55, 60, 64}, {55, 59, 62}};
    for (int i = 0; i < 4; ++i) writeWav(dir / ("chord" + std::to_string(i) + ".wav"), chord(chords[i]));
    for (int i = 0; i < 4; ++i) writeWav(dir / ("bass" + std::to_string(i) + ".wav"), tone(kRoots[i], 0.6, 0.6, 4));
    for (int i = 0; i < 10; ++i) writeWav(dir / ("lead" + std::to_string(i) + ".wav"), tone(kScale[i], 0.5, 0.5, 5));
}

void writePicture(const std::filesystem::path& file, int width, int height, int shift) {
    std::ofstream out(file, std::ios::binary);
    const int row = (width * 3 + 3) & ~3;
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "BM";
    u32(54 + row * height), u32(0), u32(54), u32(40), u32(width), u32(height), u16(1), u16(24);
    u32(0), u32(row * height), u32(2835), u32(2835), u32(0), u32(0);
    std::vector<char> line(std::size_t(row), 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            // Waves of sea colours; never pure black, which would be transparent.
            const double wave = std::sin((x + shift * 16) * 0.05 + std::sin(y * 0.04) * 2) * 0.5 + 0.5;
            line[std::size_t(x * 3 + 0)] = char(120 + wave * 120);
            line[std::size_t(x * 3 + 1)] = char(60 + wave * 100 * y / height);
            line[std::size_t(x * 3 + 2)] = char(20 + (1 - wave) * 60);
        }
        out.write(line.data(), row);
    }
}

// One chart of the tune. keys: 5, 7 or 14.
struct ChartPlan {
    const char* file;
    std::string title;
    int keys;
    int level;
    int bpm;
};

std::string pairs(const std::vector<int>& values) {
    std::string text;
    for (int v : values) text += base36(v);
    return text;
}

void writeChart(const std::filesystem::path& dir, const ChartPlan& plan) {
    static const int keyChannels5[] = {11, 12, 13, 14, 15};
    static const int keyChannels7[] = {11, 12, 13, 14, 15, 18, 19};
    const int* channels = plan.keys == 5 ? keyChannels5 : keyChannels7;
    const int laneCount = plan.keys == 5 ? 5 : 7;
    std::ofstream out(dir / plan.file, std::ios::binary);
    auto line = [&](const std::string& text) { out << text << "\r\n"; };
    line("#PLAYER 1");
    line("#GENRE DEMO");
    line("#TITLE " + plan.title);
    line("#ARTIST the game's own band");
    line("#BPM " + std::to_string(plan.bpm));
    line("#PLAYLEVEL " + std::to_string(plan.level));
    line("#RANK 2");
    line("#STAGEFILE title.bmp");
    line("#WAV01 kick.wav");
    line("#WAV02 snare.wav");
    line("#WAV03 hat.wav");
    for (int i = 0; i < 4; ++i) line("#WAV" + base36(kChord + i) + " chord" + std::to_string(i) + ".wav");
    for (int i = 0; i < 4; ++i) line("#WAV" + base36(kBass + i) + " bass" + std::to_string(i) + ".wav");
    for (int i = 0; i < 10; ++i) line("#WAV" + base36(kLead + i) + " lead" + std::to_string(i) + ".wav");
    for (int i = 1; i <= 4; ++i) line("#BMP0" + std::to_string(i) + " wave" + std::to_string(i) + ".bmp");

    constexpr int kMeasures = 34;
    char head[16];
    for (int m = 0; m < kMeasures; ++m) {
        const int bar = m % 4;
        const bool tune = m >= 2 && m < 32;
        auto data = [&](int channel, const std::vector<int>& values) {
            std::snprintf(head, sizeof head, "#%03d%02d:", m, channel);
            line(head + pairs(values));
        };
        // Drums and hats sound by themselves; the kick is the turntable's.
        data(1, {kHat, kHat, kHat, kHat, kHat, kHat, kHat, kHat});
        data(1, {0, 0, kSnare, 0, 0, 0, kSnare, 0});
        data(16, {kKick, 0, 0, 0, kKick, 0, 0, 0});
        data(4, {1 + bar});
        const std::vector<int> bass = {kBass + bar, 0, 0, kBass + bar, 0, 0, kBass + bar, 0};
        const std::vector<int> chords = {kChord + bar, 0, 0, 0, kChord + bar, 0, 0, 0};
        if (plan.keys == 14) {
            data(26, chords);  // player 2 plays the chords on the scratch and the bass on its keys
            std::vector<int> lane(8, 0);
            for (int step : {0, 3, 6}) lane[std::size_t(step)] = kBass + bar;
            data(21 + bar % 5, lane);
        } else {
            data(1, bass);
            data(1, chords);
        }
        if (!tune) continue;
        const bool high = (m / 4) % 2 == 1;
        std::vector<std::vector<int>> lanes(std::size_t(laneCount), std::vector<int>(8, 0));
        for (int step = 0; step < 8; ++step) {
            const int degree = kTune[bar][step];
            if (degree < 0) continue;
            const int note = degree + (high ? 3 : 0);
            lanes[std::size_t(note % laneCount)][std::size_t(step)] = kLead + note;
        }
        for (int l = 0; l < laneCount; ++l) data(channels[l], lanes[std::size_t(l)]);
    }
    if (plan.keys == 7) {
        // A bridge: one bar of 3/4 and a lift in tempo for the last part.
        line("#02102:0.75");
        char tempo[16];
        std::snprintf(tempo, sizeof tempo, "#02203:%02X", plan.bpm + 10);
        line(tempo);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv_demo_songs SONG_FOLDER\n");
        return 2;
    }
    const std::filesystem::path dir = std::filesystem::path(argv[1]) / "tide pool";
    std::filesystem::create_directories(dir);
    writeSamples(dir);
    writePicture(dir / "title.bmp", 640, 480, 0);
    for (int i = 1; i <= 4; ++i) writePicture(dir / ("wave" + std::to_string(i) + ".bmp"), 256, 256, i);
    // The 7-key title is Shift-JIS: "Tide Pool" in katakana.
    const ChartPlan plans[] = {
        {"tide_pool_5.bms", "Tide Pool [5KEYS]", 5, 3, 120},
        {"tide_pool_7.bme", "\x83\x5E\x83\x43\x83\x68\x83\x76\x81\x5B\x83\x8B [7KEYS]", 7, 6, 124},
        {"tide_pool_14.bme", "Tide Pool [14KEYS]", 14, 9, 128},
    };
    for (const ChartPlan& plan : plans) writeChart(dir, plan);
    return 0;
}
