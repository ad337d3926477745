#include "platform/reference_blitter.h"

#include <SDL.h>

#include <map>
#include <utility>

namespace klumpix {

struct ReferenceBlitter::Impl {
  std::map<std::pair<const Picture*, bool>, SDL_Surface*> surfaces;

  SDL_Surface* SurfaceOf(const Picture* pic, bool keyed) {
    auto it = surfaces.find({pic, keyed});
    if (it != surfaces.end()) return it->second;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint16_t*>(pic->pixels.data()), pic->width, pic->height, 16, pic->width * 2,
        SDL_PIXELFORMAT_RGB565);
    SDL_SetColorKey(s, keyed ? SDL_TRUE : SDL_FALSE, pic->key);
    surfaces.emplace(std::make_pair(pic, keyed), s);
    return s;
  }
};

ReferenceBlitter::ReferenceBlitter() : impl_(new Impl) {}

ReferenceBlitter::~ReferenceBlitter() {
  for (auto& [pic, surface] : impl_->surfaces) SDL_FreeSurface(surface);
  delete impl_;
}

void ReferenceBlitter::Draw(const std::vector<BlitOp>& ops, Surface& screen) {
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormatFrom(
      screen.pixels, kScreenWidth, kScreenHeight, 16, kScreenWidth * 2, SDL_PIXELFORMAT_RGB565);
  for (const BlitOp& op : ops) {
    SDL_Rect src{op.source.left, op.source.top, op.source.right - op.source.left,
                 op.source.bottom - op.source.top};
    SDL_Rect dst{op.x, op.y, 0, 0};
    SDL_BlitSurface(impl_->SurfaceOf(op.picture, op.keyed), &src, target, &dst);
  }
  SDL_FreeSurface(target);
}

}  // namespace klumpix
