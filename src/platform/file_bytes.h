#pragma once
// Reading a whole file into memory. A read error (a damaged disk, a device
// or /proc file that refuses reads) is a failed read like a missing file,
// never an exception.
#include <cstdint>
#include <string>
#include <vector>

namespace kv::platform {

// False when the file cannot be opened or a read fails; `bytes` then holds
// nothing.
bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

}  // namespace kv::platform
