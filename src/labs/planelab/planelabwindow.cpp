#include "labs/planelab/planelabwindow.h"
#include "labframe/labpanel.h"
#include "plane/planetools.h"
#include "plane/view/functionwindow.h"
#include "plane/view/planecontrol.h"
#include "plane/view/planelabparts.h"
#include "shellcalls/shellcalls.h"
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace planelab {

using labframe::SetTag;
using labframe::Tag;

namespace {

constexpr int kButtonPadding = 8;
constexpr int kRowMargin = 4;
constexpr int kListMargin = 8; // between the function list and the plane's edges
const QSize kDotSize(18, 18);
// The widest coordinate the labels show without growing.
const QString kWidestCoordinate = QStringLiteral("X=-0000,00");

} // namespace

TfmPlaneLab::TfmPlaneLab(int number, QWidget* parent) : TfmLab(number, parent) {}

QString TfmPlaneLab::Quoted(const char* word) { return u'"' + QString::fromUtf8(word) + u'"'; }

void TfmPlaneLab::FitToCaption(QToolButton* button)
{
    button->setFixedWidth(button->sizeHint().width() + kButtonPadding);
}

// --- building ----------------------------------------------------------------

QWidget* TfmPlaneLab::makeRows(int count, QList<QWidget*>& rows, int spacing)
{
    auto* column = new QWidget(workArea());
    column->setObjectName(QStringLiteral("pTools"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, spacing, 0, spacing);
    layout->setSpacing(spacing);
    for (int i = 0; i < count; ++i) {
        auto* row = new QWidget(column);
        labframe::RowLayout(row, kRowMargin);
        layout->addWidget(row);
        rows.append(row);
    }
    return column;
}

void TfmPlaneLab::makePlane(QWidget* rows)
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(rows);
    Dec = new planeview::TDec2D(workArea());
    column->addWidget(Dec, 1);
}

// One button group spans all rows: auto-exclusion works only among siblings.
QButtonGroup* TfmPlaneLab::makeToolGroup()
{
    Tools = new QButtonGroup(this);
    Tools->setExclusive(true);
    return Tools;
}

QToolButton* TfmPlaneLab::addToolButton(const QString& name, int tag, const QString& caption, const QString& hint,
                                        QWidget* row)
{
    QToolButton* button = addButton(name, caption, hint, row);
    SetTag(button, tag);
    button->setCheckable(true);
    if (!Tools) makeToolGroup();
    Tools->addButton(button);
    connect(button, &QToolButton::clicked, this, [this, button](bool pressed) { ToolClick(button, pressed); });
    return button;
}

QAction* TfmPlaneLab::addMenuItem(QMenu* menu, int tag, const QString& caption, const QString& hint)
{
    QAction* item = menu->addAction(caption);
    SetTag(item, tag);
    if (!hint.isEmpty()) item->setToolTip(hint);
    return item;
}

QString TfmPlaneLab::ToolMenuCaption(int tool)
{
    switch (tool) {
    case plane::kToolPoint: return QStringLiteral("Точка");
    case plane::kToolSegment: return QStringLiteral("Отрезок");
    case plane::kToolSegmentFixed: return QStringLiteral("Отрезок с фикс.длиной");
    case plane::kToolRay: return QStringLiteral("Луч");
    case plane::kToolLine: return QStringLiteral("Прямая");
    case plane::kToolCircleThrough: return QStringLiteral("Окружность");
    case plane::kToolCircleFixed: return QStringLiteral("Окружность с фикс. радиусом");
    case plane::kToolPolygonOutline: return QStringLiteral("Многоугольник");
    case plane::kToolPolygonFilled: return QStringLiteral("Многоугольник с ") + Quoted("внутренностью");
    case plane::kToolRegularPolygon: return QStringLiteral("Правильный многоугольник");
    case plane::kToolVector: return QStringLiteral("Вектор");
    case plane::kToolMidpoint: return QStringLiteral("Середина отрезка");
    case plane::kToolSymmetryAxis: return QStringLiteral("Выбрать ось симметрии");
    case plane::kToolReflect: return QStringLiteral("Осевая симметрия");
    case plane::kToolRotationCentre: return QStringLiteral("Выбрать центр поворота");
    case plane::kToolRotate: return QStringLiteral("Поворот");
    case plane::kToolShiftVector: return QStringLiteral("Выбрать вектор переноса");
    case plane::kToolTranslate: return QStringLiteral("Параллельный перенос");
    case plane::kToolHomothetyCentre: return QStringLiteral("Выбрать центр гомотетии");
    case plane::kToolHomothety: return QStringLiteral("Гомотетия");
    default: return {};
    }
}

QMenu* TfmPlaneLab::makeToolMenu(const QString& name, std::initializer_list<int> tools,
                                 std::function<void(QAction*)> chosen)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(name);
    for (int tool : tools) {
        if (tool == kMenuSeparator) menu->addSeparator();
        else addMenuItem(menu, tool, ToolMenuCaption(tool));
    }
    connect(menu, &QMenu::triggered, this, std::move(chosen));
    return menu;
}

void TfmPlaneLab::popupUnder(QMenu* menu, QToolButton* button)
{
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TfmPlaneLab::chooseTool(QAction* item, QToolButton* button)
{
    ApplyMenuChoice(item, button);
    FitToCaption(button);
    button->setChecked(true);
    setTool(Tag(item));
}

void TfmPlaneLab::makeGridButton(QWidget* row)
{
    btGrid = addButton(QStringLiteral("btGrid"), QStringLiteral("Сетка"), Quoted("Сетка"), row);
    btGrid->setCheckable(true);
    btGrid->setChecked(true);
    connect(btGrid, &QToolButton::clicked, this, [this](bool pressed) { btGridClick(pressed); });
}

void TfmPlaneLab::makeCoordButton(QWidget* row)
{
    btCoord = addButton(QStringLiteral("btCoord"), QStringLiteral("(x;y)"), QStringLiteral("Координаты точек"), row);
    btCoord->setCheckable(true);
    btCoord->setChecked(true);
    connect(btCoord, &QToolButton::clicked, this, [this](bool pressed) { btCoordClick(pressed); });
}

void TfmPlaneLab::makeZoomButtons(QWidget* row)
{
    btPlus = addButton(QStringLiteral("btPlus"), QStringLiteral("+"), QStringLiteral("Увеличить"), row);
    btMinus = addButton(QStringLiteral("btMinus"), QStringLiteral("−"), QStringLiteral("Уменьшить"), row);
    SetTag(btPlus, planeview::ZoomButtons::kZoomIn);
    SetTag(btMinus, planeview::ZoomButtons::kZoomOut);
    Timer1 = addControl<QTimer>(QStringLiteral("Timer1"), this);
}

void TfmPlaneLab::wireZoom(int interval)
{
    Zoom = new planeview::ZoomButtons(*Dec, *btPlus, *btMinus, *Timer1, interval);
}

void TfmPlaneLab::makeColourControls(QWidget* row, const QString& dotHint)
{
    btCaseColor = addButton(QStringLiteral("btCaseColor"), QStringLiteral("Цвет"), QStringLiteral("Выбор цвета"), row);
    connect(btCaseColor, &QToolButton::clicked, this, [this] { btCaseColorClick(); });
    Dot = new QLabel(row);
    Dot->setObjectName(QStringLiteral("Dot"));
    Dot->setFixedSize(kDotSize);
    Dot->setToolTip(dotHint);
    row->layout()->addWidget(Dot);
    addHelpMenu(Dot);
}

void TfmPlaneLab::makeFontButton(QWidget* row)
{
    btFont = addButton(QStringLiteral("btFont"), QStringLiteral("Шрифт"), QStringLiteral("Шрифт"), row);
    connect(btFont, &QToolButton::clicked, this, [this] { btFontClick(); });
}

void TfmPlaneLab::makeWidthList(QWidget* row)
{
    ComboBoxWidth = addControl<QComboBox>(QStringLiteral("ComboBoxWidth"), row);
    planeview::FillPenWidths(*ComboBoxWidth);
    ComboBoxWidth->setToolTip(QStringLiteral("Толщина линии"));
    connect(ComboBoxWidth, &QComboBox::currentIndexChanged, this, [this](int index) { ComboBoxWidthChange(index); });
    row->layout()->addWidget(ComboBoxWidth);
    addHelpMenu(ComboBoxWidth);
}

void TfmPlaneLab::makeCoordinatePanel(QWidget* row)
{
    pXY = new QWidget(row);
    pXY->setObjectName(QStringLiteral("pXY"));
    pXY->setToolTip(QStringLiteral("Координаты указателя мыши"));
    auto* layout = labframe::RowLayout(pXY, 0);
    lbX = new QLabel(pXY);
    lbY = new QLabel(pXY);
    lbX->setObjectName(QStringLiteral("lbX"));
    lbY->setObjectName(QStringLiteral("lbY"));
    for (QLabel* label : {lbX, lbY}) {
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(kWidestCoordinate));
        layout->addWidget(label);
    }
    row->layout()->addWidget(pXY);
    addHelpMenu(pXY);
}

void TfmPlaneLab::makeFunctionList(const QString& caption)
{
    m_listCaption = caption;
    FunctionList = new planeview::TffFunc(this);
    FunctionList->hide();
    connect(Dec, &planeview::TDec2D::OnChange, this, [this] { DecChange(); });
    connect(FunctionList, &planeview::TffFunc::GraphsEdited, this, [this] { Dec->update(); });
}

// --- the lab file and showing ---------------------------------------------------

void TfmPlaneLab::ClearLab()
{
    TfmLab::ClearLab();
    for (planeview::TDec2D* plane : planes()) plane->ClearScene();
}

void TfmPlaneLab::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    followButtons();
    Dec->LoadScene(data.engineLines, data.engineLine);
}

void TfmPlaneLab::followButtons()
{
    if (btGrid) Dec->SetGridVisible(btGrid->isChecked());
    if (btCoord) Dec->SetShowCoordinates(btCoord->isChecked());
    if (Tools)
        if (QAbstractButton* tool = Tools->checkedButton()) setTool(Tag(tool));
}

void TfmPlaneLab::WriteLab(labframe::LabFileData& data)
{
    TfmLab::WriteLab(data);
    data.engineLines = Dec->SaveScene();
}

void TfmPlaneLab::FormShow()
{
    TfmLab::FormShow();
    setTool(Dec->Tool());
    if (!FunctionList) return;
    FunctionList->setWindowTitle(m_listCaption);
    FunctionList->RefreshList(Dec);
    // The list stands in the plane's top left corner, clear of the tool rows
    // and of a task window, which opens over the middle of the plane.
    FunctionList->move(Dec->mapToGlobal(QPoint(kListMargin, kListMargin)));
    FunctionList->show();
}

void TfmPlaneLab::hideEvent(QHideEvent* event)
{
    TfmLab::hideEvent(event);
    if (FunctionList) FunctionList->hide();
}

void TfmPlaneLab::DecChange()
{
    if (FunctionList) FunctionList->RefreshList(Dec);
}

// --- handlers ------------------------------------------------------------------

void TfmPlaneLab::setTool(int code)
{
    for (planeview::TDec2D* plane : planes()) plane->SetTool(code);
}

void TfmPlaneLab::ToolClick(QToolButton* button, bool pressed)
{
    // Releasing a tool (a lab file may) leaves the tool of the button pressed next.
    if (pressed) setTool(Tag(button));
}

void TfmPlaneLab::btGridClick(bool pressed) { Dec->SetGridVisible(pressed); }
void TfmPlaneLab::btCoordClick(bool pressed) { Dec->SetShowCoordinates(pressed); }

void TfmPlaneLab::btCaseColorClick()
{
    if (const auto colour = chooseColor(base::BgrColor(Dec->DrawColor()))) SetDrawColor(*colour);
}

void TfmPlaneLab::SetDrawColor(const QColor& colour)
{
    Dec->SetDrawColor(base::ToBgr(colour));
    if (Dot) planeview::ShowColourDot(*Dot, colour);
}

void TfmPlaneLab::btFontClick()
{
    if (const auto font = chooseFont())
        for (planeview::TDec2D* plane : planes()) plane->setFont(*font);
}

void TfmPlaneLab::ComboBoxWidthChange(int index)
{
    if (index < 0) return;
    for (planeview::TDec2D* plane : planes()) plane->SetPenWidth(index + 1);
}

void TfmPlaneLab::showNote(const QString& text, int seconds) { shellcalls::guide().ShowNote(text, seconds); }

} // namespace planelab
