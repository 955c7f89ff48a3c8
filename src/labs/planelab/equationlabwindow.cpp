#include "labs/planelab/equationlabwindow.h"
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "plane/equations.h"
#include "plane/planetools.h"
#include "plane/view/functionwindow.h"
#include "plane/view/planecontrol.h"
#include "plane/view/pointdialogs.h"
#include "ui/dialogs.h"
#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>

namespace planelab {

using labframe::Tag;

namespace {

const QString kWaitNote = QStringLiteral("Минуточку ...");
const QString kNoEquationNote = QStringLiteral("Сначала введите хотя бы одно уравнение");
const QString kSignHint = QStringLiteral("Знак");
const QString kListCaption = QStringLiteral("Уравнения и неравенства:");
const QString kEquationSuffix = QStringLiteral("=0");

} // namespace

TfmEquationLab::TfmEquationLab(int number, QWidget* parent) : TfmPlaneLab(number, parent) {}

// --- building ----------------------------------------------------------------

void TfmEquationLab::makeShadingTools(QWidget* row)
{
    bt0 = addToolButton(QStringLiteral("bt0"), plane::kToolHand, QStringLiteral("Рука"), Quoted("Рука"), row);
    bt230 = addToolButton(QStringLiteral("bt230"), plane::kToolRecolour, QStringLiteral("Закрасить"),
                          QStringLiteral("Закрасить область"), row);
    bt255 = addToolButton(QStringLiteral("bt255"), plane::kToolEraser, QStringLiteral("Стереть"),
                          QStringLiteral("Стереть закраску"), row);
    bt0->setChecked(true);
}

void TfmEquationLab::makeAddButton(QWidget* row)
{
    btAdd = addButton(QStringLiteral("btAdd"), QStringLiteral("f(x,y)=0"), QStringLiteral("График уравнения вида f(x,y)=0"), row);
    connect(btAdd, &QToolButton::clicked, this, [this] { btAddClick(); });
}

void TfmEquationLab::makeEditButtons(QWidget* row)
{
    btDel = addButton(QStringLiteral("btDel"), QStringLiteral("Удалить"), QStringLiteral("Удалить график"), row);
    connect(btDel, &QToolButton::clicked, this, [this] { btDelClick(); });
    btCaseType = addButton(QStringLiteral("btCaseType"), QStringLiteral("= < >"), QStringLiteral("Выбор знака"), row);
    connect(btCaseType, &QToolButton::clicked, this, [this] { btCaseTypeClick(); });
    makeColourControls(row, QStringLiteral("Выбор цвета"));
}

void TfmEquationLab::makeTypeMenu()
{
    PopupType = new QMenu(this);
    PopupType->setObjectName(QStringLiteral("PopupType"));
    PopupType->setToolTipsVisible(true);
    addMenuItem(PopupType, 0, QStringLiteral("= 0"), kSignHint);
    addMenuItem(PopupType, 1, QStringLiteral("< 0"), kSignHint);
    addMenuItem(PopupType, 2, QStringLiteral("> 0"), kSignHint);
    connect(PopupType, &QMenu::triggered, this, [this](QAction* item) { PopupTypeChoose(item); });
}

void TfmEquationLab::finishPlane(QWidget* rows)
{
    makePlane(rows);
    wireZoom(kZoomInterval);
    NameDialog = new planeview::TffDialog(this);
    CoordDialog = new planeview::TffDialog1(this);
    makeTypeMenu();
    makeFunctionList(kListCaption);

    Dec->CoordLabelX = lbX;
    Dec->CoordLabelY = lbY;
    Dec->NameDialog = NameDialog;
    Dec->CoordDialog = CoordDialog;
    Dec->SetShowCoordinates(true);
    Dec->SetGridVisible(true);
    SetDrawColor(base::BgrColor(Dec->DrawColor()));
}

// --- handlers ------------------------------------------------------------------

void TfmEquationLab::btAddClick()
{
    formulas::TFormula formula;
    formula.SetSuffix(kEquationSuffix);
    if (formulas::Edit(formula, true)) AddEquation(formula.Text());
}

bool TfmEquationLab::AddEquation(const QString& text)
{
    showNote(kWaitNote, kWaitNoteSeconds);
    const plane::EquationEntry entry = plane::EnterEquation(Dec->Algebra(), Dec->Scene(), text, Dec->DrawColor());
    if (!entry.Added) {
        ui::ShowMessage(entry.Problem);
        return false;
    }
    equationsChanged();
    return true;
}

plane::TAlgebra* TfmEquationLab::ChosenObject() const
{
    const plane::FunctionList& list = Dec->Algebra();
    const int row = FunctionList->SelectedRow();
    return row >= 0 && row < list.Count() ? list.At(row) : nullptr;
}

void TfmEquationLab::SelectRow(int index)
{
    if (index >= 0 && index < FunctionList->DrawGrid->rowCount()) FunctionList->DrawGrid->selectRow(index);
}

void TfmEquationLab::btDelClick()
{
    if (plane::TAlgebra* object = ChosenObject()) {
        Dec->Algebra().Delete(object);
        equationsChanged();
    }
}

void TfmEquationLab::btCaseTypeClick() { popupUnder(PopupType, btCaseType); }

void TfmEquationLab::PopupTypeChoose(QAction* item)
{
    if (const auto relation = plane::RelationOfSignItem(Tag(item))) SetSign(*relation);
}

void TfmEquationLab::SetSign(QChar relation)
{
    plane::TAlgebra* object = ChosenObject();
    if (!object) {
        showNote(kNoEquationNote, kNoEquationNoteSeconds);
        return;
    }
    const int row = FunctionList->SelectedRow();
    object->SetRelation(relation);
    equationsChanged(row);
}

void TfmEquationLab::equationsChanged(int selected)
{
    // A rebuild under way must not keep an object that is gone.
    if (!Dec->Busy()) Dec->RebuildRegions();
    FunctionList->RefreshList(Dec);
    SelectRow(selected);
    Dec->update();
}

} // namespace planelab
