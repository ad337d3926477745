#pragma once
// The picture of a tick: what only drawing needs, apart from the simulation.
#include <cstddef>
#include <cstdint>

#include "core/surface.h"
#include "shell/game.h"

namespace klumpix {

// What the floor was last lit by and each tile's brightness from it, so that
// the next picture computes only the lights that came or went.
struct FloorLighting {
  bool valid = false;
  std::int32_t tile_count;
  std::int32_t tile_x[kFloorTileCount + 1];
  std::int32_t tile_y[kFloorTileCount + 1];
  std::int32_t light_count;
  std::int32_t light_x[kMaxLights + 1];
  std::int32_t light_y[kMaxLights + 1];
  double light_strength[kMaxLights + 1];
  // The sum of every light's share, before the floor's limits. Unsigned so
  // that taking a share away wraps rather than overflows; the true sum is far
  // inside the signed range.
  std::uint32_t sum[kFloorTileCount + 1];
};

// One operation of a picture: a fill (no picture), a copy or an additive copy.
struct DrawOp {
  const Picture* picture;
  Rect src;  // the fill's area
  std::int32_t x, y;
  std::int32_t strength;  // 0 a copy, else additive
  bool keyed;
  std::uint16_t colour;  // the fill's
  // Where it draws on the screen, when `visible`.
  Rect dest;
  bool visible;
};

// A tick's picture is first listed, then drawn only in the blocks of the
// screen whose operations differ from the last picture's: every pixel is
// decided by the operations over it in order, since the first ones (the
// black and the floor) cover the whole screen. An operation that covers a
// block with no key pixel decides it alone: what came before no longer counts.
constexpr int kBlockSize = 40;
constexpr int kBlockColumns = kScreenWidth / kBlockSize;
constexpr int kBlockRows = kScreenHeight / kBlockSize;
constexpr int kMaxDrawOps = 4 + kFloorTileCount + kSlotCount + kTextCellCount;

// Whether a picture's rectangle holds no key pixel, remembered by the same
// marks the block fingerprints use.
struct SolidSource {
  const Picture* picture = nullptr;
  const std::uint16_t* pixels = nullptr;
  std::size_t size = 0;
  Rect src{0, 0, 0, 0};
  bool solid = false;
};
constexpr int kSolidSources = 8;

struct PictureList {
  bool listing = false;
  std::int32_t count = 0;
  DrawOp ops[kMaxDrawOps];
  // A fingerprint of each block's operations in the picture on the screen;
  // `drawn` is false when the screen holds anything else.
  bool drawn = false;
  std::uint64_t block_fingerprint[kBlockRows][kBlockColumns];
  SolidSource solid[kSolidSources];
  int next_solid = 0;
};

// The back buffer a tick's picture is drawn into, 800 x 600 RGB565.
struct Frame {
  Surface screen;
  FloorLighting floor_lighting;
  PictureList list;
};

// Every drawing into a frame goes through these: drawn at once, or listed
// while a picture is being listed.
void FrameFill(Frame& frame, Rect area, std::uint16_t colour);
void FrameCopy(Frame& frame, int x, int y, const Picture& pic, Rect src, bool keyed);
void FrameAdd(Frame& frame, int x, int y, const Picture& pic, Rect src, int strength);

// Starts listing a picture; DrawListedPicture then draws what changed.
void StartListing(Frame& frame);
void DrawListedPicture(Frame& frame);

}  // namespace klumpix
