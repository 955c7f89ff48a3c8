#include "labs/planimetry/labwindow.h"
#include "base/numfmt.h"
#include "labframe/labpanel.h"
#include "plane/planetools.h"
#include "plane/view/planecontrol.h"
#include "plane/view/pointdialogs.h"
#include "ui/inputdialog.h"
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace planimetrylab {

using labframe::SetTag;
using labframe::Tag;

namespace {

constexpr int kZoomIn = 1;   // the tags of btPlus and btMinus
constexpr int kZoomOut = 2;
constexpr int kButtonPadding = 8;
constexpr int kWidthCount = 5; // line widths 1 … 5
const QSize kDotSize(18, 18);

const QString kSideCountPrompt = QStringLiteral("Число сторон: ");
const QString kSideLengthPrompt = QStringLiteral("Длина стороны: ");
const QString kAnglePrompt = QStringLiteral("Введите угол поворота: ");
const QString kFactorPrompt = QStringLiteral("Введите коэффициент гомотетии: ");

// A text button keeps the width of its caption when a menu choice changes it.
void FitToCaption(QToolButton* button) { button->setFixedWidth(button->sizeHint().width() + kButtonPadding); }

QString Quoted(const char* word) { return u'"' + QString::fromUtf8(word) + u'"'; }

} // namespace

TfmLab4::TfmLab4(QWidget* parent) : TfmLab(kNumber, parent)
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeToolRow());
    Dec = new planeview::TDec2D(workArea());
    column->addWidget(Dec, 1);
    NameDialog = new planeview::TffDialog(this);
    makeFigureMenu();
    makeMorphMenu();

    // A plane without coordinates: grid at 30 pixels per unit, no axes, no coordinate labels.
    Dec->SetAxesVisible(false);
    Dec->SetScale(kInitialScale);
    Dec->SetGridVisible(true);
    Dec->NameDialog = NameDialog;
    ComboBoxWidth->setCurrentIndex(0);
    SetDrawColor(base::BgrColor(Dec->DrawColor()));
}

// --- building ----------------------------------------------------------------

// Two rows above the plane: building and transforming first, then marking,
// measuring, the view and the look of the lines.
QWidget* TfmLab4::makeToolRow()
{
    auto* rows = new QWidget(workArea());
    rows->setObjectName(QStringLiteral("pTools"));
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 2, 0, 2);
    column->setSpacing(2);
    auto* buildRow = new QWidget(rows);
    auto* markRow = new QWidget(rows);
    for (QWidget* row : {buildRow, markRow}) {
        labframe::RowLayout(row, 4);
        column->addWidget(row);
    }
    makeToolButtons(buildRow, markRow);
    makeViewButtons(markRow);
    makeStyleControls(buildRow, markRow);
    for (QWidget* row : {buildRow, markRow}) static_cast<QHBoxLayout*>(row->layout())->addStretch(1);
    return rows;
}

QToolButton* TfmLab4::addToolButton(const QString& name, int tag, const QString& caption, const QString& hint,
                                    QWidget* row)
{
    QToolButton* button = addButton(name, caption, hint, row);
    SetTag(button, tag);
    button->setCheckable(true);
    Tools->addButton(button);
    connect(button, &QToolButton::clicked, this, [this, button](bool pressed) { ToolClick(button, pressed); });
    return button;
}

void TfmLab4::makeToolButtons(QWidget* buildRow, QWidget* markRow)
{
    Tools = new QButtonGroup(this);
    Tools->setExclusive(true);
    bt0 = addToolButton(QStringLiteral("bt0"), plane::kToolHand, QStringLiteral("Рука"), Quoted("Рука"), buildRow);
    bt255 = addToolButton(QStringLiteral("bt255"), plane::kToolEraser, QStringLiteral("Ластик"), Quoted("Ластик"), buildRow);
    btFig = addToolButton(QStringLiteral("btFig"), plane::kToolSegment, QStringLiteral("Отрезок"),
                          QStringLiteral("Отрезок"), buildRow);
    btMorph = addToolButton(QStringLiteral("btMorph"), plane::kToolSymmetryAxis, QStringLiteral("Выбрать ось симметрии"),
                            QStringLiteral("Выбрать ось симметрии"), buildRow);
    bt242 = addToolButton(QStringLiteral("bt242"), plane::kToolTrace, QStringLiteral("След"), QStringLiteral("След точки"), buildRow);
    bt240 = addToolButton(QStringLiteral("bt240"), plane::kToolNamePoint, QStringLiteral("Имя"),
                          QStringLiteral("Подписать точку"), buildRow);
    bt230 = addToolButton(QStringLiteral("bt230"), plane::kToolRecolour, QStringLiteral("Закрасить"),
                          QStringLiteral("Закрасить"), markRow);
    bt100 = addToolButton(QStringLiteral("bt100"), plane::kToolDistance, QStringLiteral("Линейка"), Quoted("Линейка"), markRow);
    bt101 = addToolButton(QStringLiteral("bt101"), plane::kToolAngle, QStringLiteral("Транспортир"),
                          Quoted("Транспортир"), markRow);
    bt0->setChecked(true);
}

void TfmLab4::makeViewButtons(QWidget* row)
{
    btGrid = addButton(QStringLiteral("btGrid"), QStringLiteral("Сетка"), Quoted("Сетка"), row);
    btGrid->setCheckable(true);
    btGrid->setChecked(true);
    connect(btGrid, &QToolButton::clicked, this, [this](bool pressed) { btGridClick(pressed); });
    btShowAll = addButton(QStringLiteral("btShowAll"), QStringLiteral("Показать все"), QStringLiteral("Показать все"), row);
    btShowAll->setCheckable(true);
    btShowAll->hide();
    connect(btShowAll, &QToolButton::clicked, this, [this](bool pressed) { btShowAllClick(pressed); });
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
        // The plane zooms while the button is held.
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

void TfmLab4::makeStyleControls(QWidget* buildRow, QWidget* row)
{
    // The menu buttons come after the view buttons in the window's order
    // (and in its files), but sit beside the buttons they choose for.
    auto* layout = static_cast<QHBoxLayout*>(buildRow->layout());
    btCaseFig = addButton(QStringLiteral("btCaseFig"), QStringLiteral("▼"), QStringLiteral("Выбор фигуры"), buildRow);
    layout->insertWidget(layout->indexOf(btFig) + 1, btCaseFig);
    connect(btCaseFig, &QToolButton::clicked, this, [this] { btCaseFigClick(); });
    btCaseMorph = addButton(QStringLiteral("btCaseMorph"), QStringLiteral("▼"), QStringLiteral("Выбор преобразования"), buildRow);
    layout->insertWidget(layout->indexOf(btMorph) + 1, btCaseMorph);
    connect(btCaseMorph, &QToolButton::clicked, this, [this] { btCaseMorphClick(); });
    btCaseColor = addButton(QStringLiteral("btCaseColor"), QStringLiteral("Цвет"), QStringLiteral("Выбор цвета"), row);
    connect(btCaseColor, &QToolButton::clicked, this, [this] { btCaseColorClick(); });
    Dot = new QLabel(row);
    Dot->setObjectName(QStringLiteral("Dot"));
    Dot->setFixedSize(kDotSize);
    Dot->setToolTip(QStringLiteral("Выбор цвета"));
    row->layout()->addWidget(Dot);
    addHelpMenu(Dot);
    btFont = addButton(QStringLiteral("btFont"), QStringLiteral("Шрифт"), QStringLiteral("Шрифт"), row);
    connect(btFont, &QToolButton::clicked, this, [this] { btFontClick(); });
    ComboBoxWidth = addControl<QComboBox>(QStringLiteral("ComboBoxWidth"), row);
    for (int width = 1; width <= kWidthCount; ++width) ComboBoxWidth->addItem(QString::number(width));
    ComboBoxWidth->setToolTip(QStringLiteral("Толщина линии"));
    connect(ComboBoxWidth, &QComboBox::currentIndexChanged, this, [this](int index) { ComboBoxWidthChange(index); });
    row->layout()->addWidget(ComboBoxWidth);
    addHelpMenu(ComboBoxWidth);
}

QAction* TfmLab4::addMenuItem(QMenu* menu, int tag, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    SetTag(item, tag);
    return item;
}

void TfmLab4::makeFigureMenu()
{
    PopupFig = new QMenu(this);
    PopupFig->setObjectName(QStringLiteral("PopupFig"));
    addMenuItem(PopupFig, plane::kToolPoint, QStringLiteral("Точка"));
    addMenuItem(PopupFig, plane::kToolSegment, QStringLiteral("Отрезок"));
    addMenuItem(PopupFig, plane::kToolSegmentFixed, QStringLiteral("Отрезок с фикс.длиной"));
    addMenuItem(PopupFig, plane::kToolRay, QStringLiteral("Луч"));
    addMenuItem(PopupFig, plane::kToolLine, QStringLiteral("Прямая"));
    addMenuItem(PopupFig, plane::kToolCircleThrough, QStringLiteral("Окружность"));
    addMenuItem(PopupFig, plane::kToolCircleFixed, QStringLiteral("Окружность с фикс. радиусом"));
    PopupFig->addSeparator();
    addMenuItem(PopupFig, plane::kToolPolygonOutline, QStringLiteral("Многоугольник"));
    addMenuItem(PopupFig, plane::kToolPolygonFilled, QStringLiteral("Многоугольник с ") + Quoted("внутренностью"));
    addMenuItem(PopupFig, plane::kToolRegularPolygon, QStringLiteral("Правильный многоугольник"));
    PopupFig->addSeparator();
    addMenuItem(PopupFig, plane::kToolVector, QStringLiteral("Вектор"));
    addMenuItem(PopupFig, plane::kToolMidpoint, QStringLiteral("Середина отрезка"));
    connect(PopupFig, &QMenu::triggered, this, [this](QAction* item) { PopupFigChoose(item); });
}

void TfmLab4::makeMorphMenu()
{
    PopupMorph = new QMenu(this);
    PopupMorph->setObjectName(QStringLiteral("PopupMorph"));
    addMenuItem(PopupMorph, plane::kToolSymmetryAxis, QStringLiteral("Выбрать ось симметрии"));
    addMenuItem(PopupMorph, plane::kToolReflect, QStringLiteral("Осевая симметрия"));
    PopupMorph->addSeparator();
    addMenuItem(PopupMorph, plane::kToolRotationCentre, QStringLiteral("Выбрать центр поворота"));
    itRotationAngle = PopupMorph->addAction(QStringLiteral("Задать угол поворота"));
    addMenuItem(PopupMorph, plane::kToolRotate, QStringLiteral("Поворот"));
    PopupMorph->addSeparator();
    addMenuItem(PopupMorph, plane::kToolShiftVector, QStringLiteral("Выбрать вектор переноса"));
    addMenuItem(PopupMorph, plane::kToolTranslate, QStringLiteral("Параллельный перенос"));
    PopupMorph->addSeparator();
    addMenuItem(PopupMorph, plane::kToolHomothetyCentre, QStringLiteral("Выбрать центр гомотетии"));
    itHomothetyFactor = PopupMorph->addAction(QStringLiteral("Задать коэффициент гомотетии"));
    addMenuItem(PopupMorph, plane::kToolHomothety, QStringLiteral("Гомотетия"));
    PopupMorph->addSeparator();
    connect(PopupMorph, &QMenu::triggered, this, [this](QAction* item) { PopupMorphChoose(item); });
}

// --- the lab file ------------------------------------------------------------

void TfmLab4::ClearLab()
{
    TfmLab::ClearLab();
    Dec->ClearScene();
}

void TfmLab4::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    // The window lines set the buttons without clicking them: the plane follows here.
    Dec->SetGridVisible(btGrid->isChecked());
    Dec->SetShowHidden(btShowAll->isChecked());
    Dec->LoadScene(data.engineLines, data.engineLine);
}

void TfmLab4::WriteLab(labframe::LabFileData& data)
{
    TfmLab::WriteLab(data);
    data.engineLines = Dec->SaveScene();
}

void TfmLab4::FormShow()
{
    TfmLab::FormShow();
    Dec->SetTool(Dec->Tool());
}

// --- handlers ------------------------------------------------------------------

void TfmLab4::ToolClick(QToolButton* button, bool pressed)
{
    // Releasing a tool (a lab file may) leaves the tool of the button pressed next.
    if (pressed) Dec->SetTool(Tag(button));
}

void TfmLab4::btGridClick(bool pressed) { Dec->SetGridVisible(pressed); }
void TfmLab4::btShowAllClick(bool pressed) { Dec->SetShowHidden(pressed); }

void TfmLab4::ZoomStep(int tag)
{
    if (tag == kZoomIn) Dec->SetScale(Dec->Scale() * kZoomFactor);
    else if (tag == kZoomOut) Dec->SetScale(Dec->Scale() / kZoomFactor);
}

void TfmLab4::btCaseFigClick() { PopupFig->popup(btCaseFig->mapToGlobal(QPoint(0, btCaseFig->height()))); }
void TfmLab4::btCaseMorphClick() { PopupMorph->popup(btCaseMorph->mapToGlobal(QPoint(0, btCaseMorph->height()))); }

void TfmLab4::btCaseColorClick()
{
    if (const auto colour = chooseColor(base::BgrColor(Dec->DrawColor()))) SetDrawColor(*colour);
}

void TfmLab4::SetDrawColor(const QColor& colour)
{
    Dec->SetDrawColor(base::ToBgr(colour));
    Dot->setStyleSheet(QStringLiteral("background: %1; border: 1px solid gray; border-radius: 9px;").arg(colour.name()));
}

void TfmLab4::btFontClick()
{
    if (const auto font = chooseFont()) Dec->setFont(*font);
}

void TfmLab4::ComboBoxWidthChange(int index)
{
    if (index >= 0) Dec->SetPenWidth(index + 1);
}

void TfmLab4::chooseTool(QAction* item, QToolButton* button)
{
    ApplyMenuChoice(item, button);
    FitToCaption(button);
    button->setChecked(true);
    Dec->SetTool(Tag(item));
}

void TfmLab4::PopupFigChoose(QAction* item)
{
    const int tag = Tag(item);
    if (tag == plane::kToolRegularPolygon) askRegularPolygon();
    if (tag == plane::kToolPolygonFilled || tag == plane::kToolRegularPolygon) avoidBlackFill();
    chooseTool(item, btFig);
}

void TfmLab4::PopupMorphChoose(QAction* item)
{
    if (item == itRotationAngle) askRotationAngle();
    else if (item == itHomothetyFactor) askHomothetyFactor();
    else chooseTool(item, btMorph);
}

void TfmLab4::avoidBlackFill()
{
    if (Dec->DrawColor() == base::colour::kBlack) SetDrawColor(base::BgrColor(base::colour::kCyan));
}

// A value that does not convert (or makes no polygon) is passed over without a word.
void TfmLab4::askRegularPolygon()
{
    plane::PlaneInteraction& plane = Dec->Interaction();
    ui::TffDlg& dialog = ui::ffDlg();
    if (!dialog.Ask({kSideCountPrompt, kSideLengthPrompt},
                    {QString::number(plane.SideCount), base::FormatReal(plane.SideLength)}))
        return;
    const auto count = base::ParseInt(dialog.Results().value(0));
    if (!count || *count < plane::geometry::kMinSides || *count > kMaxSideCount) return;
    plane.SideCount = int(*count);
    const auto length = base::ParseReal(dialog.Results().value(1));
    if (!length || !(*length > 0) || !std::isfinite(double(*length))) return;
    plane.SideLength = double(*length);
}

void TfmLab4::askRotationAngle()
{
    ui::TffDlg& dialog = ui::ffDlg();
    if (!dialog.Ask({kAnglePrompt}, {base::FormatReal(Dec->Scene().RotationAngle())})) return;
    // The angle is a whole number of degrees.
    if (const auto angle = base::ParseInt(dialog.Results().value(0))) Dec->Scene().SetRotationAngle(double(*angle));
}

void TfmLab4::askHomothetyFactor()
{
    ui::TffDlg& dialog = ui::ffDlg();
    if (!dialog.Ask({kFactorPrompt}, {base::FormatReal(Dec->Scene().HomothetyFactor())})) return;
    if (const auto factor = base::ParseReal(dialog.Results().value(0))) Dec->Scene().SetHomothetyFactor(double(*factor));
}

} // namespace planimetrylab
