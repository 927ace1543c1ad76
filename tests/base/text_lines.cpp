#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/text.h"

namespace kv {
namespace {

// One read: the line left in the buffer and what the reader returned.
struct Line {
    std::string text;
    bool more;
    bool operator==(const Line&) const = default;
};

void PrintTo(const Line& line, std::ostream* os) { *os << '"' << line.text << "\" " << line.more; }

// Writes `bytes` to a fresh file and reads it back line by line.
class LineReading : public ::testing::Test {
protected:
    void SetUp() override {
        // Other worktrees may run this suite at the same moment.
        path_ = std::filesystem::temp_directory_path() / ("kv_text_" + std::to_string(std::random_device{}()) + ".txt");
    }
    void TearDown() override { std::filesystem::remove(path_); }

    void write(const std::string& bytes) {
        std::FILE* f = std::fopen(path_.string().c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }

    // Every call of `reader` until it returns false, as (line, result).
    std::vector<Line> readAll(const std::string& bytes, bool (*reader)(TextFile&)) {
        write(bytes);
        TextFile file(path_);
        EXPECT_TRUE(file.isOpen());
        std::vector<Line> lines;
        for (int guard = 0; guard < 100; ++guard) {
            const bool more = reader(file);
            lines.push_back({file.lineBuffer, more});
            if (!more) break;
        }
        return lines;
    }

    std::filesystem::path path_;
};

TEST_F(LineReading, ConfigLinesEndAtCrOrLfAndTheLastLineComesWithFalse) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<Line> expected;
    } cases[] = {
        {"no final line feed", "SPEED 5\nNAME abc", {{"SPEED 5", true}, {"NAME abc", false}}},
        {"final line feed", "SPEED 5\n", {{"SPEED 5", true}, {"", false}}},
        {"CR LF", "SPEED 5\r\nVIEW 1\r\n", {{"SPEED 5", true}, {"VIEW 1", true}, {"", false}}},
        {"lone CR ends the line", "A\rB\nC", {{"A", true}, {"C", false}}},
        {"Ctrl-Z ends the file", "A\nB\x1A" "C\nD\n", {{"A", true}, {"B", false}}},
        {"empty file", "", {{"", false}}},
        {"tabs are kept", "\tX \t\n", {{"\tX \t", true}, {"", false}}},
    };
    for (const Case& c : cases) EXPECT_EQ(readAll(c.bytes, readConfigLine), c.expected) << c.name;
}

TEST_F(LineReading, ChartLinesLoseTheirLastByteWhateverItIs) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<Line> expected;
    } cases[] = {
        {"final line without line feed", "#TITLE x\n#00111:0101",
         {{"#TITLE x", true}, {"#00111:010", false}}},
        {"final line feed", "#00111:0101\n", {{"#00111:0101", true}, {"", false}}},
        {"CR LF reads like LF", "#A\r\n#B\r\n", {{"#A", true}, {"#B", true}, {"", false}}},
        {"a CR not before LF is an ordinary byte", "#A\rB\n", {{"#A\rB", true}, {"", false}}},
        {"Ctrl-Z ends the file", "#A\n#B\x1A\n#C\n", {{"#A", true}, {"#", false}}},
        {"empty file", "", {{"", false}}},
        {"CR CR LF keeps the first CR", "#A\r\r\n", {{"#A\r", true}, {"", false}}},
        {"a CR at the end of the file stays", "#A\n#B\r", {{"#A", true}, {"#B", false}}},
    };
    for (const Case& c : cases) EXPECT_EQ(readAll(c.bytes, readChartLine), c.expected) << c.name;
}

TEST_F(LineReading, LongLinesNeverOverrunTheBuffer) {
    const std::string longLine(3000, 'x');
    const auto config = readAll(longLine + "\nNEXT\n", readConfigLine);
    ASSERT_GE(config.size(), 2u);
    EXPECT_EQ(config[0].text, std::string(kLineBufferSize - 1, 'x'));
    EXPECT_EQ(config[1].text, "NEXT");

    // A chart read takes the line in buffer-sized pieces, as a buffered line
    // read does, each losing its last byte.
    const auto chart = readAll(longLine + "\n", readChartLine);
    ASSERT_EQ(chart.size(), 3u);
    EXPECT_EQ(chart[0].text, std::string(kLineBufferSize - 2, 'x'));
    EXPECT_EQ(chart[1].text, std::string(3000 - (kLineBufferSize - 1), 'x'));
    EXPECT_EQ(chart[2], (Line{"", false}));
}

// Where a long line meets the buffer's end: a CR LF that just fits counts
// as the one LF text mode makes of it, and a file that ends exactly at a
// full buffer needs one more read to find its end.
TEST_F(LineReading, ChartLinesAtTheBufferEdge) {
    const int full = kLineBufferSize - 1;
    const std::string x(full - 1, 'x');
    EXPECT_EQ(readAll(x + "\r\n", readChartLine), (std::vector<Line>{{x, true}, {"", false}}));
    EXPECT_EQ(readAll(x + "y\r\n", readChartLine),
              (std::vector<Line>{{x, true}, {"", true}, {"", false}}));
    EXPECT_EQ(readAll(x + "y", readChartLine), (std::vector<Line>{{x, true}, {"", false}}));
    EXPECT_EQ(readAll(x, readChartLine), (std::vector<Line>{{std::string(full - 2, 'x'), false}}));
}

TEST(TextFileTest, BytesInMemoryReadLikeTheFile) {
    const std::string bytes = "#A\r\n#B\n#C\x1A#D\n";
    TextFile file;
    file.openBytes(bytes);
    EXPECT_TRUE(file.isOpen());
    std::vector<Line> lines;
    for (bool more = true; more;) {
        more = readChartLine(file);
        lines.push_back({file.lineBuffer, more});
    }
    EXPECT_EQ(lines, (std::vector<Line>{{"#A", true}, {"#B", true}, {"#", false}}));
}

// Song folders and charts are often named in Japanese; a folder or a
// missing file is a failed read.
TEST(TextFileTest, ReadsFilesOfAnyNameAndNothingElse) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kv_text_" + std::to_string(std::random_device{}())) / u8"曲フォルダ";
    std::filesystem::create_directories(folder);
    const std::string bytes(70000, 'x');
    std::ofstream(folder / u8"譜面.bms", std::ios::binary) << bytes;
    std::string read = "old";
    EXPECT_TRUE(readFileText(folder / u8"譜面.bms", read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(readFileText(folder, read));
    EXPECT_FALSE(readFileText(folder / "none.bms", read));
    EXPECT_TRUE(TextFile(folder / u8"譜面.bms").isOpen());
    std::filesystem::remove_all(folder.parent_path());
}

TEST(TextFileTest, MissingFileDoesNotOpen) {
    TextFile file("/nonexistent/kv/none.txt");
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(readConfigLine(file));
    EXPECT_STREQ(file.lineBuffer, "");
}

}  // namespace
}  // namespace kv
