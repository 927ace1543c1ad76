#include "base/text.h"

#include <algorithm>
#include <cctype>

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

bool TextFile::open(const std::filesystem::path& path) {
    close();
    file_ = std::fopen(path.c_str(), "rb");
    return file_ != nullptr;
}

void TextFile::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    ended_ = false;
    chunkPos_ = chunkSize_ = 0;
    lineBuffer[0] = '\0';
}

int TextFile::peekRaw() {
    if (chunkPos_ == chunkSize_) {
        if (!file_) return -1;
        chunkSize_ = std::fread(chunk_, 1, sizeof chunk_, file_);
        chunkPos_ = 0;
        if (chunkSize_ == 0) return -1;
    }
    return chunk_[chunkPos_];
}

int TextFile::nextRaw() {
    const int c = peekRaw();
    if (c >= 0) ++chunkPos_;
    return c;
}

int TextFile::get() {
    if (ended_) return -1;
    int c = nextRaw();
    if (c < 0 || c == kCtrlZ) {
        ended_ = true;
        return -1;
    }
    if (c == '\r' && peekRaw() == '\n') c = nextRaw();
    return c;
}

bool readConfigLine(TextFile& file) {
    int length = 0;
    for (;;) {
        const int c = file.get();
        if (c < 0 || c == '\n') {
            file.lineBuffer[length] = '\0';
            return c == '\n';
        }
        if (length < kMaxLine) file.lineBuffer[length++] = c == '\r' ? '\0' : char(c);
    }
}

bool readChartLine(TextFile& file) {
    int length = 0;
    int c = 0;
    while (length < kMaxLine) {
        c = file.get();
        if (c < 0) break;
        file.lineBuffer[length++] = char(c);
        if (c == '\n') break;
    }
    file.lineBuffer[length > 0 ? length - 1 : 0] = '\0';
    return c >= 0;
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
