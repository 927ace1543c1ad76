#pragma once
// A fresh folder under the system's temporary folder, removed afterwards.
// Named at random: other worktrees run these suites at the same time.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace kv::test {

class TempFolder {
public:
    TempFolder() : path_(std::filesystem::temp_directory_path() / ("kv_app_" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

private:
    std::filesystem::path path_;
};

}  // namespace kv::test
