// Writes the seed inputs of every fuzz target: fuzz_seeds FOLDER makes
// FOLDER/<target>/ with a few small, valid files of that target's format,
// made by the game's own writers where it has one.
#include <SDL_image.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/gfx/bmp_file.h"
#include "media/gfx/pic_file.h"
#include "play/replay_file.h"
#include "platform/file_bytes.h"
#include "platform/image_codec.h"
#include "platform/sound_file.h"
#include "screens/modes/course_file.h"
#include "screens/results/ranking_file.h"
#include "screens/select/option_presets.h"
#include "settings/settings_file.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

void put(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// What a writer that only writes files left at `path`.
Bytes writtenBy(const fs::path& path, const std::function<bool(const std::string&)>& write) {
    Bytes bytes;
    if (!write(path.string()) || !kv::platform::readFileBytes(path.string(), bytes)) bytes.clear();
    fs::remove(path);
    return bytes;
}

kv::Surface gradient(int width, int height) {
    kv::Surface picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.row(y)[x] = kv::rgb(x * 40, y * 50, (x + y) * 20);
    return picture;
}

constexpr std::string_view kChart =
    "#PLAYER 1\r\n#GENRE SEED\r\n#TITLE Seed\r\n#ARTIST kv\r\n#BPM 140\r\n#PLAYLEVEL 3\r\n#RANK 2\r\n"
    "#TOTAL 200\r\n#STAGEFILE stage.bmp\r\n#WAV01 a.wav\r\n#WAV02 b.ogg\r\n#BMP01 a.bmp\r\n"
    "#BGA02 01 0 0 64 64 10 10\r\n#BPM01 180.5\r\n#STOP01 96\r\n#RANDOM 2\r\n#IF 1\r\n#00111:0101\r\n"
    "#ENDIF\r\n#IF 2\r\n#00112:01000100\r\n#ENDIF\r\n#00102:0.75\r\n#00103:8C\r\n#00108:01\r\n"
    "#00104:01\r\n#00116:0001\r\n#00201:01020102\r\n#00215:01\r\n#00221:0001\r\n#00251:0100\r\n"
    "#MIDIFILE song.mid\r\n";

void chartSeeds(const fs::path& folder) {
    put(folder, "chart.bms", text(kChart));
    put(folder, "short.bms", text("#BPM 0\n#00111:01\n#00102:-1\n#99999:ZZ"));
}

kv::Ranking sampleRanking() {
    kv::Ranking ranking;
    ranking.entries[0].name = {'S', 'E', 'E', 'D'};
    ranking.entries[0].score = 123456;
    ranking.entries[0].coolCount = 300;
    ranking.entries[1].score = 99;
    ranking.puzzleLetters[3] = true;
    return ranking;
}

void rankingSeeds(const fs::path& blockFolder, const fs::path& fileFolder) {
    std::uint32_t state = 7;
    const auto random = [&state] { return int((state = state * 214013u + 2531011u) >> 16 & 0x7FFF); };
    const kv::RankingBlock block = kv::encodeRanking(sampleRanking(), 0x42, random);
    Bytes withChecksum{0x42};
    withChecksum.insert(withChecksum.end(), block.begin(), block.end());
    put(blockFolder, "ranking", withChecksum);
    put(fileFolder, "chart.K2R", Bytes(block.begin(), block.end()));
    const kv::RankingBlock empty = kv::emptyRankingBlock();
    put(fileFolder, "empty.K2R", Bytes(empty.begin(), empty.end()));
}

void courseSeeds(const fs::path& folder) {
    kv::CourseStages stages;
    for (int s = 0; s < kv::kCourseStages; ++s) {
        stages[s].fileName = "stage" + std::to_string(s) + ".bms";
        stages[s].dirPath = "songs/seed";
        stages[s].title = "Stage " + std::to_string(s);
        stages[s].bpm = 120.0f + float(s);
        stages[s].checksum = std::uint8_t(s * 31);
    }
    put(folder, "seed.kcz", kv::encodeCourseFile(stages));
}

// An 8 x 4 picture of 8-bit palette codes, run-length coded (RLE8).
Bytes rle8Bmp() {
    const Bytes runs = {8, 1, 0, 0, 4, 2, 4, 3, 0, 0, 0, 3, 5, 6, 7, 0, 0, 0, 0, 1};
    const std::uint32_t palette = 4 * 8, offset = 14 + 40 + palette, size = offset + std::uint32_t(runs.size());
    Bytes b;
    auto le = [&b](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
    };
    b = {'B', 'M'};
    le(size, 4), le(0, 4), le(offset, 4);
    le(40, 4), le(8, 4), le(4, 4), le(1, 2), le(8, 2), le(1, 4), le(std::uint32_t(runs.size()), 4);
    le(0, 4), le(0, 4), le(8, 4), le(0, 4);
    for (std::uint32_t i = 0; i < 8; ++i) le(i * 0x203040u, 4);
    b.insert(b.end(), runs.begin(), runs.end());
    return b;
}

void pictureSeeds(const fs::path& pic, const fs::path& bmp, const fs::path& native, const fs::path& scratch) {
    put(pic, "sheet.pic", kv::writePic(gradient(12, 7)));
    put(bmp, "plain.bmp", kv::writeBmp(gradient(5, 3)));
    put(bmp, "rle8.bmp", rle8Bmp());
    const kv::Surface picture = gradient(9, 6);
    put(native, "picture.png", writtenBy(scratch / "p.png", [&](const std::string& path) {
            return kv::platform::savePng(path, picture);
        }));
    put(native, "picture.jpg", writtenBy(scratch / "p.jpg", [&](const std::string& path) {
            SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<kv::Pixel*>(picture.pixels.data()),
                                                                picture.width, picture.height, 32, picture.width * 4,
                                                                SDL_PIXELFORMAT_XRGB8888);
            const bool saved = s && IMG_SaveJPG(s, path.c_str(), 80) == 0;
            SDL_FreeSurface(s);
            return saved;
        }));
    // The smallest GIF: one white pixel.
    put(native, "pixel.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x2C,
                              0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B});
    put(native, "plain.bmp", kv::writeBmp(gradient(4, 4)));
}

void waveSeeds(const fs::path& folder, const fs::path& scratch) {
    using kv::platform::SoundFileFormat;
    std::int16_t frames[2 * 200];
    for (int i = 0; i < 400; ++i) frames[i] = std::int16_t((i % 40 - 20) * 1000);
    const struct {
        const char* name;
        SoundFileFormat format;
        int channels;
    } kinds[] = {{"pcm16.wav", SoundFileFormat::Wav16, 2}, {"pcm8.wav", SoundFileFormat::Wav8, 1},
                 {"float.wav", SoundFileFormat::WavFloat, 1}, {"ima.wav", SoundFileFormat::WavImaAdpcm, 1},
                 {"ms.wav", SoundFileFormat::WavMsAdpcm, 2}, {"vorbis.ogg", SoundFileFormat::OggVorbis, 1}};
    for (const auto& kind : kinds) {
        const Bytes bytes = writtenBy(scratch / kind.name, [&](const std::string& path) {
            kv::platform::SoundFileWriter writer;
            return writer.open(path, kind.format, 22050, kind.channels) && writer.write(frames, 200 / kind.channels);
        });
        put(folder, kind.name, bytes);
    }
    // Headers alone: an encoding no decoder knows, and a form with no data chunk.
    put(folder, "unknown.wav", text(std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x34\x12\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0"
                                                "data\0\0\0\0", 44)));
    put(folder, "nodata.wav", text(std::string("RIFF\x1C\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0", 36)));
}

void configSeeds(const fs::path& settings, const fs::path& sound, const fs::path& presets, const fs::path& scratch) {
    kv::Settings changed;
    changed.SPEED = 5;
    changed.KEY = 3;
    put(settings, "default.cfg", writtenBy(scratch / "a.cfg", [](const std::string& path) {
            return kv::saveSettings(kv::Settings{}, path) == 1;
        }));
    put(settings, "changed.cfg", writtenBy(scratch / "b.cfg", [&](const std::string& path) {
            return kv::saveSettings(changed, path) == 1;
        }));
    put(sound, "KV2SOUND.CFG", text("- sound config -\r\n\r\nTITLEMUSIC menu.wav\r\nTITLECURSOR  menu.wav  \r\n"
                                    "selectmusic missing.ogg\r\nRESULTCHECK\r\n"));
    kv::OptionPresets all;
    all.fill(kv::defaultPreset());
    all[2][0] = 4;
    const auto bytes = kv::encodePresetFile(all);
    put(presets, "KV2OPT.DAT", Bytes(bytes.begin(), bytes.end()));
}

void replaySeeds(const fs::path& folder) {
    auto record = std::make_unique<kv::ReplayRecord>();
    for (int lane = 0; lane < 4; ++lane)
        for (int i = 0; i < 3; ++i) record->lanes[lane].push({std::int16_t(i + 1), std::int16_t(lane * 24), std::int16_t(1 + (i % 5))});
    put(folder, "run.KRP", kv::encodeReplay(*record, 0x5A, 0x33));
    record->clear();
    put(folder, "empty.KRP", kv::encodeReplay(*record, 0x11, 0xC4));
}

void textSeeds(const fs::path& skin, const fs::path& course, const fs::path& script) {
    put(skin, "skin.kzk", text("TITLE title.bmp\r\nSELECT missing.bmp\r\nFONTCOLOR FFC080\r\ncomcolor 00ff0\r\n"
                               "CLEARCOLOR zz1234\r\n"));
    std::string five;
    for (int s = 0; s < 5; ++s) five += kChart.substr(0, 120);
    put(course, "charts.bms", text(five));
    put(script, "script.txt", text("# seed\nwait 1000\npress RETURN\ndown LSHIFT\nup LSHIFT\ntype ab C1\n"
                                   "shot out.png\nclick 320 240\nwait 16\r\n"));
}

// Format 0, one track: a tempo, a program change, two notes.
Bytes midiFile() {
    const Bytes track = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xC0, 0x05, 0x00, 0x90, 0x3C, 0x64,
                         0x60, 0x80, 0x3C, 0x00, 0x00, 0x90, 0x40, 0x64, 0x81, 0x40, 0x80, 0x40, 0x00,
                         0x00, 0xFF, 0x2F, 0x00};
    Bytes b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 0x60, 'M', 'T', 'r', 'k', 0, 0, 0, std::uint8_t(track.size())};
    b.insert(b.end(), track.begin(), track.end());
    return b;
}

// A bitmap font in the text format FreeType reads: two 4 x 6 glyphs.
constexpr std::string_view kBdfFont =
    "STARTFONT 2.1\nFONT -kv-seed-medium-r-normal--6-60-75-75-c-40-iso10646-1\nSIZE 6 75 75\n"
    "FONTBOUNDINGBOX 4 6 0 -1\nSTARTPROPERTIES 2\nFONT_ASCENT 5\nFONT_DESCENT 1\nENDPROPERTIES\nCHARS 2\n"
    "STARTCHAR A\nENCODING 65\nSWIDTH 666 0\nDWIDTH 4 0\nBBX 4 6 0 -1\nBITMAP\n60\n90\nF0\n90\n90\n00\nENDCHAR\n"
    "STARTCHAR g\nENCODING 103\nSWIDTH 666 0\nDWIDTH 4 0\nBBX 4 6 0 -1\nBITMAP\n00\n70\n90\n70\n10\n60\nENDCHAR\n"
    "ENDFONT\n";

// The smallest TrueType face of the fonts the game installs.
void fontSeeds(const fs::path& folder) {
    put(folder, "seed.bdf", text(kBdfFont));
    fs::path smallest;
    std::error_code error;
    for (const char* root : {"/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/liberation2"})
        for (const auto& entry : fs::directory_iterator(root, error))
            if (entry.path().extension() == ".ttf" &&
                (smallest.empty() || entry.file_size() < fs::file_size(smallest)))
                smallest = entry.path();
    Bytes bytes;
    if (!smallest.empty() && kv::platform::readFileBytes(smallest.string(), bytes)) put(folder, "face.ttf", bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    const fs::path root = argv[1];
    const fs::path scratch = root / ".scratch";
    fs::create_directories(scratch);
    chartSeeds(root / "chart");
    rankingSeeds(root / "ranking", root / "ranking_file");
    courseSeeds(root / "course");
    pictureSeeds(root / "pic", root / "bmp", root / "picture", scratch);
    waveSeeds(root / "wave", scratch);
    configSeeds(root / "settings", root / "sound_config", root / "presets", scratch);
    replaySeeds(root / "replay");
    textSeeds(root / "skin", root / "course_checksum", root / "script");
    put(root / "midi", "song.mid", midiFile());
    fontSeeds(root / "font");
    fs::remove_all(scratch);
    return 0;
}
