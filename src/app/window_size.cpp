#include "app/window_size.h"

#include <algorithm>

namespace klumpix {

void FitWindowSize(int usable_width, int usable_height, int& width, int& height) {
  width = std::max(std::min(width, usable_width), kMinWindowWidth);
  height = std::max(std::min(height, usable_height), kMinWindowHeight);
}

}  // namespace klumpix
