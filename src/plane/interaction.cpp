#include "plane/interaction.h"
#include "plane/regions.h"
#include "base/numfmt.h"
#include "plane/planetools.h"
#include <QPolygonF>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace plane {

using geometry::Vec2;

namespace {

constexpr double kNearZero = 1e-10;
constexpr int kLabelLeftShift = 5;   // a distance's label starts 5 pixels left of the middle
constexpr int kLabelDrop = 6;        // and 6 pixels below it
constexpr int kAngleLabelDistance = 50;
constexpr double kFlipStepDegrees = 5;
constexpr double kDropReach = 1;     // polygons snap to another's vertex within one unit

const QString kNoRotationCentre = QStringLiteral("Сначала задайте центр поворота");
const QString kNoSymmetryAxis = QStringLiteral("Сначала задайте ось симметрии");
const QString kNoHomothetyCentre = QStringLiteral("Сначала задайте центр гомотетии");
const QString kNoShiftVector = QStringLiteral("Сначала задайте вектор переноса");

// Control characters would break the record line a caption is saved on.
QString OneLineText(QString text)
{
    for (QChar& c : text)
        if (c.unicode() < 32) c = u' ';
    return text;
}

TFigure* FirstOfKind(HotFigures hot, bool (*fits)(const TFigure&))
{
    if (hot.first && fits(*hot.first)) return hot.first;
    if (hot.second && fits(*hot.second)) return hot.second;
    return nullptr;
}

bool IsLineFigure(const TFigure& figure) { return IsLineLike(figure.Kind()); }
bool IsVectorFigure(const TFigure& figure) { return figure.Kind() == FigureKind::Vector; }

} // namespace

PlaneInteraction::PlaneInteraction(PlaneScene& scene, PlaneView& view, InteractionHost& host)
    : m_scene(scene), m_view(view), m_host(host)
{
}

// --- the tool ----------------------------------------------------------------

void PlaneInteraction::SetTool(int code)
{
    m_tool = code;
    if (m_dragState != kIdle) AbandonConstruction();
}

QString PlaneInteraction::Hint() const
{
    const ToolInfo* info = FindTool(m_tool);
    return info ? info->hint : QString();
}

base::CursorId PlaneInteraction::Cursor() const
{
    if (m_rightPan || m_dragState == kGrabbingPlane) return base::kCursorHandClose;
    if (m_dragPoint || m_dragPolygon) return base::kCursorHandGet;
    if (m_tool == kToolHand && m_hotPoint) return base::kCursorHandGet;
    const ToolInfo* info = FindTool(m_tool);
    return info ? info->cursor : base::kCursorDefault;
}

void PlaneInteraction::AbandonConstruction()
{
    m_dragState = kIdle;
    m_pending = nullptr;
    m_vertices.clear();
}

// --- mouse ---------------------------------------------------------------------

void PlaneInteraction::MouseDown(MouseButton button, QPoint pixel)
{
    m_lastPixel = pixel;
    // Polygons lie above the plane and take the clicks that fall on them.
    if (TPolygon* polygon = PolygonAt(pixel)) {
        PolygonMouseDown(*polygon, button, pixel);
        return;
    }
    if (button == MouseButton::Right) {
        m_rightPan = true;
        return;
    }
    if (button != MouseButton::Left) return;
    RefreshHover(pixel);
    if (m_tool == kToolHand) {
        if (m_hotPoint) m_dragPoint = m_hotPoint;
        else m_dragState = kGrabbingPlane;
        return;
    }
    ToolClick(pixel);
}

void PlaneInteraction::MouseMove(bool leftHeld, bool rightHeld, QPoint pixel)
{
    const QPoint delta = pixel - m_lastPixel;
    m_lastPixel = pixel;
    if (m_dragPolygon) {
        const Vec2 shift{delta.x() / m_view.Scale(), -delta.y() / m_view.Scale()};
        for (Vec2& vertex : m_dragPolygon->Vertices) vertex = vertex + shift;
        return;
    }
    if (rightHeld && m_rightPan) {
        Pan(delta);
        return;
    }
    if (m_tool == kToolHand && leftHeld && m_dragPoint) {
        MovePoint(m_dragPoint, m_view.ToWorld(pixel.x(), pixel.y()));
        return;
    }
    if (!leftHeld) RefreshHover(pixel);
    if (m_dragState == kGrabbingPlane && leftHeld) Pan(delta);
    if (m_dragState == kWaitingNextClick) m_bandTo = pixel;
}

void PlaneInteraction::MouseUp(MouseButton button, QPoint pixel)
{
    m_lastPixel = pixel;
    if (m_dragPolygon) {
        EndPolygonDrag();
        return;
    }
    if (button == MouseButton::Right) {
        m_rightPan = false;
        return;
    }
    m_dragPoint = nullptr;
    if (m_tool == kToolHand) m_dragState = kIdle;
}

void PlaneInteraction::Pan(QPoint delta)
{
    if (delta.isNull()) return;
    m_view.SetCenter(m_view.CenterX() - delta.x() / m_view.Scale(), m_view.CenterY() + delta.y() / m_view.Scale());
    ClearTraces();
}

// --- hover -----------------------------------------------------------------------

void PlaneInteraction::RefreshHover(QPoint pixel)
{
    const Vec2 q = m_view.ToWorld(pixel.x(), pixel.y());
    const double tolerance = m_view.PickTolerance();
    m_hotPoint = m_scene.FindHotPoint(q, tolerance);
    m_hot = m_hotPoint ? HotFigures{} : m_scene.FindHotFigures(q, tolerance);
    m_hotMeasure = FindHotMeasure(pixel);
    m_hotFunction = FindHotFunction(q, tolerance);
}

TFunction* PlaneInteraction::FindHotFunction(Vec2 q, double tolerance) const
{
    if (!Algebra) return nullptr;
    TFunction* best = nullptr;
    double bestDistance = tolerance;
    for (TFunction* f : Algebra->Functions()) {
        if (f->Relation() != TAlgebra::kEqual) continue;
        const std::optional<double> y = GraphValueAt(*f, q.x);
        if (!y) continue;
        const double distance = std::abs(q.y - *y);
        if (distance < bestDistance || (!best && distance <= tolerance)) {
            best = f;
            bestDistance = distance;
        }
    }
    return best;
}

void PlaneInteraction::ForgetAlgebra(const TAlgebra& object)
{
    if (m_hotFunction == &object) m_hotFunction = nullptr;
}

std::optional<QRect> PlaneInteraction::MeasureLabelRect(TMeasure& measure) const
{
    auto pixel = [this](const TPoint* p) { return QPoint(m_view.ToScreenX(p->X()), m_view.ToScreenY(p->Y())); };
    if (auto* distance = dynamic_cast<TDistance*>(&measure)) {
        const auto value = distance->Value();
        if (!value) return std::nullopt;
        const QPoint a = pixel(distance->A), b = pixel(distance->B);
        const QPoint topLeft((a.x() + b.x()) / 2 - kLabelLeftShift, (a.y() + b.y()) / 2 + kLabelDrop);
        return QRect(topLeft, m_host.TextSize(DistanceText(*value)));
    }
    auto* angle = dynamic_cast<TAngle*>(&measure);
    if (!angle) return std::nullopt;
    const auto value = angle->Value();
    if (!value) return std::nullopt;
    const QPoint a = pixel(angle->A), v = pixel(angle->V), b = pixel(angle->B);
    const double u = a.x() + b.x() - 2.0 * v.x(), w = a.y() + b.y() - 2.0 * v.y();
    const double norm = std::hypot(u, w);
    if (norm <= kNearZero) return std::nullopt; // an angle without a label is never hot
    const QPoint at(v.x() + int(std::lround(kAngleLabelDistance * u / norm)),
                    v.y() + int(std::lround(kAngleLabelDistance * w / norm)));
    return QRect(at, m_host.TextSize(AngleText(*value) + QChar(0x00B0)));
}

TMeasure* PlaneInteraction::FindHotMeasure(QPoint pixel) const
{
    for (int i = m_scene.MeasureCount() - 1; i >= 0; --i) {
        TMeasure* measure = m_scene.Measure(i);
        const auto rect = MeasureLabelRect(*measure);
        if (rect && rect->contains(pixel, true)) return measure;
    }
    return nullptr;
}

TPolygon* PlaneInteraction::PolygonAt(QPoint pixel) const
{
    for (int i = m_scene.FigureCount() - 1; i >= 0; --i) {
        TFigure* figure = m_scene.Figure(i);
        if (figure->Kind() != FigureKind::Polygon || (!figure->Visible && !ShowHidden)) continue;
        auto* polygon = static_cast<TPolygon*>(figure);
        QPolygonF outline;
        for (Vec2 vertex : polygon->Vertices) outline << QPointF(m_view.ToScreenX(vertex.x), m_view.ToScreenY(vertex.y));
        if (outline.containsPoint(QPointF(pixel), Qt::WindingFill)) return polygon;
    }
    return nullptr;
}

std::optional<RubberBand> PlaneInteraction::Band() const
{
    if (m_dragState != kWaitingNextClick || !m_pending) return std::nullopt;
    const bool circle = m_tool == kToolCircleFixed || m_tool == kToolCircleThrough;
    return RubberBand{circle, QPoint(m_view.ToScreenX(m_pending->X()), m_view.ToScreenY(m_pending->Y())), m_bandTo};
}

// --- clicks of the tools -----------------------------------------------------------

SnapResult PlaneInteraction::SnapClick(Vec2 world)
{
    return m_scene.Snap(world, m_hot, GridVisible ? m_view.GridStep() : 0, m_hotFunction);
}

TPoint* PlaneInteraction::PointAtSnap(const SnapResult& snap)
{
    if (snap.base) return m_scene.AddPointOn(snap.position, snap.base, snap.base2, snap.rootChoice);
    if (snap.graph) return m_scene.AddPointOnGraph(snap.position, snap.graph);
    return m_scene.AddPoint(snap.position);
}

TPoint* PlaneInteraction::HotOrNewPoint(const SnapResult& snap) { return m_hotPoint ? m_hotPoint : PointAtSnap(snap); }

void PlaneInteraction::ToolClick(QPoint pixel)
{
    const Vec2 world = m_view.ToWorld(pixel.x(), pixel.y());
    SnapResult snap{world};
    if (ToolSnaps(m_tool)) {
        snap = SnapClick(world);
        if (!(snap.position == world))
            m_host.MovePointer(QPoint(m_view.ToScreenX(snap.position.x), m_view.ToScreenY(snap.position.y)));
    }
    switch (m_tool) {
    case kToolPoint:
        if (!m_hotPoint) PointAtSnap(snap);
        break;
    case kToolCircleFixed: case kToolRay: case kToolLine: case kToolSegment:
    case kToolSegmentFixed: case kToolCircleThrough: case kToolVector:
        TwoClickConstruction(snap);
        if (m_dragState == kWaitingNextClick) m_bandTo = pixel;
        break;
    case kToolPolygonFilled: case kToolPolygonOutline:
        PolygonClick(snap);
        m_bandTo = pixel;
        break;
    case kToolRegularPolygon:
        m_scene.AddRegularPolygon(snap.position, SideCount, SideLength);
        break;
    case kToolDistance: case kToolAngle:
        PickForMeasure();
        break;
    case kToolRotationCentre: case kToolSymmetryAxis: case kToolHomothetyCentre: case kToolShiftVector:
        ChooseElement();
        break;
    case kToolRotate: TransformClick(MorphKind::Rotation); break;
    case kToolReflect: TransformClick(MorphKind::AxialSymmetry); break;
    case kToolHomothety: TransformClick(MorphKind::Homothety); break;
    case kToolTranslate: TransformClick(MorphKind::Translation); break;
    case kToolMidpoint:
        if (TFigure* line = FirstOfKind({m_hot.first, nullptr}, IsLineFigure))
            m_scene.AddMidpoint(static_cast<TFigureLine*>(line));
        break;
    case kToolRecolour:
        if (m_hot.first) m_hot.first->Color = m_scene.DrawColor;
        // The click also shades the region of the equations and graphs it lies in.
        if (Algebra && SignRegionsAt(*Algebra, world.x, world.y)) m_host.RegionsChanged();
        break;
    case kToolNamePoint: RenamePoint(); break;
    case kToolCoordinates: EditCoordinates(); break;
    case kToolTrace:
        if (m_hotPoint) m_hotPoint->Trace = !m_hotPoint->Trace;
        break;
    case kToolEraser:
        EraseUnderMouse();
        // One click of the eraser removes all shading.
        if (Algebra && DropShading(*Algebra)) m_host.RegionsChanged();
        break;
    default: break;
    }
}

void PlaneInteraction::TwoClickConstruction(const SnapResult& snap)
{
    if (m_dragState != kWaitingNextClick) {
        m_pending = HotOrNewPoint(snap);
        if (m_pending) m_dragState = kWaitingNextClick;
        return;
    }
    TPoint* first = m_pending;
    if (m_tool == kToolCircleFixed) {
        const double radius = geometry::Distance(first->Position(), m_hotPoint ? m_hotPoint->Position() : snap.position);
        // A circle of no radius is no circle: the click is passed over.
        if (!(radius > 0) || !m_scene.AddCircle1(first, radius)) return;
        AbandonConstruction();
        return;
    }
    // A figure needs two different places; a click on the first one is passed over.
    const bool reuseHot = m_hotPoint && m_tool != kToolSegmentFixed;
    const Vec2 at = reuseHot ? m_hotPoint->Position() : snap.position;
    if (at == first->Position()) return;
    // The far end of a fixed-length segment follows the first end only, so it is always a free point.
    TPoint* second = reuseHot ? m_hotPoint : m_tool == kToolSegmentFixed ? m_scene.AddPoint(at) : PointAtSnap(snap);
    if (!second) return;
    switch (m_tool) {
    case kToolRay: m_scene.AddLuch(first, second); break;
    case kToolLine: m_scene.AddLine(first, second); break;
    case kToolSegment: m_scene.AddSegment(first, second); break;
    case kToolSegmentFixed: m_scene.AddSegment0(first, second); break;
    case kToolCircleThrough: m_scene.AddCircle2(first, second); break;
    case kToolVector: m_scene.AddVector(first, second); break;
    default: break;
    }
    AbandonConstruction();
}

void PlaneInteraction::PolygonClick(const SnapResult& snap)
{
    if (m_dragState != kWaitingNextClick) {
        m_vertices.clear();
        TPoint* first = HotOrNewPoint(snap);
        if (!first) return;
        m_vertices.push_back(first);
        m_pending = first;
        m_dragState = kWaitingNextClick;
        return;
    }
    TPoint* last = m_vertices.back();
    if (m_hotPoint && m_hotPoint == m_vertices.front()) {
        // Closing on fewer than three vertices would make no polygon.
        if (m_vertices.size() < size_t(TPolygon::kMinVertices)) return;
        m_scene.AddSegment(last, m_vertices.front());
        if (m_tool == kToolPolygonFilled) {
            std::vector<Vec2> corners;
            for (const TPoint* vertex : m_vertices) corners.push_back(vertex->Position());
            m_scene.AddPolygon(std::move(corners));
        }
        AbandonConstruction();
        return;
    }
    if (snap.position == last->Position()) return;
    TPoint* next = m_scene.AddPoint(snap.position);
    if (!next || !m_scene.AddSegment0(last, next)) return;
    m_vertices.push_back(next);
    m_pending = next;
}

void PlaneInteraction::PickForMeasure()
{
    if (!m_hotPoint) return;
    m_picked.push_back(m_hotPoint);
    m_hotPoint->Marked = true;
    if (m_tool == kToolDistance && m_picked.size() == 2) {
        m_scene.AddDistance(m_picked[0], m_picked[1]);
        ReleasePicked();
    } else if (m_tool == kToolAngle && m_picked.size() == 3) {
        m_scene.AddAngle(m_picked[0], m_picked[1], m_picked[2]);
        ReleasePicked();
    }
}

void PlaneInteraction::ReleasePicked()
{
    for (TPoint* point : m_picked) point->Marked = false;
    m_picked.clear();
}

void PlaneInteraction::ChooseElement()
{
    switch (m_tool) {
    case kToolRotationCentre:
        if (m_hotPoint) m_scene.RotationCenter = m_hotPoint;
        break;
    case kToolHomothetyCentre:
        if (m_hotPoint) m_scene.HomothetyCenter = m_hotPoint;
        break;
    case kToolSymmetryAxis:
        if (TFigure* axis = FirstOfKind(m_hot, IsLineFigure)) m_scene.SymmetryAxis = static_cast<TFigureLine*>(axis);
        break;
    case kToolShiftVector:
        if (TFigure* vector = FirstOfKind(m_hot, IsVectorFigure)) m_scene.ShiftVector = static_cast<TVector*>(vector);
        break;
    default: break;
    }
}

void PlaneInteraction::TransformClick(MorphKind kind)
{
    const std::pair<bool, const QString*> element = [&]() -> std::pair<bool, const QString*> {
        switch (kind) {
        case MorphKind::Rotation: return {m_scene.RotationCenter != nullptr, &kNoRotationCentre};
        case MorphKind::AxialSymmetry: return {m_scene.SymmetryAxis != nullptr, &kNoSymmetryAxis};
        case MorphKind::Homothety: return {m_scene.HomothetyCenter != nullptr, &kNoHomothetyCentre};
        default: return {m_scene.ShiftVector != nullptr, &kNoShiftVector};
        }
    }();
    if (!element.first) {
        m_host.ShowMessage(*element.second);
        return;
    }
    if (m_hotPoint) m_scene.MakeImage(m_hotPoint, kind);
    if (m_hot.first) m_scene.MakeImage(m_hot.first, kind);
}

void PlaneInteraction::RenamePoint()
{
    if (!m_hotPoint) return;
    TPoint* point = m_hotPoint;
    if (const auto name = m_host.AskName(point->Name())) point->SetName(*name);
}

void PlaneInteraction::EditCoordinates()
{
    if (!m_hotPoint) return;
    TPoint* point = m_hotPoint;
    const auto typed = m_host.AskCoordinates(base::FormatReal(point->X()), base::FormatReal(point->Y()));
    if (!typed) return;
    const auto x = base::ParseReal(typed->first);
    const auto y = base::ParseReal(typed->second);
    // Anything but two numbers changes nothing.
    if (!x || !y) return;
    MovePoint(point, {double(*x), double(*y)});
}

void PlaneInteraction::EraseUnderMouse()
{
    if (m_hotMeasure) m_scene.Erase(m_hotMeasure);
    if (m_hot.first) m_scene.Erase(m_hot.first);
    if (m_hotPoint) m_scene.Erase(m_hotPoint);
    m_hotMeasure = nullptr;
    m_hot = {};
    m_hotPoint = nullptr;
}

// --- polygons ----------------------------------------------------------------------

void PlaneInteraction::PolygonMouseDown(TPolygon& polygon, MouseButton button, QPoint pixel)
{
    if (button == MouseButton::Right || (button == MouseButton::Left && m_tool == kToolHand)) {
        m_dragPolygon = &polygon;
        return;
    }
    if (button != MouseButton::Left) return;
    const Vec2 click = m_view.ToWorld(pixel.x(), pixel.y());
    switch (m_tool) {
    case kToolRotate:
        m_host.AnimatePolygon(polygon, PolygonSteps(polygon, MorphKind::Rotation, click, m_scene.RotationAngle()));
        break;
    case kToolReflect:
        m_host.AnimatePolygon(polygon, PolygonSteps(polygon, MorphKind::AxialSymmetry, click, 0));
        break;
    case kToolRecolour:
        polygon.Color = m_scene.DrawColor;
        break;
    case kToolNamePoint:
        if (const auto caption = m_host.AskName(polygon.Caption)) polygon.Caption = OneLineText(*caption);
        break;
    case kToolEraser:
        ForgetPolygon(&polygon);
        m_scene.Erase(&polygon);
        break;
    default: break; // homothety and translation do not apply to polygons
    }
}

std::vector<std::vector<Vec2>> PlaneInteraction::PolygonSteps(const TPolygon& polygon, MorphKind kind, Vec2 centre,
                                                              double degrees)
{
    std::vector<std::vector<Vec2>> steps;
    const int count = kind == MorphKind::Rotation ? kTurnSteps : kFlipSteps;
    for (int i = 1; i <= count; ++i) {
        std::vector<Vec2> vertices;
        vertices.reserve(polygon.Vertices.size());
        for (Vec2 v : polygon.Vertices) {
            if (kind == MorphKind::Rotation) {
                // The last step reaches the angle exactly.
                vertices.push_back(geometry::Rotate(v, centre, i == count ? degrees : degrees * i / count));
            } else {
                const double turn = i == count ? -1 : std::cos(kFlipStepDegrees * i * std::numbers::pi / 180);
                vertices.push_back({centre.x + turn * (v.x - centre.x), v.y});
            }
        }
        if (!std::all_of(vertices.begin(), vertices.end(), geometry::IsFinite)) return {};
        steps.push_back(std::move(vertices));
    }
    return steps;
}

Vec2 PlaneInteraction::DropShift(const TPolygon& polygon) const
{
    std::optional<Vec2> best;
    double bestDistance = 0;
    auto consider = [&](Vec2 from, Vec2 to) {
        const double d = geometry::Distance(from, to);
        if (!best || d < bestDistance) {
            best = to - from;
            bestDistance = d;
        }
    };
    if (GridVisible) {
        for (Vec2 v : polygon.Vertices) consider(v, {std::round(v.x), std::round(v.y)});
        return best && geometry::IsFinite(*best) ? *best : Vec2{};
    }
    for (int i = 0; i < m_scene.FigureCount(); ++i) {
        const TFigure* other = m_scene.Figure(i);
        if (other == &polygon || other->Kind() != FigureKind::Polygon) continue;
        for (Vec2 own : polygon.Vertices)
            for (Vec2 theirs : static_cast<const TPolygon*>(other)->Vertices)
                if (geometry::Distance(own, theirs) < kDropReach) consider(own, theirs);
    }
    return best.value_or(Vec2{});
}

void PlaneInteraction::EndPolygonDrag()
{
    const Vec2 shift = DropShift(*m_dragPolygon);
    for (Vec2& vertex : m_dragPolygon->Vertices) vertex = vertex + shift;
    m_dragPolygon = nullptr;
}

void PlaneInteraction::ForgetPolygon(const TPolygon* polygon)
{
    if (m_dragPolygon == polygon) m_dragPolygon = nullptr;
}

// --- moving, blinking, clearing --------------------------------------------------------

bool PlaneInteraction::MovePoint(TPoint* point, Vec2 position)
{
    if (!m_scene.MovePoint(point, position)) return false;
    NoteTraces();
    return true;
}

void PlaneInteraction::NoteTraces()
{
    for (int i = 0; i < m_scene.PointCount(); ++i) {
        const TPoint* point = m_scene.Point(i);
        if (point->Trace && point->Exists()) m_traces.push_back({point->Position()});
    }
    if (m_traces.size() > kMaxTraceMarks) m_traces.erase(m_traces.begin(), m_traces.begin() + kMaxTraceMarks / 2);
}

bool PlaneInteraction::BlinkTick()
{
    ++m_blinkPhase;
    const bool figureBlinks = (m_scene.SymmetryAxis && m_scene.SymmetryAxis->Visible)
        || (m_scene.ShiftVector && m_scene.ShiftVector->Visible);
    const bool pointBlinks = (m_scene.RotationCenter && m_scene.RotationCenter->Visible)
        || (m_scene.HomothetyCenter && m_scene.HomothetyCenter->Visible);
    return figureBlinks || pointBlinks || !m_picked.empty();
}

base::Bgr PlaneInteraction::BlinkColor() const
{
    return m_blinkPhase % 2 ? base::colour::plane::kBlinkOdd : base::colour::kBlack;
}

PaintOptions PlaneInteraction::Options() const
{
    PaintOptions options;
    options.GridVisible = GridVisible;
    options.AxesVisible = AxesVisible;
    options.ShowHidden = ShowHidden;
    options.ShowCoordinates = ShowCoordinates;
    options.PenWidth = PenWidth;
    options.BlinkColor = BlinkColor();
    options.HotPoint = m_hotPoint;
    options.Hot = m_hot;
    options.HotMeasure = m_hotMeasure;
    options.HotFunction = m_hotFunction;
    options.BlinkAxis = m_scene.SymmetryAxis;
    options.BlinkVector = m_scene.ShiftVector;
    return options;
}

void PlaneInteraction::Reset()
{
    m_dragState = kIdle;
    m_hotPoint = nullptr;
    m_hot = {};
    m_hotMeasure = nullptr;
    m_hotFunction = nullptr;
    m_picked.clear();
    m_pending = nullptr;
    m_vertices.clear();
    m_dragPoint = nullptr;
    m_dragPolygon = nullptr;
    m_rightPan = false;
    m_traces.clear();
}

void PlaneInteraction::ClearScene()
{
    Reset();
    m_scene.Clear();
    m_view.SetCenter(0, 0);
}

} // namespace plane
