#include "numberline/scene.h"
#include "numberline/lineview.h"
#include <algorithm>
#include <cmath>

namespace numberline {

std::optional<int> ParameterIndex(QStringView name)
{
    if (name.size() != 1 || name[0] < u'a' || name[0] > u'z') return std::nullopt;
    return int(name[0].unicode() - u'a');
}

TPoint::TPoint(const QString& formulaText, const Parameters& parameters)
    : m_formula(std::make_unique<formulas::TFormula>())
{
    m_formula->SetText(formulaText);
    TakeParameters(parameters);
    m_exact = Evaluate();
    X = m_exact.value_or(0);
}

void TPoint::TakeParameters(const Parameters& parameters)
{
    for (const QString& name : m_formula->Variables()) {
        if (const auto index = ParameterIndex(name)) m_formula->SetValue(name, parameters[size_t(*index)]);
    }
}

void TPoint::FormulaEdited(const Parameters& parameters)
{
    TakeParameters(parameters);
    m_exact = Evaluate();
}

void TPoint::SetName(const QString& name)
{
    m_name = name;
    m_name.replace(u'\r', u' ').replace(u'\n', u' ');
}

std::optional<double> TPoint::Evaluate()
{
    const std::optional<long double> value = m_formula->TryCalculate();
    if (!value || !std::isfinite(double(*value))) return std::nullopt;
    return double(*value);
}

bool TPoint::UsesParameter(QStringView name) const { return m_formula->IndexOfVariable(name) >= 0; }

bool TPoint::ChangeParameter(QStringView name, long double value)
{
    if (!m_formula->SetValue(name, value)) return false;
    const std::optional<double> exact = Evaluate();
    if (!exact) return false; // the point stays where it is, with its old value
    m_exact = exact;
    X = *exact;
    return true;
}

bool TPoint::PutAtExact()
{
    if (!m_exact) return false;
    X = *m_exact;
    Y = 0;
    return true;
}

bool TPoint::AtExactValue(double scale) const
{
    return m_exact && std::abs(*m_exact - X) * scale <= kOffValuePixels;
}

void TFigure::ShiftBy(const LineView& view, double pixels)
{
    for (TPoint* point : DefiningPoints()) point->X = view.ToWorldX(view.ToScreenX(point->X) + pixels);
}

namespace {

double PixelDistance(double column, double row, double toColumn, double toRow)
{
    return std::hypot(column - toColumn, row - toRow);
}

} // namespace

double TSegment::DistanceTo(const LineView& view, double column, double row) const
{
    const double x1 = view.ToScreenX(P1->X), y1 = view.ToScreenY(P1->Y);
    const double x2 = view.ToScreenX(P2->X), y2 = view.ToScreenY(P2->Y);
    const double dx = x2 - x1, dy = y2 - y1;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((column - x1) * dx + (row - y1) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return PixelDistance(column, row, x1 + t * dx, y1 + t * dy);
}

double TLuch::DistanceTo(const LineView& view, double column, double row) const
{
    const double x1 = view.ToScreenX(P1->X), y1 = view.ToScreenY(P1->Y);
    const bool behind = ToRight ? column < x1 : column > x1;
    return PixelDistance(column, row, behind ? x1 : column, y1);
}

TPoint& NumberLineScene::AddPoint(const QString& formulaText)
{
    m_points.push_back(std::make_unique<TPoint>(formulaText, m_parameters));
    return *m_points.back();
}

TSegment& NumberLineScene::AddSegment(TPoint& p1, TPoint& p2, base::Bgr colour)
{
    auto segment = std::make_unique<TSegment>(p1, p2);
    segment->Color = colour & base::kBgrMask;
    p1.Figure = p2.Figure = segment.get();
    m_figures.push_back(std::move(segment));
    return static_cast<TSegment&>(*m_figures.back());
}

TLuch& NumberLineScene::AddRay(TPoint& origin, bool toRight, base::Bgr colour)
{
    auto ray = std::make_unique<TLuch>(origin, toRight);
    ray->Color = colour & base::kBgrMask;
    origin.Figure = ray.get();
    m_figures.push_back(std::move(ray));
    return static_cast<TLuch&>(*m_figures.back());
}

void NumberLineScene::Clear()
{
    m_figures.clear();
    m_points.clear();
    m_parameters.fill(1);
}

int NumberLineScene::PointIndex(const TPoint* point) const
{
    const auto found = std::find_if(m_points.begin(), m_points.end(), [point](const auto& p) { return p.get() == point; });
    return found == m_points.end() ? -1 : int(found - m_points.begin());
}

bool NumberLineScene::SetParameter(QStringView name, long double value)
{
    const std::optional<int> index = ParameterIndex(name);
    if (!index || !std::isfinite(double(value))) return false;
    m_parameters[size_t(*index)] = value;
    for (const auto& point : m_points) {
        if (point->UsesParameter(name)) point->ChangeParameter(name, value);
    }
    return true;
}

void NumberLineScene::SetParts(int parts) { m_parts = std::clamp(parts, 1, kMaxParts); }

} // namespace numberline
