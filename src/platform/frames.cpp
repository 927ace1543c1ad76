#include "platform/frames.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <filesystem>

#include "platform/path_text.h"
#include "platform/window.h"

namespace kv::platform {
namespace {

Surface& lastFrame() {
    static Surface frame(kPictureWidth, kPictureHeight);
    return frame;
}

long frameCount = 0;
std::string framesFolder;
std::function<void(const Surface&)> frameObserver;

std::string framePath(long number) {
    char name[32];
    std::snprintf(name, sizeof name, "frame_%06ld.png", number);
    return (pathFromText(framesFolder) / name).string();
}

}  // namespace

const Surface& lastPresentedFrame() { return lastFrame(); }

long presentedFrameCount() { return frameCount; }

bool setFramesFolder(const std::string& folder) {
    framesFolder = folder;
    if (folder.empty()) return true;
    std::error_code error;
    std::filesystem::create_directories(pathFromText(folder), error);
    return std::filesystem::is_directory(pathFromText(folder), error);
}

void keepPresentedFrame(const Surface& picture) {
    lastFrame() = picture;
    ++frameCount;
    if (!framesFolder.empty()) savePng(picture, framePath(frameCount));
    if (frameObserver) frameObserver(picture);
}

void resetPresentedFrames() {
    lastFrame() = Surface(kPictureWidth, kPictureHeight);
    frameCount = 0;
}

void setFrameObserver(std::function<void(const Surface&)> observer) { frameObserver = std::move(observer); }

bool savePng(const Surface& picture, const std::string& path) {
    if (picture.width <= 0 || picture.height <= 0) return false;
    // SDL only reads the pixels; the cast is for its C signature.
    SDL_Surface* view =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Pixel*>(picture.pixels.data()), picture.width, picture.height, 32,
                                           picture.width * int(sizeof(Pixel)), SDL_PIXELFORMAT_RGB888);
    if (!view) return false;
    const bool saved = IMG_SavePNG(view, path.c_str()) == 0;
    SDL_FreeSurface(view);
    return saved;
}

}  // namespace kv::platform
