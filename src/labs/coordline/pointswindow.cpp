#include "labs/coordline/pointswindow.h"
#include "base/colours.h"
#include "formulas/view/drawing.h"
#include "formulas/view/formulaeditor.h"
#include "numberline/pointstable.h"
#include "numberline/view/dec1d.h"
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace coordlinelab {

namespace {

constexpr int kCellMargin = 5;
constexpr int kFormulaPadding = 10;
constexpr int kValueColumnWidth = 140;
constexpr int kParameterColumnWidth = 40;
constexpr int kRepeatMs = 50;
constexpr double kParameterStep = 0.1;

} // namespace

TPointsGrid::TPointsGrid(numberline::TDec1D& engine, QWidget* parent) : QWidget(parent), m_engine(engine) {}

void TPointsGrid::Measure()
{
    m_heights.clear();
    m_formulaWidth = 0;
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter canvas(&scratch);
    canvas.setFont(font());
    for (const auto& point : m_engine.Scene().Points()) {
        int width = 0, height = 0;
        formulas::Measure(point->Formula(), canvas, width, height);
        m_formulaWidth = std::max(m_formulaWidth, width + kFormulaPadding);
        m_heights.push_back(height + kFormulaPadding);
    }
    int total = 2;
    for (int height : m_heights) total += height + 1;
    setFixedHeight(total);
    setMinimumWidth(m_formulaWidth + kValueColumnWidth);
    update();
}

int TPointsGrid::RowAt(int y) const
{
    int top = 0;
    for (int row = 0; row < int(m_heights.size()); ++row) {
        top += m_heights[size_t(row)] + 1;
        if (y < top) return row;
    }
    return -1;
}

void TPointsGrid::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    canvas.fillRect(rect(), Qt::white);
    canvas.setFont(font());
    const auto& points = m_engine.Scene().Points();
    const auto rows = numberline::PointRows(m_engine.Scene(), m_engine.Scale());
    int top = 0;
    for (size_t row = 0; row < m_heights.size() && row < points.size(); ++row) {
        const QRect formulaCell(0, top, m_formulaWidth, m_heights[row]);
        const bool selected = int(row) == Row;
        canvas.fillRect(formulaCell, selected ? base::BgrColor(base::colour::numberline::kTableSelection) : Qt::white);
        canvas.setPen(selected ? Qt::white : Qt::black);
        formulas::Draw(points[row]->Formula(), canvas, kCellMargin, top + kCellMargin);
        canvas.setPen(base::BgrColor(rows[row].OffValue ? base::colour::numberline::kOffValue : base::colour::kBlack));
        canvas.drawText(QRect(m_formulaWidth + kCellMargin, top + kCellMargin, width(), m_heights[row]),
                        Qt::AlignLeft | Qt::AlignTop, rows[row].ValueText);
        top += m_heights[row] + 1;
        canvas.setPen(Qt::lightGray);
        canvas.drawLine(0, top - 1, width(), top - 1);
    }
    canvas.drawLine(m_formulaWidth, 0, m_formulaWidth, top);
}

void TPointsGrid::mousePressEvent(QMouseEvent* event)
{
    Row = RowAt(event->position().toPoint().y());
    update();
}

void TPointsGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    Row = RowAt(event->position().toPoint().y());
    if (Row >= 0 && OnDoubleClick) OnDoubleClick(Row);
}

TffNumb::TffNumb(numberline::TDec1D& engine, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_engine(engine)
{
    setObjectName(QStringLiteral("ffNumb"));
    setWindowTitle(QStringLiteral("Точки на прямой:"));
    setMinimumWidth(kMinWidth);
    resize(kMinWidth, height());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, base::BgrColor(base::colour::numberline::kTableBackground));
    setPalette(palette);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    DrawGrid = new TPointsGrid(engine, this);
    DrawGrid->setObjectName(QStringLiteral("DrawGrid"));
    DrawGrid->hide();
    DrawGrid->OnDoubleClick = [this](int row) {
        numberline::TPoint& point = *m_engine.Scene().Points()[size_t(row)];
        if (!formulas::Edit(point.Formula(), false)) return;
        point.FormulaEdited(m_engine.Scene().Params());
        Refresh();
        emit EngineChanged();
    };
    column->addWidget(DrawGrid);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* row = new QHBoxLayout(Panel1);
    row->addWidget(new QLabel(QStringLiteral("Параметры : "), Panel1));
    btInc = new QToolButton(Panel1);
    btInc->setObjectName(QStringLiteral("btInc"));
    btInc->setText(QStringLiteral("+"));
    btDec = new QToolButton(Panel1);
    btDec->setObjectName(QStringLiteral("btDec"));
    btDec->setText(QStringLiteral("−"));
    row->addWidget(btInc);
    row->addWidget(btDec);
    row->addStretch();
    column->addWidget(Panel1);

    Grid = new QTableWidget(2, 1, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->horizontalHeader()->hide();
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setDefaultSectionSize(kParameterColumnWidth);
    Grid->setFixedHeight(2 * Grid->verticalHeader()->defaultSectionSize() + 4);
    Grid->hide();
    column->addWidget(Grid);
    column->addStretch();
    connect(Grid, &QTableWidget::cellChanged, this, [this](int row, int col) {
        if (!m_filling && row == 1) GridEdited(col);
    });

    m_repeat = new QTimer(this);
    m_repeat->setInterval(kRepeatMs);
    connect(m_repeat, &QTimer::timeout, this, [this] { StepParameter(m_repeatDirection); });
    for (auto [button, direction] : {std::pair{btInc, 1}, std::pair{btDec, -1}}) {
        connect(button, &QToolButton::pressed, this, [this, direction] {
            m_repeatDirection = direction;
            StepParameter(direction);
            m_repeat->start();
        });
        connect(button, &QToolButton::released, m_repeat, &QTimer::stop);
    }
}

void TffNumb::Refresh()
{
    const QSignalBlocker quiet(Grid);
    m_filling = true;
    const auto columns = numberline::ParameterColumns(m_engine.Scene());
    Grid->clear();
    Grid->setColumnCount(std::max<int>(1, int(columns.size())));
    for (int i = 0; i < int(columns.size()); ++i) {
        auto* name = new QTableWidgetItem(columns[size_t(i)].Name);
        name->setFlags(Qt::ItemIsEnabled);
        Grid->setItem(0, i, name);
        Grid->setItem(1, i, new QTableWidgetItem(columns[size_t(i)].ValueText));
    }
    m_filling = false;
    Grid->setVisible(!columns.empty());
    DrawGrid->setVisible(!m_engine.Scene().Points().empty());
    DrawGrid->Measure();
    FitHeight();
}

void TffNumb::HideGrids()
{
    DrawGrid->hide();
    Grid->hide();
    FitHeight();
}

void TffNumb::FitHeight()
{
    adjustSize();
    resize(std::max(width(), kMinWidth), sizeHint().height());
}

void TffNumb::GridEdited(int column)
{
    const QTableWidgetItem* name = Grid->item(0, column);
    const QTableWidgetItem* value = Grid->item(1, column);
    if (!name || !value) return;
    if (!m_engine.ChangeParameter(name->text(), value->text())) return;
    DrawGrid->update();
    emit EngineChanged();
}

void TffNumb::StepParameter(int direction)
{
    const int column = std::max(0, Grid->currentColumn());
    QTableWidgetItem* value = Grid->item(1, column);
    if (!value) return;
    const auto text = numberline::StepParameterText(value->text(), direction * kParameterStep);
    if (!text) return;
    {
        const QSignalBlocker quiet(Grid);
        value->setText(*text);
    }
    GridEdited(column);
}

void TffNumb::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit Closed();
}

} // namespace coordlinelab
