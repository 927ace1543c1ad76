#include "media/gfx/gif_codes.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kv {
namespace {

constexpr int kTableSize = 1 << kLargestGifCodeSize;

// The bytes of an image's sub-blocks one after another, read least
// significant bit first, as the decoder reads them.
class CodeReader {
public:
    CodeReader(Bytes file, std::size_t firstBlock) : file_(file), at_(firstBlock) {}

    // The next code of `bits` bits; nothing once the data runs out.
    std::optional<int> next(int bits) {
        while (held_ < bits) {
            if (leftInBlock_ == 0) {
                if (!fits(file_, at_, 1) || file_[at_] == 0) return std::nullopt;
                leftInBlock_ = file_[at_++];
            }
            if (!fits(file_, at_, 1)) return std::nullopt;
            bits_ |= std::uint32_t(file_[at_++]) << held_;
            held_ += 8;
            --leftInBlock_;
        }
        const int code = int(bits_ & ((1u << bits) - 1));
        bits_ >>= bits;
        held_ -= bits;
        return code;
    }

private:
    Bytes file_;
    std::size_t at_;
    int leftInBlock_ = 0;
    std::uint32_t bits_ = 0;
    int held_ = 0;
};

}  // namespace

bool gifCodesSound(Bytes file, std::size_t codeSizeAt, long long pixels) {
    const int rootBits = file[codeSizeAt];
    const int clearCode = 1 << rootBits, endCode = clearCode + 1;
    CodeReader codes(file, codeSizeAt + 1);
    std::array<int, kTableSize> stringLength{};  // of each table entry, in pixels
    int codeBits = 0, nextEntry = 0, previous = -1;
    const auto clearTable = [&] {
        codeBits = rootBits + 1;
        nextEntry = clearCode + 2;
        previous = -1;
    };
    clearTable();
    for (long long decoded = 0; decoded < pixels;) {
        const std::optional<int> code = codes.next(codeBits);
        if (!code) return true;
        if (*code == clearCode) {
            // The decoder skips clears only before the first pixel; later, it
            // takes the code after a clear as a pixel, whatever it is.
            if (previous < 0 && decoded > 0) return false;
            clearTable();
            continue;
        }
        if (previous < 0) {
            if (*code >= clearCode) return false;
            previous = *code;
            ++decoded;
            continue;
        }
        if (*code == endCode) return true;
        if (*code > nextEntry || *code >= kTableSize) return false;
        const int previousLength = previous < clearCode ? 1 : stringLength[previous];
        decoded += *code < clearCode ? 1 : *code == nextEntry ? previousLength + 1 : stringLength[*code];
        if (nextEntry < kTableSize) {
            stringLength[nextEntry] = previousLength + 1;
            if (++nextEntry >= 1 << codeBits && codeBits < kLargestGifCodeSize) ++codeBits;
        }
        previous = *code;
    }
    return true;
}

}  // namespace kv
