#pragma once
// Reading a whole file into memory. A read error (a damaged disk, a device
// or /proc file that refuses reads, a folder where a file should be) is a
// failed read like a missing file, never an exception.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kv::platform {

// False when the file cannot be opened or a read fails; `bytes` then holds
// nothing.
bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// The same for at most the first `limit` bytes: a reader of a fixed-size
// record never reads on through a file that is far larger than it.
bool readFilePrefix(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes);

}  // namespace kv::platform
