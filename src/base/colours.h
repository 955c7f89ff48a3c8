#pragma once
#include <QColor>
#include <cstdint>

// Colours as the lab files and the engines keep them: 24-bit integers
// 0xBBGGRR (blue in the high byte), written to files in decimal. They become
// QColor only where something is painted; every conversion goes through here.
namespace base {

using Bgr = uint32_t;

constexpr Bgr kBgrMask = 0xFFFFFF;

constexpr Bgr MakeBgr(int red, int green, int blue)
{
    return Bgr(blue & 0xFF) << 16 | Bgr(green & 0xFF) << 8 | Bgr(red & 0xFF);
}

inline QColor BgrColor(Bgr bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline Bgr ToBgr(const QColor& colour)
{
    return MakeBgr(colour.red(), colour.green(), colour.blue());
}

// The program's named colours (0xBBGGRR).
namespace colour {
constexpr Bgr kBlack = MakeBgr(0, 0, 0);
constexpr Bgr kWhite = MakeBgr(255, 255, 255);
constexpr Bgr kRed = MakeBgr(255, 0, 0);
constexpr Bgr kBlue = MakeBgr(0, 0, 255);
constexpr Bgr kCyan = MakeBgr(0, 255, 255);
constexpr Bgr kSilver = MakeBgr(192, 192, 192);
// The light blue of the panels behind pages and lists, and its grid lines.
constexpr Bgr kPanelBlue = MakeBgr(244, 248, 253);
constexpr Bgr kPanelGridBlue = MakeBgr(220, 235, 250);
// The dark blue of captions on lab panels.
constexpr Bgr kCaptionBlue = MakeBgr(31, 63, 122);

// The plane engine's own colours.
namespace plane {
constexpr Bgr kGrid = MakeBgr(239, 226, 252);    // a pale lilac
constexpr Bgr kHot = MakeBgr(0, 255, 0);         // what is under the mouse
constexpr Bgr kFreePoint = MakeBgr(255, 0, 255); // magenta
constexpr Bgr kTracingPoint = MakeBgr(180, 0, 255);
constexpr Bgr kPolygonOutline = MakeBgr(128, 128, 128);
constexpr Bgr kBlinkOdd = MakeBgr(128, 128, 128); // the blink colour on odd phases; black on even
constexpr Bgr kShading = MakeBgr(192, 192, 192);  // silver: where the inequalities hold
} // namespace plane

// The trigonometry lab: the circle plane's amber panel and its graphs.
namespace trigonometry {
constexpr Bgr kCirclePanel = MakeBgr(255, 205, 54);
constexpr Bgr kSine = MakeBgr(255, 0, 0);
constexpr Bgr kCosine = MakeBgr(0, 0, 255);
constexpr Bgr kTangent = MakeBgr(0, 128, 64); // dark green
constexpr Bgr kCotangent = MakeBgr(0, 255, 0);
} // namespace trigonometry

// The number-line engine's own colours.
namespace numberline {
constexpr Bgr kHot = MakeBgr(0, 255, 0);      // what is under the mouse
constexpr Bgr kOffValue = MakeBgr(255, 0, 0); // a point away from its value
constexpr Bgr kDivision = MakeBgr(0, 0, 128); // navy: divisions and the rubber band
constexpr Bgr kTableBackground = MakeBgr(239, 226, 252); // the points table: pale lilac
constexpr Bgr kTableSelection = MakeBgr(103, 0, 196);    // the chosen formula's cell
} // namespace numberline
} // namespace colour

} // namespace base
