#include "plane/view/planecontrol.h"
#include "base/numfmt.h"
#include "plane/planepainter.h"
#include "plane/planerecords.h"
#include "plane/view/pointdialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/cursors.h"
#include "ui/dialogs.h"
#include "ui/waitcursor.h"
#include <QCursor>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace planeview {

using plane::geometry::Vec2;

namespace {

constexpr int kTraceHalf = 2; // a trace disk is as large as a point's

plane::MouseButton ButtonOf(const QMouseEvent& event)
{
    switch (event.button()) {
    case Qt::LeftButton: return plane::MouseButton::Left;
    case Qt::RightButton: return plane::MouseButton::Right;
    default: return plane::MouseButton::Other;
    }
}

QString MouseCoordinate(double value)
{
    return QString::asprintf("%8.2f", value).trimmed().replace(u'.', u',');
}

} // namespace

TDec2D::TDec2D(QWidget* parent)
    : QWidget(parent), BlinkTimer(new QTimer(this)), m_interaction(m_scene, m_view, *this),
      m_regionTimer(new QTimer(this)), m_animationTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("Dec"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    BlinkTimer->setObjectName(QStringLiteral("BlinkTimer"));
    BlinkTimer->setInterval(kBlinkInterval);
    connect(BlinkTimer, &QTimer::timeout, this, [this] {
        if (m_interaction.BlinkTick()) update();
    });
    BlinkTimer->start();
    m_animationTimer->setInterval(kAnimationInterval);
    connect(m_animationTimer, &QTimer::timeout, this, &TDec2D::AnimationStep);
    m_interaction.Algebra = &m_algebra;
    // A graph that goes frees the points on it and is no longer under the mouse.
    m_algebra.SetOnRemove([this](const plane::TAlgebra& object) {
        if (plane::IsFunction(object.Kind())) m_scene.ReleaseGraph(static_cast<const plane::TFunction*>(&object));
        m_interaction.ForgetAlgebra(object);
    });
    m_regionTimer->setInterval(0);
    connect(m_regionTimer, &QTimer::timeout, this, &TDec2D::RegionSlice);
}

TDec2D::~TDec2D() = default;

// --- view, tools, flags --------------------------------------------------------------

void TDec2D::SetScale(double pixelsPerUnit)
{
    if (pixelsPerUnit == m_view.Scale() || !m_view.SetScale(pixelsPerUnit)) return;
    m_interaction.ClearTraces();
    RebuildRegions();
    update();
}

void TDec2D::SetCenter(double x, double y)
{
    if ((x == m_view.CenterX() && y == m_view.CenterY()) || !m_view.SetCenter(x, y)) return;
    m_interaction.ClearTraces();
    RebuildRegions();
    update();
}

void TDec2D::SetTool(int code)
{
    m_interaction.SetTool(code);
    shellcalls::statusLine().ShowStatus(m_interaction.Hint());
    AfterInput();
}

void TDec2D::SetGridVisible(bool visible)
{
    m_interaction.GridVisible = visible;
    update();
}

void TDec2D::SetShowHidden(bool show)
{
    m_interaction.ShowHidden = show;
    update();
}

void TDec2D::SetAxesVisible(bool visible)
{
    m_interaction.AxesVisible = visible;
    update();
}

void TDec2D::SetShowCoordinates(bool show)
{
    m_interaction.ShowCoordinates = show;
    update();
}

void TDec2D::SetBackColor(base::Bgr colour)
{
    m_backColor = colour;
    update();
}

void TDec2D::SetPenWidth(int width)
{
    m_interaction.PenWidth = std::max(1, width);
    update();
}

// --- the scene in lab files -------------------------------------------------------------

void TDec2D::ClearScene()
{
    StopAnimation();
    m_interaction.ClearScene();
    m_algebra.Clear();
    RebuildRegions();
    update();
    emit OnChange();
}

void TDec2D::LoadScene(const QStringList& lines, int firstLine)
{
    const FlagGuard busy(m_busy, true);
    ui::WaitCursor hourglass;
    // The reader builds a scene of its own: a refused section changes nothing here.
    plane::PlaneSection section = plane::ReadPlaneSection(lines, firstLine);
    StopAnimation();
    m_interaction.Reset();
    const base::Bgr colour = m_scene.DrawColor; // the pupil's colour outlives a file
    m_scene = std::move(section.Scene);
    m_scene.DrawColor = colour;
    m_algebra = std::move(section.Algebra);
    m_view.SetScale(section.Scale);
    m_view.SetCenter(section.CenterX, section.CenterY);
    RebuildRegions();
    update();
    emit OnChange();
}

QStringList TDec2D::SaveScene() const
{
    ui::WaitCursor hourglass;
    return plane::WritePlaneSection(m_scene, m_view, &m_algebra);
}

// --- painting ------------------------------------------------------------------------------

void TDec2D::paintEvent(QPaintEvent*)
{
    // A change of a graph that only asked for a repaint: points on it follow.
    m_scene.FollowGraphs();
    QPainter painter(this);
    painter.fillRect(rect(), base::BgrColor(m_backColor));
    plane::PaintOptions options = m_interaction.Options();
    options.BackColor = m_backColor;
    options.Font = font();
    options.Functions = &m_algebra;
    options.Regions = Regions();
    // Traces lie under everything else, as the disks a tracing point left behind.
    painter.setPen(Qt::NoPen);
    painter.setBrush(base::BgrColor(base::colour::plane::kTracingPoint));
    for (const plane::TraceMark& mark : m_interaction.Traces()) {
        const QPoint at(m_view.ToScreenX(mark.position.x), m_view.ToScreenY(mark.position.y));
        painter.drawEllipse(QRect(at.x() - kTraceHalf, at.y() - kTraceHalf, 2 * kTraceHalf + 1, 2 * kTraceHalf + 1));
    }
    plane::PlanePainter(painter, m_view, options).Paint(m_scene);
    if (const auto band = m_interaction.Band()) {
        painter.setPen(QPen(base::BgrColor(base::colour::kBlue), 1));
        painter.setBrush(Qt::NoBrush);
        if (band->circle) {
            const QPoint d = band->to - band->from;
            const double radius = std::hypot(d.x(), d.y());
            painter.drawEllipse(QPointF(band->from), radius, radius);
        } else {
            painter.drawLine(band->from, band->to);
        }
    }
}

void TDec2D::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view.SetSize(width(), height());
    RebuildRegions();
}

// --- mouse ---------------------------------------------------------------------------------

void TDec2D::mousePressEvent(QMouseEvent* event)
{
    FinishAnimation();
    m_interaction.MouseDown(ButtonOf(*event), event->position().toPoint());
    AfterInput();
}

void TDec2D::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pixel = event->position().toPoint();
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    m_interaction.MouseMove(leftHeld, event->buttons() & Qt::RightButton, pixel);
    if (plane::TPoint* dragged = m_interaction.DraggedPoint(); dragged && leftHeld) emit PointDragged(dragged);
    ShowMouseCoordinates(pixel);
    AfterInput();
}

void TDec2D::mouseReleaseEvent(QMouseEvent* event)
{
    m_interaction.MouseUp(ButtonOf(*event), event->position().toPoint());
    // A pan moved the old picture along; at its end the regions are made anew.
    RebuildIfViewMoved();
    AfterInput();
}

void TDec2D::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (CoordLabelX && CoordLabelY) {
        CoordLabelX->hide();
        CoordLabelY->hide();
    }
}

void TDec2D::ShowMouseCoordinates(QPoint pixel)
{
    if (!CoordLabelX || !CoordLabelY) return;
    CoordLabelX->setText(QStringLiteral("X=") + MouseCoordinate(m_view.ToWorldX(pixel.x())));
    CoordLabelY->setText(QStringLiteral("Y=") + MouseCoordinate(m_view.ToWorldY(pixel.y())));
    CoordLabelX->show();
    CoordLabelY->show();
}

void TDec2D::AfterInput()
{
    if (const auto cursor = ui::NumberedCursor(m_interaction.Cursor())) setCursor(*cursor);
    else unsetCursor();
    update();
}

// --- what the interaction asks of the control ---------------------------------------------------

void TDec2D::ShowMessage(const QString& text) { ui::ShowMessage(text); }

std::optional<QString> TDec2D::AskName(const QString& current)
{
    if (!NameDialog) return std::nullopt;
    NameDialog->SetName(current);
    if (ui::dialogs().exec(*NameDialog) != QDialog::Accepted) return std::nullopt;
    return NameDialog->Name();
}

std::optional<std::pair<QString, QString>> TDec2D::AskCoordinates(const QString& x, const QString& y)
{
    if (!CoordDialog) return std::nullopt;
    CoordDialog->SetCoordinates(x, y);
    if (ui::dialogs().exec(*CoordDialog) != QDialog::Accepted) return std::nullopt;
    return CoordDialog->Coordinates();
}

QSize TDec2D::TextSize(const QString& text) const { return QFontMetrics(font()).size(0, text); }

void TDec2D::MovePointer(QPoint pixel)
{
    if (isVisible()) QCursor::setPos(mapToGlobal(pixel));
}

void TDec2D::AnimatePolygon(plane::TPolygon& polygon, std::vector<std::vector<Vec2>> steps)
{
    if (steps.empty()) return;
    FinishAnimation();
    m_animated = &polygon;
    m_steps = std::move(steps);
    m_nextStep = 0;
    m_animationTimer->start();
}

void TDec2D::AnimationStep()
{
    if (!m_animated || m_nextStep >= m_steps.size()) {
        StopAnimation();
        return;
    }
    m_animated->Vertices = m_steps[m_nextStep++];
    update();
    if (m_nextStep == m_steps.size()) StopAnimation();
}

void TDec2D::FinishAnimation()
{
    if (m_animated && !m_steps.empty()) m_animated->Vertices = m_steps.back();
    StopAnimation();
}

void TDec2D::StopAnimation()
{
    m_animationTimer->stop();
    m_animated = nullptr;
    m_steps.clear();
    m_nextStep = 0;
}

// --- the region layer -------------------------------------------------------------------

void TDec2D::RebuildRegions()
{
    // Every change of a graph comes through here: points on graphs follow it.
    m_scene.FollowGraphs();
    m_builder.reset();
    m_regionTimer->stop();
    if (!plane::HasRegionLayer(m_algebra)) {
        m_regions.reset();
        update();
        return;
    }
    m_builderView = m_view;
    m_builder = std::make_unique<plane::RegionBuilder>(m_algebra, m_builderView);
    RegionSlice();
    // Not done within a frame: a coarse picture stands in meanwhile.
    if (m_builder) {
        m_regions = plane::BuildRegions(m_algebra, m_builderView, kCoarseStep);
        m_regionTimer->start();
    }
    update();
}

void TDec2D::RegionSlice()
{
    if (!m_builder) {
        m_regionTimer->stop();
        return;
    }
    QElapsedTimer slice;
    slice.start();
    // A row at a time, so that a slice ends soon after its time is up.
    while (!m_builder->Done() && slice.elapsed() < kRegionSliceMs) m_builder->RunRows(1);
    if (!m_builder->Done()) return;
    m_regions = m_builder->TakePicture();
    m_builder.reset();
    m_regionTimer->stop();
    update();
}

void TDec2D::FinishRegions()
{
    if (!m_builder) return;
    m_builder->Run();
    RegionSlice();
}

void TDec2D::RegionsChanged()
{
    RebuildRegions();
    emit OnChange();
}

void TDec2D::RebuildIfViewMoved()
{
    if (!m_regions && !m_builder) return;
    const double left = m_builder ? m_builderView.ToWorldX(0) : m_regions->Left;
    const double top = m_builder ? m_builderView.ToWorldY(0) : m_regions->Top;
    const double scale = m_builder ? m_builderView.Scale() : m_regions->Scale;
    if (left != m_view.ToWorldX(0) || top != m_view.ToWorldY(0) || scale != m_view.Scale()) RebuildRegions();
}

} // namespace planeview
