#pragma once
// Bounds-checked little- and big-endian reads over a byte span: every reader
// of outside files goes through these so a short file can never be over-read.
#include <cstddef>
#include <cstdint>
#include <span>

namespace kv {

using Bytes = std::span<const std::uint8_t>;

inline bool fits(Bytes b, std::size_t offset, std::size_t count) {
    return offset <= b.size() && count <= b.size() - offset;
}

inline std::uint32_t readLe(Bytes b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

inline std::uint32_t readBe(Bytes b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = 0; i < size; ++i) v = v << 8 | b[at + i];
    return v;
}

}  // namespace kv
