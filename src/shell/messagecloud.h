#pragma once
#include <QRect>
#include <QSize>
#include <cmath>
#include <functional>

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

// A longer text gets a bigger cloud of the same outline, grown in these steps
// up to the largest scale (beyond it the text is cut, as a cloud over half the
// window would hide what the note speaks about).
inline constexpr double kScaleStep = 0.1;
inline constexpr double kLargestScale = 2.5;

inline QRect Scaled(const QRect& rect, double scale)
{
    return QRect(int(std::lround(rect.left() * scale)), int(std::lround(rect.top() * scale)),
                 int(std::lround(rect.width() * scale)), int(std::lround(rect.height() * scale)));
}

inline QRect EllipseRect(int index, double scale = 1.0)
{
    const auto& e = kEllipses[index];
    return Scaled(QRect(QPoint(e[0], e[1]), QPoint(e[2] - 1, e[3] - 1)), scale);
}

// The smallest scale at which a text fits the text area: textHeightAt gives
// the height of the text wrapped to a width. 1 for a text that fits as it is.
inline double CloudScale(const std::function<int(int width)>& textHeightAt)
{
    double scale = 1.0;
    while (scale < kLargestScale) {
        const QRect area = Scaled(kText, scale);
        if (textHeightAt(area.width()) <= area.height()) break;
        scale += kScaleStep;
    }
    return std::min(scale, kLargestScale);
}

} // namespace shell::messagecloud
