#include "labs/planimetry/labwindow.h"
#include "base/numfmt.h"
#include "labframe/labpanel.h"
#include "plane/planetools.h"
#include "plane/view/planecontrol.h"
#include "plane/view/planelabparts.h"
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

const QString kSideCountPrompt = QStringLiteral("Число сторон: ");
const QString kSideLengthPrompt = QStringLiteral("Длина стороны: ");
const QString kAnglePrompt = QStringLiteral("Введите угол поворота: ");
const QString kFactorPrompt = QStringLiteral("Введите коэффициент гомотетии: ");

} // namespace

TfmLab4::TfmLab4(QWidget* parent) : TfmPlaneLab(kNumber, parent)
{
    makePlane(makeToolRow());
    wireZoom(planeview::ZoomButtons::kInterval);
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
    QList<QWidget*> rows;
    QWidget* column = makeRows(2, rows, 2);
    QWidget* buildRow = rows[0];
    QWidget* markRow = rows[1];
    makeToolButtons(buildRow, markRow);
    makeViewButtons(markRow);
    makeStyleControls(buildRow, markRow);
    for (QWidget* row : rows) static_cast<QHBoxLayout*>(row->layout())->addStretch(1);
    return column;
}

void TfmLab4::makeToolButtons(QWidget* buildRow, QWidget* markRow)
{
    makeToolGroup();
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
    makeGridButton(row);
    btShowAll = addButton(QStringLiteral("btShowAll"), QStringLiteral("Показать все"), QStringLiteral("Показать все"), row);
    btShowAll->setCheckable(true);
    btShowAll->hide();
    connect(btShowAll, &QToolButton::clicked, this, [this](bool pressed) { btShowAllClick(pressed); });
    makeZoomButtons(row);
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
    makeColourControls(row, QStringLiteral("Выбор цвета"));
    makeFontButton(row);
    makeWidthList(row);
}

void TfmLab4::makeFigureMenu()
{
    using namespace plane;
    PopupFig = makeToolMenu(QStringLiteral("PopupFig"),
                            {kToolPoint, kToolSegment, kToolSegmentFixed, kToolRay, kToolLine, kToolCircleThrough,
                             kToolCircleFixed, kMenuSeparator, kToolPolygonOutline, kToolPolygonFilled,
                             kToolRegularPolygon, kMenuSeparator, kToolVector, kToolMidpoint},
                            [this](QAction* item) { PopupFigChoose(item); });
}

void TfmLab4::makeMorphMenu()
{
    using namespace plane;
    PopupMorph = makeToolMenu(QStringLiteral("PopupMorph"),
                              {kToolSymmetryAxis, kToolReflect, kMenuSeparator, kToolRotationCentre, kToolRotate,
                               kMenuSeparator, kToolShiftVector, kToolTranslate, kMenuSeparator, kToolHomothetyCentre,
                               kToolHomothety, kMenuSeparator},
                              [this](QAction* item) { PopupMorphChoose(item); });
    // The two items that set a value stand before the tools that use it.
    itRotationAngle = new QAction(QStringLiteral("Задать угол поворота"), PopupMorph);
    itHomothetyFactor = new QAction(QStringLiteral("Задать коэффициент гомотетии"), PopupMorph);
    for (QAction* item : PopupMorph->actions()) {
        if (labframe::Tag(item) == kToolRotate && !item->isSeparator()) PopupMorph->insertAction(item, itRotationAngle);
        if (labframe::Tag(item) == kToolHomothety && !item->isSeparator()) PopupMorph->insertAction(item, itHomothetyFactor);
    }
}

// --- the lab file ------------------------------------------------------------

void TfmLab4::followButtons()
{
    TfmPlaneLab::followButtons();
    Dec->SetShowHidden(btShowAll->isChecked());
}

// --- handlers ------------------------------------------------------------------

void TfmLab4::btShowAllClick(bool pressed) { Dec->SetShowHidden(pressed); }

void TfmLab4::btCaseFigClick() { popupUnder(PopupFig, btCaseFig); }
void TfmLab4::btCaseMorphClick() { popupUnder(PopupMorph, btCaseMorph); }

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
