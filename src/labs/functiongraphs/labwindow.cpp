#include "labs/functiongraphs/labwindow.h"
#include "base/symbols.h"
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "labframe/labpanel.h"
#include "plane/functioncommands.h"
#include "plane/planetools.h"
#include "plane/view/functionwindow.h"
#include "plane/view/planecontrol.h"
#include "plane/view/planelabparts.h"
#include "plane/view/pointdialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/inputdialog.h"
#include "ui/waitcursor.h"
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace functiongraphslab {

using labframe::SetTag;
using labframe::Tag;

namespace {

const QString kWaitNote = QStringLiteral("Минуточку ...");
const QString kFormulaPrefix = QStringLiteral("y = ");
const QString kDomainPrefix = QStringLiteral("x ") + base::symbol::ElementOf + QStringLiteral(" (");
const QString kDomainSuffix = QStringLiteral(")");
const QString kCoefficientsPrompt = QStringLiteral("Коэффициенты a0; a1; a2; … многочлена a0 + a1·x + a2·x² + …: ");
const QString kCoefficientsDefault = QStringLiteral("1; 0; -1");

} // namespace

TfmLab3::TfmLab3(QWidget* parent) : TfmPlaneLab(kNumber, parent)
{
    makePlane(makeToolRows());
    wireZoom(planeview::ZoomButtons::kInterval);
    makeMenus();
    makeFunctionList(QStringLiteral("Функции:"));

    Dec->CoordLabelX = lbX;
    Dec->CoordLabelY = lbY;
    Dec->SetShowCoordinates(true);
    Dec->SetGridVisible(true);
    Dec->installEventFilter(this);
    ComboBoxWidth->setCurrentIndex(0);
    SetDrawColor(base::BgrColor(Dec->DrawColor()));
}

// --- building ----------------------------------------------------------------

// Two rows above the plane: the tools and the view first, then the graphs,
// the look of the lines and the mouse coordinates.
QWidget* TfmLab3::makeToolRows()
{
    QList<QWidget*> rows;
    QWidget* column = makeRows(2, rows, 2);
    QWidget* toolRow = rows[0];
    QWidget* graphRow = rows[1];
    // The order of creation is the order of the controls in the lab's files.
    makeToolButtons(toolRow);
    makeViewButtons(toolRow);
    makeGraphButtons(graphRow);
    makeStyleControls(graphRow);
    makeCoordinatePanel(graphRow);
    for (QWidget* row : rows) static_cast<QHBoxLayout*>(row->layout())->addStretch(1);
    return column;
}

void TfmLab3::makeToolButtons(QWidget* row)
{
    makeToolGroup();
    bt0 = addToolButton(QStringLiteral("bt0"), plane::kToolHand, QStringLiteral("Рука"), Quoted("Рука"), row);
    bt255 = addToolButton(QStringLiteral("bt255"), plane::kToolEraser, QStringLiteral("Ластик"), Quoted("Ластик"), row);
    bt231 = addToolButton(QStringLiteral("bt231"), plane::kToolFreehandGraph, QStringLiteral("Карандаш"),
                          QStringLiteral("Нарисовать график"), row);
    bt100 = addToolButton(QStringLiteral("bt100"), plane::kToolDistance, QStringLiteral("Линейка"), Quoted("Линейка"), row);
    bt101 = addToolButton(QStringLiteral("bt101"), plane::kToolAngle, QStringLiteral("Транспортир"),
                          Quoted("Транспортир"), row);
    btFig = addToolButton(QStringLiteral("btFig"), plane::kToolPoint, QStringLiteral("Точка"), QStringLiteral("Точка"), row);
    bt0->setChecked(true);
}

void TfmLab3::makeViewButtons(QWidget* row)
{
    makeGridButton(row);
    makeCoordButton(row);
    makeZoomButtons(row);
}

void TfmLab3::makeGraphButtons(QWidget* row)
{
    btAdd = addButton(QStringLiteral("btAdd"), QStringLiteral("y = f(x)"), QStringLiteral("Построение графика по формуле"), row);
    connect(btAdd, &QToolButton::clicked, this, [this] { btAddClick(); });
    btDel = addButton(QStringLiteral("btDel"), QStringLiteral("Удалить"), QStringLiteral("Удалить график"), row);
    connect(btDel, &QToolButton::clicked, this, [this] { btDelClick(); });
    btCaseFun = addButton(QStringLiteral("btCaseFun"), QStringLiteral("Преобразовать ▼"),
                          QStringLiteral("Преобразование графика"), row);
    connect(btCaseFun, &QToolButton::clicked, this, [this] { popupUnder(PopupFun, btCaseFun); });
    btCaseFunArr = addButton(QStringLiteral("btCaseFunArr"), QStringLiteral("По точкам ▼"),
                             QStringLiteral("Построение графика по точкам"), row);
    connect(btCaseFunArr, &QToolButton::clicked, this, [this] { popupUnder(PopupFunArr, btCaseFunArr); });
    // The figure menu's button sits beside the figure tool it chooses for.
    btCaseFig = addButton(QStringLiteral("btCaseFig"), QStringLiteral("▼"), QStringLiteral("Выбор фигуры"), btFig->parentWidget());
    auto* toolLayout = static_cast<QHBoxLayout*>(btFig->parentWidget()->layout());
    toolLayout->insertWidget(toolLayout->indexOf(btFig) + 1, btCaseFig);
    connect(btCaseFig, &QToolButton::clicked, this, [this] { popupUnder(PopupFig, btCaseFig); });
}

void TfmLab3::makeStyleControls(QWidget* row)
{
    makeColourControls(row, QStringLiteral("Цвет новых графиков и фигур"));
    makeFontButton(row);
    // The domain is reached through the transformation menu; the button stays hidden.
    btODZ = addButton(QStringLiteral("btODZ"), QStringLiteral("ОДЗ"), QStringLiteral("Область определения"), row);
    btODZ->hide();
    connect(btODZ, &QToolButton::clicked, this, [this] { EditDomain(); });
    makeWidthList(row);
}

void TfmLab3::makeMenus()
{
    PopupFun = new QMenu(this);
    PopupFun->setObjectName(QStringLiteral("PopupFun"));
    for (int type = 0; type < plane::kDerivedTypeCount; ++type)
        addMenuItem(PopupFun, type, plane::DerivedTypeCaption(plane::DerivedType(type)));
    PopupFun->addSeparator();
    addMenuItem(PopupFun, kDomainItem, QStringLiteral("ОБЛАСТЬ ОПРЕДЕЛЕНИЯ"));
    connect(PopupFun, &QMenu::triggered, this, [this](QAction* item) { PopupFunChoose(item); });

    PopupFunArr = new QMenu(this);
    PopupFunArr->setObjectName(QStringLiteral("PopupFunArr"));
    addMenuItem(PopupFunArr, kBrokenLine, QStringLiteral("Кусочно-линейная"));
    addMenuItem(PopupFunArr, kSmoothed, QStringLiteral("Сглаженная"));
    addMenuItem(PopupFunArr, kLeastSquares, QStringLiteral("Аппроксимирующая прямая"));
    PopupFunArr->addSeparator();
    addMenuItem(PopupFunArr, kByCoefficients, QStringLiteral("Многочлен по коэффициентам"));
    connect(PopupFunArr, &QMenu::triggered, this, [this](QAction* item) { PopupFunArrChoose(item); });

    using namespace plane;
    PopupFig = makeToolMenu(QStringLiteral("PopupFig"),
                            {kToolPoint, kToolSegment, kToolSegmentFixed, kToolRay, kToolLine, kToolCircleThrough,
                             kToolCircleFixed, kToolMidpoint},
                            [this](QAction* item) { PopupFigChoose(item); });
}

void TfmLab3::DecChange()
{
    m_freehand = nullptr;
    TfmPlaneLab::DecChange();
}

// --- handlers ------------------------------------------------------------------

void TfmLab3::PopupFigChoose(QAction* item) { chooseTool(item, btFig); }

void TfmLab3::showNote(const QString& text) { TfmPlaneLab::showNote(text, plane::kCommandNoteSeconds); }

void TfmLab3::graphMade(plane::TFunction* graph, const QString& note)
{
    if (!note.isEmpty()) showNote(note);
    if (!graph) return;
    FunctionList->RefreshList(Dec);
    Dec->update();
}

plane::TFunction* TfmLab3::AddFormulaGraph(const QString& text)
{
    ui::WaitCursor hourglass;
    plane::TFunction* graph = Dec->Algebra().AddFormula(text, Dec->Scene(), Dec->DrawColor());
    graphMade(graph, {});
    return graph;
}

void TfmLab3::btAddClick()
{
    formulas::TFormula formula;
    formula.SetPrefix(kFormulaPrefix);
    if (!formulas::Edit(formula, true)) return;
    // Compiling takes a moment.
    shellcalls::guide().ShowNote(kWaitNote, kWaitNoteSeconds);
    AddFormulaGraph(formula.Text());
}

void TfmLab3::btDelClick()
{
    plane::FunctionList& list = Dec->Algebra();
    if (list.Count() == 0) return;
    list.Delete(list.At(FunctionList->SelectedRow()));
    FunctionList->RefreshList(Dec);
    Dec->update();
}

void TfmLab3::PopupFunChoose(QAction* item)
{
    const int tag = Tag(item);
    if (tag == kDomainItem) return EditDomain();
    if (tag < 0 || tag >= plane::kDerivedTypeCount) return;
    const plane::SourceChoice source = plane::ChooseSource(Dec->Algebra(), FunctionList->SelectedRow());
    if (!source.Graph) return showNote(source.Note);
    const auto type = plane::DerivedType(tag);
    QString paramText;
    if (const auto question = plane::DerivedParameterQuestion(type)) {
        ui::TffDlg& dialog = ui::ffDlg();
        if (!dialog.Ask({question->Prompt}, {question->Default})) return;
        paramText = dialog.Results().value(0);
    }
    const plane::CommandOutcome outcome =
        plane::AddDerivedGraph(Dec->Algebra(), *source.Graph, type, paramText, Dec->DrawColor());
    graphMade(outcome.Created, outcome.Note);
}

void TfmLab3::PopupFunArrChoose(QAction* item)
{
    const int tag = Tag(item);
    if (tag == kByCoefficients) return askCoefficients();
    static const plane::AlgebraKind kinds[] = {plane::AlgebraKind::FunctionArrayLine,
                                               plane::AlgebraKind::FunctionArrayPolynom,
                                               plane::AlgebraKind::FunctionArrayMNK};
    if (tag < kBrokenLine || tag > kLeastSquares) return;
    const plane::CommandOutcome outcome =
        plane::AddGraphThroughPoints(Dec->Scene(), Dec->Algebra(), kinds[tag], Dec->DrawColor());
    graphMade(outcome.Created, outcome.Note);
}

void TfmLab3::askCoefficients()
{
    ui::TffDlg& dialog = ui::ffDlg();
    if (!dialog.Ask({kCoefficientsPrompt}, {kCoefficientsDefault})) return;
    const plane::CommandOutcome outcome =
        plane::AddPolynomialByCoefficients(Dec->Algebra(), dialog.Results().value(0), Dec->DrawColor());
    graphMade(outcome.Created, outcome.Note);
}

void TfmLab3::EditDomain()
{
    const plane::SourceChoice source = plane::ChooseSource(Dec->Algebra(), FunctionList->SelectedRow());
    if (!source.Graph) return showNote(source.Note);
    formulas::TFormula formula;
    formula.SetText(plane::DomainEditText(*source.Graph));
    formula.SetPrefix(kDomainPrefix);
    formula.SetSuffix(kDomainSuffix);
    if (!formulas::Edit(formula, true)) return;
    const auto [xMin, xMax] = plane::DomainFromEditText(formula.Text());
    source.Graph->SetDomain(xMin, xMax);
    Dec->update();
}

// --- freehand --------------------------------------------------------------------

// While the left button is held with tool 231, the graph grows to the right.
bool TfmLab3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Dec || Dec->Tool() != plane::kToolFreehandGraph) return TfmLab::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return TfmLab::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = mouse->position();
    const double x = Dec->View().ToWorldX(at.x());
    const double y = Dec->View().ToWorldY(at.y());
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        m_freehand = Dec->Algebra().AddArray(plane::AlgebraKind::FunctionArrayLine, Dec->DrawColor());
        m_freehand->AddPoint(x, y);
        FunctionList->RefreshList(Dec);
    } else if (type == QEvent::MouseMove && m_freehand && (mouse->buttons() & Qt::LeftButton)) {
        if (plane::AddFreehandPoint(*m_freehand, x, y)) Dec->update();
    } else if (type == QEvent::MouseButtonRelease) {
        m_freehand = nullptr;
    }
    // The plane still sees the mouse (its coordinates, the cursor).
    return false;
}

} // namespace functiongraphslab
