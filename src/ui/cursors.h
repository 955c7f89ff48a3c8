#pragma once
#include <QCursor>
#include <optional>

// The program's numbered mouse cursors, used by the engines' tools and the
// time line:
//   11 open hand, 12 closed hand, 13 taking hand, 14 pen, 15 compass,
//   16 scissors, 17 eraser, 19 stack, 20 paint bucket, 21 brush, 22 angle,
//   23 distance, 24 parallel, 25 rotation, 26 symmetry, 27 homothety,
//   28 point pen.
// Number 18 is not assigned. The pictures are drawn here, 32 x 32 pixels,
// black outlines on white so that they show on any background.
namespace ui {

inline constexpr int kFirstNumberedCursor = 11;
inline constexpr int kLastNumberedCursor = 28;

// The cursor of a number; none for numbers without a cursor.
std::optional<QCursor> NumberedCursor(int number);

} // namespace ui
