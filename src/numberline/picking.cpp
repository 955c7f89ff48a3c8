#include "numberline/picking.h"
#include "base/numfmt.h"
#include <cmath>
#include <limits>

namespace numberline {

namespace {

// The division index of a world x; far values are kept where an index still
// fits a 64-bit integer.
long long DivisionIndex(double x, int parts)
{
    constexpr double kMaxIndex = 1e15;
    const double scaled = std::isfinite(x) ? x * parts : 0;
    return std::llround(std::clamp(scaled, -kMaxIndex, kMaxIndex));
}

} // namespace

TPoint* FindHotPoint(const NumberLineScene& scene, const LineView& view, double column, double row)
{
    TPoint* best = nullptr;
    double bestDistance = LineView::kPickPixels;
    for (const auto& point : scene.Points()) {
        if (!point->Visible || !point->Placed()) continue;
        const double distance = std::hypot(view.ToScreenX(point->X) - column, view.ToScreenY(point->Y) - row);
        if (distance <= bestDistance) {
            best = point.get();
            bestDistance = distance;
        }
    }
    return best;
}

TFigure* FindHotFigure(const NumberLineScene& scene, const LineView& view, double column, double row)
{
    TFigure* best = nullptr;
    double bestDistance = LineView::kPickPixels;
    for (const auto& figure : scene.Figures()) {
        if (!figure->Visible) continue;
        const double distance = figure->DistanceTo(view, column, row);
        if (distance <= bestDistance) {
            best = figure.get();
            bestDistance = distance;
        }
    }
    return best;
}

QString ClickFormulaText(double x, int parts, bool showDivisions)
{
    if (!showDivisions) return u'[' + base::FormatReal(std::isfinite(x) ? x : 0) + u']';
    const QString n = QString::number(DivisionIndex(x, parts));
    if (parts == 1) return u'[' + n + u']';
    return QStringLiteral("[drob[%1][%2]]").arg(n).arg(parts);
}

double ClickValue(double x, int parts, bool showDivisions)
{
    if (!showDivisions) return x;
    return double(DivisionIndex(x, parts)) / parts;
}

void DropPoint(TPoint& point, const LineView& view, int parts, bool showDivisions)
{
    if (std::abs(view.ToScreenY(point.Y) - view.LineRow()) >= kSnapRows) return;
    point.Y = 0;
    if (point.Exact() && std::abs(*point.Exact() - point.X) * view.Scale() <= kOffValuePixels)
        point.X = *point.Exact();
    else if (showDivisions)
        point.X = ClickValue(point.X, parts, true);
}

} // namespace numberline
