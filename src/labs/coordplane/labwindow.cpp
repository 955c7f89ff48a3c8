#include "labs/coordplane/labwindow.h"
#include "plane/planetools.h"
#include "plane/view/planecontrol.h"
#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace coordplanelab {

using labframe::Tag;

// Two rows above the plane, so that the lab keeps the course's width: the
// view and the tools; the equations, the figures and the mouse coordinates.
TfmLab6::TfmLab6(QWidget* parent) : TfmEquationLab(kNumber, parent)
{
    QList<QWidget*> rows;
    QWidget* column = makeRows(2, rows);
    makeZoomButtons(rows[0]);
    makeShadingTools(rows[0]);
    makeGridButton(rows[0]);
    makeCoordButton(rows[0]);
    makeAddButton(rows[1]);
    makeEditButtons(rows[1]);
    makeFigureButtons(rows[1]);
    static_cast<QHBoxLayout*>(rows[0]->layout())->addStretch(1);
    static_cast<QHBoxLayout*>(rows[1]->layout())->addStretch(1);
    makeCoordinatePanel(rows[1]);
    finishPlane(column);
    makeFigureMenu();
}

void TfmLab6::makeFigureButtons(QWidget* row)
{
    bt241 = addToolButton(QStringLiteral("bt241"), plane::kToolCoordinates, QStringLiteral("x=?"),
                          QStringLiteral("Изменить координаты точки"), row);
    btFig = addToolButton(QStringLiteral("btFig"), plane::kToolPoint, QStringLiteral("Точка"), QStringLiteral("Точка"), row);
    FitToCaption(btFig);
    btCaseFig = addButton(QStringLiteral("btCaseFig"), QStringLiteral("▼"), QStringLiteral("Выбор фигуры"), row);
    connect(btCaseFig, &QToolButton::clicked, this, [this] { btCaseFigClick(); });
}

void TfmLab6::makeFigureMenu()
{
    using namespace plane;
    PopupFig = makeToolMenu(QStringLiteral("PopupFig"),
                            {kToolPoint, kToolSegment, kToolRay, kToolLine, kToolCircleThrough, kToolCircleFixed,
                             kToolPolygonFilled},
                            [this](QAction* item) { PopupFigChoose(item); });
}

void TfmLab6::btCaseFigClick() { popupUnder(PopupFig, btCaseFig); }

void TfmLab6::PopupFigChoose(QAction* item)
{
    // A filled polygon is not drawn black: black becomes cyan.
    if (Tag(item) == plane::kToolPolygonFilled && Dec->DrawColor() == base::colour::kBlack)
        SetDrawColor(base::BgrColor(base::colour::kCyan));
    chooseTool(item, btFig);
}

} // namespace coordplanelab
