#include "media/gfx/pic_file.h"

#include "media/gfx/dib.h"

namespace kv {
namespace {

constexpr std::size_t kHeaderSize = 10;
constexpr std::uint8_t kMask = 0xC0;
constexpr int kMaxRun = 63;

bool decodeRuns(Bytes stored, std::size_t length, std::vector<std::uint8_t>& out) {
    out.clear();
    out.reserve(length);
    std::size_t p = 0;
    while (out.size() < length) {
        if (p >= stored.size()) return false;
        const std::uint8_t code = stored[p++] ^ kMask;
        if (code < kMask) {
            out.push_back(code);
            continue;
        }
        if (p >= stored.size()) return false;
        const std::uint8_t value = stored[p++] ^ kMask;
        const std::size_t count = std::min<std::size_t>(code & kMaxRun, length - out.size());
        out.insert(out.end(), count, value);
    }
    return true;
}

void encodeRuns(const std::vector<std::uint8_t>& bytes, std::vector<std::uint8_t>& out) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::uint8_t value = bytes[i];
        std::size_t run = 1;
        while (run < kMaxRun && i + run < bytes.size() && bytes[i + run] == value) ++run;
        // Bytes of 0xC0 and above would read as a run code, so they always go as runs.
        if (run >= 3 || value >= kMask) {
            out.push_back(std::uint8_t((kMask | run) ^ kMask));
            out.push_back(value ^ kMask);
        } else {
            run = 1;
            out.push_back(value ^ kMask);
        }
        i += run;
    }
}

}  // namespace

bool readPic(Bytes file, Surface& out) {
    if (!fits(file, 0, kHeaderSize)) return false;
    const std::size_t length = readBe(file, 5, 3);
    const std::size_t infoLength = readBe(file, 8, 2);
    if (!fits(file, kHeaderSize, infoLength)) return false;
    std::vector<std::uint8_t> bits;
    if (!decodeRuns(file.subspan(kHeaderSize + infoLength), length, bits)) return false;
    return decodeDib(file.subspan(kHeaderSize, infoLength), bits, out);
}

std::vector<std::uint8_t> writePic(const Surface& picture) {
    const EncodedDib dib = encodeDib24(picture);
    if (dib.bits.size() > 0xFFFFFF) return {};
    const std::size_t length = dib.bits.size();
    std::vector<std::uint8_t> file = {'K', 'V', 'P', 'I', 'C', std::uint8_t(length >> 16),
                                      std::uint8_t(length >> 8), std::uint8_t(length),
                                      std::uint8_t(dib.info.size() >> 8), std::uint8_t(dib.info.size())};
    file.insert(file.end(), dib.info.begin(), dib.info.end());
    encodeRuns(dib.bits, file);
    return file;
}

}  // namespace kv
