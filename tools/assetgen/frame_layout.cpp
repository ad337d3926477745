// The screen frame: brushed steel plates around the playfield window with
// recessed panels for the menus and sockets behind the buttons, plus the
// confirm-box panel that the game cuts out and shows over the board.
#include "assets.h"
#include "rng.h"

namespace assetgen {
namespace {

struct Rect {
  int x0, y0, x1, y1;
};

const Color kSteel{78, 86, 100};
const Color kInset{22, 26, 34};

Color Brushed(int x, int y, Color base) {
  // Horizontal brush strokes: noise that varies slowly along x.
  float stroke = HashNoise(x / 23, y, 7) * 0.6f + HashNoise(x / 7, y, 8) * 0.4f;
  float grain = HashNoise(x, y, 9);
  return base * (0.9f + 0.14f * stroke + 0.05f * grain);
}

void Plate(Canvas& c, Rect r, Color base, int bevel) {
  for (int y = r.y0; y < r.y1; ++y) {
    for (int x = r.x0; x < r.x1; ++x) {
      Color col = Brushed(x, y, base);
      int from_left = x - r.x0, from_top = y - r.y0, from_right = r.x1 - 1 - x,
          from_bottom = r.y1 - 1 - y;
      int edge = std::min({from_left, from_top, from_right, from_bottom});
      if (edge < bevel) {
        bool lit =
            (from_left == edge || from_top == edge) && !(from_right == edge || from_bottom == edge);
        float k = 1 - static_cast<float>(edge) / bevel;
        col = lit ? Mix(col, {230, 235, 245}, 0.55f * k) : col * (1 - 0.6f * k);
      }
      c.Set(x, y, col);
    }
  }
}

// A recessed panel: dark floor with a shaded upper-left and lit lower-right lip.
void Inset(Canvas& c, Rect r, Color floor, int lip) {
  for (int y = r.y0; y < r.y1; ++y) {
    for (int x = r.x0; x < r.x1; ++x) {
      int from_left = x - r.x0, from_top = y - r.y0, from_right = r.x1 - 1 - x,
          from_bottom = r.y1 - 1 - y;
      int edge = std::min({from_left, from_top, from_right, from_bottom});
      Color col = floor * (1 + 0.04f * HashNoise(x, y, 17));
      // A faint glow rising from the bottom of the recess.
      col = col * (1 + 0.25f * static_cast<float>(y - r.y0) / std::max(1, r.y1 - r.y0));
      if (edge < lip) {
        bool shaded =
            (from_left == edge || from_top == edge) && !(from_right == edge || from_bottom == edge);
        col = shaded ? Color{12, 14, 18} : Mix(kSteel, {200, 205, 215}, 0.45f);
      }
      c.Set(x, y, col);
    }
  }
}

void Rivet(Canvas& c, int cx, int cy) {
  for (int y = -3; y <= 3; ++y) {
    for (int x = -3; x <= 3; ++x) {
      float d = std::sqrt(static_cast<float>(x * x + y * y));
      if (d > 3.2f) continue;
      float lit = -(x + y) / 4.5f;
      Color col = Mix(kSteel, lit > 0 ? Color{235, 240, 250} : Color{20, 22, 28},
                      std::min(1.0f, std::fabs(lit)) * 0.8f);
      c.Set(cx + x, cy + y, col);
    }
  }
}

void Socket(Canvas& c, int cx, int cy) {
  Inset(c, {cx - 35, cy - 27, cx + 35, cy + 27}, {34, 38, 48}, 2);
}

// The sloped lip around the playfield window, as if it were sunk into the frame.
void WindowLip(Canvas& c, Rect win, int width) {
  for (int i = 0; i < width; ++i) {
    float k = 0.35f + 0.5f * static_cast<float>(i) / width;
    for (int x = win.x0 - width + i; x < win.x1 + width - i; ++x) {
      c.Set(x, win.y0 - width + i, Brushed(x, i, kSteel) * (1 - k * 0.8f));  // top: in shadow
      c.Set(x, win.y1 + width - 1 - i,
            Mix(kSteel, {220, 225, 235}, 0.2f + 0.3f * k));  // bottom: lit
    }
    for (int y = win.y0 - width + i; y < win.y1 + width - i; ++y) {
      c.Set(win.x0 - width + i, y, Brushed(i, y, kSteel) * (1 - k * 0.7f));  // left: shadow
      c.Set(win.x1 + width - 1 - i, y,
            Mix(kSteel, {220, 225, 235}, 0.15f + 0.3f * k));  // right: lit
    }
  }
}

void ConfirmBox(Canvas& c) {
  const Rect box{240, 190, 560, 410};
  Plate(c, box, {66, 78, 104}, 5);
  // Thin engraved line inside the border.
  for (int x = box.x0 + 9; x < box.x1 - 9; ++x) {
    c.Set(x, box.y0 + 9, {30, 36, 50});
    c.Set(x, box.y1 - 10, {150, 160, 185});
  }
  for (int y = box.y0 + 9; y < box.y1 - 9; ++y) {
    c.Set(box.x0 + 9, y, {30, 36, 50});
    c.Set(box.x1 - 10, y, {150, 160, 185});
  }
  Inset(c, {252, 222, 548, 298}, {16, 20, 32}, 2);  // message area
  Socket(c, 323, 348);
  Socket(c, 481, 348);
  Rivet(c, box.x0 + 16, box.y0 + 16);
  Rivet(c, box.x1 - 17, box.y0 + 16);
  Rivet(c, box.x0 + 16, box.y1 - 17);
  Rivet(c, box.x1 - 17, box.y1 - 17);
}

}  // namespace

Sheet PaintFrameLayout() {
  Canvas c = CanvasFor(klumpix::kPicPanels);
  Plate(c, {0, 0, 800, 600}, kSteel, 4);
  c.ClearRect(100, 60, 590, 540);
  WindowLip(c, {100, 60, 590, 540}, 6);

  // Button sockets on the bars and the left column.
  const int kButtons[][2] = {{54, 52},  {54, 546}, {153, 27}, {253, 27}, {350, 27},
                             {450, 27}, {552, 27}, {51, 200}, {51, 299}, {52, 398}};
  for (const auto& b : kButtons) Socket(c, b[0], b[1]);

  // Right column: game-type menu, status panel, winners table; title plate below.
  Inset(c, {638, 62, 790, 158}, kInset, 3);
  Inset(c, {642, 192, 770, 410}, kInset, 3);
  Inset(c, {638, 438, 774, 532}, kInset, 3);
  Inset(c, {626, 548, 798, 598}, {30, 22, 20}, 3);

  // A groove down the right column between the panels.
  for (int y = 70; y < 530; ++y) {
    c.Set(612, y, {34, 38, 46});
    c.Set(613, y, {140, 150, 165});
  }
  const int kRivets[][2] = {{8, 8},    {791, 8},  {8, 591},  {791, 591}, {612, 64},  {612, 535},
                            {78, 120}, {78, 480}, {22, 120}, {22, 480},  {200, 570}, {400, 570}};
  for (const auto& r : kRivets) Rivet(c, r[0], r[1]);

  ConfirmBox(c);
  return SheetFor(klumpix::kPicPanels, ToImage(c, Key::kBlack));
}

}  // namespace assetgen
