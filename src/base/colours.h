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
constexpr Bgr kListSelection = MakeBgr(180, 206, 231); // the function list's chosen row: light blue
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

// The space engine's own colours.
namespace space {
constexpr Bgr kHot = MakeBgr(0, 255, 0);            // what is under the mouse
constexpr Bgr kFreePoint = MakeBgr(255, 0, 255);    // magenta: free points and points on one object
constexpr Bgr kBuiltPoint = MakeBgr(0, 0, 0);       // intersection and image points
constexpr Bgr kFaceEdge = MakeBgr(0, 0x5B, 0x5B);   // a dark teal: edges of faces
constexpr Bgr kHiddenEdge = MakeBgr(0xDD, 0xDD, 0xDD); // edges turned away, image mode
constexpr Bgr kBackFace = MakeBgr(192, 192, 192);   // silver: faces turned away, solid mode
constexpr Bgr kOutline = MakeBgr(0, 0, 0);          // outline of filled faces and sections
constexpr Bgr kMeasureLine = MakeBgr(192, 192, 192);
constexpr Bgr kRubberBand = MakeBgr(0, 0, 255);     // the line that follows the mouse
constexpr Bgr kImage = MakeBgr(128, 0, 128);        // purple: images of figures
constexpr Bgr kBlinkOdd = MakeBgr(128, 128, 128);   // the blink colour on odd phases; black on even
} // namespace space
// The divisibility and fractions labs.
namespace numberlabs {
constexpr Bgr kInputCell = MakeBgr(239, 226, 252);    // light lilac: cells and fields the pupil types in
constexpr Bgr kResultCell = MakeBgr(255, 242, 204);   // light yellow: results and grid backgrounds
constexpr Bgr kSelectedInput = MakeBgr(223, 192, 255); // violet: the chosen input cell
constexpr Bgr kPickedOut = MakeBgr(255, 0, 0);        // red: numbers with the chosen divisor count
constexpr Bgr kSquare = MakeBgr(0, 0, 128);           // navy: the divisor squares, the ruler
constexpr Bgr kSquareGrid = MakeBgr(192, 192, 192);   // silver: the lines of the painted square
// The eight paints of the square and the circle, by palette index.
constexpr Bgr kPalette[8] = {MakeBgr(255, 255, 255), MakeBgr(0, 255, 255), MakeBgr(255, 0, 255), MakeBgr(0, 0, 255),
                             MakeBgr(255, 255, 0),   MakeBgr(0, 255, 0),   MakeBgr(255, 0, 0),   MakeBgr(0, 0, 0)};
} // namespace numberlabs
// The data analysis lab's diagram.
namespace dataanalysis {
constexpr Bgr kChartBackground = MakeBgr(236, 236, 236); // 15527148
// The series' colours in order (repeating); a series' cells take the same
// colour. Yellow is left out: it cannot be read as text.
constexpr Bgr kSeries[8] = {MakeBgr(0, 0, 255),   MakeBgr(255, 0, 0),   MakeBgr(0, 128, 0), MakeBgr(128, 0, 128),
                            MakeBgr(255, 128, 0), MakeBgr(0, 128, 128), MakeBgr(128, 0, 0), MakeBgr(64, 64, 64)};
} // namespace dataanalysis
} // namespace colour

} // namespace base
