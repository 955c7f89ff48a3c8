#include "labs/stereometry/labwindow.h"
#include "base/numfmt.h"
#include "labframe/labpanel.h"
#include "plane/view/pointdialogs.h"
#include "space/solids.h"
#include "space/spacetools.h"
#include "space/view/dec3d.h"
#include "ui/dialogs.h"
#include "ui/inputdialog.h"
#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace stereometrylab {

using labframe::SetTag;
using labframe::Tag;

namespace {

constexpr int kZoomIn = 1;   // the tags of btPlus and btMinus
constexpr int kZoomOut = 2;
constexpr int kButtonPadding = 8;
constexpr int kWidthCount = 5; // line widths 1 … 5
const QSize kDotSize(18, 18);
const QSize kWidthSample(40, 14);

const QString kSideCountPrompt = QStringLiteral("Число сторон основания: ");
const QString kAnglePrompt = QStringLiteral("Введите угол поворота: ");
const QString kFactorPrompt = QStringLiteral("Введите коэффициент гомотетии: ");
const QString kZeroFactorRefusal = QStringLiteral("Коэффициент гомотетии не может быть равен нулю");

void FitToCaption(QToolButton* button) { button->setFixedWidth(button->sizeHint().width() + kButtonPadding); }

QString Quoted(const char* word) { return u'"' + QString::fromUtf8(word) + u'"'; }

} // namespace

TfmLab13::TfmLab13(QWidget* parent) : TfmLab(kNumber, parent)
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeToolRows());
    Dec = new space::TDec3D(workArea());
    Dec->setObjectName(QStringLiteral("Dec"));
    column->addWidget(Dec, 1);
    connect(Dec, &space::TDec3D::MouseUp, Dec, &space::TDec3D::Redraw);
    NameDialog = new planeview::TffDialog(this);
    Dec->NameDialog = [this](const QString& current) -> std::optional<QString> {
        NameDialog->SetName(current);
        if (ui::dialogs().exec(*NameDialog) != QDialog::Accepted) return std::nullopt;
        return NameDialog->Name();
    };
    makeFigureMenu();
    makeMorphMenu();

    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(kFontPixels);
    Dec->setFont(font);
    QPalette palette = Dec->palette();
    palette.setColor(QPalette::WindowText, base::BgrColor(base::MakeBgr(0, 0, 128)));
    Dec->setPalette(palette);
    ComboBoxWidth->setCurrentIndex(0);
    SetDrawColor(base::BgrColor(base::colour::kBlack));
}

// --- building ----------------------------------------------------------------

// Three rows above the space, each within the course's 800 pixels: the view
// and the drawing modes; the figures, the measures and the transformations;
// then erasing, marking and the look of the lines.
QWidget* TfmLab13::makeToolRows()
{
    auto* rows = new QWidget(workArea());
    rows->setObjectName(QStringLiteral("pTools"));
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 2, 0, 2);
    column->setSpacing(2);
    auto* viewRow = new QWidget(rows);
    auto* buildRow = new QWidget(rows);
    auto* markRow = new QWidget(rows);
    for (QWidget* row : {viewRow, buildRow, markRow}) {
        labframe::RowLayout(row, 4);
        column->addWidget(row);
    }
    Tools = new QButtonGroup(this);
    Tools->setExclusive(true);
    makeViewButtons(viewRow);
    makeBuildButtons(buildRow, buildRow);
    makeStyleControls(markRow);
    for (QWidget* row : {viewRow, buildRow, markRow}) static_cast<QHBoxLayout*>(row->layout())->addStretch(1);
    return rows;
}

QToolButton* TfmLab13::addToolButton(const QString& name, int tag, const QString& caption, const QString& hint,
                                     QWidget* row)
{
    QToolButton* button = addButton(name, caption, hint, row);
    SetTag(button, tag);
    button->setCheckable(true);
    Tools->addButton(button);
    connect(button, &QToolButton::clicked, this, [this, button](bool pressed) { ToolClick(button, pressed); });
    return button;
}

void TfmLab13::makeViewButtons(QWidget* row)
{
    btPlus = addButton(QStringLiteral("btPlus"), QStringLiteral("+"), QStringLiteral("Увеличить"), row);
    btMinus = addButton(QStringLiteral("btMinus"), QStringLiteral("−"), QStringLiteral("Уменьшить"), row);
    for (QToolButton* button : {btPlus, btMinus}) {
        SetTag(button, button == btPlus ? kZoomIn : kZoomOut);
        // The space zooms while the button is held.
        connect(button, &QToolButton::pressed, this, [this, button] {
            m_zoomTag = Tag(button);
            ZoomStep(m_zoomTag);
            Timer1->start();
        });
        connect(button, &QToolButton::released, this, [this] {
            m_zoomTag = 0;
            Timer1->stop();
            Dec->Redraw();
        });
    }
    bt0 = addToolButton(QStringLiteral("bt0"), base::kToolHand, QStringLiteral("Рука"), Quoted("Рука"), row);
    bt98 = addToolButton(QStringLiteral("bt98"), space::kToolTurnXY, QStringLiteral("Ox, Oy"),
                         QStringLiteral("Вращение вокруг Ox, Oy"), row);
    bt99 = addToolButton(QStringLiteral("bt99"), space::kToolTurnZ, QStringLiteral("Oz"),
                         QStringLiteral("Вращение вокруг Oz"), row);
    bt0->setChecked(true);

    DrawModes = new QButtonGroup(this);
    DrawModes->setExclusive(true);
    const struct { const char* name; space::DrawMode mode; const char* caption; const char* hint; } modes[] = {
        {"btDrawReg0", space::DrawMode::Wireframe, "Каркас", "Режим \"Каркас\""},
        {"btDrawReg1", space::DrawMode::Image, "Изображение", "Режим \"Изображение\""},
        {"btDrawReg2", space::DrawMode::Solid, "Тело", "Режим \"Твердое тело\""},
    };
    QToolButton** buttons[] = {&btDrawReg0, &btDrawReg1, &btDrawReg2};
    for (size_t i = 0; i < std::size(modes); ++i) {
        QToolButton* button = addButton(QString::fromLatin1(modes[i].name), QString::fromUtf8(modes[i].caption),
                                        QString::fromUtf8(modes[i].hint), row);
        SetTag(button, int(modes[i].mode));
        button->setCheckable(true);
        DrawModes->addButton(button);
        connect(button, &QToolButton::clicked, this, [this, button](bool pressed) { DrawRegClick(button, pressed); });
        *buttons[i] = button;
    }
    btDrawReg0->setChecked(true);
}

void TfmLab13::makeBuildButtons(QWidget* row, QWidget* morphRow)
{
    btFig = addToolButton(QStringLiteral("btFig"), base::kToolSegment, QStringLiteral("Отрезок"),
                          QStringLiteral("Отрезок"), row);
    btCaseFig = addButton(QStringLiteral("btCaseFig"), QStringLiteral("▼"), QStringLiteral("Выбор фигуры"), row);
    connect(btCaseFig, &QToolButton::clicked, this, [this] { btCaseFigClick(); });
    bt100 = addToolButton(QStringLiteral("bt100"), space::kToolRuler, QStringLiteral("Линейка"), Quoted("Линейка"), row);
    bt101 = addToolButton(QStringLiteral("bt101"), space::kToolProtractor, QStringLiteral("Транспортир"),
                          Quoted("Транспортир"), row);
    btMorph = addToolButton(QStringLiteral("btMorph"), space::kToolChooseMirror,
                            QStringLiteral("Выбрать плоскость симметрии"), QStringLiteral("Выбрать ось симметрии"), morphRow);
    btCaseMorph = addButton(QStringLiteral("btCaseMorph"), QStringLiteral("▼"), QStringLiteral("Выбор преобразования"),
                            morphRow);
    connect(btCaseMorph, &QToolButton::clicked, this, [this] { btCaseMorphClick(); });
    FitToCaption(btFig);
    FitToCaption(btMorph);
}

void TfmLab13::makeStyleControls(QWidget* row)
{
    bt255 = addToolButton(QStringLiteral("bt255"), base::kToolEraser, QStringLiteral("Ластик"), Quoted("Ластик"), row);
    bt240 = addToolButton(QStringLiteral("bt240"), base::kToolNamePoint, QStringLiteral("Имя"),
                          QStringLiteral("Подписать точку"), row);
    btFont = addButton(QStringLiteral("btFont"), QStringLiteral("Шрифт"), QStringLiteral("Шрифт"), row);
    connect(btFont, &QToolButton::clicked, this, [this] { btFontClick(); });
    ComboBoxWidth = addControl<QComboBox>(QStringLiteral("ComboBoxWidth"), row);
    ComboBoxWidth->setIconSize(kWidthSample);
    for (int width = 1; width <= kWidthCount; ++width) ComboBoxWidth->addItem(QString::number(width));
    ComboBoxWidth->setToolTip(QStringLiteral("Толщина линии"));
    connect(ComboBoxWidth, &QComboBox::currentIndexChanged, this, [this](int index) { ComboBoxWidthChange(index); });
    row->layout()->addWidget(ComboBoxWidth);
    addHelpMenu(ComboBoxWidth);
    bt230 = addToolButton(QStringLiteral("bt230"), base::kToolRecolour, QStringLiteral("Закрасить"),
                          QStringLiteral("Закрасить"), row);
    btCaseColor = addButton(QStringLiteral("btCaseColor"), QStringLiteral("Цвет"), QStringLiteral("Выбор цвета"), row);
    connect(btCaseColor, &QToolButton::clicked, this, [this] { btCaseColorClick(); });
    Dot = new QLabel(row);
    Dot->setObjectName(QStringLiteral("Dot"));
    Dot->setFixedSize(kDotSize);
    Dot->setToolTip(QStringLiteral("Выбор цвета"));
    row->layout()->addWidget(Dot);
    addHelpMenu(Dot);
    btShowAll = addButton(QStringLiteral("btShowAll"), QStringLiteral("Показать все"), QStringLiteral("Показать все"), row);
    btShowAll->setCheckable(true);
    btShowAll->hide();
    connect(btShowAll, &QToolButton::clicked, this, [this](bool pressed) { btShowAllClick(pressed); });
    Timer1 = addControl<QTimer>(QStringLiteral("Timer1"), this);
    Timer1->setInterval(kZoomInterval);
    connect(Timer1, &QTimer::timeout, this, [this] {
        // A lab file may start the timer with no button held.
        if (m_zoomTag == 0) Timer1->stop();
        else ZoomStep(m_zoomTag);
    });
}

QAction* TfmLab13::addMenuItem(QMenu* menu, QActionGroup* group, int tag, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    SetTag(item, tag);
    item->setCheckable(true);
    group->addAction(item);
    return item;
}

void TfmLab13::makeFigureMenu()
{
    PopupFig = new QMenu(this);
    PopupFig->setObjectName(QStringLiteral("PopupFig"));
    auto* group = new QActionGroup(PopupFig);
    addMenuItem(PopupFig, group, base::kToolPoint, QStringLiteral("Точка"));
    addMenuItem(PopupFig, group, base::kToolSegment, QStringLiteral("Отрезок"))->setChecked(true);
    addMenuItem(PopupFig, group, base::kToolRay, QStringLiteral("Луч"));
    addMenuItem(PopupFig, group, base::kToolLine, QStringLiteral("Прямая"));
    addMenuItem(PopupFig, group, base::kToolVector, QStringLiteral("Вектор"));
    addMenuItem(PopupFig, group, space::kToolMidpoint, QStringLiteral("Середина отрезка"));
    PopupFig->addSeparator();
    addMenuItem(PopupFig, group, space::kToolCube, QStringLiteral("Куб"));
    addMenuItem(PopupFig, group, space::kToolTetrahedron, QStringLiteral("Тетраэдр"));
    addMenuItem(PopupFig, group, space::kToolPyramid, QStringLiteral("Пирамида"));
    addMenuItem(PopupFig, group, space::kToolPrism, QStringLiteral("Призма"));
    addMenuItem(PopupFig, group, space::kToolOctahedron, QStringLiteral("Октаэдр"));
    PopupFig->addSeparator();
    addMenuItem(PopupFig, group, space::kToolSection, QStringLiteral("Сечение"));
    addMenuItem(PopupFig, group, space::kToolPlane, QStringLiteral("Плоскость"));
    addMenuItem(PopupFig, group, space::kToolFace, QStringLiteral("Грань"))->setVisible(false);
    connect(PopupFig, &QMenu::triggered, this, [this](QAction* item) { PopupFigChoose(item); });
}

void TfmLab13::makeMorphMenu()
{
    PopupMorph = new QMenu(this);
    PopupMorph->setObjectName(QStringLiteral("PopupMorph"));
    auto* group = new QActionGroup(PopupMorph);
    addMenuItem(PopupMorph, group, space::kToolChooseMirror, QStringLiteral("Выбрать плоскость симметрии"))->setChecked(true);
    addMenuItem(PopupMorph, group, space::kToolMirror, QStringLiteral("Зеркальная симметрия"));
    PopupMorph->addSeparator();
    addMenuItem(PopupMorph, group, space::kToolChooseAxis, QStringLiteral("Выбрать ось поворота"));
    itRotationAngle = PopupMorph->addAction(QStringLiteral("Задать угол поворота"));
    addMenuItem(PopupMorph, group, space::kToolRotate, QStringLiteral("Поворот"));
    PopupMorph->addSeparator();
    addMenuItem(PopupMorph, group, space::kToolChooseVector, QStringLiteral("Выбрать вектор переноса"));
    addMenuItem(PopupMorph, group, space::kToolTranslate, QStringLiteral("Параллельный перенос"));
    PopupMorph->addSeparator();
    addMenuItem(PopupMorph, group, space::kToolChooseCentre, QStringLiteral("Выбрать центр гомотетии"));
    itHomothetyFactor = PopupMorph->addAction(QStringLiteral("Задать коэффициент гомотетии"));
    addMenuItem(PopupMorph, group, space::kToolHomothety, QStringLiteral("Гомотетия"));
    connect(PopupMorph, &QMenu::triggered, this, [this](QAction* item) { PopupMorphChoose(item); });
}

// --- the lab file ------------------------------------------------------------

void TfmLab13::ClearLab()
{
    TfmLab::ClearLab();
    Dec->ClearScene();
}

void TfmLab13::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    // The window lines set the buttons without clicking them: the space follows here.
    if (QAbstractButton* mode = DrawModes->checkedButton()) Dec->SetDrawMode(space::DrawMode(Tag(mode)));
    Dec->SetShowHidden(btShowAll->isChecked());
    if (ComboBoxWidth->currentIndex() >= 0) Dec->SetPenWidth(ComboBoxWidth->currentIndex() + 1);
    Dec->LoadScene(data.engineLines, data.engineLine);
}

void TfmLab13::WriteLab(labframe::LabFileData& data)
{
    TfmLab::WriteLab(data);
    data.engineLines = Dec->SaveScene();
}

void TfmLab13::FormShow()
{
    TfmLab::FormShow();
    Dec->SetTool(Dec->Tool());
}

// --- handlers ------------------------------------------------------------------

void TfmLab13::ToolClick(QToolButton* button, bool pressed)
{
    if (pressed) Dec->SetTool(Tag(button));
}

void TfmLab13::DrawRegClick(QToolButton* button, bool pressed)
{
    if (pressed) Dec->SetDrawMode(space::DrawMode(Tag(button)));
}

void TfmLab13::btShowAllClick(bool pressed) { Dec->SetShowHidden(pressed); }

void TfmLab13::ZoomStep(int tag)
{
    if (tag == kZoomIn) Dec->SetScale(Dec->Scale() * kZoomFactor);
    else if (tag == kZoomOut) Dec->SetScale(Dec->Scale() / kZoomFactor);
}

void TfmLab13::btCaseFigClick() { PopupFig->popup(btCaseFig->mapToGlobal(QPoint(0, kMenuDrop))); }
void TfmLab13::btCaseMorphClick() { PopupMorph->popup(btCaseMorph->mapToGlobal(QPoint(0, kMenuDrop))); }

void TfmLab13::btCaseColorClick()
{
    if (const auto colour = chooseColor(base::BgrColor(Dec->Mouse().DrawingColour))) SetDrawColor(*colour);
}

// The drawing colour shows on Dot and in the samples of the width list.
void TfmLab13::SetDrawColor(const QColor& colour)
{
    Dec->SetDrawColor(base::ToBgr(colour));
    Dot->setStyleSheet(QStringLiteral("background: %1; border: 1px solid gray; border-radius: 9px;").arg(colour.name()));
    for (int i = 0; i < ComboBoxWidth->count(); ++i) {
        QPixmap sample(kWidthSample);
        sample.fill(Qt::white);
        QPainter painter(&sample);
        painter.setPen(QPen(colour, i + 1));
        painter.drawLine(0, kWidthSample.height() / 2, kWidthSample.width(), kWidthSample.height() / 2);
        ComboBoxWidth->setItemIcon(i, QIcon(sample));
    }
}

void TfmLab13::btFontClick()
{
    if (const auto font = chooseFont()) {
        Dec->setFont(*font);
        Dec->Redraw();
    }
}

void TfmLab13::ComboBoxWidthChange(int index)
{
    if (index >= 0) Dec->SetPenWidth(index + 1);
}

void TfmLab13::chooseTool(QAction* item, QToolButton* button)
{
    ApplyMenuChoice(item, button);
    FitToCaption(button);
    button->setChecked(true);
    Dec->SetTool(Tag(item));
}

void TfmLab13::PopupFigChoose(QAction* item)
{
    const int tag = Tag(item);
    if (tag == space::kToolPyramid || tag == space::kToolPrism) askSideCount();
    chooseTool(item, btFig);
}

void TfmLab13::PopupMorphChoose(QAction* item)
{
    if (item == itRotationAngle) askRotationAngle();
    else if (item == itHomothetyFactor) askHomothetyFactor();
    else chooseTool(item, btMorph);
}

// Text that is no whole number is passed over; a number that makes no
// pyramid or prism is refused with a word, and the count stays.
void TfmLab13::askSideCount()
{
    space::SpaceInteraction& engine = Dec->Mouse();
    ui::TffDlg& dialog = ui::ffDlg();
    const QString caption = QStringLiteral("Число сторон: от %1 до %2").arg(space::kMinSideCount).arg(space::kMaxSideCount);
    if (!dialog.Ask({kSideCountPrompt}, {QString::number(engine.SideCount())}, caption)) return;
    const auto count = base::ParseInt(dialog.Results().value(0).trimmed());
    if (!count) return;
    if (!engine.SetSideCount(*count)) ui::ShowMessage(space::SideCountRefusal());
}

void TfmLab13::askRotationAngle()
{
    space::SpaceInteraction& engine = Dec->Mouse();
    ui::TffDlg& dialog = ui::ffDlg();
    if (!dialog.Ask({kAnglePrompt}, {base::FormatReal(engine.RotationAngle())})) return;
    // The angle is a whole number of degrees.
    if (const auto angle = base::ParseInt(dialog.Results().value(0).trimmed())) engine.SetRotationAngle(double(*angle));
}

void TfmLab13::askHomothetyFactor()
{
    space::SpaceInteraction& engine = Dec->Mouse();
    ui::TffDlg& dialog = ui::ffDlg();
    if (!dialog.Ask({kFactorPrompt}, {base::FormatReal(engine.HomothetyFactor())})) return;
    const auto factor = base::ParseReal(dialog.Results().value(0).trimmed());
    if (!factor) return;
    if (!engine.SetHomothetyFactor(double(*factor))) ui::ShowMessage(kZeroFactorRefusal);
}

} // namespace stereometrylab
