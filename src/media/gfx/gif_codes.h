#pragma once
// The image data of a GIF: a stream of LZW codes. The system decoder follows
// whatever code it is given; a code past the end of its string table can link
// entries into a loop that runs its stack over the decoder's own state, so a
// GIF is only decoded when its codes are ones a decoder can follow.
#include <cstddef>

#include "media/gfx/byte_reader.h"

namespace kv {

constexpr int kLargestGifCodeSize = 12;

// Whether the codes of one image, from its code-size byte at `codeSizeAt`
// (at most kLargestGifCodeSize), can be followed up to its last pixel or the
// end of its data: the first code, and the one after each later clear, is a
// single pixel, and every other code names at most the next entry to be added.
bool gifCodesSound(Bytes file, std::size_t codeSizeAt, long long pixels);

}  // namespace kv
