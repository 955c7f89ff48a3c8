#include "space/interaction.h"
#include "base/random.h"
#include "space/images.h"
#include "space/solids.h"
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace space {

using geometry::Vec3;

namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();
// Turning follows the mouse: one degree per pixel.
constexpr double kDegreesPerPixel = 1;
// Below this product of lengths the turn about z is taken as none.
constexpr double kTinyTurnRadius = 1e-10;

std::optional<FigureKind> LineKindOfTool(int tool)
{
    switch (tool) {
    case base::kToolRay: return FigureKind::Ray;
    case base::kToolLine: return FigureKind::Line;
    case base::kToolSegment: return FigureKind::Segment;
    case base::kToolVector: return FigureKind::Vector;
    default: return std::nullopt;
    }
}

bool UsesRubberBand(int tool) { return LineKindOfTool(tool) || tool == kToolFace || IsSolidTool(tool); }

} // namespace

SpaceInteraction::SpaceInteraction(SpaceScene& scene, SpaceView& view, InteractionHost& host)
    : m_scene(scene), m_view(view), m_host(host)
{
}

void SpaceInteraction::SetTool(int code)
{
    AbandonConstruction();
    ReleasePicked();
    m_tool = code;
}

base::CursorId SpaceInteraction::Cursor() const
{
    if (m_dragState == kGrabbingSpace || m_rightTurning) return base::kCursorHandClose;
    if (m_dragPoint) return base::kCursorHandGet;
    return LookOfTool(m_tool).cursor;
}

base::Bgr SpaceInteraction::BlinkColour() const
{
    return m_blinkPhase % 2 ? base::colour::space::kBlinkOdd : base::colour::kBlack;
}

PaintOptions SpaceInteraction::Options() const
{
    PaintOptions options;
    options.Mode = Mode;
    options.ShowHidden = ShowHidden;
    options.PenWidth = PenWidth;
    options.HotPoint = m_hotPoint;
    options.HotFigure1 = m_hotFigure1;
    options.HotFigure2 = m_hotFigure2;
    options.HotMeasure = m_hotMeasure;
    options.BlinkColour = BlinkColour();
    options.RotationAxis = m_rotationAxis;
    options.MirrorPlane = m_mirrorPlane;
    options.ShiftVector = m_shiftVector;
    options.HomothetyCentre = m_homothetyCentre;
    if (m_dragState == kWaitingNextClick && m_pending && UsesRubberBand(m_tool))
        options.RubberBand = QLine(m_view.ToPixel(m_pending->Position()), m_bandTo);
    return options;
}

void SpaceInteraction::Reset()
{
    m_hotPoint = nullptr;
    m_hotFigure1 = m_hotFigure2 = nullptr;
    m_hotFace = nullptr;
    m_hotMeasure = nullptr;
    m_picked.clear();
    AbandonConstruction();
    m_dragPoint = nullptr;
    m_rightTurning = false;
    m_rotationAxis = m_mirrorPlane = m_shiftVector = nullptr;
    m_homothetyCentre = nullptr;
}

void SpaceInteraction::ClearScene()
{
    Reset();
    m_scene.Clear();
    m_view.SetCenter(0, 0);
    m_rotationAngle = kInitialRotationAngle;
    m_homothetyFactor = kInitialHomothetyFactor;
}

bool SpaceInteraction::SetRotationAngle(double degrees)
{
    if (!RotationAngleAllowed(degrees)) return false;
    m_rotationAngle = degrees;
    return true;
}

bool SpaceInteraction::SetHomothetyFactor(double factor)
{
    if (!HomothetyFactorAllowed(factor)) return false;
    m_homothetyFactor = factor;
    return true;
}

bool SpaceInteraction::SetSideCount(long long count)
{
    if (!SideCountAllowed(count)) return false;
    m_sideCount = int(count);
    return true;
}

// --- mouse -----------------------------------------------------------------

void SpaceInteraction::MouseDown(MouseButton button, QPoint pixel)
{
    if (button == MouseButton::Right) {
        m_rightTurning = true;
        m_lastPixel = pixel;
        return;
    }
    if (button != MouseButton::Left) return;
    if (IsGrabTool(m_tool)) {
        if (m_hotPoint) {
            m_dragPoint = m_hotPoint;
        } else {
            m_dragState = kGrabbingSpace;
            m_lastPixel = pixel;
        }
        return;
    }
    ToolClick(pixel);
}

void SpaceInteraction::MouseMove(bool leftHeld, bool rightHeld, QPoint pixel)
{
    if (rightHeld && m_rightTurning) {
        m_scene.TurnAboutX((pixel.y() - m_lastPixel.y()) * kDegreesPerPixel);
        m_scene.TurnAboutY((pixel.x() - m_lastPixel.x()) * kDegreesPerPixel);
        m_lastPixel = pixel;
        return;
    }
    const double wx = m_view.ToWorldX(pixel.x()), wy = m_view.ToWorldY(pixel.y());
    if (leftHeld && m_dragPoint) {
        m_scene.MovePoint(*m_dragPoint, wx, wy);
        return;
    }
    if (!leftHeld) RefreshHover(wx, wy);
    if (m_dragState == kGrabbingSpace && leftHeld) GrabbedMove(pixel);
    if (m_dragState == kWaitingNextClick) m_bandTo = pixel;
    if (!leftHeld) FindHotMeasure(pixel);
}

void SpaceInteraction::GrabbedMove(QPoint pixel)
{
    const QPoint delta = pixel - m_lastPixel;
    if (m_tool == base::kToolHand) {
        m_view.SetCenter(m_view.CenterX() - delta.x() / m_view.Scale(), m_view.CenterY() + delta.y() / m_view.Scale());
    } else if (m_tool == kToolTurnXY) {
        m_scene.TurnAboutX(delta.y() * kDegreesPerPixel);
        m_scene.TurnAboutY(delta.x() * kDegreesPerPixel);
    } else if (m_tool == kToolTurnZ) {
        // The scene follows the mouse around the origin.
        const double x0 = m_view.ToWorldX(m_lastPixel.x()), y0 = m_view.ToWorldY(m_lastPixel.y());
        const double x1 = m_view.ToWorldX(pixel.x()), y1 = m_view.ToWorldY(pixel.y());
        const double lengths = std::hypot(x1, y1) * std::hypot(x0, y0);
        const double sine = lengths > kTinyTurnRadius ? std::clamp((x1 * y0 - y1 * x0) / lengths, -1.0, 1.0) : 0;
        m_scene.TurnAboutZ(std::asin(sine) * 180 / std::numbers::pi);
    }
    m_lastPixel = pixel;
}

void SpaceInteraction::MouseUp(MouseButton button, QPoint)
{
    if (button == MouseButton::Right) {
        m_rightTurning = false;
        return;
    }
    if (IsGrabTool(m_tool)) m_dragState = kIdle;
    m_dragPoint = nullptr;
}

// --- hover ---------------------------------------------------------------------

void SpaceInteraction::RefreshHover(double wx, double wy)
{
    FindHotPoint(wx, wy);
    FindHotFigures(wx, wy);
    FindHotFace(wx, wy);
}

void SpaceInteraction::FindHotPoint(double wx, double wy)
{
    const bool grabbing = IsGrabTool(m_tool);
    TPoint* best = nullptr;
    double bestDistance = kNone;
    for (const auto& point : m_scene.Points()) {
        if (!point->Shown(ShowHidden)) continue;
        if (grabbing && (point->IsIntersection() || point->IsImage())) continue;
        const double d = geometry::PlanarDistance(point->Position(), wx, wy);
        if (d < bestDistance) {
            bestDistance = d;
            best = point.get();
        }
    }
    m_hotPoint = bestDistance <= m_view.PickTolerance() ? best : nullptr;
}

void SpaceInteraction::FindHotFigures(double wx, double wy)
{
    m_hotFigure1 = m_hotFigure2 = nullptr;
    if (m_hotPoint) return;
    const double tolerance = m_view.PickTolerance();
    double d1 = kNone, d2 = kNone;
    TFigure* f1 = nullptr;
    TFigure* f2 = nullptr;
    for (const auto& figure : m_scene.Figures()) {
        if (figure->Kind() == FigureKind::Face || !figure->Shown(ShowHidden)) continue;
        const double d = figure->DistanceTo(wx, wy, tolerance).distance;
        if (d < d1) {
            d2 = d1;
            f2 = f1;
            d1 = d;
            f1 = figure.get();
        } else if (d < d2) {
            d2 = d;
            f2 = figure.get();
        }
    }
    if (d1 > tolerance) f1 = nullptr;
    if (d2 > tolerance) f2 = nullptr;
    // Two hot figures always have a line figure first.
    if (f1 && f1->IsPlane()) {
        if (f2 && f2->IsLine()) std::swap(f1, f2);
        else f2 = nullptr;
    }
    m_hotFigure1 = f1;
    m_hotFigure2 = f2;
}

void SpaceInteraction::FindHotFace(double wx, double wy)
{
    TGrane* best = nullptr;
    double bestDistance = kNone;
    for (const auto& figure : m_scene.Figures()) {
        if (figure->Kind() != FigureKind::Face || !figure->Shown(ShowHidden)) continue;
        const double d = figure->DistanceTo(wx, wy, m_view.PickTolerance()).distance;
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<TGrane*>(figure.get());
        }
    }
    m_hotFace = bestDistance <= m_view.PickTolerance() ? best : nullptr;
}

void SpaceInteraction::FindHotMeasure(QPoint pixel)
{
    m_hotMeasure = nullptr;
    const auto& measures = m_scene.Measures();
    for (auto it = measures.rbegin(); it != measures.rend(); ++it) {
        if (!(*it)->Present()) continue;
        const QRect box = MeasureLabelRect(m_view, **it, m_host.TextSize(MeasureLabel(**it)));
        if (!box.isNull() && box.contains(pixel, true)) {
            m_hotMeasure = it->get();
            return;
        }
    }
}

// --- clicks ----------------------------------------------------------------------

std::optional<SpaceInteraction::Snap> SpaceInteraction::SnapClick(double wx, double wy)
{
    Snap snap{{wx, wy, 0}};
    if (m_tool < base::kToolPoint || m_tool > kLastSnappingTool) return snap;
    if (m_hotFigure1 && m_hotFigure2) {
        const std::optional<Vec3> at = MeetingPoint(*m_hotFigure1, *m_hotFigure2);
        if (!at) {
            m_host.ShowMessage(kNoMeetingMessage);
            return std::nullopt;
        }
        snap = {*at, m_hotFigure1, m_hotFigure2};
    } else if (TFigure* base = m_hotFigure1 ? m_hotFigure1 : m_hotFace) {
        snap = {base->DistanceTo(wx, wy, m_view.PickTolerance()).point, base};
    } else {
        return snap;
    }
    m_host.MovePointer(m_view.ToPixel(snap.at));
    return snap;
}

TPoint& SpaceInteraction::NewPoint(const Snap& snap)
{
    if (snap.base && snap.base2)
        if (TPoint* meeting = m_scene.AddIntersection(*snap.base, *snap.base2)) return *meeting;
    if (snap.base) return m_scene.AddPointOn(*snap.base, snap.at);
    return m_scene.AddPoint(snap.at);
}

TPoint& SpaceInteraction::ClickPoint(const Snap& snap) { return m_hotPoint ? *m_hotPoint : NewPoint(snap); }

void SpaceInteraction::ToolClick(QPoint pixel)
{
    const std::optional<Snap> snap = SnapClick(m_view.ToWorldX(pixel.x()), m_view.ToWorldY(pixel.y()));
    if (!snap) return;
    switch (m_tool) {
    case base::kToolPoint:
        if (!m_hotPoint) NewPoint(*snap);
        break;
    case kToolFace:
        FaceClick(*snap);
        m_bandTo = pixel;
        break;
    case kToolPlane:
        PickForPlane(*snap, false);
        break;
    case kToolSection:
        PickForPlane(*snap, true);
        break;
    case kToolRuler:
        PickForMeasure(2);
        break;
    case kToolProtractor:
        PickForMeasure(3);
        break;
    case kToolChooseAxis:
    case kToolChooseMirror:
    case kToolChooseCentre:
    case kToolChooseVector:
        ChooseElement();
        break;
    case kToolRotate:
        TransformClick(MorphKind::Rotation);
        break;
    case kToolMirror:
        TransformClick(MorphKind::Mirror);
        break;
    case kToolHomothety:
        TransformClick(MorphKind::Homothety);
        break;
    case kToolTranslate:
        TransformClick(MorphKind::Translation);
        break;
    case kToolMidpoint:
        Midpoint();
        break;
    case base::kToolRecolour:
        if (m_hotFigure1) m_hotFigure1->Color = DrawingColour;
        break;
    case base::kToolNamePoint:
        if (m_hotPoint)
            if (const std::optional<QString> name = m_host.AskName(m_hotPoint->Name)) m_hotPoint->Name = *name;
        break;
    case base::kToolEraser:
        EraseUnderMouse();
        break;
    default:
        if (LineKindOfTool(m_tool) || IsSolidTool(m_tool)) {
            TwoClickConstruction(*snap);
            m_bandTo = pixel;
        }
        break;
    }
}

void SpaceInteraction::TwoClickConstruction(const Snap& snap)
{
    if (m_dragState != kWaitingNextClick || !m_pending) {
        m_pending = &ClickPoint(snap);
        m_dragState = kWaitingNextClick;
        return;
    }
    // A second click on the first point waits for another point: a figure
    // through one point twice has no direction.
    if (m_hotPoint == m_pending || (!m_hotPoint && snap.at == m_pending->Position())) return;
    // A solid's base is drawn across P1P2 on the screen: a second point
    // straight behind the first gives it no direction.
    const Vec3 at = m_hotPoint ? m_hotPoint->Position() : snap.at;
    if (IsSolidTool(m_tool) && at.x == m_pending->X && at.y == m_pending->Y) return;
    TPoint& end = ClickPoint(snap);
    TPoint& start = *m_pending;
    AbandonConstruction();
    if (const auto kind = LineKindOfTool(m_tool)) m_scene.AddLineFigure(*kind, start, end, DrawingColour);
    else BuildSolid(start, end);
}

void SpaceInteraction::BuildSolid(TPoint& start, TPoint& end)
{
    const std::optional<SolidKind> kind = SolidOfTool(m_tool);
    if (!kind) return;
    SolidRequest request;
    request.kind = *kind;
    request.sideCount = m_sideCount;
    request.identifier = base::Bgr(base::RandomInt(kMaxSolidIdentifier + 1));
    request.axisColour = DrawingColour;
    const std::optional<BuiltSolid> solid = space::BuildSolid(m_scene, start, end, request);
    if (!solid) return;
    // The engine keeps the builder's axis and angle: the rotation tool then
    // turns about the hidden axis until the pupil chooses again.
    m_rotationAxis = solid->Axis;
    m_rotationAngle = solid->StepAngle;
    if (solid->AxisIsShift) m_shiftVector = solid->Axis;
}

void SpaceInteraction::FaceClick(const Snap& snap)
{
    if (m_dragState != kWaitingNextClick || m_vertices.empty()) {
        m_vertices = {&ClickPoint(snap)};
        m_pending = m_vertices.front();
        m_dragState = kWaitingNextClick;
        return;
    }
    if (m_hotPoint == m_vertices.front()) {
        // Closing the loop: only a face of three vertices that span a plane.
        if (DistinctCount(m_vertices) < 3 || !SpansPlane(m_vertices)) return;
        std::vector<TPoint*> vertices = m_vertices;
        vertices.push_back(vertices.front());
        AbandonConstruction();
        m_scene.AddPlaneFigure(FigureKind::Face, std::move(vertices), DrawingColour);
        return;
    }
    const bool repeated = m_hotPoint ? std::find(m_vertices.begin(), m_vertices.end(), m_hotPoint) != m_vertices.end()
                                     : std::any_of(m_vertices.begin(), m_vertices.end(),
                                                   [&](const TPoint* v) { return v->Position() == snap.at; });
    if (repeated) return;
    TPoint& vertex = ClickPoint(snap);
    m_vertices.push_back(&vertex);
    m_pending = &vertex;
}

bool SpaceInteraction::FitsPickedPlane(const TPoint* existing, const Vec3& at) const
{
    for (const TPoint* p : m_picked)
        if (p == existing || p->Position() == at) return false;
    if (m_picked.size() == 2) return geometry::PlaneOf(m_picked[0]->Position(), m_picked[1]->Position(), at).has_value();
    return true;
}

void SpaceInteraction::PickForPlane(const Snap& snap, bool onFace)
{
    if (onFace && !m_hotFace) return;
    // A section's points lie on the face under the mouse, even over a point.
    const TPoint* existing = onFace ? nullptr : m_hotPoint;
    const Vec3 at = existing ? existing->Position() : snap.at;
    if (!FitsPickedPlane(existing, at)) return;
    TPoint& point = onFace ? m_scene.AddPointOn(*m_hotFace, snap.at) : ClickPoint(snap);
    point.Marked = true;
    m_picked.push_back(&point);
    if (m_picked.size() < 3) return;
    if (onFace) m_scene.AddPlaneFigure(FigureKind::Section, m_picked, m_hotFace->Color);
    else m_scene.AddPlaneFigure(FigureKind::Plane, m_picked, DrawingColour);
    ReleasePicked();
}

void SpaceInteraction::PickForMeasure(size_t needed)
{
    if (!m_hotPoint || std::find(m_picked.begin(), m_picked.end(), m_hotPoint) != m_picked.end()) return;
    m_hotPoint->Marked = true;
    m_picked.push_back(m_hotPoint);
    if (m_picked.size() < needed) return;
    if (needed == 2) m_scene.AddDistance(*m_picked[0], *m_picked[1]);
    else m_scene.AddAngle(*m_picked[0], *m_picked[1], *m_picked[2]);
    ReleasePicked();
}

void SpaceInteraction::ChooseElement()
{
    switch (m_tool) {
    case kToolChooseAxis:
        if (m_hotFigure1 && m_hotFigure1->IsLine()) m_rotationAxis = m_hotFigure1;
        break;
    case kToolChooseMirror:
        if (m_hotFigure1 && m_hotFigure1->IsPlane()) m_mirrorPlane = m_hotFigure1;
        break;
    case kToolChooseCentre:
        if (m_hotPoint) m_homothetyCentre = m_hotPoint;
        break;
    case kToolChooseVector:
        if (m_hotFigure1 && m_hotFigure1->Kind() == FigureKind::Vector) m_shiftVector = m_hotFigure1;
        else if (m_hotFigure2 && m_hotFigure2->Kind() == FigureKind::Vector) m_shiftVector = m_hotFigure2;
        break;
    default:
        break;
    }
}

std::optional<Morph> SpaceInteraction::ChosenMorph(MorphKind kind)
{
    Morph morph;
    morph.Kind = kind;
    QString missing;
    switch (kind) {
    case MorphKind::Rotation:
        morph.Element = m_rotationAxis;
        morph.Param = m_rotationAngle;
        missing = QStringLiteral("Сначала задайте ось поворота");
        break;
    case MorphKind::Mirror:
        morph.Element = m_mirrorPlane;
        missing = QStringLiteral("Сначала задайте плоскость симметрии");
        break;
    case MorphKind::Translation:
        morph.Element = m_shiftVector;
        missing = QStringLiteral("Сначала задайте вектор переноса");
        break;
    case MorphKind::Homothety:
        morph.Centre = m_homothetyCentre;
        morph.Param = m_homothetyFactor;
        missing = QStringLiteral("Сначала задайте центр гомотетии");
        break;
    case MorphKind::None:
        return std::nullopt;
    }
    if (!morph.Element && !morph.Centre) {
        m_host.ShowMessage(missing);
        return std::nullopt;
    }
    return morph;
}

// The point, the line or plane and the face under the mouse, each that is
// there, get their images under one transformation.
void SpaceInteraction::TransformClick(MorphKind kind)
{
    const std::optional<Morph> morph = ChosenMorph(kind);
    if (!morph) return;
    ImageMaker maker(m_scene, *morph);
    if (m_hotPoint) maker.ImageOf(*m_hotPoint);
    if (m_hotFigure1) maker.ImageOf(*m_hotFigure1);
    if (m_hotFace && m_hotFace != m_hotFigure1) maker.ImageOf(*m_hotFace);
}

void SpaceInteraction::Midpoint()
{
    if (!m_hotFigure1 || !m_hotFigure1->IsLine()) return;
    auto& line = static_cast<TFigureLine&>(*m_hotFigure1);
    Morph half;
    half.Kind = MorphKind::Homothety;
    half.Centre = line.P1;
    half.Param = kMidpointFactor;
    m_scene.AddImagePoint(*line.P2, half);
}

void SpaceInteraction::EraseUnderMouse()
{
    if (m_hotMeasure) {
        m_scene.RemoveMeasure(m_hotMeasure);
        m_hotMeasure = nullptr;
    }
    // A section cannot be erased.
    if (m_hotFigure1 && m_hotFigure1->Kind() != FigureKind::Section) {
        EraseWithImages(m_scene, *m_hotFigure1);
        m_hotFigure1 = nullptr;
    }
    if (m_hotFace) {
        EraseWithImages(m_scene, *m_hotFace);
        m_hotFace = nullptr;
    }
    if (m_hotPoint) {
        EraseWithImages(m_scene, *m_hotPoint);
        m_hotPoint = nullptr;
    }
}

void SpaceInteraction::ReleasePicked()
{
    for (TPoint* point : m_picked) point->Marked = false;
    m_picked.clear();
}

void SpaceInteraction::AbandonConstruction()
{
    m_pending = nullptr;
    m_vertices.clear();
    if (m_dragState == kWaitingNextClick) m_dragState = kIdle;
}

} // namespace space
