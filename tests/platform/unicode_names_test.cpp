// Song folders, charts, samples and pictures with Japanese and Korean
// names: found, listed, read, written and decoded through the game's text
// (UTF-8 on Windows), also when a chart spells them in its own code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/text.h"
#include "platform/atomic_file.h"
#include "platform/file_bytes.h"
#include "platform/files.h"
#include "platform/folder_index.h"
#include "platform/image_codec.h"
#include "platform/path_text.h"
#include "platform/sound_file.h"
#include "support/temp_folder.h"

namespace kv::platform {
namespace {

// The names below in the code pages charts are written in.
constexpr const char* kSongFolderCp932 = "\x8b\xc8\x83\x74\x83\x48\x83\x8b\x83\x5f";  // 曲フォルダ
constexpr const char* kDonCp932 = "\x83\x68\x83\x93";                                // ドン
constexpr const char* kBackdropCp932 = "\x94\x77\x8c\x69";                           // 背景
constexpr const char* kSongCp949 = "\xb3\xeb\xb7\xa1";                               // 노래
// 가, which reads as the half-width "ｰ｡" in CP932 as well.
constexpr const char* kGaCp949 = "\xb0\xa1";

class UnicodeNamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::int16_t> tone = {0, 9000, 0, -9000, 0, 4500, 0, -4500};
        ASSERT_TRUE(makeDirectory(folder / "曲フォルダ"));
        SoundFileWriter writer;
        ASSERT_TRUE(writer.open(folder / "曲フォルダ/ドン.wav", SoundFileFormat::Wav16, 44100, 1));
        ASSERT_TRUE(writer.write(tone.data(), tone.size()));
        writer.close();
        Surface picture(3, 2);
        picture.pixels[4] = rgb(250, 10, 20);
        ASSERT_TRUE(savePng(folder / "曲フォルダ/背景.bmp", picture));
        folder.write("노래/가.wav", "x");
    }

    std::string base() const { return folder.path().string(); }
    test::TempFolder folder{"kv_names"};
};

TEST_F(UnicodeNamesTest, NamesAreFoundAsWrittenAndInTheChartsCodePage) {
    struct Case {
        std::string written;
        std::string found;  // below the folder
    };
    const Case cases[] = {
        {"曲フォルダ/ドン.wav", "曲フォルダ/ドン.wav"},
        {"曲フォルダ\\ドン.WAV", "曲フォルダ/ドン.wav"},
        {"曲フォルダ/" + std::string(kDonCp932) + ".wav", "曲フォルダ/ドン.wav"},
        {std::string(kSongFolderCp932) + "\\" + kBackdropCp932 + ".BMP", "曲フォルダ/背景.bmp"},
        // Not CP932 at all, then CP932 naming nothing: CP949 finds them.
        {std::string(kSongCp949) + "/" + kGaCp949 + ".wav", "노래/가.wav"},
    };
    FolderIndex index;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.found);
        const std::string expected = folder / c.found;
        EXPECT_EQ(resolvePath(c.written, base()), expected);
        EXPECT_TRUE(fileExists(resolvePath(c.written, base())));
        EXPECT_EQ(index.resolve(base() + "/" + c.written), expected);
        EXPECT_TRUE(index.isFile(base() + "/" + c.written));
    }
}

TEST_F(UnicodeNamesTest, NamesThatMatchNothingKeepTheirSpelling) {
    const std::string missing = "曲フォルダ/" + std::string(kBackdropCp932) + ".wav";
    EXPECT_EQ(resolvePath(missing, base()), folder / "曲フォルダ" + "/" + kBackdropCp932 + ".wav");
    EXPECT_FALSE(fileExists(resolvePath(missing, base())));
    FolderIndex index;
    EXPECT_FALSE(index.isFile(base() + "/" + missing));
}

TEST_F(UnicodeNamesTest, FoldersListTheirNamesAsGameText) {
    EXPECT_EQ(listFolder(base(), "*", EntryKind::Folders), (std::vector<std::string>{"曲フォルダ", "노래"}));
    EXPECT_EQ(listFolder(folder / "曲フォルダ", "*.*", EntryKind::Files),
              (std::vector<std::string>{"ドン.wav", "背景.bmp"}));
    EXPECT_TRUE(folderExists(folder / "曲フォルダ"));
}

TEST_F(UnicodeNamesTest, FilesAreReadAndReplacedThere) {
    const std::string chart = folder.write("曲フォルダ/譜面.bms", "#TITLE ドン\r\n");
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(readFileBytes(chart, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "#TITLE ドン\r\n");
    std::string text;
    ASSERT_TRUE(readFileText(pathFromText(chart), text));
    EXPECT_EQ(text, "#TITLE ドン\r\n");

    const std::filesystem::path ranking = pathFromText(folder / "曲フォルダ/譜面.K2R");
    EXPECT_TRUE(canReplaceFile(ranking));
    ASSERT_TRUE(writeFileAtomically(ranking, std::string_view("new")));
    EXPECT_EQ(test::TempFolder::read(ranking), "new");
    EXPECT_EQ(listFolder(folder / "曲フォルダ", "*.*", EntryKind::Files),
              (std::vector<std::string>{"ドン.wav", "背景.bmp", "譜面.K2R", "譜面.bms"}));
}

TEST_F(UnicodeNamesTest, SoundsAndPicturesDecodeThere) {
    PcmSound sound;
    ASSERT_EQ(decodeSoundFile(folder / "曲フォルダ/ドン.wav", sound), DecodeResult::Ok);
    EXPECT_EQ(sound.samples, (std::vector<std::int16_t>{0, 9000, 0, -9000, 0, 4500, 0, -4500}));
    Surface picture;
    ASSERT_TRUE(decodeImageFile(resolvePath("曲フォルダ/" + std::string(kBackdropCp932) + ".bmp", base()), picture));
    EXPECT_EQ(picture.width, 3);
    EXPECT_EQ(picture.height, 2);
    EXPECT_EQ(picture.pixels[4], rgb(250, 10, 20));
}

TEST(CodePageSpellingsTest, OnlyNamesThatAreNotUtf8AreDecoded) {
    struct Case {
        std::string name;
        std::vector<std::string> spellings;
    };
    const Case cases[] = {
        {"kick.wav", {}},
        {"ドン.wav", {}},
        {std::string(kDonCp932) + ".wav", {"ドン.wav", "긤깛.wav"}},
        {std::string(kSongCp949), {"노래"}},
        {std::string(kGaCp949) + ".wav", {"ｰ｡.wav", "가.wav"}},
        {"\xff.wav", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(codePageSpellings(c.name), c.spellings) << c.name;
}

}  // namespace
}  // namespace kv::platform
