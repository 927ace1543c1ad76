#include "platform/window.h"

#include <SDL.h>

#include "platform/clock.h"
#include "platform/frames.h"
#include "platform/platform.h"

namespace kv::platform {
namespace {

SDL_Window* window = nullptr;
SDL_Renderer* renderer = nullptr;
SDL_Texture* texture = nullptr;

bool createTexture() {
    if (texture) SDL_DestroyTexture(texture);
    texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, kPictureWidth, kPictureHeight);
    return texture != nullptr;
}

void showOnWindow(const Surface& picture) {
    if (!texture && !restorePresentation()) return;
    SDL_UpdateTexture(texture, nullptr, picture.pixels.data(), picture.width * int(sizeof(Pixel)));
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
}

}  // namespace

bool openWindow() {
    if (isHeadless() || window) return true;
    window = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kPictureWidth,
                              kPictureHeight, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    return window != nullptr;
}

bool openPresentation(bool windowed) {
    if (isHeadless()) return true;
    if (!window && !openWindow()) return false;
    closePresentation();
    if (!windowed) {
        if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return false;
        SDL_ShowCursor(SDL_DISABLE);
    }
    // Smooth scaling: the desktop is rarely a whole multiple of 640 x 480.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) return false;
    // The logical size letterboxes the picture and maps mouse positions
    // back into it.
    if (SDL_RenderSetLogicalSize(renderer, kPictureWidth, kPictureHeight) != 0 || !createTexture()) return false;
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    return true;
}

void closePresentation() {
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    texture = nullptr;
    renderer = nullptr;
}

void closeWindow() {
    closePresentation();
    if (window) SDL_DestroyWindow(window);
    window = nullptr;
}

void presentFrame(const Surface& picture) {
    keepPresentedFrame(picture);
    if (renderer) showOnWindow(picture);
    clock().framePresented();
}

bool restorePresentation() {
    if (isHeadless()) return true;
    return renderer && createTexture();
}

Rect windowClientRect() {
    if (!window) return {0, 0, kPictureWidth, kPictureHeight};
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &w, &h);
    return {x, y, x + w, y + h};
}

}  // namespace kv::platform
