#include "platform/code_pages.h"

#include <iconv.h>

#include <cerrno>

namespace kv::platform {
namespace {

// CP932 and CP949, not SHIFT_JIS and EUC-KR: those lack the vendor
// extensions and UHC syllables charts use.
const char* iconvName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Cp932: return "CP932";
        case TextEncoding::Cp949: return "CP949";
        default: return "UTF-8";
    }
}

}  // namespace

std::optional<std::string> decodeCodePage(std::string_view bytes, TextEncoding from, bool strict) {
    iconv_t cd = iconv_open("UTF-8", iconvName(from));
    if (cd == iconv_t(-1)) return std::nullopt;
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    bool clean = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (result != std::size_t(-1) || errno == E2BIG) continue;
        clean = false;
        if (strict) break;
        out += '?';
        ++in, --inLeft;  // skip the byte that does not decode (or starts a cut-off pair)
    }
    iconv_close(cd);
    if (strict && !clean) return std::nullopt;
    return out;
}

}  // namespace kv::platform
