#include "space/scene.h"
#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_set>

namespace space {

using geometry::Vec3;

namespace {

template <class List, class Object> int IndexIn(const List& list, const Object* object)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == object) return int(i);
    return -1;
}

} // namespace

std::optional<Vec3> MeetingPoint(const TFigure& line, const TFigure& other)
{
    if (!line.IsLine() || &line == &other) return std::nullopt;
    const auto& l = static_cast<const TFigureLine&>(line);
    if (other.IsLine()) {
        const auto& m = static_cast<const TFigureLine&>(other);
        return geometry::IntersectLines(l.P1->Position(), l.P2->Position(), m.P1->Position(), m.P2->Position());
    }
    const auto plane = static_cast<const TFigurePlane&>(other).Equation();
    if (!plane) return std::nullopt;
    return geometry::IntersectLinePlane(l.P1->Position(), l.P2->Position(), *plane);
}

bool SpansPlane(const std::vector<TPoint*>& vertices)
{
    std::vector<Vec3> loop;
    for (const TPoint* v : vertices) loop.push_back(v->Position());
    return geometry::PlaneOfLoop(loop).has_value();
}

size_t DistinctCount(const std::vector<TPoint*>& points)
{
    std::unordered_set<const TPoint*> distinct(points.begin(), points.end());
    return distinct.size();
}

std::optional<Vec3> MorphImage(const Vec3& source, const Morph& morph)
{
    switch (morph.Kind) {
    case MorphKind::Rotation: {
        const auto* axis = static_cast<const TFigureLine*>(morph.Element);
        const Vec3 a = axis->P1->Position();
        const Vec3 d = axis->P2->Position() - a;
        const double length = geometry::Length(d);
        if (length == 0) return std::nullopt;
        // Rodrigues' rotation about the unit axis k through a.
        const Vec3 k = d * (1 / length);
        const Vec3 v = source - a;
        const double angle = morph.Param * std::numbers::pi / 180;
        const Vec3 turned = v * std::cos(angle) + geometry::Cross(k, v) * std::sin(angle)
            + k * (geometry::Dot(k, v) * (1 - std::cos(angle)));
        return a + turned;
    }
    case MorphKind::Mirror: {
        const auto plane = static_cast<const TFigurePlane*>(morph.Element)->Equation();
        if (!plane) return std::nullopt;
        const double n2 = geometry::Dot(plane->n, plane->n);
        const double t = (geometry::Dot(plane->n, source) - plane->d) / n2;
        return source - plane->n * (2 * t);
    }
    case MorphKind::Translation: {
        const auto* vector = static_cast<const TFigureLine*>(morph.Element);
        return source + (vector->P2->Position() - vector->P1->Position());
    }
    case MorphKind::Homothety: {
        const Vec3 centre = morph.Centre->Position();
        return centre + (source - centre) * morph.Param;
    }
    case MorphKind::None:
        break;
    }
    return source;
}

TPoint& SpaceScene::AddPoint(const Vec3& at)
{
    auto point = std::make_unique<TPoint>();
    point->SetPosition(at);
    m_points.push_back(std::move(point));
    return *m_points.back();
}

TPoint& SpaceScene::AddPointOn(TFigure& base, const Vec3& near)
{
    TPoint& point = AddPoint(near);
    point.Base = &base;
    Recalc(point);
    return point;
}

TPoint* SpaceScene::AddIntersection(TFigure& line, TFigure& other)
{
    if (!line.IsLine() || &line == &other) return nullptr;
    const std::optional<Vec3> at = MeetingPoint(line, other);
    if (!at) return nullptr;
    TPoint& point = AddPoint(*at);
    point.Base = &line;
    point.Base2 = &other;
    point.MeetFlag = 1;
    return &point;
}

TPoint& SpaceScene::AddImagePoint(TPoint& source, const Morph& morph)
{
    TPoint& point = AddPoint(source.Position());
    point.Source = &source;
    point.Morphing = morph;
    Recalc(point);
    return point;
}

TFigureLine* SpaceScene::AddLineFigure(FigureKind kind, TPoint& p1, TPoint& p2, base::Bgr colour)
{
    if (&p1 == &p2 || !IsLineKind(kind)) return nullptr;
    std::unique_ptr<TFigureLine> figure;
    switch (kind) {
    case FigureKind::Line: figure = std::make_unique<TLine>(&p1, &p2); break;
    case FigureKind::Ray: figure = std::make_unique<TLuch>(&p1, &p2); break;
    case FigureKind::Segment: figure = std::make_unique<TSegment>(&p1, &p2); break;
    default: figure = std::make_unique<TVector>(&p1, &p2); break;
    }
    figure->Color = colour;
    TFigureLine* made = figure.get();
    m_figures.push_back(std::move(figure));
    return made;
}

TFigurePlane* SpaceScene::AddPlaneFigure(FigureKind kind, std::vector<TPoint*> vertices, base::Bgr colour)
{
    if (IsLineKind(kind)) return nullptr;
    const bool exactlyThree = kind != FigureKind::Face;
    if (DistinctCount(vertices) < 3 || (exactlyThree && vertices.size() != 3)) return nullptr;
    std::unique_ptr<TFigurePlane> figure;
    switch (kind) {
    case FigureKind::Face: figure = std::make_unique<TGrane>(std::move(vertices)); break;
    case FigureKind::Plane: figure = std::make_unique<TPlane>(std::move(vertices)); break;
    default: figure = std::make_unique<TPlaneCut>(std::move(vertices)); break;
    }
    figure->Color = colour;
    TFigurePlane* made = figure.get();
    m_figures.push_back(std::move(figure));
    if (made->Kind() == FigureKind::Section) UpdateSections();
    return made;
}

TDistance& SpaceScene::AddDistance(TPoint& a, TPoint& b)
{
    m_measures.push_back(std::make_unique<TDistance>(&a, &b));
    return static_cast<TDistance&>(*m_measures.back());
}

TAngle& SpaceScene::AddAngle(TPoint& a, TPoint& vertex, TPoint& b)
{
    m_measures.push_back(std::make_unique<TAngle>(&a, &vertex, &b));
    return static_cast<TAngle&>(*m_measures.back());
}

void SpaceScene::RemoveMeasure(const TMeasure* measure)
{
    std::erase_if(m_measures, [measure](const auto& m) { return m.get() == measure; });
}

void SpaceScene::Clear()
{
    m_measures.clear();
    m_figures.clear();
    m_points.clear();
}

int SpaceScene::PointIndex(const TPoint* point) const { return IndexIn(m_points, point); }
int SpaceScene::FigureIndex(const TFigure* figure) const { return IndexIn(m_figures, figure); }

std::vector<const TPoint*> SpaceScene::PointsBehind(const TPoint& point)
{
    std::vector<const TPoint*> behind;
    auto addFigure = [&](const TFigure* figure) {
        if (!figure) return;
        for (const TPoint* p : figure->DefiningPoints()) behind.push_back(p);
    };
    addFigure(point.Base);
    addFigure(point.Base2);
    if (point.Source) behind.push_back(point.Source);
    addFigure(point.Morphing.Element);
    if (point.Morphing.Centre) behind.push_back(point.Morphing.Centre);
    return behind;
}

std::optional<Vec3> SpaceScene::Placement(const TPoint& point) const
{
    if (point.Source) {
        if (!point.Source->Present) return std::nullopt;
        return MorphImage(point.Source->Position(), point.Morphing);
    }
    if (point.Base && point.Base2) return MeetingPoint(*point.Base, *point.Base2);
    if (point.Base && point.Base->Kind() == FigureKind::Section)
        return static_cast<const TPlaneCut*>(point.Base)->Closest(point.X, point.Y);
    if (point.Base) {
        const geometry::Nearest nearest = point.Base->DistanceTo(point.X, point.Y, 0);
        if (!std::isfinite(nearest.distance)) return std::nullopt; // a section that vanished
        return nearest.point;
    }
    return point.Position();
}

void SpaceScene::Recalc(TPoint& point)
{
    if (point.IsFree()) return;
    const std::vector<const TPoint*> behind = PointsBehind(point);
    const bool basesThere = std::all_of(behind.begin(), behind.end(), [](const TPoint* p) { return p->Present; });
    std::optional<Vec3> at = basesThere ? Placement(point) : std::nullopt;
    if (at && !(std::isfinite(at->x) && std::isfinite(at->y) && std::isfinite(at->z))) at.reset();
    point.Present = at.has_value();
    if (at) point.SetPosition(*at);
}

void SpaceScene::RecalcFrom(TPoint& moved)
{
    const int start = PointIndex(&moved);
    if (start < 0) return;
    std::unordered_set<const TPoint*> changed{&moved};
    Recalc(moved);
    // Section polygons follow the faces and points they are made of; they are
    // brought up to date once before a point that lies on a section needs
    // them, and once at the end, when a point that moved defines a figure.
    bool sectionsStale = DefinesFigure(moved);
    for (size_t i = size_t(start) + 1; i < m_points.size(); ++i) {
        TPoint& point = *m_points[i];
        const std::vector<const TPoint*> behind = PointsBehind(point);
        const bool onSection = point.Base && point.Base->Kind() == FigureKind::Section;
        if (!onSection && std::none_of(behind.begin(), behind.end(), [&](const TPoint* p) { return changed.count(p) > 0; }))
            continue;
        if (onSection && sectionsStale) {
            UpdateSections();
            sectionsStale = false;
        }
        Recalc(point);
        changed.insert(&point);
        sectionsStale = sectionsStale || DefinesFigure(point);
    }
    if (sectionsStale) UpdateSections();
}

bool SpaceScene::DefinesFigure(const TPoint& point) const
{
    for (const auto& figure : m_figures) {
        const std::vector<TPoint*> points = figure->DefiningPoints();
        if (std::find(points.begin(), points.end(), &point) != points.end()) return true;
    }
    return false;
}

void SpaceScene::RecalcAll()
{
    bool sectionsStale = true;
    for (const auto& point : m_points) {
        if (point->Base && point->Base->Kind() == FigureKind::Section && sectionsStale) {
            UpdateSections();
            sectionsStale = false;
        }
        if (point->IsFree()) continue;
        Recalc(*point);
        sectionsStale = true;
    }
    UpdateSections();
}

void SpaceScene::RefreshPresence()
{
    // Whether a point is there comes from the file, not from computing its
    // construction again: stored numbers are rounded, and a construction on
    // the edge of having no solution could flip and write another file.
    for (const auto& point : m_points) {
        if (point->IsFree()) continue;
        const std::vector<const TPoint*> behind = PointsBehind(*point);
        const bool basesThere = std::all_of(behind.begin(), behind.end(), [](const TPoint* p) { return p->Present; });
        point->Present = basesThere && point->MeetFlag != kNotThereFlag;
    }
    UpdateSections();
}

void SpaceScene::MovePoint(TPoint& point, double x, double y)
{
    if (point.IsImage() || point.IsIntersection()) return;
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    point.SetPosition({x, y, point.Z});
    RecalcFrom(point);
}

template <class Turn> void SpaceScene::TurnAll(Turn turn)
{
    for (const auto& point : m_points) point->SetPosition(turn(point->Position()));
    UpdateSections();
}

void SpaceScene::TurnAboutX(double degrees) { TurnAll([&](const Vec3& p) { return geometry::TurnAboutX(p, degrees); }); }
void SpaceScene::TurnAboutY(double degrees) { TurnAll([&](const Vec3& p) { return geometry::TurnAboutY(p, degrees); }); }
void SpaceScene::TurnAboutZ(double degrees) { TurnAll([&](const Vec3& p) { return geometry::TurnAboutZ(p, degrees); }); }

std::vector<const TGrane*> SpaceScene::FacesOfColour(base::Bgr colour) const
{
    std::vector<const TGrane*> faces;
    for (const auto& figure : m_figures)
        if (figure->Kind() == FigureKind::Face && figure->Color == colour && figure->Present())
            faces.push_back(static_cast<const TGrane*>(figure.get()));
    return faces;
}

bool SpaceScene::HasSection() const
{
    return std::any_of(m_figures.begin(), m_figures.end(),
                       [](const auto& f) { return f->Kind() == FigureKind::Section; });
}

void SpaceScene::UpdateSections()
{
    for (const auto& figure : m_figures) {
        if (figure->Kind() != FigureKind::Section) continue;
        auto& section = static_cast<TPlaneCut&>(*figure);
        section.Outline.clear();
        const auto plane = section.Equation();
        if (!plane || !section.Present()) continue;
        std::vector<std::vector<Vec3>> faces;
        for (const TGrane* face : FacesOfColour(section.Color)) faces.push_back(face->Loop());
        section.Outline = geometry::SectionPolygon(*plane, faces);
    }
}

} // namespace space
