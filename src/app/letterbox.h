#pragma once
// The 800 x 600 picture in a window of any size: where it stands (aspect
// kept, centred, black around it), where a pointer in the window points in
// the picture, and scaling into the window only the rows that changed since
// the last picture, so that a still or nearly still picture costs little to
// show.
#include <cstdint>
#include <memory>
#include <vector>

#include "core/surface.h"

namespace klumpix {

// Where the picture stands in a window, in window pixels.
struct Letterbox {
  int x = 0, y = 0, width = kScreenWidth, height = kScreenHeight;
};

Letterbox FitPicture(int window_width, int window_height);

// The picture pixel under window point (x, y); outside the picture when the
// point is on the black around it.
void ToPicture(const Letterbox& box, int x, int y, int& picture_x, int& picture_y);

// A rectangle of the window that took new pixels: left/top inclusive,
// right/bottom exclusive.
struct WindowRect {
  int left, top, right, bottom;
};

// Scales pictures into a 32-bit window buffer (0x00RRGGBB), nearest pixel.
class PictureScaler {
 public:
  // For a window buffer of this size; everything is drawn at the next Scale.
  void Resize(int window_width, int window_height);
  const Letterbox& box() const { return box_; }

  // Writes into `window` (rows `pitch` pixels apart) what of `picture`
  // differs from the last picture scaled, or everything after Resize, and
  // returns the rectangles of the window that changed, neighbouring rows
  // merged.
  const std::vector<WindowRect>& Scale(const Surface& picture, std::uint32_t* window, int pitch);
  // Draws the last picture scaled (black before the first) whole again.
  const std::vector<WindowRect>& Rescale(std::uint32_t* window, int pitch);

 private:
  int window_width_ = 0, window_height_ = 0;
  Letterbox box_;
  bool all_ = true;
  std::vector<std::uint16_t> column_of_;  // picture column of each window column in the box
  std::unique_ptr<Surface> shown_ = std::make_unique<Surface>();  // the last picture scaled
  std::vector<WindowRect> changed_;
};

}  // namespace klumpix
