// Renders the glyph designs into the six font sheets. The 7 px fonts use the
// designs 1:1; the 15 px and 30 px fonts are enlarged with an edge-smoothing
// doubler so diagonals stay clean, then shaded with a vertical gradient.
// Every glyph carries a dark outline inside its cell, so text reads over
// bright fields, stones and floor alike.
#include <array>
#include <vector>

#include "assets.h"
#include "core/glyph_order.h"
#include "glyph_designs.h"

namespace assetgen {
namespace {

struct Mask {
  int w = 0, h = 0;
  std::vector<bool> on;
  bool Get(int x, int y) const {
    return x >= 0 && y >= 0 && x < w && y < h && on[static_cast<std::size_t>(y) * w + x];
  }
};

Mask FromDesign(const GlyphDesign& d) {
  Mask m{kGlyphCols, kGlyphRows, std::vector<bool>(kGlyphCols * kGlyphRows)};
  for (int y = 0; y < kGlyphRows; ++y)
    for (int x = 0; x < kGlyphCols; ++x)
      m.on[static_cast<std::size_t>(y) * m.w + x] = d.rows[y][x] == '#';
  return m;
}

// The 7 px cell has no row to spare below a design, so the letter moves up
// one row to make room for the outline underneath; an umlaut keeps its dots
// and the gap beneath them and gives up its fifth row instead.
Mask LiftForOutline(const Mask& s) {
  Mask d{s.w, s.h, std::vector<bool>(s.on.size())};
  bool dots = false;
  for (int x = 0; x < s.w; ++x) dots = dots || s.Get(x, 0);
  static const int kPlain[] = {1, 2, 3, 4, 5, 6}, kUmlaut[] = {0, 1, 2, 3, 4, 6};
  for (int y = 0; y + 1 < s.h; ++y)
    for (int x = 0; x < s.w; ++x)
      d.on[static_cast<std::size_t>(y) * d.w + x] = s.Get(x, (dots ? kUmlaut : kPlain)[y]);
  return d;
}

// Classic 2x pixel-art magnifier: each pixel becomes four, and a corner takes
// the colour of its two neighbours where they agree, rounding staircases.
Mask Double(const Mask& s) {
  Mask d{s.w * 2, s.h * 2, std::vector<bool>(static_cast<std::size_t>(s.w) * s.h * 4)};
  for (int y = 0; y < s.h; ++y) {
    for (int x = 0; x < s.w; ++x) {
      bool p = s.Get(x, y), a = s.Get(x, y - 1), b = s.Get(x + 1, y), c = s.Get(x - 1, y),
           e = s.Get(x, y + 1);
      bool q0 = (c == a && c != e && a != b) ? a : p;
      bool q1 = (a == b && a != c && b != e) ? b : p;
      bool q2 = (e == c && e != b && c != a) ? c : p;
      bool q3 = (b == e && b != a && e != c) ? e : p;
      auto set = [&](int dx, int dy, bool v) {
        d.on[static_cast<std::size_t>(2 * y + dy) * d.w + 2 * x + dx] = v;
      };
      set(0, 0, q0);
      set(1, 0, q1);
      set(0, 1, q2);
      set(1, 1, q3);
    }
  }
  return d;
}

struct FontStyle {
  Color top, bottom;  // gradient over the glyph height
  float bevel = 0;    // light added on upper edges, taken from lower edges
};

constexpr Color kOutline{6, 8, 10};

// Darkens every empty pixel of the cell within `radius` of ink.
void DrawOutline(Canvas& c, int cell_x, int cell_y, int cell, int ox, int oy, const Mask& m,
                 int radius) {
  for (int y = 0; y < cell; ++y) {
    for (int x = 0; x < cell; ++x) {
      const int mx = x - ox, my = y - oy;
      if (m.Get(mx, my)) continue;
      bool near = false;
      for (int dy = -radius; dy <= radius && !near; ++dy)
        for (int dx = -radius; dx <= radius && !near; ++dx)
          near = dx * dx + dy * dy <= radius * radius + 1 && m.Get(mx + dx, my + dy);
      if (near) c.Set(cell_x + x, cell_y + y, kOutline);
    }
  }
}

void DrawGlyph(Canvas& c, int cell_x, int cell_y, int ox, int oy, const Mask& m,
               const FontStyle& st) {
  for (int y = 0; y < m.h; ++y) {
    for (int x = 0; x < m.w; ++x) {
      if (!m.Get(x, y)) continue;
      float t = m.h > 1 ? static_cast<float>(y) / (m.h - 1) : 0;
      Color col = Mix(st.top, st.bottom, t);
      if (st.bevel > 0) {
        if (!m.Get(x, y - 1) || !m.Get(x - 1, y))
          col = Mix(col, {255, 255, 255}, st.bevel);
        else if (!m.Get(x, y + 1) || !m.Get(x + 1, y))
          col = col * (1 - st.bevel * 0.6f);
      }
      c.Set(cell_x + ox + x, cell_y + oy + y, col);
    }
  }
}

Sheet PaintSheet(int picture, std::string_view order, int cell, int doublings,
                 const FontStyle& style) {
  Canvas canvas = CanvasFor(picture);
  for (std::size_t i = 0; i < order.size(); ++i) {
    const GlyphDesign* d = order[i] == '\0' ? nullptr : FindGlyph(GlyphName(order[i]));
    if (!d) continue;
    Mask m = FromDesign(*d);
    if (doublings == 0) m = LiftForOutline(m);
    for (int k = 0; k < doublings; ++k) m = Double(m);
    const int ox = (cell - m.w) / 2;
    // The 30 px glyphs sit one row higher so their wider outline fits below.
    const int oy = (cell - m.h) / 2 - (doublings > 1 ? 1 : 0);
    const int cx = static_cast<int>(i % 10) * cell, cy = static_cast<int>(i / 10) * cell;
    DrawOutline(canvas, cx, cy, cell, ox, oy, m, doublings > 1 ? 2 : 1);
    DrawGlyph(canvas, cx, cy, ox, oy, m, style);
  }
  return SheetFor(picture, ToImage(canvas, Key::kMagenta));
}

}  // namespace

std::vector<Sheet> PaintFonts() {
  const FontStyle green{{200, 255, 185}, {110, 235, 110}, 0};
  const FontStyle dark_green{{40, 160, 60}, {25, 120, 45}, 0};
  const FontStyle plain{{255, 255, 245}, {210, 215, 225}, 0};
  const FontStyle big_green{{190, 255, 170}, {40, 190, 70}, 0.35f};
  const FontStyle gold{{255, 240, 150}, {230, 140, 20}, 0.35f};
  const FontStyle title{{255, 230, 110}, {225, 50, 20}, 0.4f};
  return {
      PaintSheet(klumpix::kPicFont1, klumpix::kSmallGlyphOrder, 7, 0, green),
      PaintSheet(klumpix::kPicFont6, klumpix::kSmallGlyphOrder, 7, 0, dark_green),
      PaintSheet(klumpix::kPicFont7, klumpix::kSmallGlyphOrder, 7, 0, plain),
      PaintSheet(klumpix::kPicFont2, klumpix::kLargeGlyphOrder, 15, 1, big_green),
      PaintSheet(klumpix::kPicFont3, klumpix::kLargeGlyphOrder, 30, 2, title),
      PaintSheet(klumpix::kPicFont4, klumpix::kLargeGlyphOrder, 15, 1, gold),
  };
}

}  // namespace assetgen
