#pragma once
// What the numbers in the object table mean: which slot holds what, the
// kinds and images, a field's variants, the depths the scene is sorted by.
// Every routine names them from here.
#include <cstdint>

namespace klumpix {

constexpr int kSlotCount = 900;
constexpr int kStoreRows = 14;
constexpr int kStorePlaces = 3;  // a store row is a column of three places

// --- the slot map ---
// 1..4 the frame, 5..14 the buttons, 15..20 kept for the exit box, then the
// store's fields (from 21) and the playfield's cells (from 105), each field
// followed by its shadow. Stones and explosions take free slots from the top
// down; the last slot is never handed out.
enum FixedSlot : std::int16_t {
  kSlotTopBar = 1,
  kSlotBottomBar = 2,
  kSlotLeftPanel = 3,
  kSlotRightPanel = 4,
  kSlotExit = 5,
  kSlotEnde = 6,
  kSlotSpiel = 7,
  kSlotHilfe = 8,
  kSlotInfo = 9,
  kSlotSound = 10,
  kSlotLicht = 11,
  kSlotStart = 12,
  kSlotNeu = 13,
  kSlotEnter = 14,
  kSlotJa = 15,
  kSlotNein = 16,
  kSlotConfirmPanel = 19,
};
constexpr int kLastFixedSlot = 20;

// A field's shadow lies in the slot after the field.
constexpr int ShadowOf(int field) {
  return field + 1;
}

// A field's tag: playfield cells hold stones and know their neighbours;
// store fields are only drawn.
constexpr std::int32_t kTagStoreField = 0;
constexpr std::int32_t kTagPlayfieldCell = 1;
// The exit box's panel carries its box number as its tag.
constexpr std::int32_t kConfirmBoxNumber = 1;

// --- kinds and images ---
constexpr std::int16_t kKindPanel = 2;
constexpr std::int16_t kKindButton = 3;
constexpr std::int16_t kKindPiece = 4;
constexpr std::int16_t kKindExplosion = 8;
// Panels, buttons and explosions have one image each; pieces three.
constexpr std::int16_t kImageOnly = 1;
constexpr std::int16_t kImageField = 1;
constexpr std::int16_t kImageShadow = 2;
constexpr std::int16_t kImageStone = 3;

// --- variants ---
// A fresh slot's variant: the first look of its image.
constexpr std::int16_t kFirstVariant = 1;
// Stones, explosions and playfield cells take colours 1..6 as variants.
constexpr std::int16_t kColourCount = 6;
// A field's looks besides its colour: store fields are plain and lit under
// the pointer; drop fields lit or not.
enum FieldVariant : std::int16_t { kFieldPlain = 1, kFieldLit = 7, kFieldDrop = 8 };
// A button's frame: up, under the pointer, pressed.
enum ButtonFrame : std::int16_t { kButtonUp = 1, kButtonHover = 2, kButtonDown = 3 };
// A shadow's frame: whether a stone lies on its field.
enum ShadowFrame : std::int16_t { kShadowEmpty = 1, kShadowOccupied = 2 };

// --- depths: higher is drawn later, on top ---
enum Depth : std::int16_t {
  kDepthShadow = 80,
  kDepthStone = 85,
  kDepthField = 90,
  kDepthCarried = 95,
  kDepthPanel = 100,
  kDepthButton = 101,
  kDepthExplosion = 104,
};

}  // namespace klumpix
