#pragma once
#include "arithmetic/fractions.h"
#include "arithmetic/sectors.h"
#include <QPoint>
#include <QSize>
#include <array>
#include <optional>

// The square of n × n cells the pupil paints with the palette's colours. All
// 50 × 50 cells are kept whatever n is, so that a smaller square shown for a
// while gives the outer cells back unchanged; only the n × n corner counts.
namespace arithmetic {

constexpr int kMaxSquareSize = 50;

class PaintedSquare {
public:
    PaintedSquare() { Clear(); }

    int Size() const { return m_size; }
    // 1..50; other values are ignored. False when ignored.
    bool SetSize(int n);
    int Cell(int x, int y) const { return m_cells[size_t(x)][size_t(y)]; }
    // False, changing nothing, when the cell is outside the square, the
    // colour outside the palette or the cell has that colour already.
    bool Paint(int x, int y, int color);
    // Every cell white.
    void Clear();

    // Cells of each colour within the n × n corner.
    std::array<int, kPaletteSize> ColorCounts() const;
    // The share of the square of a colour, reduced.
    Fraction Share(int color) const;

private:
    int m_size = 10;
    std::array<std::array<unsigned char, kMaxSquareSize>, kMaxSquareSize> m_cells{};
};

// The side of one cell when a square of n cells fits into an area: the
// smaller side of the area divided by n, rounded down; 0 when n < 1 or the
// area is smaller than n pixels.
int SquareCellSize(QSize area, int n);
// The cell (column x, row y) under a pixel of the square; nullopt outside
// the square or when cells have no size.
std::optional<QPoint> SquareCellAt(QPoint pixel, int cellSize, int n);

} // namespace arithmetic
