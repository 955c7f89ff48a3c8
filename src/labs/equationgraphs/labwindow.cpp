#include "labs/equationgraphs/labwindow.h"
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "plane/functionlist.h"
#include "plane/planetools.h"
#include "plane/view/planecontrol.h"
#include "ui/dialogs.h"
#include <QHBoxLayout>
#include <QToolButton>

namespace equationgraphslab {

namespace {

const QString kWaitNote = QStringLiteral("Минуточку ...");
const QString kFunctionPrefix = QStringLiteral("y = ");
const QString kPlaneFont = QStringLiteral("Tahoma");

} // namespace

// Two rows above the plane, so that the lab keeps the course's width: the
// view and the tools; the equations and graphs and the mouse coordinates.
TfmLab11::TfmLab11(QWidget* parent) : TfmEquationLab(kNumber, parent)
{
    QList<QWidget*> rows;
    QWidget* column = makeRows(2, rows);
    makeZoomButtons(rows[0]);
    makeShadingTools(rows[0]);
    bt1 = addToolButton(QStringLiteral("bt1"), plane::kToolPoint, QStringLiteral("Точка"), QStringLiteral("Точка"), rows[0]);
    makeGridButton(rows[0]);
    makeCoordButton(rows[0]);
    makeAddButton(rows[1]);
    btAddFunction = addButton(QStringLiteral("btAddFunction"), QStringLiteral("y = f(x)"),
                              QStringLiteral("График уравнения вида y=f(x)"), rows[1]);
    connect(btAddFunction, &QToolButton::clicked, this, [this] { btAddFunctionClick(); });
    makeEditButtons(rows[1]);
    for (QWidget* row : rows) static_cast<QHBoxLayout*>(row->layout())->addStretch(1);
    makeCoordinatePanel(rows[1]);
    finishPlane(column);
    QFont font = Dec->font();
    font.setFamily(kPlaneFont);
    Dec->setFont(font);
}

void TfmLab11::btAddFunctionClick()
{
    formulas::TFormula formula;
    formula.SetPrefix(kFunctionPrefix);
    if (!formulas::Edit(formula, true)) return;
    AddFunction(formula.Text());
}

plane::TFunction* TfmLab11::AddFunction(const QString& text)
{
    // Compiling takes a moment.
    showNote(kWaitNote, kWaitNoteSeconds);
    plane::FunctionList& list = Dec->Algebra();
    plane::TFunction* graph = list.AddFormula(text, Dec->Scene(), Dec->DrawColor());
    if (!graph->Valid()) {
        // Drawn it would be an empty graph with no word why.
        const QString problem = graph->Problem();
        list.Delete(graph);
        ui::ShowMessage(problem);
        return nullptr;
    }
    equationsChanged();
    return graph;
}

} // namespace equationgraphslab
