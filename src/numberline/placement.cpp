#include "numberline/placement.h"
#include <algorithm>

namespace numberline {

namespace {

bool StandsAtItsValue(const TPoint& point, double scale)
{
    const bool onLine = point.Y == 0;
    return point.Visible && onLine && point.AtExactValue(scale);
}

} // namespace

QStringList PlacementAnswers(const NumberLineScene& scene, double scale)
{
    QStringList answers;
    int number = 0;
    for (const auto& point : scene.Points()) {
        const QString value = StandsAtItsValue(*point, scale) ? point->FormulaText() : QString();
        answers.append(QStringLiteral("%1%2=%3").arg(QStringView(kPlacementKey)).arg(++number).arg(value));
    }
    return answers;
}

std::optional<int> PlacementPointNumber(const QString& name)
{
    const QStringView key(kPlacementKey);
    if (!name.startsWith(key, Qt::CaseInsensitive) || name.size() == key.size()) return std::nullopt;
    const QStringView digits = QStringView(name).mid(key.size());
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) return std::nullopt;
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || number < 1) return std::nullopt;
    return number;
}

QString PlacementAnswerProblem(const NumberLineScene& scene, const QString& name, const QString& formula)
{
    const std::optional<int> number = PlacementPointNumber(name);
    if (!number) return {};
    const auto& points = scene.Points();
    if (size_t(*number) > points.size())
        return QStringLiteral("«%1»: в сцене задачи нет точки %2 (точек %3)").arg(name).arg(*number).arg(points.size());
    const TPoint& point = *points[size_t(*number - 1)];
    if (point.FormulaText() != formula)
        return QStringLiteral("«%1»: у точки %2 формула %3, а не %4").arg(name).arg(*number).arg(point.FormulaText(), formula);
    if (!point.Placed())
        return QStringLiteral("«%1»: формула %2 точки %3 не имеет значения").arg(name, formula).arg(*number);
    return {};
}

} // namespace numberline
