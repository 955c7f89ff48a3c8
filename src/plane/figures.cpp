#include "plane/figures.h"
#include "base/textutil.h"
#include <algorithm>

namespace plane {

using geometry::Vec2;

bool IsLineLike(FigureKind kind)
{
    return kind == FigureKind::Line || kind == FigureKind::Luch || kind == FigureKind::Segment
        || kind == FigureKind::Segment0 || kind == FigureKind::Vector;
}

bool IsCircle(FigureKind kind) { return kind == FigureKind::Circle1 || kind == FigureKind::Circle2; }

QString FigureTag(FigureKind kind)
{
    switch (kind) {
    case FigureKind::Line: return QStringLiteral("TLine:");
    case FigureKind::Luch: return QStringLiteral("TLuch:");
    case FigureKind::Segment: return QStringLiteral("TSegment:");
    case FigureKind::Segment0: return QStringLiteral("TSegment0:");
    case FigureKind::Vector: return QStringLiteral("TVector:");
    case FigureKind::Circle1: return QStringLiteral("TCircle1:");
    case FigureKind::Circle2: return QStringLiteral("TCircle2:");
    case FigureKind::Polygon: return QStringLiteral("TPolygon:");
    }
    return {};
}

void TPoint::SetName(const QString& name)
{
    QString clean = name;
    for (QChar& c : clean)
        if (c.unicode() < 32) c = u' ';
    m_name = base::Trim(clean);
}

bool TFigure::Exists() const
{
    const std::vector<TPoint*> points = DefiningPoints();
    return std::all_of(points.begin(), points.end(), [](const TPoint* p) { return p->Exists(); });
}

std::optional<double> TFigureLine::DistanceTo(Vec2 q, Vec2* nearest) const
{
    if (!Exists()) return std::nullopt;
    const Vec2 n = geometry::NearestOnLine(AsLine(), Extent(), q);
    if (nearest) *nearest = n;
    return geometry::Distance(q, n);
}

std::optional<double> TFigureCircle::DistanceTo(Vec2 q, Vec2* nearest) const
{
    if (!Exists()) return std::nullopt;
    const Vec2 n = geometry::NearestOnCircle(AsCircle(), q);
    if (nearest) *nearest = n;
    return geometry::Distance(q, n);
}

std::optional<double> TDistance::Value()
{
    if (!A->Exists() || !B->Exists()) return std::nullopt;
    return geometry::Distance(A->Position(), B->Position());
}

std::optional<double> TAngle::Value()
{
    if (!A->Exists() || !V->Exists() || !B->Exists()) return std::nullopt;
    const Vec2 v = V->Position();
    if (geometry::Cross(A->Position() - v, B->Position() - v) < 0) std::swap(A, B);
    return geometry::AngleDegrees(A->Position(), v, B->Position()).value_or(0);
}

} // namespace plane
