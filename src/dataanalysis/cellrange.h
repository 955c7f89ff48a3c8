#pragma once
#include <QString>
#include <optional>

// Cells are numbered as the lab's files number them: columns and rows from 1.
namespace dataanalysis {

// The sheet's bounds: columns A..CV and 1000 rows.
constexpr int kMaxCol = 100;
constexpr int kMaxRow = 1000;

struct CellPos {
    int row = 1;
    int col = 1;
    friend bool operator==(const CellPos&, const CellPos&) = default;
    friend auto operator<=>(const CellPos&, const CellPos&) = default;
};

// A rectangle of cells (left column, top row, right column, bottom row). The
// files write a missing label range as 0 0 -1 -1 (kNoRange).
struct CellRange {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    friend bool operator==(const CellRange&, const CellRange&) = default;

    bool isEmpty() const { return left > right || top > bottom; }
    int width() const { return isEmpty() ? 0 : right - left + 1; }
    int height() const { return isEmpty() ? 0 : bottom - top + 1; }
    int cellCount() const { return width() * height(); }
    bool isSingleCell() const { return cellCount() == 1; }
    bool contains(CellPos cell) const
    {
        return cell.col >= left && cell.col <= right && cell.row >= top && cell.row <= bottom;
    }
    // Cells are counted row by row, left to right within a row.
    int indexOf(CellPos cell) const { return width() * (cell.row - top) + (cell.col - left); }
    CellPos cellAt(int index) const { return {top + index / width(), left + index % width()}; }
    // Inside the sheet's bounds and not empty.
    bool fitsSheet() const { return !isEmpty() && left >= 1 && top >= 1 && right <= kMaxCol && bottom <= kMaxRow; }
};

inline constexpr CellRange kNoRange{};

// "A", "Z", "AA" ... for columns from 1.
QString ColumnName(int col);
// "B3".
QString CellName(CellPos cell);
// "A1:C2", or "B3" for a single cell.
QString RangeName(const CellRange& range);

} // namespace dataanalysis
