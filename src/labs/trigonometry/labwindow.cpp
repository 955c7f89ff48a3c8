#include "labs/trigonometry/labwindow.h"
#include "labframe/labpanel.h"
#include "plane/sectionpair.h"
#include "plane/equations.h"
#include "plane/planetools.h"
#include "plane/view/planecontrol.h"
#include "plane/view/planelabparts.h"
#include "plane/view/pointdialogs.h"
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace trigonometrylab {

using labframe::SetTag;
using labframe::Tag;

namespace {

const QString kStartScene = QStringLiteral("LABS\\Lab5\\Clear.lab");

struct GraphButton {
    const char* name;
    const char* caption;
    const char* hint;
    const char* text;
    base::Bgr colour;
};
namespace trig = base::colour::trigonometry;
const std::array<GraphButton, 4> kGraphs{{
    {"btSIN", "sin", "Синус", "[sin(x)]", trig::kSine},
    {"btCOS", "cos", "Косинус", "[cos(x)]", trig::kCosine},
    {"btTG", "tg", "Тангенс", "[drob[sin(x)][cos(x)]]", trig::kTangent},
    {"btCTG", "ctg", "Котангенс", "[drob[cos(x)][sin(x)]]", trig::kCotangent},
}};

} // namespace

TfmLab5::TfmLab5(QWidget* parent) : TfmPlaneLab(kNumber, parent)
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeToolRow());
    makePlanes();
    column->addWidget(Panel1, 1);
    wireZoom(planeview::ZoomButtons::kInterval);
    NameDialog = new planeview::TffDialog(this);
    makeFigureMenu();
    makeMorphMenu();

    Dec->CoordLabelX = lbX;
    Dec->CoordLabelY = lbY;
    Dec->SetShowCoordinates(true);
    Dec0->SetScale(kCircleScale);
    Dec0->SetGridVisible(true);
    Dec0->NameDialog = NameDialog;
    Dec0->setFont(Dec->font());
    Dec0->SetBackColor(trig::kCirclePanel);
    Dec0->SetShowCoordinates(true);
    ComboBoxWidth->setCurrentIndex(0);
    setTool(plane::kToolHand);
    connect(Dec0, &planeview::TDec2D::PointDragged, this, [this] { CircleDragged(); });
    connect(Dec, &planeview::TDec2D::PointDragged, this, [this] { GraphDragged(); });
}

// --- building ----------------------------------------------------------------

// Two rows above the planes, so that the lab keeps the course's width: the
// tools with their menus and styles; the view, the graphs and the mouse
// coordinates. One button group spans both rows (auto-exclusion works only
// among siblings).
QWidget* TfmLab5::makeToolRow()
{
    QList<QWidget*> rows;
    QWidget* column = makeRows(2, rows);
    QWidget* first = rows[0];
    QWidget* row = rows[1];
    makeToolGroup();
    makeToolButtons(first);
    makeViewButtons(row);
    makeStyleControls(first);
    makeGraphButtons(row);
    static_cast<QHBoxLayout*>(first->layout())->addStretch(1);
    static_cast<QHBoxLayout*>(row->layout())->addStretch(1);
    makeCoordinatePanel(row);
    return column;
}

void TfmLab5::makeToolButtons(QWidget* row)
{
    bt0 = addToolButton(QStringLiteral("bt0"), plane::kToolHand, QStringLiteral("Рука"), Quoted("Рука"), row);
    bt255 = addToolButton(QStringLiteral("bt255"), plane::kToolEraser, QStringLiteral("Ластик"), Quoted("Ластик"), row);
    btFig = addToolButton(QStringLiteral("btFig"), plane::kToolSegment, QStringLiteral("Отрезок"), QStringLiteral("Отрезок"), row);
    btMorph = addToolButton(QStringLiteral("btMorph"), plane::kToolSymmetryAxis, QStringLiteral("Выбрать ось симметрии"),
                            QStringLiteral("Выбрать ось симметрии"), row);
    bt100 = addToolButton(QStringLiteral("bt100"), plane::kToolDistance, QStringLiteral("Линейка"), Quoted("Линейка"), row);
    bt101 = addToolButton(QStringLiteral("bt101"), plane::kToolAngle, QStringLiteral("Транспортир"), Quoted("Транспортир"), row);
    bt0->setChecked(true);
}

void TfmLab5::makeViewButtons(QWidget* row)
{
    makeGridButton(row);
    makeZoomButtons(row);
}

void TfmLab5::makeStyleControls(QWidget* row)
{
    auto* layout = static_cast<QHBoxLayout*>(row->layout());
    btCaseFig = addButton(QStringLiteral("btCaseFig"), QStringLiteral("▼"), QStringLiteral("Выбор фигуры"), row);
    layout->insertWidget(layout->indexOf(btFig) + 1, btCaseFig);
    connect(btCaseFig, &QToolButton::clicked, this, [this] { btCaseFigClick(); });
    btCaseMorph = addButton(QStringLiteral("btCaseMorph"), QStringLiteral("▼"), QStringLiteral("Выбор преобразования"), row);
    layout->insertWidget(layout->indexOf(btMorph) + 1, btCaseMorph);
    connect(btCaseMorph, &QToolButton::clicked, this, [this] { btCaseMorphClick(); });
    makeFontButton(row);
    makeWidthList(row);
}

void TfmLab5::makeGraphButtons(QWidget* row)
{
    std::array<QToolButton**, 4> buttons{&btSIN, &btCOS, &btTG, &btCTG};
    for (size_t i = 0; i < kGraphs.size(); ++i) {
        QToolButton* button = addButton(QString::fromLatin1(kGraphs[i].name), QString::fromUtf8(kGraphs[i].caption),
                                        QString::fromUtf8(kGraphs[i].hint), row);
        SetTag(button, int(i));
        button->setCheckable(true);
        connect(button, &QToolButton::clicked, this, [this, button](bool pressed) { GraphClick(button, pressed); });
        *buttons[i] = button;
    }
}

void TfmLab5::makePlanes()
{
    Panel1 = new QFrame(workArea());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: white; }"));
    auto* layout = new QHBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, Panel1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(kSplitterWidth);
    Splitter1->setChildrenCollapsible(false);
    layout->addWidget(Splitter1);
    Panel3 = new QFrame(Splitter1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto* circle = new QVBoxLayout(Panel3);
    circle->setContentsMargins(0, 0, 0, 0);
    Dec0 = new planeview::TDec2D(Panel3);
    Dec0->setObjectName(QStringLiteral("Dec0"));
    circle->addWidget(Dec0);
    Dec = new planeview::TDec2D(Splitter1);
    Splitter1->addWidget(Panel3);
    Splitter1->addWidget(Dec);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({kCirclePanelWidth, 1000});
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { Splitter1Moved(); });
}

void TfmLab5::makeFigureMenu()
{
    using namespace plane;
    PopupFig = makeToolMenu(QStringLiteral("PopupFig"),
                            {kToolPoint, kToolSegment, kToolRay, kToolLine, kToolCircleThrough, kToolCircleFixed},
                            [this](QAction* item) { PopupFigChoose(item); });
}

void TfmLab5::makeMorphMenu()
{
    using namespace plane;
    PopupMorph = makeToolMenu(QStringLiteral("PopupMorph"),
                              {kToolSymmetryAxis, kToolReflect, kMenuSeparator, kToolRotationCentre, kToolRotate,
                               kMenuSeparator, kToolHomothetyCentre, kToolHomothety, kMenuSeparator},
                              [this](QAction* item) { PopupMorphChoose(item); });
}

// --- the lab file and the start scene -------------------------------------------

void TfmLab5::ClearLab()
{
    TfmPlaneLab::ClearLab();
    m_linked = false;
}

void TfmLab5::ReadLab(const labframe::LabFileData& data)
{
    // Two planes' sections, not the one of the base.
    labframe::TfmLab::ReadLab(data);
    followButtons();
    const plane::SectionPair sections = plane::SplitSections(data.engineLines, data.engineLine);
    Dec0->LoadScene(sections.First, sections.FirstLine);
    Dec->LoadScene(sections.Second, sections.SecondLine);
    m_linked = true;
    if (plane::TPoint* q = Q()) q->Guide = true;
    // The graph buttons show which of their graphs the scene holds.
    for (QToolButton* button : {btSIN, btCOS, btTG, btCTG}) {
        bool shown = false;
        for (plane::TFunction* f : Dec->Algebra().Functions())
            shown |= f->Formula().Text() == GraphText(Tag(button));
        button->setChecked(shown);
    }
}

void TfmLab5::WriteLab(labframe::LabFileData& data)
{
    labframe::TfmLab::WriteLab(data);
    data.engineLines = Dec0->SaveScene();
    data.engineLines.append(QString());
    data.engineLines += Dec->SaveScene();
}

plane::TPoint* TfmLab5::P() const
{
    const plane::PlaneScene& scene = Dec0->Scene();
    return m_linked && scene.PointCount() > kCirclePoint ? scene.Point(kCirclePoint) : nullptr;
}

plane::TPoint* TfmLab5::Q() const
{
    const plane::PlaneScene& scene = Dec->Scene();
    return m_linked && scene.PointCount() > kAnglePoint ? scene.Point(kAnglePoint) : nullptr;
}

void TfmLab5::loadStartScene()
{
    if (m_startSceneFailed) return;
    if (!LoadLabFile(kStartScene)) m_startSceneFailed = true;
}

void TfmLab5::FormShow()
{
    if (!prepared()) loadStartScene();
    TfmPlaneLab::FormShow();
}

void TfmLab5::btClearClick()
{
    TfmPlaneLab::btClearClick();
    loadStartScene();
}

// --- handlers ------------------------------------------------------------------

QString TfmLab5::GraphText(int tag)
{
    if (tag < 0 || tag >= int(kGraphs.size())) return {};
    return QString::fromLatin1(kGraphs[size_t(tag)].text);
}

void TfmLab5::GraphClick(QToolButton* button, bool pressed)
{
    if (Dec0->Busy() || Dec->Busy()) return;
    const int tag = Tag(button);
    plane::FunctionList& list = Dec->Algebra();
    if (pressed) {
        list.AddFormula(GraphText(tag), Dec->Scene(), kGraphs[size_t(tag)].colour);
    } else {
        for (plane::TFunction* f : list.Functions())
            if (f->Kind() == plane::AlgebraKind::FunctionFormula && f->Formula().Text() == GraphText(tag)) {
                list.Delete(f);
                break;
            }
    }
    // A rebuild under way must not keep a graph that is gone.
    Dec->RebuildRegions();
}

void TfmLab5::btCaseFigClick() { popupUnder(PopupFig, btCaseFig); }
void TfmLab5::btCaseMorphClick() { popupUnder(PopupMorph, btCaseMorph); }

void TfmLab5::PopupFigChoose(QAction* item) { chooseTool(item, btFig); }
void TfmLab5::PopupMorphChoose(QAction* item) { chooseTool(item, btMorph); }

void TfmLab5::Splitter1Moved()
{
    if (const auto scale = plane::CircleScaleForWidth(Dec0->width())) Dec0->SetScale(*scale);
}

void TfmLab5::CircleDragged()
{
    plane::TPoint* p = P();
    plane::TPoint* q = Q();
    if (!p || !q) return;
    const double angle = plane::AngleOfCirclePoint(p->Position(), q->X());
    Dec->Interaction().MovePoint(q, {angle, q->Y()});
    Dec->update();
}

void TfmLab5::GraphDragged()
{
    plane::TPoint* p = P();
    plane::TPoint* q = Q();
    if (!p || !q) return;
    Dec0->Interaction().MovePoint(p, plane::CirclePointAt(q->X()));
    Dec0->update();
}

} // namespace trigonometrylab
