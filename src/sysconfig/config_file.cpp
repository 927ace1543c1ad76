#include "sysconfig/config_file.h"

#include <cstring>
#include <system_error>
#include <vector>

#include "base/text.h"
#include "platform/atomic_file.h"
#include "platform/file_bytes.h"
#include "settings/settings_file.h"
#include "sysconfig/settings_form.h"

namespace kv::sysconfig {

namespace {

constexpr char kFrameCapLine[] = "MAXFPS ";

void applyShownValue(Settings& settings, const char* key, std::int32_t value) {
    for (const CheckBoxSetting& box : kCheckBoxSettings) {
        if (std::strcmp(key, box.key) == 0) settings.*box.field = std::int8_t(value);
    }
    if (std::strcmp(key, "WAVQUAL") == 0) settings.WAVQUAL = std::int8_t(value);
    if (std::strcmp(key, "FREESPEED") == 0) settings.FREESPEED = value;
    if (std::strcmp(key, "BPMEDIT") == 0) settings.BPMEDIT = value;
}

// The game's writer always includes the frame cap; take its line out.
std::string withoutFrameCap(const std::string& text) {
    const std::size_t start = text.find(std::string("\n") + kFrameCapLine);
    if (start == std::string::npos) return text;
    const std::size_t end = text.find('\n', start + 1);
    return text.substr(0, start + 1) + (end == std::string::npos ? "" : text.substr(end + 1));
}

std::string unwritableMessage(const std::filesystem::path& file) {
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    return "The settings were not saved: \"" + file.filename().string() + "\" cannot be written in the folder " +
           std::filesystem::absolute(folder).lexically_normal().string() +
           ".\nCheck that the folder exists and that you may write to it.";
}

}  // namespace

int loadSystemSettings(Settings& settings, const std::filesystem::path& file) {
    if (!loadSettings(settings, file)) return 0;
    TextFile text(file);
    bool more = text.isOpen();
    while (more) {
        more = readConfigLine(text);
        char key[80];
        const char* value = text.lineBuffer + takeFirstWord(text.lineBuffer, key);
        upcaseAscii(key);
        applyShownValue(settings, key, parseSignedInt(value));
    }
    return 1;
}

int saveSystemSettings(const Settings& settings, const std::filesystem::path& file, std::string& problem) {
    // The game's writer fills a staging file beside the real one; the real
    // one is then replaced as a whole with that text, less the frame cap.
    std::filesystem::path staging = file;
    staging += ".new";
    std::vector<std::uint8_t> bytes;
    const bool saved = saveSettings(settings, staging) == 1 && platform::readFileBytes(staging.string(), bytes) &&
                       platform::writeFileAtomically(file, withoutFrameCap(std::string(bytes.begin(), bytes.end())));
    std::error_code ignored;
    std::filesystem::remove(staging, ignored);
    if (!saved) {
        problem = unwritableMessage(file);
        return 0;
    }
    return 1;
}

}  // namespace kv::sysconfig
