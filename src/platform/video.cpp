#include "platform/video.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "app/window_size.h"

namespace klumpix {

Video::~Video() {
  if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool Video::Open(bool windowed, int width, int height, std::string& error) {
  // The window's own pixels (MIT-SHM on X11), not a renderer's: we scale
  // the picture ourselves and hand over only what changed.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
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
  if (!TakeWindowPixels(error)) return false;
  Redraw();
  return true;
}

// The window's pixels, taken afresh whenever its size changes; everything
// is drawn again into them.
bool Video::TakeWindowPixels(std::string& error) {
  pixels_ = SDL_GetWindowSurface(window_);
  if (pixels_ == nullptr) {
    error = std::string("cannot draw into the window: ") + SDL_GetError();
    return false;
  }
  // Our pixels are 0x00RRGGBB; a window of another layout gets them converted.
  direct_ = pixels_->format->format == SDL_PIXELFORMAT_RGB888 ||
            pixels_->format->format == SDL_PIXELFORMAT_ARGB8888;
  if (!direct_) converted_.resize(static_cast<std::size_t>(pixels_->w) * pixels_->h);
  scaler_.Resize(pixels_->w, pixels_->h);
  return true;
}

void Video::ToPicture(SDL_Event& event) const {
  // Pointer positions come in window points, the pixels may be finer.
  int points_w = 0, points_h = 0;
  SDL_GetWindowSize(window_, &points_w, &points_h);
  const auto map = [&](Sint32& x, Sint32& y) {
    if (pixels_ == nullptr || points_w <= 0 || points_h <= 0) return;
    const int px = static_cast<int>(static_cast<std::int64_t>(x) * pixels_->w / points_w);
    const int py = static_cast<int>(static_cast<std::int64_t>(y) * pixels_->h / points_h);
    int picture_x = 0, picture_y = 0;
    klumpix::ToPicture(scaler_.box(), px, py, picture_x, picture_y);
    x = picture_x;
    y = picture_y;
  };
  if (event.type == SDL_MOUSEMOTION) map(event.motion.x, event.motion.y);
  if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) {
    map(event.button.x, event.button.y);
  }
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
  Show(&screen);
}

void Video::Redraw() {
  Show(nullptr);
}

void Video::Show(const Surface* picture) {
  int width = 0, height = 0;
  SDL_GetWindowSizeInPixels(window_, &width, &height);
  if (pixels_ == nullptr || width != pixels_->w || height != pixels_->h ||
      SDL_GetWindowSurface(window_) != pixels_) {
    std::string error;
    if (!TakeWindowPixels(error)) return;  // tried again at the next picture
  } else if (picture == nullptr) {
    SDL_UpdateWindowSurface(window_);  // the window's pixels hold it already
    return;
  }
  if (SDL_MUSTLOCK(pixels_)) SDL_LockSurface(pixels_);
  auto* out = direct_ ? static_cast<std::uint32_t*>(pixels_->pixels) : converted_.data();
  const int pitch = direct_ ? pixels_->pitch / 4 : pixels_->w;
  const std::vector<WindowRect>& changed =
      picture != nullptr ? scaler_.Scale(*picture, out, pitch) : scaler_.Rescale(out, pitch);
  rects_.clear();
  for (const WindowRect& r : changed) {
    const SDL_Rect rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    if (!direct_) {
      SDL_ConvertPixels(rect.w, rect.h, SDL_PIXELFORMAT_RGB888,
                        converted_.data() + static_cast<std::ptrdiff_t>(rect.y) * pitch + rect.x,
                        pitch * 4, pixels_->format->format,
                        static_cast<Uint8*>(pixels_->pixels) + rect.y * pixels_->pitch +
                            rect.x * pixels_->format->BytesPerPixel,
                        pixels_->pitch);
    }
    rects_.push_back(rect);
  }
  if (SDL_MUSTLOCK(pixels_)) SDL_UnlockSurface(pixels_);
  if (!rects_.empty()) {
    SDL_UpdateWindowSurfaceRects(window_, rects_.data(), static_cast<int>(rects_.size()));
  }
}

}  // namespace klumpix
