#include "media/gfx/bmp_file.h"

#include "media/gfx/dib.h"

namespace kv {

namespace {
constexpr std::size_t kFileHeaderSize = 14;
}

bool readBmp(Bytes file, Surface& out) {
    if (!fits(file, 0, kFileHeaderSize) || file[0] != 'B' || file[1] != 'M') return false;
    const std::uint32_t bitsAt = readLe(file, 10, 4);
    if (bitsAt < kFileHeaderSize || bitsAt > file.size()) return false;
    return decodeDib(file.subspan(kFileHeaderSize, bitsAt - kFileHeaderSize), file.subspan(bitsAt), out);
}

std::vector<std::uint8_t> writeBmp(const Surface& picture) {
    const EncodedDib dib = encodeDib24(picture);
    const std::uint32_t bitsAt = std::uint32_t(kFileHeaderSize + dib.info.size());
    const std::uint32_t total = bitsAt + std::uint32_t(dib.bits.size());
    std::vector<std::uint8_t> file = {'B', 'M'};
    for (std::uint32_t v : {total, 0u, bitsAt})
        for (int i = 0; i < 4; ++i) file.push_back(std::uint8_t(v >> (8 * i)));
    file.insert(file.end(), dib.info.begin(), dib.info.end());
    file.insert(file.end(), dib.bits.begin(), dib.bits.end());
    return file;
}

}  // namespace kv
