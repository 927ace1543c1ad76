#include "base/text.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace kv {

namespace {

constexpr int kCtrlZ = 0x1A;
constexpr int kMaxLine = kLineBufferSize - 1;

bool isBlank(char c) { return c == ' '; }
bool isDecimal(char c) { return c >= '0' && c <= '9'; }

// Value of a pair-parser digit (0-9, then A-Z and a-z as 10-35), or -1.
int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return -1;
}

// Reads one or two digits in `base`; a two-digit value above `largest`
// gives 0.
std::int16_t parsePair(const char* text, int base, int largest) {
    if (text[0] == '\0') return -1;
    const int first = digitValue(text[0]);
    if (first < 0) return 0;
    const int second = digitValue(text[1]);
    if (second < 0) return std::int16_t(first);
    const int value = first * base + second;
    return value > largest ? 0 : std::int16_t(value);
}

// Copies up to the next blank or the end, cut to fit `word`; returns the
// length of the whole word in the text.
int copyWord(const char* text, std::span<char> word) {
    int length = 0;
    while (text[length] != '\0' && !isBlank(text[length])) ++length;
    const int kept = std::min<int>(length, int(word.size()) - 1);
    std::copy_n(text, std::max(kept, 0), word.data());
    if (!word.empty()) word[std::max(kept, 0)] = '\0';
    return length;
}

// The value starts one byte past the word, unless the word ended the text.
int advancePast(const char* text, int wordEnd) { return text[wordEnd] == '\0' ? wordEnd : wordEnd + 1; }

}  // namespace

bool readFileText(const std::filesystem::path& path, std::string& bytes) {
    // A stream opens the path itself, so on Windows any name opens.
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.clear();
    // One read of the whole file when its size is known; pipes and the
    // like are read to their end in pieces.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) {
        bytes.resize(std::size_t(size));
        file.read(bytes.data(), std::streamsize(bytes.size()));
        bytes.resize(std::size_t(file.gcount()));
    }
    char piece[16384];
    while (file.good()) {
        file.read(piece, sizeof piece);
        bytes.append(piece, std::size_t(file.gcount()));
    }
    return !file.bad();
}

bool TextFile::open(const std::filesystem::path& path) {
    close();
    if (!readFileText(path, owned_)) return false;
    openBytes(owned_);
    return true;
}

void TextFile::openBytes(std::string_view bytes) {
    text_ = bytes.substr(0, bytes.find(char(kCtrlZ)));
    open_ = true;
    lineBuffer[0] = '\0';
}

void TextFile::close() {
    owned_.clear();
    text_ = {};
    open_ = false;
    lineBuffer[0] = '\0';
}

bool readConfigLine(TextFile& file) {
    std::string_view& text = file.text_;
    const std::size_t lineFeed = text.find('\n');
    std::string_view line = text.substr(0, lineFeed);
    text.remove_prefix(lineFeed == std::string_view::npos ? text.size() : lineFeed + 1);
    // A CR ends the line too; bytes past the buffer are dropped.
    line = line.substr(0, std::min<std::size_t>(line.find('\r'), kMaxLine));
    std::copy(line.begin(), line.end(), file.lineBuffer);
    file.lineBuffer[line.size()] = '\0';
    return lineFeed != std::string_view::npos;
}

bool readChartLine(TextFile& file) {
    std::string_view& text = file.text_;
    // Text mode turns the CR of a CR LF into nothing, so a line through its
    // LF holds one byte fewer than it takes on disk when it ends in CR LF.
    const std::size_t lineFeed = text.find('\n');
    if (lineFeed != std::string_view::npos) {
        const bool crlf = lineFeed > 0 && text[lineFeed - 1] == '\r';
        const std::size_t kept = lineFeed - (crlf ? 1 : 0);  // the line without its LF
        if (kept + 1 <= std::size_t(kMaxLine)) {
            std::copy_n(text.data(), kept, file.lineBuffer);
            file.lineBuffer[kept] = '\0';
            text.remove_prefix(lineFeed + 1);
            return true;
        }
    }
    // No LF within reach: a full buffer of bytes, or what is left of the
    // file, and either way its last byte is dropped. Only a full buffer
    // leaves the end of the file unread.
    const std::size_t taken = std::min<std::size_t>(text.size(), kMaxLine);
    const std::size_t kept = taken > 0 ? taken - 1 : 0;
    std::copy_n(text.data(), kept, file.lineBuffer);
    file.lineBuffer[kept] = '\0';
    text.remove_prefix(taken);
    return taken == std::size_t(kMaxLine);
}

int takeFirstWord(const char* text, std::span<char> word) {
    int skipped = 0;
    while (isBlank(text[skipped])) ++skipped;
    const int length = copyWord(text + skipped, word);
    return advancePast(text, skipped + length);
}

int takeWord(const char* text, std::span<char> word) { return advancePast(text, copyWord(text, word)); }

void takeRest(const char* text, std::span<char> rest) {
    while (isBlank(*text)) ++text;
    std::size_t length = 0;
    while (text[length] != '\0' && length + 1 < rest.size()) {
        rest[length] = text[length];
        ++length;
    }
    if (!rest.empty()) rest[length] = '\0';
}

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

void upcaseAscii(char* text) {
    if (!text) return;
    unsigned char previous = 0;
    for (char* p = text; *p != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (previous < 0x80 && c >= 'a' && c <= 'z') *p = char(c - 'a' + 'A');
        previous = c;
    }
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower;
}

std::int32_t parseSignedInt(const char* text) {
    while (isBlank(*text)) ++text;
    const bool negative = *text == '-';
    if (negative) ++text;
    const std::int32_t value = parseDigits5(text);
    return negative ? -value : value;
}

std::int32_t parseDigits5(const char* text) {
    std::int32_t value = 0;
    for (int i = 0; i < 5 && isDecimal(text[i]); ++i) value = value * 10 + (text[i] - '0');
    return value;
}

double parseDecimal(const char* text) {
    while (isBlank(*text)) ++text;
    double value = 0.0;
    for (; isDecimal(*text); ++text) value = value * 10.0 + (*text - '0');
    if (text[0] == '.' && isDecimal(text[1])) {
        double scale = 1.0;
        for (++text; isDecimal(*text); ++text) {
            scale *= 10.0;
            value += (*text - '0') / scale;
        }
    }
    return value;
}

std::int16_t parseHexPair(const char* text) { return parsePair(text, 16, 255); }

std::int16_t parseBase36Pair(const char* text) { return parsePair(text, 36, 36 * 36 - 1); }

}  // namespace kv
