#include "plane/scene.h"
#include "plane/functions.h"
#include <algorithm>
#include <cmath>

namespace plane {

using geometry::Vec2;

namespace {

const TFigureLine& AsLineFigure(const TFigure& figure) { return static_cast<const TFigureLine&>(figure); }
const TFigureCircle& AsCircleFigure(const TFigure& figure) { return static_cast<const TFigureCircle&>(figure); }

bool CanCarryPoint(const TFigure* figure)
{
    return figure && (IsLineLike(figure->Kind()) || IsCircle(figure->Kind()));
}

bool ValidParents(const TFigure* base, const TFigure* base2, int rootChoice)
{
    if (rootChoice < 0 || rootChoice > 2) return false;
    if (!base) return !base2;
    return CanCarryPoint(base) && (!base2 || CanCarryPoint(base2));
}

bool ValidMorph(const TPoint* source, const TMorph& morph)
{
    switch (morph.Kind) {
    case MorphKind::None:
        return !source;
    case MorphKind::Rotation:
    case MorphKind::Homothety:
        return source && morph.Centre && std::isfinite(morph.Param);
    case MorphKind::AxialSymmetry:
        return source && morph.Figure && IsLineLike(morph.Figure->Kind());
    case MorphKind::Translation:
        return source && morph.Figure && morph.Figure->Kind() == FigureKind::Vector;
    case MorphKind::FixedOffset:
        return source && std::isfinite(morph.DX) && std::isfinite(morph.DY);
    }
    return false;
}

} // namespace

std::optional<double> GraphValueAt(TFunction& graph, double x)
{
    if (!std::isfinite(x) || x < graph.XMin() || x > graph.XMax() || !graph.Valid()) return std::nullopt;
    return graph.Value(x);
}

PlaneScene::PlaneScene() { m_params.fill(1); }
PlaneScene::~PlaneScene() = default;
PlaneScene::PlaneScene(PlaneScene&&) noexcept = default;
PlaneScene& PlaneScene::operator=(PlaneScene&&) noexcept = default;

void PlaneScene::Clear()
{
    RotationCenter = HomothetyCenter = nullptr;
    SymmetryAxis = nullptr;
    ShiftVector = nullptr;
    m_measures.clear();
    m_figures.clear();
    m_points.clear();
    m_dependants.clear();
    m_rank.clear();
    m_seen.clear();
    m_orderStale = false;
    m_params.fill(1);
    m_rotationAngle = kInitialRotationAngle;
    m_homothetyFactor = kInitialHomothetyFactor;
}

int PlaneScene::FigureIndex(const TFigure* figure) const
{
    for (size_t i = 0; i < m_figures.size(); ++i)
        if (m_figures[i].get() == figure) return int(i);
    return -1;
}

int PlaneScene::MeasureIndex(const TMeasure* measure) const
{
    for (size_t i = 0; i < m_measures.size(); ++i)
        if (m_measures[i].get() == measure) return int(i);
    return -1;
}

bool PlaneScene::SetParam(int index, double value)
{
    if (index < 0 || index >= kParamCount || !std::isfinite(value)) return false;
    m_params[size_t(index)] = value;
    return true;
}

bool PlaneScene::SetRotationAngle(double degrees)
{
    if (!std::isfinite(degrees)) return false;
    m_rotationAngle = degrees;
    return true;
}

bool PlaneScene::SetHomothetyFactor(double factor)
{
    if (!std::isfinite(factor)) return false;
    m_homothetyFactor = factor;
    return true;
}

// --- creation ------------------------------------------------------------

TPoint* PlaneScene::NewPoint(Vec2 position)
{
    const int index = PointCount();
    m_points.push_back(std::unique_ptr<TPoint>(new TPoint(index, position)));
    m_dependants.emplace_back();
    // A point without dependencies may come last in any topological order.
    m_rank.push_back(index);
    return m_points.back().get();
}

TPoint* PlaneScene::AddPoint(Vec2 position)
{
    if (!geometry::IsFinite(position)) return nullptr;
    return NewPoint(position);
}

TPoint* PlaneScene::AddPointOn(Vec2 position, TFigure* base, TFigure* base2, int rootChoice)
{
    if (!geometry::IsFinite(position) || !ValidParents(base, base2, rootChoice)) return nullptr;
    TPoint* point = NewPoint(position);
    SetParents(point, base, base2, rootChoice); // a new point cannot close a cycle
    Update(*point);
    return point;
}

TPoint* PlaneScene::AddPointOnGraph(Vec2 position, TFunction* graph)
{
    if (!graph || !geometry::IsFinite(position)) return nullptr;
    TPoint* point = NewPoint(position);
    SetGraph(point, graph);
    Update(*point);
    return point;
}

template <class T, class... Args> T* PlaneScene::AddFigure(Args&&... args)
{
    auto figure = std::make_unique<T>(std::forward<Args>(args)...);
    figure->Color = DrawColor;
    T* raw = figure.get();
    m_figures.push_back(std::move(figure));
    return raw;
}

TLine* PlaneScene::AddLine(TPoint* p1, TPoint* p2) { return p1 && p2 ? AddFigure<TLine>(p1, p2) : nullptr; }
TLuch* PlaneScene::AddLuch(TPoint* p1, TPoint* p2) { return p1 && p2 ? AddFigure<TLuch>(p1, p2) : nullptr; }
TSegment* PlaneScene::AddSegment(TPoint* p1, TPoint* p2) { return p1 && p2 ? AddFigure<TSegment>(p1, p2) : nullptr; }
TVector* PlaneScene::AddVector(TPoint* p1, TPoint* p2) { return p1 && p2 ? AddFigure<TVector>(p1, p2) : nullptr; }

TSegment0* PlaneScene::AddSegment0(TPoint* p1, TPoint* p2)
{
    if (!p1 || !p2 || p1 == p2) return nullptr;
    const Vec2 offset = p2->Position() - p1->Position();
    TMorph morph;
    morph.Kind = MorphKind::FixedOffset;
    morph.DX = offset.x;
    morph.DY = offset.y;
    if (!SetMorph(p2, p1, morph)) return nullptr;
    return AddFigure<TSegment0>(p1, p2);
}

TCircle1* PlaneScene::AddCircle1(TPoint* centre, double radius)
{
    if (!centre || !(radius >= 0) || !std::isfinite(radius)) return nullptr;
    return AddFigure<TCircle1>(centre, radius);
}

TCircle2* PlaneScene::AddCircle2(TPoint* centre, TPoint* onCircle)
{
    if (!centre || !onCircle || centre == onCircle) return nullptr;
    return AddFigure<TCircle2>(centre, onCircle);
}

TPolygon* PlaneScene::AddPolygon(std::vector<Vec2> vertices)
{
    if (vertices.size() > 1 && vertices.back() == vertices.front()) vertices.pop_back();
    if (vertices.size() < size_t(TPolygon::kMinVertices)) return nullptr;
    if (!std::all_of(vertices.begin(), vertices.end(), geometry::IsFinite)) return nullptr;
    TPolygon* polygon = AddFigure<TPolygon>();
    polygon->Vertices = std::move(vertices);
    return polygon;
}

TPolygon* PlaneScene::AddRegularPolygon(Vec2 centre, int sides, double side)
{
    auto vertices = geometry::RegularPolygon(centre, sides, side);
    return vertices ? AddPolygon(std::move(*vertices)) : nullptr;
}

TDistance* PlaneScene::AddDistance(TPoint* a, TPoint* b)
{
    if (!a || !b) return nullptr;
    m_measures.push_back(std::make_unique<TDistance>(a, b));
    return static_cast<TDistance*>(m_measures.back().get());
}

TAngle* PlaneScene::AddAngle(TPoint* a, TPoint* vertex, TPoint* b)
{
    if (!a || !vertex || !b) return nullptr;
    m_measures.push_back(std::make_unique<TAngle>(a, vertex, b));
    return static_cast<TAngle*>(m_measures.back().get());
}

// --- dependencies --------------------------------------------------------

std::vector<TPoint*> PlaneScene::ParentPoints(TFigure* base, TFigure* base2, TPoint* source,
                                              const TMorph& morph) const
{
    std::vector<TPoint*> parents;
    auto addFigure = [&parents](const TFigure* figure) {
        if (!figure) return;
        for (TPoint* p : figure->DefiningPoints()) parents.push_back(p);
    };
    addFigure(base);
    addFigure(base2);
    if (source) parents.push_back(source);
    if (morph.Centre) parents.push_back(morph.Centre);
    addFigure(morph.Figure);
    std::sort(parents.begin(), parents.end());
    parents.erase(std::unique(parents.begin(), parents.end()), parents.end());
    return parents;
}

std::vector<TPoint*> PlaneScene::ParentPoints(const TPoint& point) const
{
    return ParentPoints(point.m_base, point.m_base2, point.m_source, point.m_morph);
}

bool PlaneScene::WouldCycle(const TPoint& point, const std::vector<TPoint*>& parents) const
{
    if (parents.empty()) return false;
    if (std::find(parents.begin(), parents.end(), &point) != parents.end()) return true;
    if (!m_cycleChecks) return false;
    // A cycle closes when a new parent already depends on the point.
    for (int dependant : Descendants(point))
        if (std::find(parents.begin(), parents.end(), Point(dependant)) != parents.end()) return true;
    return false;
}

std::vector<int> PlaneScene::Descendants(const TPoint& point) const
{
    m_seen.resize(m_points.size());
    const unsigned stamp = ++m_seenStamp;
    std::vector<int> reached;
    std::vector<int> stack{point.m_index};
    while (!stack.empty()) {
        const int current = stack.back();
        stack.pop_back();
        for (int dependant : m_dependants[size_t(current)]) {
            if (m_seen[size_t(dependant)] == stamp) continue;
            m_seen[size_t(dependant)] = stamp;
            reached.push_back(dependant);
            stack.push_back(dependant);
        }
    }
    return reached;
}

std::vector<TPoint*> PlaneScene::FindCycle() const
{
    std::vector<int> indegree(m_points.size(), 0);
    for (const std::vector<int>& list : m_dependants)
        for (int dependant : list) ++indegree[size_t(dependant)];
    std::vector<int> queue;
    for (size_t i = 0; i < indegree.size(); ++i)
        if (indegree[i] == 0) queue.push_back(int(i));
    for (size_t head = 0; head < queue.size(); ++head)
        for (int dependant : m_dependants[size_t(queue[head])])
            if (--indegree[size_t(dependant)] == 0) queue.push_back(dependant);
    if (queue.size() == m_points.size()) return {};
    // Every point left over has a parent left over; walking up from one of
    // them must come round to a point already passed, and that closes a cycle.
    const auto left = std::find_if(indegree.begin(), indegree.end(), [](int d) { return d > 0; });
    std::vector<int> placeOnPath(m_points.size(), -1);
    std::vector<TPoint*> path;
    TPoint* current = Point(int(left - indegree.begin()));
    while (placeOnPath[size_t(current->m_index)] < 0) {
        placeOnPath[size_t(current->m_index)] = int(path.size());
        path.push_back(current);
        for (TPoint* parent : ParentPoints(*current))
            if (indegree[size_t(parent->m_index)] > 0) {
                current = parent;
                break;
            }
    }
    return {path.begin() + placeOnPath[size_t(current->m_index)], path.end()};
}

void PlaneScene::Link(TPoint& point)
{
    for (TPoint* parent : ParentPoints(point)) m_dependants[size_t(parent->m_index)].push_back(point.m_index);
    m_orderStale = true;
}

void PlaneScene::Unlink(TPoint& point)
{
    for (TPoint* parent : ParentPoints(point)) {
        std::vector<int>& list = m_dependants[size_t(parent->m_index)];
        const auto it = std::find(list.begin(), list.end(), point.m_index);
        if (it != list.end()) list.erase(it);
    }
    m_orderStale = true;
}

bool PlaneScene::SetParents(TPoint* point, TFigure* base, TFigure* base2, int rootChoice)
{
    if (!point || !ValidParents(base, base2, rootChoice) || (base && point->m_graph)) return false;
    if (WouldCycle(*point, ParentPoints(base, base2, point->m_source, point->m_morph))) return false;
    Unlink(*point);
    point->m_base = base;
    point->m_base2 = base2;
    point->m_rootChoice = rootChoice;
    Link(*point);
    return true;
}

bool PlaneScene::SetMorph(TPoint* point, TPoint* source, const TMorph& morph)
{
    if (!point || !ValidMorph(source, morph) || (source && point->m_graph)) return false;
    if (WouldCycle(*point, ParentPoints(point->m_base, point->m_base2, source, morph))) return false;
    Unlink(*point);
    point->m_source = source;
    point->m_morph = morph;
    Link(*point);
    return true;
}

// A graph depends on no point, so a point on one never closes a cycle.
bool PlaneScene::SetGraph(TPoint* point, TFunction* graph)
{
    if (!point || (graph && (point->m_base || point->m_source))) return false;
    point->m_graph = graph;
    point->m_graphRevision = graph ? graph->ChainRevision() : 0;
    return true;
}

void PlaneScene::ReleaseGraph(const TFunction* graph)
{
    if (!graph) return;
    for (const auto& point : m_points)
        if (point->m_graph == graph) {
            point->m_graph = nullptr;
            point->m_graphRevision = 0;
            point->m_exists = true;
            Propagate(*point);
        }
}

bool PlaneScene::FollowGraphs()
{
    std::vector<int> changed;
    for (const auto& point : m_points) {
        if (!point->m_graph) continue;
        const uint64_t revision = point->m_graph->ChainRevision();
        if (revision == point->m_graphRevision) continue;
        point->m_graphRevision = revision;
        Update(*point);
        changed.push_back(point->m_index);
    }
    if (changed.empty()) return false;
    // Every dependant once, parents before children, even when it hangs on
    // several of the points that moved.
    EnsureOrder();
    std::vector<int> reached;
    for (int index : changed)
        for (int dependant : Descendants(*Point(index))) reached.push_back(dependant);
    std::sort(reached.begin(), reached.end());
    reached.erase(std::unique(reached.begin(), reached.end()), reached.end());
    std::sort(reached.begin(), reached.end(), [this](int a, int b) { return m_rank[size_t(a)] < m_rank[size_t(b)]; });
    for (int index : reached) Update(*Point(index));
    return true;
}

// --- recomputation -------------------------------------------------------

std::optional<Vec2> PlaneScene::Intersect(const TFigure& a, const TFigure& b, int& rootChoice, Vec2 hint)
{
    const bool aLine = IsLineLike(a.Kind()), bLine = IsLineLike(b.Kind());
    const bool aCircle = IsCircle(a.Kind()), bCircle = IsCircle(b.Kind());
    if (aLine && bLine) return geometry::IntersectLines(AsLineFigure(a).AsLine(), AsLineFigure(b).AsLine());
    std::optional<geometry::RootPair> roots;
    if (aLine && bCircle)
        roots = geometry::IntersectLineCircle(AsLineFigure(a).AsLine(), AsCircleFigure(b).AsCircle());
    else if (aCircle && bLine)
        roots = geometry::IntersectLineCircle(AsLineFigure(b).AsLine(), AsCircleFigure(a).AsCircle());
    else if (aCircle && bCircle)
        roots = geometry::IntersectCircles(AsCircleFigure(a).AsCircle(), AsCircleFigure(b).AsCircle());
    if (!roots) return std::nullopt;
    if (rootChoice != 1 && rootChoice != 2)
        rootChoice = geometry::Distance(hint, roots->first) < geometry::Distance(hint, roots->second) ? 1 : 2;
    return rootChoice == 1 ? roots->first : roots->second;
}

std::optional<Vec2> PlaneScene::Construct(TPoint& point, bool& keepPosition)
{
    keepPosition = false;
    if (point.m_source) {
        if (!point.m_source->Exists()) return std::nullopt;
        const TMorph& morph = point.m_morph;
        const Vec2 x = point.m_source->Position();
        std::optional<Vec2> image;
        switch (morph.Kind) {
        case MorphKind::Rotation:
            if (morph.Centre->Exists()) image = geometry::Rotate(x, morph.Centre->Position(), morph.Param);
            break;
        case MorphKind::Homothety:
            if (morph.Centre->Exists()) image = geometry::Homothety(x, morph.Centre->Position(), morph.Param);
            break;
        case MorphKind::AxialSymmetry:
            if (!morph.Figure->Exists()) break;
            image = geometry::Reflect(x, morph.Figure->AsLine());
            // An axis through two coincident points leaves the image where it is.
            if (!image) keepPosition = true;
            break;
        case MorphKind::Translation:
            if (morph.Figure->Exists()) image = x + static_cast<const TVector*>(morph.Figure)->Shift();
            break;
        case MorphKind::FixedOffset:
            image = x + Vec2{morph.DX, morph.DY};
            break;
        case MorphKind::None:
            image = x;
            break;
        }
        if (image && !geometry::IsFinite(*image)) image.reset();
        return image;
    }
    if (point.m_base2) {
        if (!point.m_base->Exists() || !point.m_base2->Exists()) return std::nullopt;
        return Intersect(*point.m_base, *point.m_base2, point.m_rootChoice, point.m_position);
    }
    if (point.m_base) {
        Vec2 nearest;
        if (!point.m_base->DistanceTo(point.m_position, &nearest)) return std::nullopt;
        return nearest;
    }
    if (point.m_graph) {
        // Where the graph has no value the point is not there; its x stays,
        // so it comes back when the graph has a value there again.
        const std::optional<double> y = GraphValueAt(*point.m_graph, point.m_position.x);
        if (!y) return std::nullopt;
        return Vec2{point.m_position.x, *y};
    }
    return point.m_position;
}

void PlaneScene::Update(TPoint& point)
{
    bool keepPosition = false;
    const std::optional<Vec2> position = Construct(point, keepPosition);
    point.m_exists = position.has_value() || keepPosition;
    if (position) point.m_position = *position;
}

void PlaneScene::EnsureOrder()
{
    if (!m_orderStale) return;
    std::vector<int> indegree(m_points.size(), 0);
    for (const std::vector<int>& list : m_dependants)
        for (int dependant : list) ++indegree[size_t(dependant)];
    std::vector<int> queue;
    queue.reserve(m_points.size());
    for (size_t i = 0; i < indegree.size(); ++i)
        if (indegree[i] == 0) queue.push_back(int(i));
    for (size_t head = 0; head < queue.size(); ++head) {
        const int current = queue[head];
        m_rank[size_t(current)] = int(head);
        for (int dependant : m_dependants[size_t(current)])
            if (--indegree[size_t(dependant)] == 0) queue.push_back(dependant);
    }
    m_orderStale = false;
}

void PlaneScene::Propagate(const TPoint& moved)
{
    EnsureOrder();
    std::vector<int> reached = Descendants(moved);
    std::sort(reached.begin(), reached.end(), [this](int a, int b) { return m_rank[size_t(a)] < m_rank[size_t(b)]; });
    for (int index : reached) Update(*Point(index));
}

bool PlaneScene::MovePoint(TPoint* point, Vec2 position)
{
    if (!point || !geometry::IsFinite(position)) return false;
    point->m_position = position;
    if (point->IsFree())
        point->m_exists = true;
    else
        Update(*point);
    Propagate(*point);
    return true;
}

void PlaneScene::RefreshExistence()
{
    EnsureOrder();
    std::vector<int> order(m_points.size());
    for (size_t i = 0; i < order.size(); ++i) order[size_t(m_rank[i])] = int(i);
    for (int index : order) {
        TPoint& point = *Point(index);
        if (point.IsFree()) {
            point.m_exists = true;
            continue;
        }
        bool keepPosition = false;
        point.m_exists = Construct(point, keepPosition).has_value() || keepPosition;
    }
}

// --- transformations -----------------------------------------------------

TPoint* PlaneScene::MakeImage(TPoint* source, MorphKind kind)
{
    if (!source) return nullptr;
    TMorph morph;
    morph.Kind = kind;
    switch (kind) {
    case MorphKind::Rotation:
        morph.Centre = RotationCenter;
        morph.Param = m_rotationAngle;
        break;
    case MorphKind::Homothety:
        morph.Centre = HomothetyCenter;
        morph.Param = m_homothetyFactor;
        break;
    case MorphKind::AxialSymmetry:
        morph.Figure = SymmetryAxis;
        break;
    case MorphKind::Translation:
        morph.Figure = ShiftVector;
        break;
    default:
        return nullptr;
    }
    if (!ValidMorph(source, morph)) return nullptr;
    TPoint* image = NewPoint(source->Position());
    SetMorph(image, source, morph); // a new point cannot close a cycle
    Update(*image);
    return image;
}

TFigure* PlaneScene::MakeImage(TFigure* figure, MorphKind kind)
{
    if (!figure || figure->Kind() == FigureKind::Polygon) return nullptr;
    TPoint* probe = figure->DefiningPoints().front();
    TPoint* centre = MakeImage(probe, kind);
    if (!centre) return nullptr; // the element of this transformation is not chosen
    if (IsLineLike(figure->Kind())) {
        TPoint* end = MakeImage(static_cast<TFigureLine*>(figure)->P2, kind);
        switch (figure->Kind()) {
        case FigureKind::Line: return AddLine(centre, end);
        case FigureKind::Luch: return AddLuch(centre, end);
        case FigureKind::Segment: return AddSegment(centre, end);
        case FigureKind::Vector: return AddVector(centre, end);
        default: return AddSegment0(centre, end); // the image end follows the image start
        }
    }
    if (figure->Kind() == FigureKind::Circle2)
        return AddCircle2(centre, MakeImage(static_cast<TCircle2*>(figure)->OnCircle, kind));
    const double radius = static_cast<TCircle1*>(figure)->Radius();
    return AddCircle1(centre, kind == MorphKind::Homothety ? radius * std::abs(m_homothetyFactor) : radius);
}

TPoint* PlaneScene::AddMidpoint(TFigureLine* figure)
{
    if (!figure) return nullptr;
    TMorph morph;
    morph.Kind = MorphKind::Homothety;
    morph.Centre = figure->P1;
    morph.Param = 0.5;
    TPoint* midpoint = NewPoint(figure->P2->Position());
    SetMorph(midpoint, figure->P2, morph);
    Update(*midpoint);
    return midpoint;
}

void PlaneScene::RotatePolygon(TPolygon& polygon, Vec2 centre, double degrees)
{
    std::vector<Vec2> turned;
    turned.reserve(polygon.Vertices.size());
    for (Vec2 v : polygon.Vertices) turned.push_back(geometry::Rotate(v, centre, degrees));
    if (std::all_of(turned.begin(), turned.end(), geometry::IsFinite)) polygon.Vertices = std::move(turned);
}

void PlaneScene::FlipPolygon(TPolygon& polygon, double axisX)
{
    std::vector<Vec2> flipped;
    flipped.reserve(polygon.Vertices.size());
    for (Vec2 v : polygon.Vertices) flipped.push_back({2 * axisX - v.x, v.y});
    if (std::all_of(flipped.begin(), flipped.end(), geometry::IsFinite)) polygon.Vertices = std::move(flipped);
}

// --- eraser --------------------------------------------------------------

void PlaneScene::Erase(TPoint* point)
{
    if (point) point->Visible = false;
}

void PlaneScene::Erase(TFigure* figure)
{
    if (!figure) return;
    if (figure->Kind() != FigureKind::Polygon) {
        figure->Visible = false;
        return;
    }
    const int index = FigureIndex(figure);
    if (index >= 0) m_figures.erase(m_figures.begin() + index);
}

void PlaneScene::Erase(TMeasure* measure)
{
    const int index = MeasureIndex(measure);
    if (index >= 0) m_measures.erase(m_measures.begin() + index);
}

// --- picking -------------------------------------------------------------

TPoint* PlaneScene::FindHotPoint(Vec2 q, double tolerance) const
{
    TPoint* best = nullptr;
    double bestDistance = tolerance;
    for (auto it = m_points.rbegin(); it != m_points.rend(); ++it) {
        TPoint* point = it->get();
        if (!point->Visible || !point->Exists()) continue;
        const double d = geometry::Distance(q, point->Position());
        if (d < bestDistance || (!best && d <= tolerance)) {
            best = point;
            bestDistance = d;
        }
    }
    return best;
}

HotFigures PlaneScene::FindHotFigures(Vec2 q, double tolerance) const
{
    HotFigures hot;
    double first = 0, second = 0;
    for (auto it = m_figures.rbegin(); it != m_figures.rend(); ++it) {
        TFigure* figure = it->get();
        if (!figure->Visible || figure->Kind() == FigureKind::Polygon) continue;
        const std::optional<double> d = figure->DistanceTo(q);
        if (!d || *d > tolerance) continue;
        if (!hot.first || *d < first) {
            hot.second = hot.first;
            second = first;
            hot.first = figure;
            first = *d;
        } else if (!hot.second || *d < second) {
            hot.second = figure;
            second = *d;
        }
    }
    return hot;
}

SnapResult PlaneScene::Snap(Vec2 click, HotFigures hot, double gridStep, TFunction* hotGraph) const
{
    if (hot.first && hot.second) {
        int rootChoice = 0;
        // Figures under the mouse that do not meet give no intersection to snap to.
        if (const auto meet = Intersect(*hot.first, *hot.second, rootChoice, click))
            return {*meet, hot.first, hot.second, rootChoice};
    }
    if (hot.first) {
        Vec2 nearest;
        if (hot.first->DistanceTo(click, &nearest)) return {nearest, hot.first, nullptr, 0};
    }
    if (hotGraph)
        if (const std::optional<double> y = GraphValueAt(*hotGraph, click.x)) return {{click.x, *y}, nullptr, nullptr, 0, hotGraph};
    if (gridStep > 0 && std::isfinite(gridStep)) {
        const Vec2 node{std::round(click.x / gridStep) * gridStep, std::round(click.y / gridStep) * gridStep};
        if (geometry::IsFinite(node)) return {node};
    }
    return {click};
}

} // namespace plane
