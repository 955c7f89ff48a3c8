#include "numberline/lineview.h"
#include <algorithm>
#include <cmath>

namespace numberline {

namespace {

// A value nearer zero than this is zero: the sum of steps leaves such dust.
constexpr double kZeroDust = 1e-10;
// Label intervals by the pixels between two steps.
constexpr double kEveryStepPixels = 40;
constexpr double kEverySecondPixels = 20;
constexpr double kEveryFifthPixels = 10;
// Division marks closer than this would run together into a bar.
constexpr double kMinDivisionPixels = 2;

double Clamp(double value, double bound) { return std::clamp(value, -bound, bound); }

} // namespace

double StepForScale(double scale) { return std::pow(10.0, std::trunc(std::log10(LineView::kInitialScale / scale))); }

bool LineView::SetScale(double pixelsPerUnit)
{
    if (!std::isfinite(pixelsPerUnit) || pixelsPerUnit <= 0) return false;
    m_scale = std::clamp(pixelsPerUnit, kMinScale, kMaxScale);
    m_step = StepForScale(m_scale);
    return true;
}

bool LineView::SetCenter(double x)
{
    if (!std::isfinite(x)) return false;
    m_centreX = Clamp(x, kMaxCentre);
    return true;
}

void LineView::SetSize(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
}

int LineView::ToScreenX(double x) const
{
    const double column = (x - m_centreX) * m_scale + m_width / 2;
    if (std::isnan(column)) return m_width / 2;
    return int(std::lround(Clamp(column, kMaxColumn)));
}

int LineView::ToScreenY(double y) const
{
    const double row = -y * kPixelsPerUnitY + m_height / 2;
    if (std::isnan(row)) return m_height / 2;
    return int(std::lround(Clamp(row, kMaxRow)));
}

double LineView::ToWorldX(double column) const { return m_centreX + (column - m_width / 2) / m_scale; }

double LineView::ToWorldY(double row) const { return (m_height / 2 - row) / kPixelsPerUnitY; }

int LabelInterval(double pixelsApart)
{
    if (pixelsApart >= kEveryStepPixels) return 1;
    if (pixelsApart >= kEverySecondPixels) return 2;
    if (pixelsApart >= kEveryFifthPixels) return 5;
    return 10;
}

namespace {

bool IsWhole(double value) { return std::abs(value - std::trunc(value)) < kZeroDust; }

// Multiples of step (index × step) whose column lies within the frame, from
// the left edge on; each index is computed, never summed, so that no step is
// lost far from zero.
template <class Visit> void ForEachMultiple(const LineView& view, double step, Visit visit)
{
    const double first = std::floor(view.ToWorldX(0) / step);
    const double last = std::ceil(view.ToWorldX(view.Width()) / step);
    int visited = 0;
    for (double index = first; index <= last && visited < LineView::kMaxTicks; ++index) {
        double value = index * step;
        if (std::abs(value) < kZeroDust) value = 0;
        if (visit(index, value)) ++visited;
    }
}

} // namespace

std::vector<Tick> LabelledTicks(const LineView& view, bool decimalLabels)
{
    std::vector<Tick> ticks;
    const double step = view.Step();
    const int every = LabelInterval(step * view.Scale());
    // Far out, the indices of a frame no longer fit the frame's few hundred ticks.
    ForEachMultiple(view, step * every, [&](double, double value) {
        if (!decimalLabels && !IsWhole(value)) return false;
        const int column = view.ToScreenX(value);
        if (column < 0 || column > view.Width()) return false;
        ticks.push_back({value, column});
        return true;
    });
    return ticks;
}

std::vector<Tick> DivisionTicks(const LineView& view, int parts)
{
    std::vector<Tick> ticks;
    if (parts < 1 || view.Step() * view.Scale() < kEveryStepPixels) return ticks;
    if (view.Scale() / parts < kMinDivisionPixels) return ticks;
    ForEachMultiple(view, 1.0 / parts, [&](double index, double) {
        const double value = index / parts;
        const int column = view.ToScreenX(value);
        if (column < 0 || column > view.Width()) return false;
        ticks.push_back({value, column});
        return true;
    });
    return ticks;
}

} // namespace numberline
