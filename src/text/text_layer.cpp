#include "text/text_layer.h"

#include <iterator>

#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"

namespace klumpix {

namespace {

// How a font lays out its cells and where its sheet is; sheet 0 marks a
// number that names no font.
struct FontInfo {
  int sheet;
  int cell;     // square cell size on the sheet
  int advance;  // distance from one cell to the next on screen
  bool large_map;
  bool additive;
};

constexpr int kGlyphsPerSheetRow = 10;

// By font number; the numbers between name no font.
constexpr FontInfo kFonts[] = {
    {0, 0, 0, false, false},          // none
    {kPicFont1, 7, 8, false, false},  // kFontGreen
    {kPicFont2, 15, 15, true, true},  // kFontLarge
    {kPicFont3, 30, 40, true, true},  // kFontHuge
    {kPicFont4, 15, 15, true, true},  // kFontBright
    {0, 0, 0, false, false},          // none
    {kPicFont6, 7, 8, false, false},  // kFontDark
    {kPicFont7, 7, 8, false, false},  // kFontPlain
};
static_assert(kFontGreen == 1 && kFontLarge == 2 && kFontHuge == 3 && kFontBright == 4 &&
              kFontDark == 6 && kFontPlain == 7);

FontInfo InfoOf(std::int16_t font) {
  return font >= 0 && font < static_cast<int>(std::size(kFonts)) ? kFonts[font] : kFonts[0];
}

// Stores one cell, keeping the last slot for everything beyond the layer.
void QueueCell(TextLayer& layer, std::int16_t glyph, std::int16_t x, std::int16_t y,
               std::int16_t font, std::int16_t alpha) {
  if (layer.text_cell_count < kTextCellCount) ++layer.text_cell_count;
  const int slot = layer.text_cell_count;
  layer.text_cell_glyph[slot] = glyph;
  layer.text_cell_x[slot] = x;
  layer.text_cell_y[slot] = y;
  layer.text_cell_font[slot] = font;
  layer.text_cell_alpha[slot] = alpha;
}

}  // namespace

// Queues a text as one leading empty cell plus one cell per byte, so the
// first character stands one advance right of x; every caller counts on it.
void WriteText(Game& g, std::int16_t x, std::int16_t y, std::int16_t font, std::int16_t alpha,
               const char* text) {
  if (g.text.text_call_count < kMaxTextCalls) {
    TextCall& call = g.text.text_calls[g.text.text_call_count++];
    call.x = x;
    call.y = y;
    call.font = font;
    call.alpha = alpha;
    call.text.Assign(text);
  }
  const FontInfo info = InfoOf(font);
  // A font we do not have leaves its cells empty; they still use up slots.
  const std::int16_t lead = info.sheet == 0 ? -1 : 0;
  QueueCell(g.text, lead, x, y, font, alpha);
  for (int k = 1; text[k - 1] != '\0'; ++k) {
    const unsigned char ch = static_cast<unsigned char>(text[k - 1]);
    std::int16_t glyph = -1;
    if (info.sheet != 0) glyph = info.large_map ? LargeFontGlyph(ch) : SmallFontGlyph(ch);
    const auto cell_x = static_cast<std::int16_t>(x + k * info.advance);
    QueueCell(g.text, glyph, cell_x, y, font, alpha);
  }
}

// Empties the layer at the start of a tick; text lives for one tick only.
void ClearTextLayer(Game& g) {
  g.text.text_cell_count = 0;
  for (int slot = 1; slot <= kTextCellCount; ++slot) g.text.text_cell_glyph[slot] = -1;
  g.text.text_call_count = 0;
}

// Draws every slot of the layer over the scene, in queue order, so later
// text covers earlier text. The slots past the count are empty: the tick
// clears the layer before it queues any.
void DrawTextLayer(const Game& g, const PictureSet& pictures, Frame& frame) {
  frame.drawing.Over(RetainedPicture::Layer::kText);
  for (int slot = 1; slot <= g.text.text_cell_count; ++slot) {
    const std::int16_t glyph = g.text.text_cell_glyph[slot];
    if (glyph <= 0) continue;
    const FontInfo info = InfoOf(g.text.text_cell_font[slot]);
    if (info.sheet == 0) continue;
    const Picture& sheet = pictures.sheets[info.sheet];
    if (sheet.pixels.empty()) continue;
    const int column = (glyph - 1) % kGlyphsPerSheetRow;
    const int row = (glyph - 1) / kGlyphsPerSheetRow;
    const Rect src{column * info.cell, row * info.cell, column * info.cell + info.cell,
                   row * info.cell + info.cell};
    const int x = g.text.text_cell_x[slot];
    const int y = g.text.text_cell_y[slot];
    const int alpha = g.text.text_cell_alpha[slot];
    if (info.additive && alpha > 0) {
      frame.drawing.Add(x, y, sheet, src, alpha >= 255 ? 255 : alpha, kByText + slot);
    } else {
      frame.drawing.Copy(x, y, sheet, src, true, kByText + slot);
    }
  }
}

void DrawTextNow(Surface& screen, const PictureSet& pictures, int x, int y, Font font,
                 const char* text) {
  const FontInfo info = InfoOf(font);
  if (info.sheet == 0 || info.large_map) return;
  const Picture& sheet = pictures.sheets[info.sheet];
  if (sheet.pixels.empty()) return;
  for (int k = 1; text[k - 1] != '\0'; ++k) {
    const std::int16_t glyph = SmallFontGlyph(static_cast<unsigned char>(text[k - 1]));
    if (glyph <= 0) continue;
    const int column = (glyph - 1) % kGlyphsPerSheetRow;
    const int row = (glyph - 1) / kGlyphsPerSheetRow;
    const Rect src{column * info.cell, row * info.cell, column * info.cell + info.cell,
                   row * info.cell + info.cell};
    CopyRect(screen, x + k * info.advance, y, sheet, src, true);
  }
}

}  // namespace klumpix
