#pragma once
#include <QRect>

class QPainter;

// The row of squares: one table row per number of a segment, the number in
// the first column and one filled square per divisor in the second; numbers
// with the picked-out divisor count are red, the others black with navy
// squares. Painted without a window, so that it can be measured.
namespace arithmetic {

class DivisorSegment;

constexpr int kDivisorRowHeight = 20;
constexpr int kDivisorNumberWidth = 108;
constexpr int kDivisorSquaresWidth = 925;
constexpr int kDivisorFontSize = 10;

// Paints cell (column, row) of the table into rect.
void PaintDivisorCell(QPainter& painter, const QRect& rect, int column, long long number, int target);

} // namespace arithmetic
