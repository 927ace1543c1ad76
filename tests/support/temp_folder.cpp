#include "support/temp_folder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "platform/path_text.h"

namespace kv::test {

TempFolder::TempFolder(std::string_view label) {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            (std::string(label) + "_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::string TempFolder::operator/(std::string_view relative) const { return (path_ / platform::pathFromText(relative)).generic_string(); }

std::string TempFolder::write(std::string_view relative, std::string_view content) const {
    const std::filesystem::path file = path_ / platform::pathFromText(relative);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(content.data(), std::streamsize(content.size()));
    return file.generic_string();
}

std::string TempFolder::read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace kv::test
