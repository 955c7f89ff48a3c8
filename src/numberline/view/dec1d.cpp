#include "numberline/view/dec1d.h"
#include "base/numfmt.h"
#include "numberline/linepainter.h"
#include "base/colours.h"
#include "numberline/records.h"
#include "numberline/view/formulaviewart.h"
#include "shellcalls/shellcalls.h"
#include "ui/cursors.h"
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace numberline {

TDec1D::TDec1D(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDec1D::SetScale(double scale)
{
    if (m_view.SetScale(scale)) update();
}

void TDec1D::SetCenter(double x)
{
    if (m_view.SetCenter(x)) update();
}

void TDec1D::SetTool(int tool)
{
    m_tools.SetTool(tool);
    ShowCursor(ToolCursor(tool));
    // Without a label of its own the hint goes to the main window's status line.
    const QString hint = ToolHint(tool);
    if (!hint.isEmpty()) {
        if (HintLabel) HintLabel->setText(hint);
        else shellcalls::statusLine().ShowStatus(hint);
    }
    update();
}

void TDec1D::SetShowDivisions(bool on)
{
    m_scene.ShowDivisions = on;
    update();
}

void TDec1D::SetParts(int parts)
{
    m_scene.SetParts(parts);
    update();
}

void TDec1D::SetDecimalLabels(bool on)
{
    if (m_scene.DecimalLabels == on) return;
    m_scene.DecimalLabels = on;
    update();
}

TPoint& TDec1D::AddPoint(const QString& formulaText)
{
    TPoint& point = m_scene.AddPoint(formulaText);
    update();
    return point;
}

bool TDec1D::ChangeParameter(const QString& name, const QString& valueText)
{
    const std::optional<long double> value = base::ParseReal(valueText);
    if (!value || !m_scene.SetParameter(name, *value)) return false;
    update();
    return true;
}

void TDec1D::ClearScene()
{
    m_tools.Reset();
    m_scene.Clear();
    m_view.SetCenter(0);
    update();
}

void TDec1D::LoadScene(const QStringList& lines, int firstLine)
{
    NumberLineSection section = ReadNumberLineSection(lines, firstLine);
    m_tools.Reset();
    const int parts = m_scene.Parts();
    const bool divisions = m_scene.ShowDivisions, decimals = m_scene.DecimalLabels;
    m_scene = std::move(section.Scene);
    m_scene.SetParts(parts);
    m_scene.ShowDivisions = divisions;
    m_scene.DecimalLabels = decimals;
    m_view.SetScale(section.Scale);
    m_view.SetCenter(section.CenterX);
    update();
}

QStringList TDec1D::SaveScene() const { return WriteNumberLineSection(m_scene, m_view); }

void TDec1D::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    FormulaViewArt art;
    PaintOptions options;
    options.HotPoint = m_tools.HotPoint();
    options.HotFigure = m_tools.HotFigure();
    options.Font = font();
    TPoint* moving = m_tools.DraggedPoint();
    if (!moving) {
        m_layerOf = nullptr;
        painter.fillRect(rect(), Qt::white);
        LinePainter(painter, m_view, art, options).Paint(m_scene);
    } else {
        options.Moving = moving;
        if (m_layerOf != moving || m_dragLayer.size() != size()) {
            m_dragLayer = QImage(size(), QImage::Format_RGB32);
            m_dragLayer.fill(Qt::white);
            QPainter layer(&m_dragLayer);
            LinePainter(layer, m_view, art, options).Paint(m_scene);
            m_layerOf = moving;
        }
        painter.drawImage(0, 0, m_dragLayer);
        LinePainter(painter, m_view, art, options).PaintMoving(m_scene, *moving);
    }
    if (const auto band = m_tools.RubberBand()) {
        painter.setPen(base::BgrColor(base::colour::numberline::kDivision));
        painter.drawLine(band->first, band->second);
    }
}

void TDec1D::resizeEvent(QResizeEvent* event)
{
    m_view.SetSize(width(), height());
    QWidget::resizeEvent(event);
}

void TDec1D::ShowCursor(base::CursorId id)
{
    if (const auto cursor = ui::NumberedCursor(id)) setCursor(*cursor);
    else unsetCursor();
}

void TDec1D::NameHotPoint()
{
    TPoint* point = m_tools.HotPoint();
    if (!point || !NameDialog) return;
    if (const auto name = NameDialog(point->Name())) point->SetName(*name);
    update();
}

void TDec1D::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        NameHotPoint();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const LineTools::PressResult result = m_tools.Press(event->position().toPoint());
    if (result.Cursor) ShowCursor(*result.Cursor);
    if (result.MovePointerTo) QCursor::setPos(mapToGlobal(*result.MovePointerTo));
    update();
}

void TDec1D::ShowCoordinates(QPoint pixel)
{
    if (!CoordLabelX || !CoordLabelY) return;
    if (CoordLabelX->parentWidget()) CoordLabelX->parentWidget()->show();
    CoordLabelX->setText(QStringLiteral("X=%1").arg(m_view.ToWorldX(pixel.x()), 8, 'f', 2));
    CoordLabelY->setText(QStringLiteral("Y=%1").arg(m_view.ToWorldY(pixel.y()), 8, 'f', 2));
}

void TDec1D::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pixel = event->position().toPoint();
    ShowCoordinates(pixel);
    if (m_tools.Move(pixel, event->buttons() & Qt::LeftButton)) update();
}

void TDec1D::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_tools.Release();
        ShowCursor(ToolCursor(m_tools.Tool()));
        update();
    }
    emit MouseUp();
}

} // namespace numberline
