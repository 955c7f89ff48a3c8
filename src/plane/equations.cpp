#include "plane/equations.h"
#include "base/textutil.h"
#include <cmath>
#include <numbers>

namespace plane {

namespace {
constexpr double kTurn = 2 * std::numbers::pi;
}

QString EmptyEquationText() { return QStringLiteral("Уравнение не введено"); }

EquationEntry EnterEquation(FunctionList& list, const PlaneScene& params, const QString& text, base::Bgr colour)
{
    if (base::Trim(text).isEmpty() || text == QStringLiteral("[]")) return {nullptr, EmptyEquationText()};
    TEquation* equation = list.AddEquation(text, params, colour);
    if (equation->Valid()) return {equation, {}};
    const QString problem = equation->Problem();
    list.Delete(equation);
    return {nullptr, problem};
}

std::optional<QChar> RelationOfSignItem(int item)
{
    switch (item) {
    case 0: return TAlgebra::kEqual;
    case 1: return TAlgebra::kLess;
    case 2: return TAlgebra::kGreater;
    default: return std::nullopt;
    }
}

double AngleOfCirclePoint(geometry::Vec2 p, double previous)
{
    const double theta = std::acos(std::clamp(p.x, -1.0, 1.0));
    const double angle = p.y > 0 ? theta : kTurn - theta;
    if (!std::isfinite(previous)) return angle;
    return angle + kTurn * std::round((previous - angle) / kTurn);
}

geometry::Vec2 CirclePointAt(double angle) { return {std::cos(angle), std::sin(angle)}; }

std::optional<double> CircleScaleForWidth(int width)
{
    const int half = width / 2;
    if (half <= kCircleMargin) return std::nullopt;
    return half - kCircleMargin;
}

} // namespace plane
