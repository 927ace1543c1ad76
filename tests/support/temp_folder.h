#pragma once
// A fresh, empty folder for one test, removed with everything in it when
// the object goes away. Names carry the process id, so suites running in
// parallel never share one.
#include <filesystem>
#include <string>
#include <string_view>

namespace kv::test {

class TempFolder {
public:
    explicit TempFolder(std::string_view label = "kv");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // `path()/relative`, as game text (UTF-8 on Windows).
    std::string operator/(std::string_view relative) const;

    // Writes a file (creating its folders) and returns its path; `relative`
    // is game text.
    std::string write(std::string_view relative, std::string_view content) const;
    // The whole file, or "" when it cannot be read.
    static std::string read(const std::filesystem::path& file);

private:
    std::filesystem::path path_;
};

}  // namespace kv::test
