#pragma once
#include "numberline/lineview.h"
#include "numberline/scene.h"
#include <QString>

// What the mouse meets on the number line and where new and dropped points
// land. Distances are measured in pixels in both directions.
namespace numberline {

// The visible, placed point nearest to the pixel, within kPickPixels; none otherwise.
TPoint* FindHotPoint(const NumberLineScene& scene, const LineView& view, double column, double row);
// The visible figure nearest to the pixel, within kPickPixels; none otherwise.
TFigure* FindHotFigure(const NumberLineScene& scene, const LineView& view, double column, double row);

// The formula of a point made by a click at world x: with divisions shown the
// nearest division n / parts ("[n]" for one part, else "[drob[n][parts]]",
// not reduced), otherwise the value itself with a decimal comma ("[2,35]").
QString ClickFormulaText(double x, int parts, bool showDivisions);
// The world x of that division (x itself without divisions).
double ClickValue(double x, int parts, bool showDivisions);

// A point dropped by the hand tool: less than kSnapRows pixels from the line it
// lands on it, at its exact value when within kOffValuePixels of it, else on
// the nearest division when divisions are shown. Farther away it stays lifted.
inline constexpr int kSnapRows = 40;
void DropPoint(TPoint& point, const LineView& view, int parts, bool showDivisions);

} // namespace numberline
