#include "platform/font_encoding.h"

#include "platform/code_pages.h"

namespace kv::platform {
namespace {

// Half-width katakana U+FF61..U+FF9F are EF BD A1..EF BD BF and EF BE 80..EF BE 9F
// in UTF-8; a double-byte character of CP932 is U+0080 or above, elsewhere.
bool mixesHalfWidthKatakanaWithDoubleByte(std::string_view utf8) {
    bool katakana = false, doubleByte = false;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = b0 < 0x80 ? 1 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
        if (b0 >= 0x80) {
            const auto b1 = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
            const auto b2 = i + 2 < utf8.size() ? static_cast<unsigned char>(utf8[i + 2]) : 0;
            const bool halfWidth = b0 == 0xEF && ((b1 == 0xBD && b2 >= 0xA1) || (b1 == 0xBE && b2 <= 0x9F));
            (halfWidth ? katakana : doubleByte) = true;
        }
        i += length;
    }
    return katakana && doubleByte;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char lead = bytes[i];
        const int extra = lead < 0x80 ? 0 : lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2
                        : lead >= 0xF0 && lead <= 0xF4 ? 3 : -1;
        if (extra < 0 || i + extra >= bytes.size() + (extra == 0)) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

TextEncoding detectEncoding(std::string_view bytes) {
    if (isValidUtf8(bytes)) return TextEncoding::Utf8;
    const auto japanese = decodeCodePage(bytes, TextEncoding::Cp932, true);
    const auto korean = decodeCodePage(bytes, TextEncoding::Cp949, true);
    if (japanese && !(korean && mixesHalfWidthKatakanaWithDoubleByte(*japanese))) return TextEncoding::Cp932;
    return korean ? TextEncoding::Cp949 : TextEncoding::Cp932;
}

std::string toUtf8(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8 && isValidUtf8(bytes)) return std::string(bytes);
    return decodeCodePage(bytes, encoding, false).value_or(std::string());
}

std::string chartTextToUtf8(std::string_view bytes) { return toUtf8(bytes, detectEncoding(bytes)); }

}  // namespace kv::platform
