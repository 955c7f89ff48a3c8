#include "labs/coordplane/labwindow.h"
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "labframe/labpanel.h"
#include "plane/equations.h"
#include "plane/planetools.h"
#include "plane/view/planecontrol.h"
#include "plane/view/pointdialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/dialogs.h"
#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace coordplanelab {

using labframe::SetTag;
using labframe::Tag;

namespace {

constexpr int kZoomIn = 1; // the tags of btPlus and btMinus
constexpr int kZoomOut = 2;
constexpr int kButtonPadding = 8;
const QSize kDotSize(18, 18);

const QString kWaitNote = QStringLiteral("Минуточку ...");
const QString kNoEquationNote = QStringLiteral("Сначала введите хотя бы одно уравнение");
const QString kSignHint = QStringLiteral("Знак");

QString Quoted(const char* word) { return u'"' + QString::fromUtf8(word) + u'"'; }

void FitToCaption(QToolButton* button) { button->setFixedWidth(button->sizeHint().width() + kButtonPadding); }

} // namespace

TfmLab6::TfmLab6(QWidget* parent) : TfmLab(kNumber, parent)
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeToolRow());
    Dec = new planeview::TDec2D(workArea());
    column->addWidget(Dec, 1);
    NameDialog = new planeview::TffDialog(this);
    CoordDialog = new planeview::TffDialog1(this);
    makeTypeMenu();
    makeFigureMenu();

    Dec->CoordLabelX = lbX;
    Dec->CoordLabelY = lbY;
    Dec->NameDialog = NameDialog;
    Dec->CoordDialog = CoordDialog;
    Dec->SetShowCoordinates(true);
    Dec->SetGridVisible(true);
    SetDrawColor(base::BgrColor(Dec->DrawColor()));
}

// --- building ----------------------------------------------------------------

// Two rows above the plane, so that the lab keeps the course's width: the
// view and the tools; the equations, the figures and the mouse coordinates.
// One button group spans both rows (auto-exclusion works only among
// siblings).
QWidget* TfmLab6::makeToolRow()
{
    auto* rows = new QWidget(workArea());
    rows->setObjectName(QStringLiteral("pTools"));
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* first = new QWidget(rows);
    auto* second = new QWidget(rows);
    labframe::RowLayout(first, 4);
    auto* layout = labframe::RowLayout(second, 4);
    column->addWidget(first);
    column->addWidget(second);
    Tools = new QButtonGroup(this);
    Tools->setExclusive(true);
    makeViewButtons(first);
    makeToolButtons(first);
    first->layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding));
    makeEquationButtons(second);
    makeFigureButtons(second);
    layout->addStretch(1);
    QWidget* row = second;
    pXY = new QWidget(row);
    pXY->setObjectName(QStringLiteral("pXY"));
    auto* coordinates = new QHBoxLayout(pXY);
    coordinates->setContentsMargins(0, 0, 0, 0);
    lbX = new QLabel(pXY);
    lbY = new QLabel(pXY);
    lbX->setObjectName(QStringLiteral("lbX"));
    lbY->setObjectName(QStringLiteral("lbY"));
    for (QLabel* label : {lbX, lbY}) {
        label->setMinimumWidth(90);
        coordinates->addWidget(label);
    }
    layout->addWidget(pXY);
    return rows;
}

QToolButton* TfmLab6::addToolButton(const QString& name, int tag, const QString& caption, const QString& hint,
                                    QWidget* row)
{
    QToolButton* button = addButton(name, caption, hint, row);
    SetTag(button, tag);
    button->setCheckable(true);
    Tools->addButton(button);
    connect(button, &QToolButton::clicked, this, [this, button](bool pressed) { ToolClick(button, pressed); });
    return button;
}

void TfmLab6::makeViewButtons(QWidget* row)
{
    btPlus = addButton(QStringLiteral("btPlus"), QStringLiteral("+"), QStringLiteral("Увеличить"), row);
    btMinus = addButton(QStringLiteral("btMinus"), QStringLiteral("−"), QStringLiteral("Уменьшить"), row);
    Timer1 = addControl<QTimer>(QStringLiteral("Timer1"), this);
    Timer1->setInterval(kZoomInterval);
    connect(Timer1, &QTimer::timeout, this, [this] {
        // A lab file may start the timer with no button held.
        if (m_zoomTag == 0) Timer1->stop();
        else ZoomStep(m_zoomTag);
    });
    for (QToolButton* button : {btPlus, btMinus}) {
        SetTag(button, button == btPlus ? kZoomIn : kZoomOut);
        connect(button, &QToolButton::pressed, this, [this, button] {
            m_zoomTag = Tag(button);
            ZoomStep(m_zoomTag);
            Timer1->start();
        });
        connect(button, &QToolButton::released, this, [this] {
            m_zoomTag = 0;
            Timer1->stop();
        });
    }
}

void TfmLab6::makeToolButtons(QWidget* row)
{
    bt0 = addToolButton(QStringLiteral("bt0"), plane::kToolHand, QStringLiteral("Рука"), Quoted("Рука"), row);
    bt230 = addToolButton(QStringLiteral("bt230"), plane::kToolRecolour, QStringLiteral("Закрасить"),
                          QStringLiteral("Закрасить область"), row);
    bt255 = addToolButton(QStringLiteral("bt255"), plane::kToolEraser, QStringLiteral("Стереть"),
                          QStringLiteral("Стереть закраску"), row);
    bt0->setChecked(true);
    btGrid = addButton(QStringLiteral("btGrid"), QStringLiteral("Сетка"), Quoted("Сетка"), row);
    btGrid->setCheckable(true);
    btGrid->setChecked(true);
    connect(btGrid, &QToolButton::clicked, this, [this](bool pressed) { btGridClick(pressed); });
    btCoord = addButton(QStringLiteral("btCoord"), QStringLiteral("(x;y)"), QStringLiteral("Координаты точек"), row);
    btCoord->setCheckable(true);
    btCoord->setChecked(true);
    connect(btCoord, &QToolButton::clicked, this, [this](bool pressed) { btCoordClick(pressed); });
}

void TfmLab6::makeEquationButtons(QWidget* row)
{
    btAdd = addButton(QStringLiteral("btAdd"), QStringLiteral("f(x,y)=0"), QStringLiteral("График уравнения вида f(x,y)=0"), row);
    connect(btAdd, &QToolButton::clicked, this, [this] { btAddClick(); });
    btDel = addButton(QStringLiteral("btDel"), QStringLiteral("Удалить"), QStringLiteral("Удалить график"), row);
    connect(btDel, &QToolButton::clicked, this, [this] { btDelClick(); });
    btCaseType = addButton(QStringLiteral("btCaseType"), QStringLiteral("= < >"), QStringLiteral("Выбор знака"), row);
    connect(btCaseType, &QToolButton::clicked, this, [this] { btCaseTypeClick(); });
    btCaseColor = addButton(QStringLiteral("btCaseColor"), QStringLiteral("Цвет"), QStringLiteral("Выбор цвета"), row);
    connect(btCaseColor, &QToolButton::clicked, this, [this] { btCaseColorClick(); });
    Dot = new QLabel(row);
    Dot->setObjectName(QStringLiteral("Dot"));
    Dot->setFixedSize(kDotSize);
    Dot->setToolTip(QStringLiteral("Выбор цвета"));
    row->layout()->addWidget(Dot);
    addHelpMenu(Dot);
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

QAction* TfmLab6::addMenuItem(QMenu* menu, int tag, const QString& caption, const QString& hint)
{
    QAction* item = menu->addAction(caption);
    SetTag(item, tag);
    if (!hint.isEmpty()) item->setToolTip(hint);
    return item;
}

void TfmLab6::makeTypeMenu()
{
    PopupType = new QMenu(this);
    PopupType->setObjectName(QStringLiteral("PopupType"));
    PopupType->setToolTipsVisible(true);
    addMenuItem(PopupType, 0, QStringLiteral("= 0"), kSignHint);
    addMenuItem(PopupType, 1, QStringLiteral("< 0"), kSignHint);
    addMenuItem(PopupType, 2, QStringLiteral("> 0"), kSignHint);
    connect(PopupType, &QMenu::triggered, this, [this](QAction* item) { PopupTypeChoose(item); });
}

void TfmLab6::makeFigureMenu()
{
    PopupFig = new QMenu(this);
    PopupFig->setObjectName(QStringLiteral("PopupFig"));
    addMenuItem(PopupFig, plane::kToolPoint, QStringLiteral("Точка"));
    addMenuItem(PopupFig, plane::kToolSegment, QStringLiteral("Отрезок"));
    addMenuItem(PopupFig, plane::kToolRay, QStringLiteral("Луч"));
    addMenuItem(PopupFig, plane::kToolLine, QStringLiteral("Прямая"));
    addMenuItem(PopupFig, plane::kToolCircleThrough, QStringLiteral("Окружность"));
    addMenuItem(PopupFig, plane::kToolCircleFixed, QStringLiteral("Окружность с фикс. радиусом"));
    addMenuItem(PopupFig, plane::kToolPolygonFilled, QStringLiteral("Многоугольник с ") + Quoted("внутренностью"));
    connect(PopupFig, &QMenu::triggered, this, [this](QAction* item) { PopupFigChoose(item); });
}

// --- the lab file ------------------------------------------------------------

void TfmLab6::ClearLab()
{
    TfmLab::ClearLab();
    Dec->ClearScene();
}

void TfmLab6::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    // The window lines set the buttons without clicking them: the plane follows here.
    Dec->SetGridVisible(btGrid->isChecked());
    Dec->SetShowCoordinates(btCoord->isChecked());
    Dec->LoadScene(data.engineLines, data.engineLine);
}

void TfmLab6::WriteLab(labframe::LabFileData& data)
{
    TfmLab::WriteLab(data);
    data.engineLines = Dec->SaveScene();
}

void TfmLab6::FormShow()
{
    TfmLab::FormShow();
    Dec->SetTool(Dec->Tool());
}

// --- handlers ------------------------------------------------------------------

void TfmLab6::ToolClick(QToolButton* button, bool pressed)
{
    if (pressed) Dec->SetTool(Tag(button));
}

void TfmLab6::btGridClick(bool pressed) { Dec->SetGridVisible(pressed); }
void TfmLab6::btCoordClick(bool pressed) { Dec->SetShowCoordinates(pressed); }

void TfmLab6::ZoomStep(int tag)
{
    if (tag == kZoomIn) Dec->SetScale(Dec->Scale() * kZoomFactor);
    else if (tag == kZoomOut) Dec->SetScale(Dec->Scale() / kZoomFactor);
}

void TfmLab6::btAddClick()
{
    formulas::TFormula formula;
    formula.SetSuffix(QStringLiteral("=0"));
    if (formulas::Edit(formula, true)) AddEquation(formula.Text());
}

bool TfmLab6::AddEquation(const QString& text)
{
    shellcalls::guide().ShowNote(kWaitNote, kWaitNoteSeconds);
    const plane::EquationEntry entry = plane::EnterEquation(Dec->Algebra(), Dec->Scene(), text, Dec->DrawColor());
    if (!entry.Added) {
        ui::ShowMessage(entry.Problem);
        return false;
    }
    regionsChanged();
    return true;
}

plane::TAlgebra* TfmLab6::ChosenObject() const
{
    const plane::FunctionList& list = Dec->Algebra();
    return list.Count() > 0 ? list.At(list.Count() - 1) : nullptr;
}

void TfmLab6::btDelClick()
{
    if (plane::TAlgebra* object = ChosenObject()) {
        Dec->Algebra().Delete(object);
        regionsChanged();
    }
}

void TfmLab6::btCaseTypeClick() { PopupType->popup(btCaseType->mapToGlobal(QPoint(0, btCaseType->height()))); }
void TfmLab6::btCaseFigClick() { PopupFig->popup(btCaseFig->mapToGlobal(QPoint(0, btCaseFig->height()))); }

void TfmLab6::PopupTypeChoose(QAction* item)
{
    if (const auto relation = plane::RelationOfSignItem(Tag(item))) SetSign(*relation);
}

void TfmLab6::SetSign(QChar relation)
{
    plane::TAlgebra* object = ChosenObject();
    if (!object) {
        shellcalls::guide().ShowNote(kNoEquationNote, kNoEquationNoteSeconds);
        return;
    }
    object->SetRelation(relation);
    regionsChanged();
}

void TfmLab6::regionsChanged()
{
    if (!Dec->Busy()) Dec->RebuildRegions();
}

void TfmLab6::btCaseColorClick()
{
    if (const auto colour = chooseColor(base::BgrColor(Dec->DrawColor()))) SetDrawColor(*colour);
}

void TfmLab6::SetDrawColor(const QColor& colour)
{
    Dec->SetDrawColor(base::ToBgr(colour));
    Dot->setStyleSheet(QStringLiteral("background: %1; border: 1px solid gray; border-radius: 9px;").arg(colour.name()));
}

void TfmLab6::PopupFigChoose(QAction* item)
{
    // A filled polygon is not drawn black: black becomes cyan.
    if (Tag(item) == plane::kToolPolygonFilled && Dec->DrawColor() == base::colour::kBlack)
        SetDrawColor(base::BgrColor(base::colour::kCyan));
    ApplyMenuChoice(item, btFig);
    FitToCaption(btFig);
    btFig->setChecked(true);
    Dec->SetTool(Tag(item));
}

} // namespace coordplanelab
