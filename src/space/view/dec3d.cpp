#include "space/view/dec3d.h"
#include "space/records.h"
#include "shellcalls/shellcalls.h"
#include "ui/cursors.h"
#include "ui/dialogs.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace space {

namespace {

MouseButton ButtonOf(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) return MouseButton::Left;
    if (button == Qt::RightButton) return MouseButton::Right;
    return MouseButton::Other;
}

} // namespace

TDec3D::TDec3D(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_view.Resize(width(), height());
    m_blink.setInterval(kBlinkIntervalMs);
    connect(&m_blink, &QTimer::timeout, this, [this] {
        m_mouse.BlinkTick();
        const PaintOptions options = m_mouse.Options();
        if (options.RotationAxis || options.MirrorPlane || options.ShiftVector || options.HomothetyCentre
            || !m_mouse.Picked().empty())
            update();
    });
    m_blink.start();
    ShowCursor();
}

void TDec3D::SetScale(double scale)
{
    if (m_view.SetScale(scale)) update();
}

void TDec3D::SetCenter(double x, double y)
{
    m_view.SetCenter(x, y);
    update();
}

void TDec3D::SetTool(int tool)
{
    m_mouse.SetTool(tool);
    ShowCursor();
    if (HintLabel) HintLabel->setText(m_mouse.Hint());
    else shellcalls::statusLine().ShowStatus(m_mouse.Hint());
    update();
}

void TDec3D::SetDrawMode(DrawMode mode)
{
    m_mouse.Mode = mode;
    update();
}

void TDec3D::SetShowHidden(bool on)
{
    m_mouse.ShowHidden = on;
    update();
}

void TDec3D::SetPenWidth(int width)
{
    m_mouse.PenWidth = std::max(width, 1);
    update();
}

void TDec3D::RotateAboutX(double degrees)
{
    m_mouse.TurnAboutX(degrees);
    update();
}

void TDec3D::RotateAboutY(double degrees)
{
    m_mouse.TurnAboutY(degrees);
    update();
}

void TDec3D::RotateAboutZ(double degrees)
{
    m_mouse.TurnAboutZ(degrees);
    update();
}

void TDec3D::ClearScene()
{
    m_mouse.ClearScene();
    update();
}

void TDec3D::LoadScene(const QStringList& lines, int firstLine)
{
    SpaceSection section = ReadSpaceSection(lines, firstLine);
    m_mouse.Reset();
    m_scene = std::move(section.Scene);
    m_view.SetScale(section.Scale);
    m_view.SetCenter(section.CenterX, section.CenterY);
    update();
}

QStringList TDec3D::SaveScene() const { return WriteSpaceSection(m_scene, m_view); }

void TDec3D::paintEvent(QPaintEvent*)
{
    SyncSize();
    QPainter painter(this);
    painter.fillRect(rect(), base::BgrColor(base::colour::kWhite));
    painter.setFont(font());
    PaintScene(painter, m_scene, m_view, m_mouse.Options());
}

void TDec3D::resizeEvent(QResizeEvent* event)
{
    m_view.Resize(width(), height());
    QWidget::resizeEvent(event);
}

void TDec3D::mousePressEvent(QMouseEvent* event)
{
    SyncSize();
    m_mouse.MouseDown(ButtonOf(event->button()), event->position().toPoint());
    ShowCursor();
    update();
}

void TDec3D::mouseMoveEvent(QMouseEvent* event)
{
    SyncSize();
    m_mouse.MouseMove(event->buttons() & Qt::LeftButton, event->buttons() & Qt::RightButton,
                      event->position().toPoint());
    ShowCursor();
    update();
}

void TDec3D::mouseReleaseEvent(QMouseEvent* event)
{
    SyncSize();
    const MouseButton button = ButtonOf(event->button());
    m_mouse.MouseUp(button, event->position().toPoint());
    ShowCursor();
    update();
    // The right button ends a turn without telling the lab.
    if (button != MouseButton::Right) emit MouseUp();
}

void TDec3D::SyncSize()
{
    // A control resized while hidden gets its resize event only when shown.
    if (m_view.Width() != width() || m_view.Height() != height()) m_view.Resize(width(), height());
}

void TDec3D::ShowMessage(const QString& text) { ui::ShowMessage(text); }

std::optional<QString> TDec3D::AskName(const QString& current)
{
    if (!NameDialog) return std::nullopt;
    return NameDialog(current);
}

QSize TDec3D::TextSize(const QString& text) const { return fontMetrics().size(0, text); }

void TDec3D::MovePointer(QPoint pixel) { QCursor::setPos(mapToGlobal(pixel)); }

void TDec3D::ShowCursor()
{
    if (const auto cursor = ui::NumberedCursor(m_mouse.Cursor())) setCursor(*cursor);
    else unsetCursor();
}

} // namespace space
