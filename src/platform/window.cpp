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
int width = kPictureWidth;
int height = kPictureHeight;

bool createTexture() {
    if (texture) SDL_DestroyTexture(texture);
    texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    return texture != nullptr;
}

void showOnWindow(const Surface& picture) {
    // The texture holds exactly one picture of the presentation's size;
    // anything else would be read past its end.
    if (picture.width != width || picture.height != height) return;
    if (!texture && !restorePresentation()) return;
    SDL_UpdateTexture(texture, nullptr, picture.pixels.data(), picture.width * int(sizeof(Pixel)));
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
}

}  // namespace

bool openWindow() { return isHeadless() || SDL_WasInit(SDL_INIT_VIDEO) != 0; }

bool openPresentation(bool windowed, const char* title, int pictureWidth, int pictureHeight) {
    width = pictureWidth;
    height = pictureHeight;
    if (isHeadless()) return true;
    closeWindow();
    // The window is made in its final mode, so a full-screen game never
    // flashes up as a small window first.
    const Uint32 mode = windowed ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, mode);
    if (!window) return false;
    SDL_ShowCursor(windowed ? SDL_ENABLE : SDL_DISABLE);
    // Smooth scaling: the desktop is rarely a whole multiple of 640 x 480.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) return false;
    // The logical size letterboxes the picture and maps mouse positions
    // back into it.
    return SDL_RenderSetLogicalSize(renderer, width, height) == 0 && createTexture();
}

int pictureWidth() { return width; }
int pictureHeight() { return height; }

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
    if (!window) return {0, 0, width, height};
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &w, &h);
    return {x, y, x + w, y + h};
}

}  // namespace kv::platform
