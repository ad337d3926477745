#include "platform/video.h"

#include <SDL.h>

namespace klumpix {

Video::~Video() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool Video::Open(bool windowed, std::string& error) {
  // Nearest-pixel scaling keeps the pixel art crisp at any window size.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  const Uint32 flags = windowed ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_FULLSCREEN_DESKTOP;
  window_ = SDL_CreateWindow("klumpix", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             kScreenWidth, kScreenHeight, flags);
  if (window_ == nullptr) {
    error = std::string("cannot open the window: ") + SDL_GetError();
    return false;
  }
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
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
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  return true;
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
