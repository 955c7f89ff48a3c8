#include "numberline/pointstable.h"
#include "base/numfmt.h"
#include <cmath>

namespace numberline {

namespace {

// Sums of tenths leave dust such as 1.4e-17 where 0 was meant.
constexpr double kParameterDust = 1e-6;

} // namespace

std::vector<PointRow> PointRows(const NumberLineScene& scene, double scale)
{
    std::vector<PointRow> rows;
    rows.reserve(scene.Points().size());
    for (const auto& point : scene.Points()) {
        if (!point->Placed()) {
            rows.push_back({kNoValueText, true});
            continue;
        }
        rows.push_back({QStringLiteral("= ") + base::FormatReal(point->X), !point->AtExactValue(scale)});
    }
    return rows;
}

std::vector<ParameterColumn> ParameterColumns(const NumberLineScene& scene)
{
    std::vector<ParameterColumn> columns;
    for (const auto& point : scene.Points()) {
        for (const QString& name : point->Formula().Variables()) {
            const std::optional<int> index = ParameterIndex(name);
            if (!index) continue;
            const bool known = std::any_of(columns.begin(), columns.end(), [&](const auto& c) { return c.Name == name; });
            if (!known) columns.push_back({name, base::FormatReal(scene.Parameter(*index))});
        }
    }
    return columns;
}

std::optional<QString> StepParameterText(const QString& text, double delta)
{
    const std::optional<long double> value = base::ParseReal(text);
    if (!value || !std::isfinite(double(*value))) return std::nullopt;
    long double result = *value + delta;
    if (std::abs(double(result)) < kParameterDust) result = 0;
    return base::FormatReal(result);
}

} // namespace numberline
