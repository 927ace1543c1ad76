#include "platform/code_pages.h"

#include <windows.h>

#include <vector>

namespace kv::platform {
namespace {

UINT codePage(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Cp932: return 932;
        case TextEncoding::Cp949: return 949;
        default: return CP_UTF8;
    }
}

// Strictly decodes one run of bytes; nothing when any byte is invalid.
std::optional<std::string> decodeStrictly(std::string_view bytes, UINT page) {
    if (bytes.empty()) return std::string();
    const int size = int(bytes.size());
    const int wide = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (wide <= 0) return std::nullopt;
    std::vector<wchar_t> text(wide);
    MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, text.data(), wide);
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace

std::optional<std::string> decodeCodePage(std::string_view bytes, TextEncoding from, bool strict) {
    const UINT page = codePage(from);
    if (!IsValidCodePage(page)) return std::nullopt;
    std::optional<std::string> whole = decodeStrictly(bytes, page);
    if (whole || strict) return whole;
    // The system would put its own default character for a bad byte; decode
    // character by character instead, so a bad byte reads "?" as elsewhere.
    std::string out;
    for (std::size_t at = 0; at < bytes.size();) {
        const bool pair = page != CP_UTF8 && at + 1 < bytes.size() && IsDBCSLeadByteEx(page, BYTE(bytes[at]));
        if (std::optional<std::string> one = decodeStrictly(bytes.substr(at, pair ? 2 : 1), page)) {
            out += *one;
            at += pair ? 2 : 1;
        } else {
            out += '?';
            ++at;
        }
    }
    return out;
}

}  // namespace kv::platform
