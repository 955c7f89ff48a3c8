#include "labs/coordline/labwindow.h"
#include "base/paths.h"
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "labframe/labpanel.h"
#include "labs/coordline/pointswindow.h"
#include "labs/coordline/tableplacement.h"
#include "numberline/placement.h"
#include "numberline/view/dec1d.h"
#include "ui/inputdialog.h"
#include <QActionGroup>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace coordlinelab {

namespace {

constexpr int kTableButtonTag = 100;
constexpr int kZoomInTag = 1;
constexpr int kZoomOutTag = 2;
constexpr int kZoomMs = 50;
constexpr double kZoomFactor = 1.1;
constexpr int kBottomHeight = 140;
constexpr int kPartsLength = 3;
constexpr int kDotSize = 14;

const QString kBottomPicture = QStringLiteral("JPG\\LineBott.jpg");
const QString kNameCaption = QStringLiteral("Обозначение точки:");

} // namespace

TfmLab2::TfmLab2(QWidget* parent) : TfmLab(kNumber, parent)
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* rows = new QWidget(workArea());
    rows->setObjectName(QStringLiteral("pTools"));
    auto* rowColumn = new QVBoxLayout(rows);
    rowColumn->setContentsMargins(0, 2, 0, 2);
    rowColumn->setSpacing(2);
    QWidget* viewRow = makeToolRow(rows);
    QWidget* toolRow = makeToolRow(rows);
    column->addWidget(rows);
    Dec = new numberline::TDec1D(workArea());
    Dec->setObjectName(QStringLiteral("Dec"));
    column->addWidget(Dec, 1);
    imBottom = new QLabel(workArea());
    imBottom->setObjectName(QStringLiteral("imBottom"));
    imBottom->setFixedHeight(kBottomHeight);
    imBottom->setScaledContents(true);
    column->addWidget(imBottom);

    ffNumb = new TffNumb(*Dec, this);
    m_tools = new QButtonGroup(this);
    m_tools->setExclusive(true);
    makeToolButtons(viewRow, toolRow);
    for (QWidget* row : {viewRow, toolRow}) {
        static_cast<QHBoxLayout*>(row->layout())->addStretch(1);
        rowColumn->addWidget(row);
    }
    bindEngine();
    Dec->SetParts(kStartParts);
    Dec->SetDecimalLabels(true);
    Dec->SetTool(base::kToolHand);
}

TfmLab2::~TfmLab2() = default;

// The lab's controls get two rows of their own above the line (the window's
// header has room for its file buttons only): the view first, then the tools.
QWidget* TfmLab2::makeToolRow(QWidget* rows)
{
    auto* row = new QWidget(rows);
    labframe::RowLayout(row, 4);
    return row;
}

QToolButton* TfmLab2::addToolButton(const QString& name, int tool, const QString& caption, const QString& hint,
                                    QWidget* row)
{
    QToolButton* button = addButton(name, caption, hint, row);
    labframe::SetTag(button, tool);
    button->setCheckable(true);
    // One group over both rows: auto-exclusive buttons exclude only their
    // siblings, which would leave a tool of the other row pressed as well.
    m_tools->addButton(button);
    connect(button, &QToolButton::toggled, this, [this, button](bool down) {
        if (down) Dec->SetTool(labframe::Tag(button));
    });
    return button;
}

void TfmLab2::makeToolButtons(QWidget* viewRow, QWidget* toolRow)
{
    QWidget* row = viewRow;
    btNumb = addButton(QStringLiteral("btNumb"), QStringLiteral("№"), QStringLiteral("Окно с числами"), row);
    labframe::SetTag(btNumb, kTableButtonTag);
    btNumb->setCheckable(true);
    btNumb->setChecked(true);
    connect(btNumb, &QToolButton::toggled, this, [this](bool down) {
        if (down && isVisible()) placeTable();
        ffNumb->setVisible(down && isVisible());
    });

    btPlus = addButton(QStringLiteral("btPlus"), QStringLiteral("+"), QStringLiteral("Увеличить"), row);
    labframe::SetTag(btPlus, kZoomInTag);
    btMinus = addButton(QStringLiteral("btMinus"), QStringLiteral("−"), QStringLiteral("Уменьшить"), row);
    labframe::SetTag(btMinus, kZoomOutTag);
    m_zoomTimer = new QTimer(this);
    m_zoomTimer->setInterval(kZoomMs);
    connect(m_zoomTimer, &QTimer::timeout, this, [this] { ZoomStep(m_zoomDirection); });
    for (auto [button, direction] : {std::pair{btPlus, 1}, std::pair{btMinus, -1}}) {
        connect(button, &QToolButton::pressed, this, [this, direction] {
            m_zoomDirection = direction;
            ZoomStep(direction);
            m_zoomTimer->start();
        });
        connect(button, &QToolButton::released, m_zoomTimer, &QTimer::stop);
    }

    // The hand keeps its place in the order of the file's lines but stands
    // first among the tools.
    bt0 = addToolButton(QStringLiteral("bt0"), base::kToolHand, QStringLiteral("Рука"), QStringLiteral("\"Рука\""), toolRow);
    bt0->setChecked(true);

    row->layout()->addWidget(new QLabel(QStringLiteral("Деления:"), row));
    btGrid = addButton(QStringLiteral("btGrid"), QStringLiteral("┼"), QStringLiteral("Деления"), row);
    btGrid->setCheckable(true);
    btGrid->setChecked(true);
    connect(btGrid, &QToolButton::toggled, this, [this](bool down) { Dec->SetShowDivisions(down); });
    edParts = addControl<QLineEdit>(QStringLiteral("edParts"), row);
    edParts->setMaxLength(kPartsLength);
    edParts->setFixedWidth(40);
    edParts->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edParts));
    edParts->setText(QString::number(kStartParts));
    edParts->setToolTip(QStringLiteral("Число делений"));
    row->layout()->addWidget(edParts);
    connect(edParts, &QLineEdit::textChanged, this, [this] { edPartsChange(); });

    btAdd = addButton(QStringLiteral("btAdd"), QStringLiteral("Число"), QStringLiteral("Добавить число"), row);
    connect(btAdd, &QToolButton::clicked, this, [this] { btAddClick(); });

    row = toolRow;
    btFig = addToolButton(QStringLiteral("btFig"), base::kToolPoint, QStringLiteral("Точка"), QStringLiteral("Точка"), row);
    btCaseFig = addButton(QStringLiteral("btCaseFig"), QStringLiteral("▾"), QStringLiteral("Выбор фигуры"), row);
    makeFigureMenu();
    bt244 = addToolButton(QStringLiteral("bt244"), numberline::kToolInclude, QStringLiteral("○●"), QStringLiteral("Вкючение/исключение точки"), row);
    bt255 = addToolButton(QStringLiteral("bt255"), base::kToolEraser, QStringLiteral("Ластик"), QStringLiteral("\"Ластик\""), row);
    bt243 = addToolButton(QStringLiteral("bt243"), numberline::kToolMagicWand, QStringLiteral("Палочка"), QStringLiteral("\"Волшебная палочка\""), row);
    bt230 = addToolButton(QStringLiteral("bt230"), base::kToolRecolour, QStringLiteral("Закрасить"), QStringLiteral("Закрасить"), row);

    btCaseColor = addButton(QStringLiteral("btCaseColor"), QString(), QStringLiteral("Выбор цвета"), row);
    Dot = new QLabel(row);
    Dot->setObjectName(QStringLiteral("Dot"));
    Dot->setFixedSize(kDotSize, kDotSize);
    row->layout()->addWidget(Dot);
    paintDot();
    connect(btCaseColor, &QToolButton::clicked, this, [this] { btCaseColorClick(); });

    btDecimal = addButton(QStringLiteral("btDecimal"), QStringLiteral("0,1"), QStringLiteral("Десятичные деления"), row);
    btDecimal->setCheckable(true);
    btDecimal->setChecked(true);
    btDecimal->hide();
    connect(btDecimal, &QToolButton::toggled, this, [this](bool down) { Dec->SetDecimalLabels(down); });
}

void TfmLab2::makeFigureMenu()
{
    PopupFig = new QMenu(this);
    const struct { const char* caption; int tool; } items[] = {
        {"Точка", base::kToolPoint}, {"Отрезок", base::kToolSegment}, {"Луч", base::kToolRay}};
    for (const auto& item : items) {
        QAction* action = PopupFig->addAction(QString::fromUtf8(item.caption));
        action->setCheckable(true);
        labframe::SetTag(action, item.tool);
        connect(action, &QAction::triggered, this, [this, action] {
            ApplyMenuChoice(action, btFig);
            btFig->setChecked(true);
            Dec->SetTool(labframe::Tag(btFig));
        });
    }
    btCaseFig->setMenu(PopupFig);
    btCaseFig->setPopupMode(QToolButton::InstantPopup);
}

void TfmLab2::bindEngine()
{
    Dec->NameDialog = [](const QString& name) -> std::optional<QString> {
        ui::TffDlg& dialog = ui::ffDlg();
        if (!dialog.Ask({kNameCaption}, {name})) return std::nullopt;
        return dialog.Results().value(0);
    };
    connect(Dec, &numberline::TDec1D::MouseUp, this, &TfmLab2::RefreshTable);
    connect(ffNumb, &TffNumb::Closed, this, [this] { btNumb->setChecked(false); });
    connect(ffNumb, &TffNumb::EngineChanged, Dec, qOverload<>(&QWidget::update));
}

void TfmLab2::paintDot()
{
    QPixmap picture(kDotSize, kDotSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(m_drawColour);
    painter.setPen(Qt::black);
    painter.drawEllipse(1, 1, kDotSize - 2, kDotSize - 2);
    painter.end();
    Dot->setPixmap(picture);
}

void TfmLab2::ZoomStep(int direction)
{
    Dec->SetScale(direction > 0 ? Dec->Scale() * kZoomFactor : Dec->Scale() / kZoomFactor);
}

void TfmLab2::edPartsChange()
{
    bool ok = false;
    const int parts = edParts->text().toInt(&ok);
    if (ok && parts > 0) Dec->SetParts(parts);
}

void TfmLab2::btAddClick()
{
    formulas::TFormula formula;
    if (!formulas::Edit(formula, false)) return;
    Dec->AddPoint(formula.Text());
    RefreshTable();
}

void TfmLab2::btCaseColorClick()
{
    const std::optional<QColor> colour = chooseColor(m_drawColour);
    if (!colour) return;
    m_drawColour = *colour;
    paintDot();
    Dec->SetDrawColor(base::ToBgr(*colour));
}

void TfmLab2::RefreshTable() { ffNumb->Refresh(); }

void TfmLab2::ClearLab()
{
    TfmLab::ClearLab();
    Dec->ClearScene();
    ffNumb->HideGrids();
}

void TfmLab2::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    Dec->LoadScene(data.engineLines, data.engineLine);
    RefreshTable();
}

void TfmLab2::WriteLab(labframe::LabFileData& data)
{
    TfmLab::WriteLab(data);
    data.engineLines = Dec->SaveScene();
}

QStringList TfmLab2::TaskAnswers() const { return numberline::PlacementAnswers(Dec->Scene(), Dec->Scale()); }

void TfmLab2::FormShow()
{
    if (!prepared()) imBottom->setPixmap(QPixmap(base::RealPath(kBottomPicture)));
    TfmLab::FormShow();
    RefreshTable();
    ffNumb->setVisible(btNumb->isChecked());
    if (btNumb->isChecked()) placeTable();
}

void TfmLab2::placeTable()
{
    const QScreen* shown = screen();
    const QRect area = shown ? shown->availableGeometry() : frameGeometry();
    ffNumb->move(PlaceTable(frameGeometry(), ffNumb->frameGeometry().size(), area, Dec->mapToGlobal(QPoint(0, 0)).y()));
}

void TfmLab2::hideEvent(QHideEvent* event)
{
    TfmLab::hideEvent(event);
    const QSignalBlocker quiet(ffNumb);
    ffNumb->hide();
}

} // namespace coordlinelab
