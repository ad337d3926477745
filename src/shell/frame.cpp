#include "shell/frame.h"

#include <algorithm>
#include <cstring>

namespace klumpix {

namespace {

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 30;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 27;
  h *= 0x94D049BB133111EBull;
  return h ^ (h >> 31);
}

// Two words folded into one through their 128-bit product.
std::uint64_t Fold(std::uint64_t a, std::uint64_t b) {
  const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
  return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

std::uint64_t Pair(std::int32_t high, std::int32_t low) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32) |
         static_cast<std::uint32_t>(low);
}

// Where a block's fingerprint starts again under an operation that covers it.
constexpr std::uint64_t kCovered = 0x243F6A8885A308D3ull;

std::uint64_t Fingerprint(const DrawOp& op) {
  std::uint64_t picture = 0;
  std::uint64_t shape = 0;
  if (op.picture != nullptr) {
    picture =
        reinterpret_cast<std::uintptr_t>(op.picture) ^
        (static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(op.picture->pixels.data()))
         << 1);
    shape = Pair(op.picture->width, op.picture->height) ^
            (static_cast<std::uint64_t>(op.picture->key) << 16) ^ (op.picture->pixels.size() << 20);
  }
  const std::uint64_t mode =
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(op.strength)) << 17) ^
      (std::uint64_t{op.colour} << 1) ^ op.keyed;
  return Mix(Fold(Pair(op.src.left, op.src.top) ^ 0x9E3779B97F4A7C15ull,
                  Pair(op.src.right, op.src.bottom) ^ 0xC2B2AE3D27D4EB4Full) ^
             Fold(Pair(op.x, op.y) ^ 0x165667B19E3779F9ull, mode ^ 0xD6E8FEB86659FD93ull) ^
             Fold(picture ^ 0xA0761D6478BD642Full, shape ^ 0xE7037ED1A0B428DBull));
}

// The screen's rectangle the operation draws on; false when none.
bool Destination(const DrawOp& op, Rect& dest) {
  if (op.picture != nullptr) return CopyDestination(op.x, op.y, *op.picture, op.src, dest);
  dest = Rect{std::max(op.src.left, 0), std::max(op.src.top, 0),
              std::min(op.src.right, kScreenWidth), std::min(op.src.bottom, kScreenHeight)};
  return dest.right > dest.left && dest.bottom > dest.top;
}

// Whether the operation leaves nothing of what is beneath where it draws.
bool Covers(PictureList& list, const DrawOp& op) {
  if (op.picture == nullptr) return true;
  if (op.strength > 0) return false;
  if (!op.keyed) return true;
  const Picture& pic = *op.picture;
  for (const SolidSource& s : list.solid) {
    if (s.picture == op.picture && s.pixels == pic.pixels.data() && s.size == pic.pixels.size() &&
        s.src.left == op.src.left && s.src.top == op.src.top && s.src.right == op.src.right &&
        s.src.bottom == op.src.bottom) {
      return s.solid;
    }
  }
  const Rect r{std::max(op.src.left, 0), std::max(op.src.top, 0), std::min(op.src.right, pic.width),
               std::min(op.src.bottom, pic.height)};
  bool solid = true;
  for (int y = r.top; y < r.bottom && solid; ++y) {
    for (int x = r.left; x < r.right; ++x) solid = solid && pic.At(x, y) != pic.key;
  }
  list.solid[list.next_solid] =
      SolidSource{op.picture, pic.pixels.data(), pic.pixels.size(), op.src, solid};
  list.next_solid = (list.next_solid + 1) % kSolidSources;
  return solid;
}

void Draw(Surface& screen, const DrawOp& op, Rect clip) {
  if (op.picture == nullptr) {
    const Rect area{std::max(op.src.left, clip.left), std::max(op.src.top, clip.top),
                    std::min(op.src.right, clip.right), std::min(op.src.bottom, clip.bottom)};
    if (area.right > area.left && area.bottom > area.top) FillRect(screen, area, op.colour);
    return;
  }
  if (op.strength > 0) {
    AddRect(screen, op.x, op.y, *op.picture, op.src, op.keyed, op.strength, clip);
  } else {
    CopyRect(screen, op.x, op.y, *op.picture, op.src, op.keyed, clip);
  }
}

// Lists the operation, or draws it when no picture is being listed.
void Do(Frame& frame, const DrawOp& op) {
  PictureList& list = frame.list;
  if (list.listing) {
    // kMaxDrawOps counts everything a picture can hold: the black, every
    // tile, every slot and every text cell once.
    if (list.count < kMaxDrawOps) {
      DrawOp& listed = list.ops[list.count++];
      listed = op;
      listed.visible = Destination(op, listed.dest);
    }
    return;
  }
  list.drawn = false;  // the screen now holds what no list describes
  Draw(frame.screen, op, kScreenRect);
}

}  // namespace

void FrameFill(Frame& frame, Rect area, std::uint16_t colour) {
  Do(frame, DrawOp{nullptr, area, 0, 0, 0, false, colour, Rect{0, 0, 0, 0}, false});
}

void FrameCopy(Frame& frame, int x, int y, const Picture& pic, Rect src, bool keyed) {
  Do(frame, DrawOp{&pic, src, x, y, 0, keyed, 0, Rect{0, 0, 0, 0}, false});
}

void FrameAdd(Frame& frame, int x, int y, const Picture& pic, Rect src, int strength) {
  if (strength <= 0) return;  // adds nothing
  Do(frame, DrawOp{&pic, src, x, y, strength, true, 0, Rect{0, 0, 0, 0}, false});
}

void StartListing(Frame& frame) {
  frame.list.listing = true;
  frame.list.count = 0;
}

void DrawListedPicture(Frame& frame) {
  PictureList& list = frame.list;
  list.listing = false;
  std::uint64_t now[kBlockRows][kBlockColumns];
  for (auto& row : now) std::fill(std::begin(row), std::end(row), 0);
  for (int i = 0; i < list.count; ++i) {
    if (!list.ops[i].visible) continue;
    const Rect dest = list.ops[i].dest;
    const std::uint64_t op = Fingerprint(list.ops[i]);
    // The blocks the operation covers whole, if any.
    const int whole_left = (dest.left + kBlockSize - 1) / kBlockSize;
    const int whole_top = (dest.top + kBlockSize - 1) / kBlockSize;
    const int whole_right = dest.right / kBlockSize;
    const int whole_bottom = dest.bottom / kBlockSize;
    const bool covers =
        whole_left < whole_right && whole_top < whole_bottom && Covers(list, list.ops[i]);
    for (int by = dest.top / kBlockSize; by <= (dest.bottom - 1) / kBlockSize; ++by) {
      for (int bx = dest.left / kBlockSize; bx <= (dest.right - 1) / kBlockSize; ++bx) {
        const bool whole =
            bx >= whole_left && bx < whole_right && by >= whole_top && by < whole_bottom;
        now[by][bx] = Mix((covers && whole ? kCovered : now[by][bx]) ^ op);
      }
    }
  }
  bool changed[kBlockRows][kBlockColumns];
  for (int by = 0; by < kBlockRows; ++by) {
    for (int bx = 0; bx < kBlockColumns; ++bx) {
      changed[by][bx] = !list.drawn || now[by][bx] != list.block_fingerprint[by][bx];
      list.block_fingerprint[by][bx] = now[by][bx];
    }
  }
  // Each operation in order, over the runs of changed blocks it covers.
  for (int i = 0; i < list.count; ++i) {
    if (!list.ops[i].visible) continue;
    const Rect dest = list.ops[i].dest;
    const int first_column = dest.left / kBlockSize;
    const int last_column = (dest.right - 1) / kBlockSize;
    for (int by = dest.top / kBlockSize; by <= (dest.bottom - 1) / kBlockSize; ++by) {
      for (int bx = first_column; bx <= last_column; ++bx) {
        if (!changed[by][bx]) continue;
        const int run_start = bx;
        while (bx + 1 <= last_column && changed[by][bx + 1]) ++bx;
        Draw(frame.screen, list.ops[i],
             Rect{run_start * kBlockSize, by * kBlockSize, (bx + 1) * kBlockSize,
                  (by + 1) * kBlockSize});
      }
    }
  }
  list.drawn = true;
}

}  // namespace klumpix
