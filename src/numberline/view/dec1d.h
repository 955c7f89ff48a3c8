#pragma once
#include "numberline/lineview.h"
#include "numberline/linetools.h"
#include "numberline/scene.h"
#include <QFont>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;

// The number-line control: a thin widget over the window-free engine. It
// forwards the mouse to LineTools, paints the scene with LinePainter and
// formulas as the formula views draw them, and reads and writes the engine's
// section of lab files.
namespace numberline {

class TDec1D : public QWidget {
    Q_OBJECT
public:
    explicit TDec1D(QWidget* parent = nullptr);

    NumberLineScene& Scene() { return m_scene; }
    const LineView& View() const { return m_view; }
    LineTools& Tools() { return m_tools; }

    double Scale() const { return m_view.Scale(); }
    double CenterX() const { return m_view.CenterX(); }
    void SetScale(double scale);
    void SetCenter(double x);
    void SetTool(int tool);
    void SetShowDivisions(bool on);
    void SetParts(int parts);
    void SetDecimalLabels(bool on);
    void SetDrawColor(base::Bgr colour) { m_tools.DrawColor = colour; }

    // A point from a formula's bracket notation, with the scene's parameters.
    TPoint& AddPoint(const QString& formulaText);
    // False for a value that is not a number or a name that is not a parameter.
    bool ChangeParameter(const QString& name, const QString& valueText);
    // Every object goes, the centre returns to 0 and parameters to 1; the scale stays.
    void ClearScene();
    // Reads the engine section; a section it refuses (SectionFormatError,
    // naming the record's line within the section) leaves the scene as it was.
    void LoadScene(const QStringList& lines, int firstLine = 1);
    QStringList SaveScene() const;

    // Asks for a point's new name (the name dialog); none when cancelled.
    std::function<std::optional<QString>(const QString& name)> NameDialog;
    // Receives the tool hints; without it they go to the main window's status line.
    QLabel* HintLabel = nullptr;
    QLabel* CoordLabelX = nullptr;
    QLabel* CoordLabelY = nullptr;

signals:
    // The mouse went up over the control: the lab refreshes its points table.
    void MouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ShowCursor(base::CursorId id);
    void NameHotPoint();
    void ShowCoordinates(QPoint pixel);

    // While a point is dragged the rest of the scene is drawn once into this
    // picture, so that every mouse move draws only the point (200 formulas
    // take longer than a mouse move).
    QImage m_dragLayer;
    const TPoint* m_layerOf = nullptr;

    NumberLineScene m_scene;
    LineView m_view;
    LineTools m_tools{m_scene, m_view};
};

} // namespace numberline
