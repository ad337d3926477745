#include "app/letterbox.h"

#include <algorithm>
#include <cstring>

namespace klumpix {

namespace {

constexpr std::uint32_t ToWindowPixel(std::uint16_t p) {
  const Rgb888 c = ExpandRgb565(p);
  return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b;
}

}  // namespace

Letterbox FitPicture(int window_width, int window_height) {
  Letterbox box;
  // The largest size of the picture's aspect that fits, in whole pixels.
  if (static_cast<std::int64_t>(window_width) * kScreenHeight <=
      static_cast<std::int64_t>(window_height) * kScreenWidth) {
    box.width = window_width;
    box.height = window_width * kScreenHeight / kScreenWidth;
  } else {
    box.height = window_height;
    box.width = window_height * kScreenWidth / kScreenHeight;
  }
  box.width = std::max(box.width, 1);
  box.height = std::max(box.height, 1);
  box.x = (window_width - box.width) / 2;
  box.y = (window_height - box.height) / 2;
  return box;
}

void ToPicture(const Letterbox& box, int x, int y, int& picture_x, int& picture_y) {
  // Floor division, so a point left of or above the picture stays outside it.
  const auto scale = [](int along, int size, int picture_size) {
    const std::int64_t n = static_cast<std::int64_t>(along) * picture_size;
    return static_cast<int>(n >= 0 ? n / size : (n - size + 1) / size);
  };
  picture_x = scale(x - box.x, box.width, kScreenWidth);
  picture_y = scale(y - box.y, box.height, kScreenHeight);
}

void PictureScaler::Resize(int window_width, int window_height) {
  window_width_ = window_width;
  window_height_ = window_height;
  box_ = FitPicture(window_width, window_height);
  column_of_.resize(static_cast<std::size_t>(box_.width));
  for (int wx = 0; wx < box_.width; ++wx) {
    column_of_[static_cast<std::size_t>(wx)] =
        static_cast<std::uint16_t>(static_cast<std::int64_t>(wx) * kScreenWidth / box_.width);
  }
  all_ = true;
}

const std::vector<WindowRect>& PictureScaler::Rescale(std::uint32_t* window, int pitch) {
  all_ = true;
  return Scale(*shown_, window, pitch);
}

const std::vector<WindowRect>& PictureScaler::Scale(const Surface& picture, std::uint32_t* window,
                                                    int pitch) {
  changed_.clear();
  if (all_) {
    for (int y = 0; y < window_height_; ++y) {
      std::fill_n(window + static_cast<std::ptrdiff_t>(y) * pitch, window_width_, 0u);
    }
  }
  // The window rows showing picture row `row`: those whose scaled row is it.
  const auto first_window_row = [this](int row) {
    return static_cast<int>((static_cast<std::int64_t>(row) * box_.height + kScreenHeight - 1) /
                            kScreenHeight);
  };
  for (int row = 0; row < kScreenHeight; ++row) {
    const std::uint16_t* now = picture.pixels + row * kScreenWidth;
    std::uint16_t* shown = shown_->pixels + row * kScreenWidth;
    int left = 0, right = kScreenWidth;
    if (!all_) {
      // Most rows of most pictures are as they were: one comparison of the
      // whole row, then of eight pixels at a time to the first and the last
      // that changed.
      constexpr int kChunk = 8;
      constexpr std::size_t kChunkBytes = kChunk * sizeof(std::uint16_t);
      if (std::memcmp(now, shown, kScreenWidth * sizeof(std::uint16_t)) == 0) continue;
      while (std::memcmp(now + left, shown + left, kChunkBytes) == 0) left += kChunk;
      while (now[left] == shown[left]) ++left;
      while (std::memcmp(now + right - kChunk, shown + right - kChunk, kChunkBytes) == 0) {
        right -= kChunk;
      }
      while (now[right - 1] == shown[right - 1]) --right;
    }
    if (shown != now) std::memcpy(shown + left, now + left, sizeof(std::uint16_t) * (right - left));
    // The window columns whose picture column lies in [left, right).
    const int wx0 = static_cast<int>(std::lower_bound(column_of_.begin(), column_of_.end(), left) -
                                     column_of_.begin());
    const int wx1 = static_cast<int>(std::lower_bound(column_of_.begin(), column_of_.end(), right) -
                                     column_of_.begin());
    const int wy0 = first_window_row(row);
    const int wy1 = first_window_row(row + 1);
    if (wx0 >= wx1 || wy0 >= wy1) continue;
    std::uint32_t* out = window + static_cast<std::ptrdiff_t>(box_.y + wy0) * pitch + box_.x;
    for (int wx = wx0; wx < wx1; ++wx) out[wx] = ToWindowPixel(now[column_of_[wx]]);
    for (int wy = wy0 + 1; wy < wy1; ++wy) {
      std::memcpy(out + static_cast<std::ptrdiff_t>(wy - wy0) * pitch + wx0, out + wx0,
                  sizeof(std::uint32_t) * (wx1 - wx0));
    }
    const WindowRect rect{box_.x + wx0, box_.y + wy0, box_.x + wx1, box_.y + wy1};
    if (!changed_.empty() && changed_.back().bottom == rect.top) {
      WindowRect& last = changed_.back();
      last.left = std::min(last.left, rect.left);
      last.right = std::max(last.right, rect.right);
      last.bottom = rect.bottom;
    } else {
      changed_.push_back(rect);
    }
  }
  if (all_) {
    changed_.assign(1, WindowRect{0, 0, window_width_, window_height_});
    all_ = false;
  }
  return changed_;
}

}  // namespace klumpix
