#pragma once
// The small toolkit every text reader of the game shares: charts, "KV2.CFG",
// "KV2SOUND.CFG" and skin files are read line by line and taken apart with
// these, so all formats agree on blanks, case and numbers.
//
// Text is bytes in the author's code page (often double-byte); nothing here
// decodes it. Only the space (0x20) is a blank; tabs are ordinary bytes.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string_view>

namespace kv {

constexpr int kLineBufferSize = 2048;  // a line holds at most 2047 bytes

// A file read the way a Windows text-mode reader saw it: CR LF arrives as
// LF, and a Ctrl-Z byte ends the file. Our files come from Windows, and
// values, object strings and checksums depend on exactly those bytes.
class TextFile {
public:
    TextFile() = default;
    explicit TextFile(const std::filesystem::path& path) { open(path); }
    ~TextFile() { close(); }
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    bool open(const std::filesystem::path& path);
    void close();
    bool isOpen() const { return file_ != nullptr; }

    // Next byte as text mode delivers it, or -1 at the end.
    int get();

    // The current line, zero-terminated; valid until the next read.
    char lineBuffer[kLineBufferSize] = {};

private:
    int nextRaw();
    int peekRaw();

    std::FILE* file_ = nullptr;
    bool ended_ = false;
    // Our own read-ahead: a library scan reads thousands of charts byte by
    // byte, and a locked getc per byte would dominate it.
    unsigned char chunk_[16384];
    std::size_t chunkPos_ = 0;
    std::size_t chunkSize_ = 0;
};

// Reads through the next LF; the line ends at its first CR or LF. Returns
// false at the end of the file, with the unterminated last line (possibly
// empty) still in lineBuffer: callers handle the line, then stop. Bytes past
// 2047 in one line are dropped.
bool readConfigLine(TextFile& file);

// A buffered line read of up to 2047 bytes or through the next LF, after
// which the last byte read is removed, whatever it is: the LF of a normal
// line, but the real last character of a final line without one. Returns
// false when the read reached the end of the file. Chart checksums and
// replay files depend on these exact bytes, so keep the rule as it is.
bool readChartLine(TextFile& file);

// Skips leading blanks and copies the next word (up to a blank or the end)
// into `word`, cut to fit. Returns how far the value after the word starts:
// blanks skipped + word length + 1, but never past the terminator, so a
// line holding only a key has an empty value.
int takeFirstWord(const char* text, std::span<char> word);

// As takeFirstWord without skipping blanks: a leading blank gives an empty
// word and advance 1.
int takeWord(const char* text, std::span<char> word);

// Skips leading blanks and copies the rest, trailing blanks included.
void takeRest(const char* text, std::span<char> rest);

// Folds a-z to A-Z in place, except a byte right after one of 0x80 or more
// (the second byte of a double-byte character). Null is left alone.
void upcaseAscii(char* text);

// True when the two texts differ at most in the case of ASCII letters.
bool sameLetters(std::string_view a, std::string_view b);

// Blanks, an optional '-', then at most 5 digits; no digits give 0.
std::int32_t parseSignedInt(const char* text);

// At most 5 digits at the very start; anything else first gives 0.
std::int32_t parseDigits5(const char* text);

// Blanks, integer digits, then a fraction when '.' is followed by a digit.
// No sign: a leading '-' gives 0.
double parseDecimal(const char* text);

// One or two characters of 0-9/A-Z/a-z (values 0-35) read in base 16:
// empty text -1, non-digit first byte 0, above 255 gives 0.
std::int16_t parseHexPair(const char* text);

// The same in base 36: "ZZ" is 1295.
std::int16_t parseBase36Pair(const char* text);

}  // namespace kv
