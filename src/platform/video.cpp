#include "platform/video.h"

#include <SDL.h>

#include <cstdio>

#include "app/window_size.h"

namespace klumpix {

namespace {

// Up to this many window pixels (an opening window, or a full screen of up to
// 1200 x 900) SDL's own software renderer scales and
// presents the picture for less CPU than a GL context costs to keep, and it
// spares the GL driver's start-up time and memory. Larger windows scale
// better on the GL renderer, even on a GL that the CPU rasterises.
constexpr int kSoftwareUpToPixels = kScreenWidth * kScreenHeight * 9 / 4;  // 1.5 x 1.5

// Presenting straight to the window (MIT-SHM on X11), not through a GL
// texture: only then is the software renderer free of GL.
SDL_Renderer* CreateSoftwareRenderer(SDL_Window* window) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

bool WantsSoftware(SDL_Window* window) {
  if (SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr) return false;  // the user chose
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window, &width, &height);
  return width * height <= kSoftwareUpToPixels;
}

}  // namespace

Video::~Video() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool Video::Open(bool windowed, int width, int height, std::string& error) {
  // Nearest-pixel scaling keeps the pixel art crisp at any window size.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  const Uint32 flags = SDL_WINDOW_RESIZABLE | (windowed ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  // The window opens centred on the first display; without its bounds only
  // the smallest size applies.
  SDL_Rect usable{0, 0, width, height};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = {0, 0, width, height};
  FitWindowSize(usable.w, usable.h, width, height);
  windowed_width_ = width;
  windowed_height_ = height;
  window_ = SDL_CreateWindow("klumpix", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                             height, flags);
  if (window_ == nullptr) {
    error = std::string("cannot open the window: ") + SDL_GetError();
    return false;
  }
  if (!MakeRenderer(error)) return false;
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  return true;
}

// The renderer is chosen once, for the size the window opens with: SDL
// would recreate the window to switch to GL later.
bool Video::MakeRenderer(std::string& error) {
  if (WantsSoftware(window_)) renderer_ = CreateSoftwareRenderer(window_);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ == nullptr) {
    error = std::string("cannot draw into the window: ") + SDL_GetError();
    return false;
  }
  // With a logical size SDL letterboxes the picture and maps mouse positions
  // back to picture pixels for us.
  SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               kScreenWidth, kScreenHeight);
  if (texture_ == nullptr) {
    error = std::string("cannot make the picture texture: ") + SDL_GetError();
    return false;
  }
  return true;
}

bool Video::FullScreen() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void Video::WindowedSize(int& width, int& height) {
  if (!FullScreen()) SDL_GetWindowSize(window_, &windowed_width_, &windowed_height_);
  width = windowed_width_;
  height = windowed_height_;
}

void Video::HandleDisplayKey(const SDL_KeyboardEvent& key) {
  if (key.repeat != 0) return;
  const SDL_Keycode code = key.keysym.sym;
  const bool alt_enter =
      (code == SDLK_RETURN || code == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT);
  if (code == SDLK_F11 || alt_enter) SetFullScreen(!FullScreen());
  if (code == SDLK_ESCAPE) SetFullScreen(false);
}

void Video::SetFullScreen(bool full_screen) {
  if (full_screen == FullScreen()) return;
  int width = 0;
  int height = 0;
  WindowedSize(width, height);
  SDL_SetWindowFullscreen(window_, full_screen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  if (!full_screen) SDL_SetWindowSize(window_, width, height);
  Redraw();
}

void Video::Present(const Surface& screen) {
  SDL_UpdateTexture(texture_, nullptr, screen.pixels, kScreenWidth * sizeof(std::uint16_t));
  Redraw();
}

void Video::Redraw() {
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

}  // namespace klumpix
