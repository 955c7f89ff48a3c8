#include "arithmetic/paintedsquare.h"
#include <algorithm>

namespace arithmetic {

bool PaintedSquare::SetSize(int n)
{
    if (n < 1 || n > kMaxSquareSize) return false;
    m_size = n;
    return true;
}

bool PaintedSquare::Paint(int x, int y, int color)
{
    if (x < 0 || y < 0 || x >= m_size || y >= m_size || color < 0 || color >= kPaletteSize) return false;
    auto& cell = m_cells[size_t(x)][size_t(y)];
    if (cell == color) return false;
    cell = (unsigned char)color;
    return true;
}

void PaintedSquare::Clear()
{
    for (auto& column : m_cells) column.fill(0);
}

std::array<int, kPaletteSize> PaintedSquare::ColorCounts() const
{
    std::array<int, kPaletteSize> counts{};
    for (int x = 0; x < m_size; ++x)
        for (int y = 0; y < m_size; ++y) ++counts[m_cells[size_t(x)][size_t(y)]];
    return counts;
}

Fraction PaintedSquare::Share(int color) const
{
    const int count = color >= 0 && color < kPaletteSize ? ColorCounts()[size_t(color)] : 0;
    return *ReduceFraction(count, m_size * m_size);
}

int SquareCellSize(QSize area, int n)
{
    if (n < 1) return 0;
    return std::max(0, std::min(area.width(), area.height())) / n;
}

std::optional<QPoint> SquareCellAt(QPoint pixel, int cellSize, int n)
{
    if (cellSize <= 0 || pixel.x() < 0 || pixel.y() < 0) return std::nullopt;
    const int x = pixel.x() / cellSize;
    const int y = pixel.y() / cellSize;
    if (x >= n || y >= n) return std::nullopt;
    return QPoint(x, y);
}

} // namespace arithmetic
