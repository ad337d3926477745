#pragma once
// The window and the presenting of the game's 800 x 600 picture.
// Called by main_loop only.
#include <string>
#include <vector>

#include "app/letterbox.h"
#include "core/surface.h"

struct SDL_KeyboardEvent;
struct SDL_Rect;
struct SDL_Surface;
struct SDL_Window;
union SDL_Event;

namespace klumpix {

class Video {
 public:
  Video() = default;
  Video(const Video&) = delete;
  Video& operator=(const Video&) = delete;
  ~Video();

  // Opens full screen (the desktop's mode), or a resizable window of the
  // given size fitted to the display (see FitWindowSize).
  bool Open(bool windowed, int width, int height, std::string& error);
  // Switches between full screen and the window, which keeps its last size.
  void SetFullScreen(bool full_screen);
  bool FullScreen() const;
  // F11 and Alt+Enter switch between full screen and the window; Esc leaves
  // full screen.
  void HandleDisplayKey(const SDL_KeyboardEvent& key);
  // The size the window has, or had before it went full screen.
  void WindowedSize(int& width, int& height);
  // Shows `screen`, scaled to the window with its aspect kept; only what
  // changed since the last picture goes to the window.
  void Present(const Surface& screen);
  // Shows the last presented picture again (after the window was uncovered
  // or changed its size).
  void Redraw();
  // Turns a pointer event's window position into the picture's pixel under
  // it, as the game and the watch controls read positions.
  void ToPicture(SDL_Event& event) const;

  SDL_Window* Window() const { return window_; }

 private:
  bool TakeWindowPixels(std::string& error);
  // Shows `picture`, or with null the last one again.
  void Show(const Surface* picture);

  SDL_Window* window_ = nullptr;
  SDL_Surface* pixels_ = nullptr;         // the window's, owned by SDL
  bool direct_ = true;                    // the window's pixels are 0x00RRGGBB
  std::vector<std::uint32_t> converted_;  // else ours, converted into theirs
  PictureScaler scaler_;
  std::vector<SDL_Rect> rects_;
  int windowed_width_ = 0;
  int windowed_height_ = 0;
};

}  // namespace klumpix
