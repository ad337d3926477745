#pragma once
// The window and the presenting of the game's 800 x 600 picture.
// Called by main_loop only.
#include <string>

#include "core/surface.h"

struct SDL_KeyboardEvent;
struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

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
  // Shows `screen`, scaled to the window with its aspect kept.
  void Present(const Surface& screen);
  // Shows the last presented picture again (after the window was uncovered).
  void Redraw();

  SDL_Window* Window() const { return window_; }

 private:
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int windowed_width_ = 0;
  int windowed_height_ = 0;

  // Software for small windows, SDL's best renderer for large ones.
  bool MakeRenderer(std::string& error);
};

}  // namespace klumpix
