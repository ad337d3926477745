// The playfield of each game type, as runs of cells along a row.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "board/board.h"
#include "shell/game.h"

namespace klumpix {
namespace {

// Cells of one row run from x_first to x_last, 42 pixels apart, left to right.
struct RowRun {
  std::int16_t y, x_first, x_last, colour;
};

constexpr std::int16_t kRowPitch = 42;

// Runs are listed in creation order, which fixes the slot of every cell.

// The lower triangle three boards share: from the single cell at the bottom
// middle, each row 12 pixels up and one cell wider on either side.
template <std::size_t Rows>
constexpr std::array<RowRun, Rows> LowerTriangle(std::int16_t colour) {
  std::array<RowRun, Rows> rows{};
  for (std::size_t i = 0; i < Rows; ++i) {
    const auto step = static_cast<std::int16_t>(i);
    rows[i] = {static_cast<std::int16_t>(498 - 12 * step),
               static_cast<std::int16_t>(346 - kRowPitch / 2 * step),
               static_cast<std::int16_t>(346 + kRowPitch / 2 * step), colour};
  }
  return rows;
}

// The triangle's rows followed by the board's own.
template <std::size_t Rows, std::size_t More>
constexpr std::array<RowRun, Rows + More> Then(const std::array<RowRun, Rows>& triangle,
                                               const RowRun (&more)[More]) {
  std::array<RowRun, Rows + More> runs{};
  for (std::size_t i = 0; i < Rows; ++i) runs[i] = triangle[i];
  for (std::size_t i = 0; i < More; ++i) runs[Rows + i] = more[i];
  return runs;
}

// 1 "-HEXAGON GROSS": lower triangle, eleven rows of 6 and 7 cells, upper triangle.
constexpr RowRun kBigHexagonAboveTriangle[] = {
    {414, 241, 451, 1}, {402, 220, 472, 1}, {390, 241, 451, 1}, {378, 220, 472, 1},
    {366, 241, 451, 1}, {354, 220, 472, 1}, {342, 241, 451, 1}, {330, 220, 472, 1},
    {318, 241, 451, 1}, {306, 220, 472, 1}, {294, 241, 451, 1}, {282, 220, 472, 1},
    {270, 241, 451, 1}, {258, 262, 430, 1}, {246, 283, 409, 1}, {234, 304, 388, 1},
    {222, 325, 367, 1}, {210, 346, 346, 1},
};
constexpr auto kBigHexagon = Then(LowerTriangle<7>(1), kBigHexagonAboveTriangle);

// 2 "-2 KLEINE HEX": the left hexagon, then the right one, 210 right and 50 down
// and thus off the left one's lattice.
constexpr RowRun kTwoSmallHexagons[] = {
    {424, 246, 246, 2}, {412, 225, 267, 2}, {400, 204, 288, 2}, {388, 183, 309, 2},
    {376, 162, 330, 2}, {364, 183, 309, 2}, {352, 162, 330, 2}, {340, 183, 309, 2},
    {328, 162, 330, 2}, {316, 183, 309, 2}, {304, 162, 330, 2}, {292, 183, 309, 2},
    {280, 162, 330, 2}, {268, 183, 309, 2}, {256, 204, 288, 2}, {244, 225, 267, 2},
    {232, 246, 246, 2}, {474, 456, 456, 3}, {462, 435, 477, 3}, {450, 414, 498, 3},
    {438, 393, 519, 3}, {426, 372, 540, 3}, {414, 393, 519, 3}, {402, 372, 540, 3},
    {390, 393, 519, 3}, {378, 372, 540, 3}, {366, 393, 519, 3}, {354, 372, 540, 3},
    {342, 393, 519, 3}, {330, 372, 540, 3}, {318, 393, 519, 3}, {306, 414, 498, 3},
    {294, 435, 477, 3}, {282, 456, 456, 3},
};

// 3 "-DAS V": the triangle, then thirteen rows of a left and a right arm.
constexpr RowRun kTheVArms[] = {
    {390, 157, 283, 4}, {390, 409, 535, 4}, {378, 136, 262, 4}, {378, 430, 556, 4},
    {366, 115, 241, 4}, {366, 451, 577, 4}, {354, 136, 262, 4}, {354, 430, 556, 4},
    {342, 115, 241, 4}, {342, 451, 577, 4}, {330, 136, 262, 4}, {330, 430, 556, 4},
    {318, 115, 241, 4}, {318, 451, 577, 4}, {306, 136, 262, 4}, {306, 430, 556, 4},
    {294, 115, 241, 4}, {294, 451, 577, 4}, {282, 136, 262, 4}, {282, 430, 556, 4},
    {270, 115, 241, 4}, {270, 451, 577, 4}, {258, 136, 262, 4}, {258, 430, 556, 4},
    {246, 115, 241, 4}, {246, 451, 577, 4},
};
constexpr auto kTheV = Then(LowerTriangle<9>(4), kTheVArms);

// 4 "-WIE TETRIS": twenty rows of 10 and 11 cells, a row pair per line.
constexpr RowRun kLikeTetris[] = {
    {498, 157, 535, 5}, {486, 136, 556, 5}, {474, 157, 535, 5}, {462, 136, 556, 5},
    {450, 157, 535, 5}, {438, 136, 556, 5}, {426, 157, 535, 5}, {414, 136, 556, 5},
    {402, 157, 535, 5}, {390, 136, 556, 5}, {378, 157, 535, 5}, {366, 136, 556, 5},
    {354, 157, 535, 5}, {342, 136, 556, 5}, {330, 157, 535, 5}, {318, 136, 556, 5},
    {306, 157, 535, 5}, {294, 136, 556, 5}, {282, 157, 535, 5}, {270, 136, 556, 5},
};

// 5 "-SCHRAEG": row pairs whose left end moves right from the fourth pair on.
constexpr RowRun kSlanted[] = {
    {498, 169, 505, 6}, {486, 190, 526, 6}, {474, 169, 505, 6}, {462, 190, 526, 6},
    {450, 169, 505, 6}, {438, 190, 526, 6}, {426, 211, 505, 6}, {414, 232, 526, 6},
    {402, 253, 505, 6}, {390, 274, 526, 6}, {378, 295, 505, 6}, {366, 316, 526, 6},
    {354, 337, 505, 6}, {342, 358, 526, 6}, {330, 379, 505, 6}, {318, 400, 526, 6},
    {306, 421, 505, 6}, {294, 442, 526, 6}, {282, 463, 505, 6}, {270, 484, 526, 6},
    {258, 505, 505, 6}, {246, 526, 526, 6},
};

// 6 "-AUGE": lower triangle, five rows around the hole, upper triangle.
constexpr RowRun kEyeAboveTriangle[] = {
    {390, 157, 283, 4}, {390, 409, 535, 4}, {378, 178, 262, 4}, {378, 430, 514, 4},
    {366, 157, 241, 4}, {366, 451, 535, 4}, {354, 178, 262, 4}, {354, 430, 514, 4},
    {342, 157, 241, 4}, {342, 451, 535, 4}, {330, 178, 514, 4}, {318, 199, 493, 4},
    {306, 220, 472, 4}, {294, 241, 451, 4}, {282, 262, 430, 4}, {270, 283, 409, 4},
    {258, 304, 388, 4}, {246, 325, 367, 4}, {234, 346, 346, 4},
};
constexpr auto kEye = Then(LowerTriangle<9>(4), kEyeAboveTriangle);

// 7 "-TOR": the top triangle, the two posts (left, right) and the lintel.
constexpr RowRun kGate[] = {
    {270, 283, 409, 2}, {258, 304, 388, 2}, {246, 325, 367, 2}, {234, 346, 346, 2},
    {486, 115, 241, 1}, {486, 451, 577, 3}, {474, 136, 262, 1}, {474, 430, 556, 3},
    {462, 115, 241, 1}, {462, 451, 577, 3}, {450, 136, 262, 1}, {450, 430, 556, 3},
    {438, 115, 241, 1}, {438, 451, 577, 3}, {426, 136, 262, 1}, {426, 430, 556, 3},
    {414, 115, 241, 1}, {414, 451, 577, 3}, {402, 136, 262, 1}, {402, 430, 556, 3},
    {390, 115, 241, 1}, {390, 451, 577, 3}, {378, 136, 262, 1}, {378, 430, 556, 3},
    {366, 115, 241, 1}, {366, 451, 577, 3}, {354, 136, 262, 1}, {354, 430, 556, 3},
    {342, 115, 241, 1}, {342, 451, 577, 3}, {330, 136, 262, 1}, {330, 430, 556, 3},
    {318, 115, 325, 1}, {318, 367, 577, 3}, {306, 136, 304, 1}, {306, 346, 556, 3},
    {294, 115, 325, 1}, {294, 367, 577, 3}, {282, 136, 304, 1}, {282, 346, 556, 3},
};

// 8 "-SAEULEN": the left, middle and right column, a row pair per line.
constexpr RowRun kColumns[] = {
    {498, 157, 241, 1}, {486, 136, 262, 1}, {474, 157, 241, 1}, {462, 136, 262, 1},
    {450, 157, 241, 1}, {438, 136, 262, 1}, {426, 157, 241, 1}, {414, 136, 262, 1},
    {402, 157, 241, 1}, {390, 136, 262, 1}, {378, 157, 241, 1}, {366, 136, 262, 1},
    {354, 157, 241, 1}, {342, 136, 262, 1}, {330, 157, 241, 1}, {318, 136, 262, 1},
    {306, 157, 241, 1}, {294, 136, 262, 1}, {282, 157, 241, 1}, {270, 136, 262, 1},
    {498, 325, 367, 4}, {486, 304, 388, 4}, {474, 325, 367, 4}, {462, 304, 388, 4},
    {450, 325, 367, 4}, {438, 304, 388, 4}, {426, 325, 367, 4}, {414, 304, 388, 4},
    {402, 325, 367, 4}, {390, 304, 388, 4}, {378, 325, 367, 4}, {366, 304, 388, 4},
    {354, 325, 367, 4}, {342, 304, 388, 4}, {330, 325, 367, 4}, {318, 304, 388, 4},
    {306, 325, 367, 4}, {294, 304, 388, 4}, {498, 451, 535, 6}, {486, 430, 556, 6},
    {474, 451, 535, 6}, {462, 430, 556, 6}, {450, 451, 535, 6}, {438, 430, 556, 6},
    {426, 451, 535, 6}, {414, 430, 556, 6}, {402, 451, 535, 6}, {390, 430, 556, 6},
    {378, 451, 535, 6}, {366, 430, 556, 6}, {354, 451, 535, 6}, {342, 430, 556, 6},
    {330, 451, 535, 6}, {318, 430, 556, 6}, {306, 451, 535, 6}, {294, 430, 556, 6},
    {282, 451, 535, 6}, {270, 430, 556, 6},
};

constexpr std::span<const RowRun> kLayouts[kGameTypes + 1] = {
    {}, kBigHexagon, kTwoSmallHexagons, kTheV, kLikeTetris, kSlanted, kEye, kGate, kColumns,
};

}  // namespace

// Appends the cells of `game_type` after the store, in the order that gives
// each cell its fixed slot.
void AddLayoutCells(Game& g, std::int32_t game_type) {
  if (game_type < 1 || game_type > kGameTypes) return;
  for (const RowRun& run : kLayouts[game_type]) {
    for (std::int16_t x = run.x_first; x <= run.x_last; x += kRowPitch) {
      AddBoardCell(g, x, run.y, run.colour);
    }
  }
}

}  // namespace klumpix
