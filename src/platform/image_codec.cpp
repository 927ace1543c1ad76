#include "platform/image_codec.h"

#include <SDL.h>
#include <SDL_image.h>

namespace kv::platform {

namespace {

bool takeDecoded(SDL_Surface* loaded, Surface& out) {
    if (!loaded) return false;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) return false;
    Surface picture(argb->w, argb->h);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* src = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) + y * argb->pitch);
        Pixel* dst = picture.row(y);
        for (int x = 0; x < argb->w; ++x) {
            const Uint32 alpha = src[x] >> 24;
            const auto channel = [&](int shift) { return int((src[x] >> shift & 255) * alpha / 255); };
            dst[x] = rgb(channel(16), channel(8), channel(0));
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    out = std::move(picture);
    return true;
}

}  // namespace

bool decodeImageFile(const std::string& path, Surface& out) { return takeDecoded(IMG_Load(path.c_str()), out); }

bool decodeImageBytes(std::span<const std::uint8_t> bytes, ImageFormat format, Surface& out) {
    // The loader by name: a type given to the generic one is only a hint.
    static SDL_Surface* (*const kLoaders[])(SDL_RWops*) = {IMG_LoadPNG_RW, IMG_LoadGIF_RW, IMG_LoadJPG_RW};
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (!source) return false;
    SDL_Surface* loaded = kLoaders[int(format)](source);
    SDL_RWclose(source);
    return takeDecoded(loaded, out);
}

bool savePng(const std::string& path, const Surface& picture) {
    SDL_Surface* wrapped = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Pixel*>(picture.pixels.data()), picture.width, picture.height, 32, picture.width * 4,
        SDL_PIXELFORMAT_RGB888);
    if (!wrapped) return false;
    const bool saved = IMG_SavePNG(wrapped, path.c_str()) == 0;
    SDL_FreeSurface(wrapped);
    return saved;
}

}  // namespace kv::platform
