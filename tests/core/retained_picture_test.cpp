// A picture painted only where its list of copies changed is, after every
// paint, the picture that painting the whole list onto a blank screen makes:
// copies moved, changed, come and gone, reordered among their equals, under
// and over large opaque ones, glowing text, the floor's tiles handed as a
// grid, as copies or not at all, and the screen drawn over.
#include "core/retained_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace klumpix {
namespace {

using Layer = RetainedPicture::Layer;

Picture Sheet(int w, int h, std::mt19937& dice, int key_share) {
  Picture p;
  p.width = w;
  p.height = h;
  p.key = kKeyMagenta;
  for (int i = 0; i < w * h; ++i) {
    const bool key = static_cast<int>(dice() % 100) < key_share;
    p.pixels.push_back(key ? kKeyMagenta : static_cast<std::uint16_t>(dice() % 0xF800));
  }
  return p;
}

// One copy as the game would make it: who, which sheet, from where, to where.
struct Copy {
  int who;
  int sheet;  // 0 tiles, 1 things, 2 large opaque panels, 3 glyphs
  int src_x, src_y, w, h, x, y;
  int strength;  // above zero: added, as glowing text
};

struct Scene {
  std::vector<Copy> floor, objects, text;
  enum class Tiles { kCopies, kGrid, kNone } tiles = Tiles::kCopies;  // twelve a row
};

void Record(RetainedPicture& drawing, const Scene& scene, const Picture* sheets) {
  drawing.Begin();
  drawing.Fill(Rect{0, 0, kScreenWidth, kScreenHeight}, 0x0841, 0);
  const auto copy = [&](const Copy& c, bool keyed) {
    const Rect src{c.src_x, c.src_y, c.src_x + c.w, c.src_y + c.h};
    if (c.strength > 0) {
      drawing.Add(c.x, c.y, sheets[c.sheet], src, c.strength, c.who);
    } else {
      drawing.Copy(c.x, c.y, sheets[c.sheet], src, keyed, c.who);
    }
  };
  if (scene.tiles == Scene::Tiles::kGrid && drawing.Tiles(sheets[0], Rect{30, 30, 270, 230}, 20)) {
    for (int n = 0; n < static_cast<int>(scene.floor.size()); ++n) {
      drawing.Tile(n % 12, n / 12, scene.floor[n].src_x, scene.floor[n].src_y);
    }
  } else if (scene.tiles == Scene::Tiles::kCopies) {
    for (const Copy& c : scene.floor) copy(c, false);
  }
  drawing.Over(Layer::kObjects);
  for (const Copy& c : scene.objects) copy(c, true);
  drawing.Over(Layer::kText);
  for (const Copy& c : scene.text) copy(c, true);
}

void PaintWhole(Surface& screen, const Scene& scene, const Picture* sheets) {
  FillSurface(screen, 0x0841);
  const std::vector<Copy> no_tiles;
  const auto* floor = scene.tiles == Scene::Tiles::kNone ? &no_tiles : &scene.floor;
  for (const auto* layer : {floor, &scene.objects, &scene.text}) {
    for (const Copy& c : *layer) {
      const Rect src{c.src_x, c.src_y, c.src_x + c.w, c.src_y + c.h};
      if (c.strength > 0) {
        AddRect(screen, c.x, c.y, sheets[c.sheet], src, true, c.strength);
      } else {
        CopyRect(screen, c.x, c.y, sheets[c.sheet], src, layer != floor);
      }
    }
  }
}

TEST(RetainedPicture, EveryPaintIsThePictureOfItsWholeList) {
  std::mt19937 dice(23);
  Picture sheets[4] = {Sheet(200, 20, dice, 0), Sheet(90, 90, dice, 40), Sheet(260, 120, dice, 0),
                       Sheet(70, 15, dice, 30)};
  // Panels cut from the sheet's lower right have holes: they hide nothing.
  for (int n = 0; n < 12; ++n) {
    sheets[2].pixels[(80 + dice() % 40) * 260 + 150 + dice() % 110] = kKeyMagenta;
  }
  const auto random_copy = [&](int who, int sheet) {
    const int w =
        sheet == 2 ? 60 + static_cast<int>(dice() % 200) : 5 + static_cast<int>(dice() % 40);
    const int h =
        sheet == 2 ? 40 + static_cast<int>(dice() % 80) : 5 + static_cast<int>(dice() % 15);
    return Copy{who,
                sheet,
                static_cast<int>(dice() % 40),
                static_cast<int>(dice() % 5),
                w,
                h,
                static_cast<int>(dice() % 840) - 20,
                static_cast<int>(dice() % 640) - 20,
                sheet == 3 && dice() % 3 == 0 ? 1 + static_cast<int>(dice() % 300) : 0};
  };
  Scene scene;
  for (int n = 0; n < 120; ++n) {  // a floor of tiles, lit otherwise from tick to tick
    scene.floor.push_back(Copy{1 + n, 0, 0, 0, 20, 20, 30 + 20 * (n % 12), 30 + 20 * (n / 12), 0});
  }
  for (int n = 0; n < 60; ++n) scene.objects.push_back(random_copy(200 + n, n % 9 == 0 ? 2 : 1));
  for (int n = 0; n < 40; ++n) scene.text.push_back(random_copy(400 + n, 3));

  auto drawing = std::make_unique<RetainedPicture>();
  auto kept = std::make_unique<Surface>();
  auto whole = std::make_unique<Surface>();
  auto shown = std::make_unique<Surface>();  // the picture at the last Shown()
  for (int tick = 0; tick < 300; ++tick) {
    for (Copy& tile : scene.floor) {
      if (dice() % 4 == 0) tile.src_x = 20 * static_cast<int>(dice() % 10);
    }
    for (auto* layer : {&scene.objects, &scene.text}) {
      for (Copy& c : *layer) {
        switch (dice() % 12) {
          case 0:
            c.x += static_cast<int>(dice() % 7) - 3;
            break;
          case 1:
            c.y += static_cast<int>(dice() % 5) - 2;
            break;
          case 2:
            c.src_x = static_cast<int>(dice() % 40);
            break;
          case 3:
            c = random_copy(c.who, c.sheet);
            break;
          default:
            break;
        }
      }
      // Makers come and go, and some change places with their neighbours.
      if (!layer->empty() && dice() % 3 == 0) layer->erase(layer->begin() + dice() % layer->size());
      if (dice() % 3 == 0) {
        const int who = 1000 + static_cast<int>(dice() % 2000);
        const bool free =
            std::none_of(layer->begin(), layer->end(), [&](const Copy& c) { return c.who == who; });
        const int sheet = layer == &scene.text ? 3 : (dice() % 8 == 0 ? 2 : 1);
        if (free)
          layer->insert(layer->begin() + dice() % (layer->size() + 1), random_copy(who, sheet));
      }
      for (int k = 0; k + 1 < static_cast<int>(layer->size()); ++k) {
        if (dice() % 25 == 0) std::swap((*layer)[k], (*layer)[k + 1]);
      }
    }
    if (tick % 101 == 50) drawing->Forget();
    // The grid comes after copies and after nothing, and goes for either.
    constexpr Scene::Tiles kPhases[4] = {Scene::Tiles::kCopies, Scene::Tiles::kGrid,
                                         Scene::Tiles::kNone, Scene::Tiles::kGrid};
    scene.tiles = kPhases[tick / 30 % 4];
    Record(*drawing, scene, sheets);
    drawing->Paint(*kept);
    PaintWhole(*whole, scene, sheets);
    ASSERT_TRUE(
        std::equal(std::begin(kept->pixels), std::end(kept->pixels), std::begin(whole->pixels)))
        << "tick " << tick;
    if (tick % 37 == 5) {  // something else draws over the picture, to be shown with it
      FillRect(*kept, Rect{100, 500, 700, 560}, 0xFFFF);
      drawing->PaintedOver(Rect{100, 500, 700, 560});
    }
    // Some pictures are shown, some not: outside the cells said to have
    // changed, the picture is still the one shown last.
    if (dice() % 3 != 0) continue;
    auto outside = std::make_unique<Surface>();
    std::copy(std::begin(kept->pixels), std::end(kept->pixels), std::begin(outside->pixels));
    drawing->Changed().ForEachIn(kWholeScreen, [&](Rect r) { FillRect(*outside, r, 0); });
    drawing->Changed().ForEachIn(kWholeScreen, [&](Rect r) { FillRect(*shown, r, 0); });
    ASSERT_TRUE(std::equal(std::begin(outside->pixels), std::end(outside->pixels),
                           std::begin(shown->pixels)))
        << "tick " << tick;
    drawing->Shown();
    *shown = *kept;
  }
}

// Two panels apart from each other change places as a small copy drawn over
// the first goes: the one that passed the other keeps its pixels, but hides
// nothing, for what lay over it is gone.
TEST(RetainedPicture, APanelThatChangedPlacesHidesNothing) {
  std::mt19937 dice(5);
  const Picture sheets[4] = {Sheet(200, 20, dice, 0), Sheet(90, 90, dice, 0),
                             Sheet(260, 120, dice, 0), Sheet(70, 15, dice, 0)};
  const Copy first{300, 2, 0, 0, 120, 100, 100, 100, 0};
  const Copy over_first{301, 1, 0, 0, 40, 40, 140, 140, 0};
  const Copy second{302, 2, 0, 0, 130, 110, 500, 100, 0};
  Scene scene;
  scene.objects = {first, over_first, second};
  auto drawing = std::make_unique<RetainedPicture>();
  auto kept = std::make_unique<Surface>();
  auto whole = std::make_unique<Surface>();
  Record(*drawing, scene, sheets);
  drawing->Paint(*kept);
  scene.objects = {second, first};
  Record(*drawing, scene, sheets);
  drawing->Paint(*kept);
  PaintWhole(*whole, scene, sheets);
  EXPECT_TRUE(
      std::equal(std::begin(kept->pixels), std::end(kept->pixels), std::begin(whole->pixels)));
}

// A grid is refused where it would not lie on the screen in whole squares,
// and a square whose source is not whole on its sheet shows the first one.
TEST(RetainedPicture, AGridStaysOnTheScreenAndItsSheet) {
  std::mt19937 dice(9);
  const Picture sheet = Sheet(60, 20, dice, 0);
  auto drawing = std::make_unique<RetainedPicture>();
  drawing->Begin();
  EXPECT_FALSE(drawing->Tiles(sheet, Rect{0, 0, 50, 40}, 20));     // not whole squares
  EXPECT_FALSE(drawing->Tiles(sheet, Rect{790, 0, 810, 20}, 20));  // off the screen
  EXPECT_FALSE(drawing->Tiles(sheet, Rect{0, 0, 40, 40}, 30));     // larger than the sheet
  ASSERT_TRUE(drawing->Tiles(sheet, Rect{100, 100, 160, 120}, 20));
  drawing->Tile(0, 0, 40, 0);
  drawing->Tile(1, 0, 45, 0);   // past the sheet's right
  drawing->Tile(2, 0, -20, 0);  // before its left
  drawing->Tile(3, 0, 0, 0);    // no such square: ignored
  auto kept = std::make_unique<Surface>();
  drawing->Paint(*kept);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      ASSERT_EQ(kept->pixels[(100 + y) * kScreenWidth + 100 + x], sheet.At(40 + x, y));
      ASSERT_EQ(kept->pixels[(100 + y) * kScreenWidth + 120 + x], sheet.At(x, y));
      ASSERT_EQ(kept->pixels[(100 + y) * kScreenWidth + 140 + x], sheet.At(x, y));
    }
  }
}

}  // namespace
}  // namespace klumpix
