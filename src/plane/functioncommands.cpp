#include "plane/functioncommands.h"
#include "base/numfmt.h"
#include "plane/scene.h"
#include <cmath>

namespace plane {

namespace {

constexpr QChar kCoefficientSeparator = u';';

std::optional<double> FiniteNumber(const QString& text)
{
    const auto value = base::ParseReal(text.trimmed(), base::Decimal::Comma);
    if (!value || !std::isfinite(double(*value))) return std::nullopt;
    return double(*value);
}

} // namespace

CommandOutcome AddGraphThroughPoints(const PlaneScene& scene, FunctionList& list, AlgebraKind kind, base::Bgr colour)
{
    std::vector<const TPoint*> visible;
    for (int i = 0; i < scene.PointCount(); ++i)
        if (scene.Point(i)->Visible) visible.push_back(scene.Point(i));
    if (visible.size() < 2) return {nullptr, kNeedTwoPointsNote};
    TFunctionArray* graph = list.AddArray(kind, colour);
    if (!graph) return {};
    for (const TPoint* point : visible) graph->AddPoint(point->X(), point->Y());
    return {graph, {}};
}

SourceChoice ChooseSource(const FunctionList& list, int selectedRow)
{
    if (list.Count() == 0) return {nullptr, kNeedGraphNote};
    if (selectedRow < 0 || selectedRow >= list.Count()) selectedRow = list.Count() - 1;
    TAlgebra* object = list.At(selectedRow);
    if (!IsFunction(object->Kind())) return {nullptr, kNeedFunctionNote};
    return {static_cast<TFunction*>(object), {}};
}

std::optional<ParameterQuestion> DerivedParameterQuestion(DerivedType type)
{
    switch (type) {
    case DerivedType::ShiftY: return ParameterQuestion{QStringLiteral("Сдвиг по оси Oy на: "), QStringLiteral("1")};
    case DerivedType::ShiftX: return ParameterQuestion{QStringLiteral("Сдвиг по оси Ox на: "), QStringLiteral("1")};
    case DerivedType::StretchY:
        return ParameterQuestion{QStringLiteral("Растяжение (сжатие) вдоль оси Oy в: "), QStringLiteral("2")};
    case DerivedType::StretchX:
        return ParameterQuestion{QStringLiteral("Сжатие (растяжение) вдоль оси Ox в: "), QStringLiteral("2")};
    default: return std::nullopt;
    }
}

CommandOutcome AddDerivedGraph(FunctionList& list, TFunction& source, DerivedType type, const QString& paramText,
                               base::Bgr colour)
{
    double param = 1;
    if (DerivedParameterQuestion(type)) {
        const std::optional<double> value = FiniteNumber(paramText);
        if (!value) return {nullptr, kNeedNumberNote};
        param = *value;
    }
    TDerivative* graph = list.AddDerivative(source, type, param, colour);
    if (!graph) return {nullptr, kNeedGraphNote};
    return {graph, {}};
}

std::optional<std::vector<double>> ParseCoefficients(const QString& text)
{
    std::vector<double> coefficients;
    for (const QString& part : text.split(kCoefficientSeparator)) {
        const std::optional<double> value = FiniteNumber(part);
        if (!value) return std::nullopt;
        coefficients.push_back(*value);
    }
    if (coefficients.empty() || int(coefficients.size()) > TFunctionKoeffPolynom::kMaxCoefficients) return std::nullopt;
    return coefficients;
}

QString CoefficientsText(const std::vector<double>& coefficients)
{
    QStringList parts;
    for (double a : coefficients) parts << base::FormatReal(a, base::Decimal::Comma);
    return parts.join(QStringLiteral("; "));
}

CommandOutcome AddPolynomialByCoefficients(FunctionList& list, const QString& text, base::Bgr colour)
{
    std::optional<std::vector<double>> coefficients = ParseCoefficients(text);
    if (!coefficients) return {nullptr, kNeedCoefficientsNote};
    TFunctionKoeffPolynom* graph = list.AddKoeffPolynom(std::move(*coefficients), colour);
    if (!graph) return {nullptr, kNeedCoefficientsNote};
    return {graph, {}};
}

} // namespace plane
