#pragma once
#include <QRect>
#include <QSize>

// The outline of the message popup, shared by the window and the generator
// of its picture "Message.JPG": nine ellipses whose union is the cloud, and
// where the text lies in it. Header only.
namespace shell::messagecloud {

inline constexpr QSize kSize{200, 100};
inline constexpr QRect kText{32, 40, 145, 41};

// Bounding rectangles as left, top, right, bottom (right and bottom outside).
inline constexpr int kEllipses[9][4] = {{0, 38, 14, 53},   {10, 31, 33, 51},  {9, 42, 65, 87},
                                        {44, 66, 86, 97},  {66, 46, 147, 92}, {121, 60, 167, 93},
                                        {60, 8, 151, 71},  {130, 25, 196, 83}, {32, 16, 93, 73}};

inline QRect EllipseRect(int index)
{
    const auto& e = kEllipses[index];
    return QRect(QPoint(e[0], e[1]), QPoint(e[2] - 1, e[3] - 1));
}

} // namespace shell::messagecloud
