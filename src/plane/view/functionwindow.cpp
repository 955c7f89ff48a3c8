#include "plane/view/functionwindow.h"
#include "base/numfmt.h"
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "formulas/view/picture.h"
#include "plane/functioncommands.h"
#include "plane/view/planecontrol.h"
#include "shellcalls/shellcalls.h"
#include "ui/dialogs.h"
#include "ui/helpmenu.h"
#include <QColorDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QItemSelectionModel>
#include <QTableWidget>
#include <QTimer>
#include <QPushButton>
#include <QVBoxLayout>

namespace planeview {

namespace {

constexpr int kFormulaColumn = 0;
constexpr int kColourColumn = 1;
constexpr int kNameRow = 0;
constexpr int kValueRow = 1;
constexpr int kParameterColumnWidth = 56;
constexpr int kGridFrame = 4;
constexpr int kStepButtonWidth = 28;

QColor Selection() { return base::BgrColor(base::colour::plane::kListSelection); }
QColor White() { return base::BgrColor(base::colour::kWhite); }

// Paints the formula column from the window's pictures and the colour column
// in the object's colour; the grid's own selection colour is not used.
class RowPainter : public QStyledItemDelegate {
public:
    using Pictures = std::function<const QImage&(int row, bool selected)>;
    RowPainter(QObject* parent, Pictures pictures) : QStyledItemDelegate(parent), m_pictures(std::move(pictures)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.column() == kColourColumn) {
            painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
            return;
        }
        const bool selected = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
        painter->fillRect(option.rect, selected ? Selection() : White());
        painter->drawImage(option.rect.topLeft() + QPoint(TffFunc::kCellPadding, TffFunc::kCellPadding),
                           m_pictures(index.row(), selected));
    }

private:
    Pictures m_pictures;
};

// A formula, or the text that stands for it, as a picture on background.
QImage RowPicture(const plane::FunctionRow& row, const QFont& font, const QColor& background)
{
    if (row.ProblemText.isEmpty())
        return formulas::Picture(row.Object->Formula(), base::BgrColor(base::colour::kBlack), background);
    const QSize size = QFontMetrics(font).size(0, row.ProblemText);
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, row.ProblemText);
    return image;
}

QTableWidget* MakeGrid(QWidget* parent, const QString& name)
{
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

} // namespace

TffFunc::TffFunc(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("ffFunc"));
    setWindowTitle(QStringLiteral("Функции:"));
    setFixedWidth(kWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    DrawGrid = MakeGrid(this, QStringLiteral("DrawGrid"));
    DrawGrid->setColumnCount(2);
    DrawGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DrawGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DrawGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DrawGrid->setItemDelegate(new RowPainter(DrawGrid, [this](int row, bool selected) -> const QImage& {
        return (selected ? m_selected : m_plain)[size_t(row)];
    }));
    DrawGrid->setToolTip(QStringLiteral("Графики на плоскости. Двойной щелчок по формуле — изменить её, по цвету — "
                                        "выбрать другой цвет"));
    connect(DrawGrid, &QTableWidget::cellDoubleClicked, this, &TffFunc::DrawGridDoubleClick);
    column->addWidget(DrawGrid);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* panelRow = new QHBoxLayout(Panel1);
    panelRow->setContentsMargins(4, 2, 4, 2);
    lbParams = new QLabel(QStringLiteral("Параметры: "), Panel1);
    panelRow->addWidget(lbParams);
    btInc = new QPushButton(Panel1);
    btDec = new QPushButton(Panel1);
    btInc->setObjectName(QStringLiteral("btInc"));
    btDec->setObjectName(QStringLiteral("btDec"));
    btInc->setText(QStringLiteral("+"));
    btDec->setText(QStringLiteral("−"));
    btInc->setToolTip(QStringLiteral("Увеличить выбранный параметр на 0,1"));
    btDec->setToolTip(QStringLiteral("Уменьшить выбранный параметр на 0,1"));
    // The buttons follow the label, so that a window over the list's right
    // edge (a task) leaves them free.
    for (QPushButton* button : {btInc, btDec}) {
        button->setFixedWidth(kStepButtonWidth);
        panelRow->addWidget(button);
    }
    panelRow->addStretch(1);
    column->addWidget(Panel1);

    Grid = MakeGrid(this, QStringLiteral("Grid"));
    Grid->setRowCount(2);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setToolTip(QStringLiteral("Параметры формул: выберите значение и введите новое или нажимайте + и −"));
    connect(Grid, &QTableWidget::cellChanged, this, &TffFunc::GridCellEdited);
    column->addWidget(Grid);
    column->addStretch(1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kStepInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { StepParameter(m_stepTag); });
    for (QPushButton* button : {btInc, btDec}) {
        const int tag = button == btInc ? kStepUp : kStepDown;
        // A click steps once; holding the button keeps stepping.
        connect(button, &QPushButton::pressed, this, [this, tag] {
            m_stepTag = tag;
            StepParameter(tag);
            Timer1->start();
        });
        connect(button, &QPushButton::released, this, [this] {
            Timer1->stop();
            m_stepTag = 0;
        });
    }
    // "Что это такое?" opens the page HELP\Func\{control}.HTM.
    for (QWidget* control : std::initializer_list<QWidget*>{DrawGrid, Panel1, btInc, btDec, Grid})
        ui::AttachHelpMenu(control);
    DrawGrid->hide();
    Grid->hide();
}

int TffFunc::SelectedRow() const
{
    const QModelIndexList selected = DrawGrid->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? DrawGrid->currentRow() : selected.first().row();
    return row >= 0 && row < int(m_rows.size()) ? row : int(m_rows.size()) - 1;
}

void TffFunc::RefreshList(TDec2D* engine)
{
    m_engine = engine;
    m_rows = engine ? plane::FunctionRows(engine->Algebra()) : std::vector<plane::FunctionRow>{};
    m_parameters = engine ? plane::ParameterColumns(engine->Algebra(), engine->Scene())
                          : std::vector<plane::ParameterColumn>{};
    FillRows();
    FillParameters();
    FitHeight();
}

void TffFunc::FillRows()
{
    m_plain.clear();
    m_selected.clear();
    int widest = 0;
    DrawGrid->setRowCount(int(m_rows.size()));
    for (size_t i = 0; i < m_rows.size(); ++i) {
        m_plain.push_back(RowPicture(m_rows[i], font(), White()));
        m_selected.push_back(RowPicture(m_rows[i], font(), Selection()));
        widest = std::max(widest, m_plain.back().width());
        const int row = int(i);
        DrawGrid->setRowHeight(row, m_plain.back().height() + 2 * kCellPadding);
        auto* colour = new QTableWidgetItem;
        colour->setData(Qt::BackgroundRole, base::BgrColor(m_rows[i].Colour));
        DrawGrid->setItem(row, kColourColumn, colour);
        DrawGrid->setItem(row, kFormulaColumn, new QTableWidgetItem);
    }
    // The formula column fills the window when the formulas are narrower.
    DrawGrid->setColumnWidth(kFormulaColumn, std::max(widest + 2 * kCellPadding, kWidth - kColourColumnWidth - kGridFrame));
    DrawGrid->setColumnWidth(kColourColumn, kColourColumnWidth);
    DrawGrid->setVisible(!m_rows.empty());
    if (!m_rows.empty()) DrawGrid->selectRow(int(m_rows.size()) - 1);
}

void TffFunc::FillParameters()
{
    m_filling = true;
    Grid->setColumnCount(int(m_parameters.size()));
    for (size_t i = 0; i < m_parameters.size(); ++i) {
        const int column = int(i);
        auto* name = new QTableWidgetItem(m_parameters[i].Name);
        name->setFlags(Qt::ItemIsEnabled);
        name->setTextAlignment(Qt::AlignCenter);
        Grid->setItem(kNameRow, column, name);
        Grid->setItem(kValueRow, column, new QTableWidgetItem(m_parameters[i].Value));
        Grid->setColumnWidth(column, kParameterColumnWidth);
    }
    if (!m_parameters.empty() && Grid->currentColumn() < 0) Grid->setCurrentCell(kValueRow, 0);
    Grid->setVisible(!m_parameters.empty());
    m_filling = false;
}

void TffFunc::FitHeight()
{
    int rows = 0;
    for (int i = 0; i < DrawGrid->rowCount(); ++i) rows += DrawGrid->rowHeight(i);
    const int scrollBar = DrawGrid->horizontalScrollBar()->sizeHint().height();
    DrawGrid->setFixedHeight(rows + kGridFrame + (DrawGrid->columnWidth(kFormulaColumn) + kColourColumnWidth + kGridFrame > kWidth ? scrollBar : 0));
    const int parameters = Grid->rowHeight(kNameRow) + Grid->rowHeight(kValueRow) + kGridFrame + scrollBar;
    Grid->setFixedHeight(parameters);
    int height = Panel1->sizeHint().height();
    if (DrawGrid->isVisibleTo(this)) height += DrawGrid->height();
    if (Grid->isVisibleTo(this)) height += Grid->height();
    setFixedHeight(height);
}

// --- parameters ------------------------------------------------------------------

void TffFunc::GridCellEdited(int row, int column)
{
    if (m_filling || !m_engine || row != kValueRow || column < 0 || column >= int(m_parameters.size())) return;
    const plane::ParameterChange change = m_engine->Algebra().SetParameter(
        m_engine->Scene(), m_parameters[size_t(column)].Name, Grid->item(row, column)->text());
    if (!change.Done) return RefuseParameter(column, change.Message);
    ParameterApplied();
}

void TffFunc::StepParameter(int tag)
{
    const int column = Grid->currentColumn();
    if (!m_engine || (tag != kStepUp && tag != kStepDown) || column < 0 || column >= int(m_parameters.size())) return;
    const plane::ParameterChange change = m_engine->Algebra().StepParameter(
        m_engine->Scene(), m_parameters[size_t(column)].Name, tag == kStepUp ? kParameterStep : -kParameterStep);
    if (!change.Done) return RefuseParameter(column, change.Message);
    ParameterApplied();
}

void TffFunc::RefuseParameter(int column, const QString& message)
{
    Timer1->stop();
    shellcalls::guide().ShowNote(message, plane::kCommandNoteSeconds);
    m_filling = true;
    Grid->item(kValueRow, column)->setText(m_parameters[size_t(column)].Value);
    m_filling = false;
}

// Every column shows the scene's values again (the edited one in its
// shortest form) and the plane redraws its graphs.
void TffFunc::ParameterApplied()
{
    m_parameters = plane::ParameterColumns(m_engine->Algebra(), m_engine->Scene());
    m_filling = true;
    for (size_t i = 0; i < m_parameters.size(); ++i)
        if (QTableWidgetItem* value = Grid->item(kValueRow, int(i))) value->setText(m_parameters[i].Value);
    m_filling = false;
    m_engine->update();
}

// --- the rows -------------------------------------------------------------------

void TffFunc::DrawGridDoubleClick(int row, int column)
{
    if (!m_engine || row < 0 || row >= int(m_rows.size())) return;
    plane::TAlgebra& object = *m_rows[size_t(row)].Object;
    if (column == kColourColumn) {
        QColorDialog dialog(base::BgrColor(object.Color), this);
        if (ui::dialogs().exec(dialog) != QDialog::Accepted) return;
        object.Color = base::ToBgr(dialog.currentColor());
    } else {
        EditFormula(object);
    }
    RefreshList(m_engine);
    DrawGrid->selectRow(row);
    m_engine->update();
    emit GraphsEdited();
}

// Graphs by points, coefficients or transformations have no formula to edit.
void TffFunc::EditFormula(plane::TAlgebra& object)
{
    if (object.Kind() == plane::AlgebraKind::FunctionFormula) {
        if (formulas::Edit(object.Formula(), true))
            static_cast<plane::TFunctionFormula&>(object).FormulaEdited(m_engine->Scene());
    } else if (object.Kind() == plane::AlgebraKind::Equation) {
        if (formulas::Edit(object.Formula(), true))
            static_cast<plane::TEquation&>(object).FormulaEdited(m_engine->Scene());
    }
}

} // namespace planeview
