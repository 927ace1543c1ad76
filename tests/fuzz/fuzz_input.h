#pragma once
// What the fuzz targets share: a scratch folder of this process's own, where
// an input is written as the file the reader under test opens by name.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kv::fuzz {

// In memory where there is such a folder: the savers sync every file.
inline std::filesystem::path scratchPath() {
    std::error_code error;
    const std::filesystem::path shm = "/dev/shm";
    const auto root = std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
    return root / ("kv_fuzz_" + std::to_string(getpid()));
}

inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::create_directories(scratchPath());
        // The handler rebuilds the name: it may run after this static is gone.
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchPath(), ignored);
        });
        return scratchPath();
    }();
    return folder;
}

// The input as the file `name` in the scratch folder; returns its path.
inline std::filesystem::path writeInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path path = scratchFolder() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    return path;
}

// The game's pseudo-random generator, seeded per input so runs repeat.
struct Lcg {
    std::uint32_t state;
    int operator()() { return int((state = state * 214013u + 2531011u) >> 16 & 0x7FFF); }
};

}  // namespace kv::fuzz
