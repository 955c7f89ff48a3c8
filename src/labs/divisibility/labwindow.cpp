#include "labs/divisibility/labwindow.h"
#include "arithmetic/divisibility.h"
#include "arithmetic/divisorrow.h"
#include "arithmetic/numberinput.h"
#include "base/colours.h"
#include "labframe/labpanel.h"
#include "labs/divisibility/numbercells.h"
#include "shellcalls/shellcalls.h"
#include <algorithm>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace divisibilitylab {

using namespace base::colour::numberlabs;
using labframe::Caption;

namespace {

constexpr int kNoteSeconds = 5;
constexpr int kModeButtonWidth = 190;
constexpr int kModeButtonHeight = 28;
constexpr int kFieldWidth = 80;
constexpr int kCellHeight = 24;
constexpr int kTitleWidth = 100; // the width of the division table's first four columns
constexpr int kDivisionRows = 10;
constexpr int kPairsRows = 5;
constexpr int kFactorRows = 13;
constexpr int kTargetDigits = 4;
// Columns of the division table: dividend, divisor, quotient, remainder, equation.
constexpr int kDividendColumn = 0;
constexpr int kDivisorColumn = 1;
constexpr int kQuotientColumn = 2;
constexpr int kRemainderColumn = 3;
constexpr int kEquationColumn = 4;

const std::array<const char*, TfmLab1::kModeCount> kModeCaptions = {
    "Деление", "Разложение на два", "Разложение на простые", "Количество делителей"};
const std::array<const char*, TfmLab1::kModeCount> kModeHints = {
    "Деление с остатком", "Все разложения числа на два множителя", "Разложение числа на простые множители",
    "Количество делителей каждого числа отрезка натурального ряда"};

QString GridStyle()
{
    return QStringLiteral("QTableWidget { background: %1; gridline-color: #a0a0a0; }"
                          "QTableWidget::item:selected { background: %2; color: black; }")
        .arg(base::BgrColor(kResultCell).name(), base::BgrColor(kSelectedInput).name());
}

// Paints the rows of the divisor table from the segment; the table holds no texts.
class DivisorRowDelegate : public QStyledItemDelegate {
public:
    DivisorRowDelegate(const arithmetic::DivisorSegment& segment, QObject* parent)
        : QStyledItemDelegate(parent), m_segment(segment)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->setClipRect(option.rect);
        arithmetic::PaintDivisorCell(*painter, option.rect, index.column(), m_segment.NumberAt(index.row()),
                                     m_segment.Target());
        painter->restore();
    }

private:
    const arithmetic::DivisorSegment& m_segment;
};

} // namespace

TfmLab1::TfmLab1(QWidget* parent) : TfmLab(kNumber, parent)
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(makeModeRow());
    PageControl1 = new QStackedWidget(workArea());
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addWidget(makeDivisionPage());
    PageControl1->addWidget(makePairsPage());
    PageControl1->addWidget(makeFactorsPage());
    PageControl1->addWidget(makeSquaresPage());
    column->addWidget(PageControl1, 1);
    dressCells();
    fitSquaresTable();
    ShowMode(0);
}

// --- building ----------------------------------------------------------------

QWidget* TfmLab1::makeModeRow()
{
    auto* row = new QWidget(workArea());
    auto* layout = labframe::RowLayout(row, 0);
    // The pressed button stays pressed: a click on it shows its page again.
    const std::vector<QToolButton*> buttons = labframe::AddModeButtons(
        *this, row, {kModeCaptions, kModeHints, QSize(kModeButtonWidth, kModeButtonHeight), base::BgrColor(kInputCell)},
        [this](int mode) { ShowMode(mode); });
    std::copy(buttons.begin(), buttons.end(), modeButtons.begin());
    layout->addStretch(1);
    bt0 = modeButtons[0];
    bt1 = modeButtons[1];
    bt2 = modeButtons[2];
    bt3 = modeButtons[3];
    return row;
}

QTableWidget* TfmLab1::makeInputGrid(const QString& name, int rows, const QList<int>& widths, int maxDigits,
                                     const QString& hint, QWidget* page)
{
    auto* grid = addControl<QTableWidget>(name, page);
    grid->setRowCount(rows);
    grid->setColumnCount(int(widths.size()));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(kCellHeight);
    for (int c = 0; c < widths.size(); ++c) grid->setColumnWidth(c, widths[c]);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setStyleSheet(GridStyle());
    grid->setToolTip(hint);
    grid->setItemDelegate(new DigitsDelegate(
        maxDigits, [this](const QString& message) { sayRefused(message); },
        [this, grid](int row, int column, const QString& text) {
            setCell(grid, row, column, text);
            if (grid == MyTable3) MyTable3Edited(row, text, column);
            else if (grid == MyTable2) MyTable2Edited(column, text);
            else MyTable1Edited(row, text);
        },
        grid));
    addHelpMenu(grid);
    return grid;
}

QLineEdit* TfmLab1::makeField(const QString& name, const QString& text, int maxDigits, const QString& hint,
                              QWidget* page)
{
    auto* field = addControl<QLineEdit>(name, page);
    field->setText(text);
    field->setFixedWidth(kFieldWidth);
    field->setValidator(new DigitsValidator(maxDigits, field, [this](const QString& message) { sayRefused(message); }));
    field->setToolTip(hint);
    field->setStyleSheet(QStringLiteral("QLineEdit { background: %1; }").arg(base::BgrColor(kInputCell).name()));
    addHelpMenu(field);
    return field;
}

QWidget* TfmLab1::makeDivisionPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    // The column titles stand over the table's first four columns.
    auto* titles = new QWidget(page);
    auto* titleRow = labframe::RowLayout(titles, 0);
    titleRow->setSpacing(0);
    for (const char* title : {"ДЕЛИМОЕ", "ДЕЛИТЕЛЬ", "ЧАСТНОЕ", "ОСТАТОК"}) {
        QLabel* caption = Caption(QString::fromUtf8(title), titles);
        caption->setFixedWidth(kTitleWidth);
        caption->setAlignment(Qt::AlignCenter);
        titleRow->addWidget(caption);
    }
    titleRow->addStretch(1);
    column->addWidget(titles);
    MyTable3 = makeInputGrid(QStringLiteral("MyTable3"), kDivisionRows, {kTitleWidth, kTitleWidth, kTitleWidth, kTitleWidth, 286},
                             arithmetic::kDivisionDigits,
                             QStringLiteral("Введите делимое и делитель: частное и остаток появятся сразу"), page);
    MyTable3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MyTable3->setFixedSize(590, kDivisionRows * kCellHeight + 4);
    column->addWidget(MyTable3);
    column->addStretch(1);
    return page;
}

QWidget* TfmLab1::makePairsPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(Caption(
        QStringLiteral("Введите число...  и Вы увидите все возможные его разложения на два множителя:"), page));
    MyTable2 = makeInputGrid(QStringLiteral("MyTable2"), kPairsRows, {120, 120, 120, 120, 120},
                             arithmetic::kDivisionDigits,
                             QStringLiteral("Введите число в верхнюю клетку столбца: под ним появятся его разложения"),
                             page);
    MyTable2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MyTable2->setFixedWidth(5 * 120 + 24);
    column->addWidget(MyTable2, 1);
    return page;
}

QWidget* TfmLab1::makeFactorsPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(Caption(
        QStringLiteral("Введите число  ...                и Вы увидите его разложение на простые множители:"), page));
    MyTable1 = makeInputGrid(QStringLiteral("MyTable1"), kFactorRows, {161, 933}, arithmetic::kFactorisationDigits,
                             QStringLiteral("Введите число в левую клетку: справа появится его разложение"), page);
    MyTable1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MyTable1->setFixedHeight(kFactorRows * kCellHeight + 4);
    column->addWidget(MyTable1);
    column->addStretch(1);
    return page;
}

QWidget* TfmLab1::makeSquaresPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* segmentRow = new QWidget(page);
    auto* segment = labframe::RowLayout(segmentRow, 0);
    segment->addWidget(Caption(QStringLiteral("Задайте отрезок натурального ряда   от"), segmentRow));
    edMin = makeField(QStringLiteral("edMin"), QStringLiteral("1"), arithmetic::kSegmentDigits,
                      QStringLiteral("Первое число отрезка"), segmentRow);
    segment->addWidget(edMin);
    segment->addWidget(Caption(QStringLiteral("до"), segmentRow));
    edMax = makeField(QStringLiteral("edMax"), QStringLiteral("1000"), arithmetic::kSegmentDigits,
                      QStringLiteral("Последнее число отрезка (не больше чем на 10000 дальше первого)"), segmentRow);
    segment->addWidget(edMax);
    segment->addStretch(1);
    column->addWidget(segmentRow);
    column->addWidget(Caption(QStringLiteral("и Вы увидите количество делителей каждого из чисел заданного отрезка"), page));
    auto* targetRow = new QWidget(page);
    auto* target = labframe::RowLayout(targetRow, 0);
    target->addWidget(Caption(QStringLiteral("Выделить красным цветом числа, имеющие ровно"), targetRow));
    edDivCount = makeField(QStringLiteral("edDivCount"), QString(), kTargetDigits,
                           QStringLiteral("Сколько делителей у чисел, выделенных красным"), targetRow);
    edDivCount->setStyleSheet(edDivCount->styleSheet() + QStringLiteral("QLineEdit { color: red; }"));
    target->addWidget(edDivCount);
    target->addWidget(Caption(QStringLiteral("делителей"), targetRow));
    target->addStretch(1);
    column->addWidget(targetRow);

    Table1 = addControl<QTableWidget>(QStringLiteral("Table1"), page);
    Table1->setColumnCount(2);
    Table1->horizontalHeader()->hide();
    Table1->verticalHeader()->hide();
    Table1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table1->verticalHeader()->setDefaultSectionSize(arithmetic::kDivisorRowHeight);
    Table1->setColumnWidth(0, arithmetic::kDivisorNumberWidth);
    Table1->setColumnWidth(1, arithmetic::kDivisorSquaresWidth);
    Table1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table1->setSelectionMode(QAbstractItemView::NoSelection);
    Table1->setFocusPolicy(Qt::NoFocus);
    Table1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Table1->setItemDelegate(new DivisorRowDelegate(m_segment, Table1));
    Table1->setToolTip(QStringLiteral("Каждый квадратик - один делитель числа"));
    addHelpMenu(Table1);
    column->addWidget(Table1, 1);

    connect(edMin, &QLineEdit::textChanged, this, [this] { edMinChange(); });
    connect(edMax, &QLineEdit::textChanged, this, [this] { edMaxChange(); });
    connect(edDivCount, &QLineEdit::textChanged, this, [this] { edDivCountChange(); });
    return page;
}

// --- cells -------------------------------------------------------------------

bool TfmLab1::isInputCell(const QTableWidget* grid, int row, int column) const
{
    if (grid == MyTable3) return column == kDividendColumn || column == kDivisorColumn;
    if (grid == MyTable2) return row == 0;
    return column == 0;
}

void TfmLab1::dressRow(QTableWidget* grid, int row)
{
    for (int column = 0; column < grid->columnCount(); ++column) {
        QTableWidgetItem* item = grid->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            grid->setItem(row, column, item);
        }
        const bool input = isInputCell(grid, row, column);
        item->setFlags(input ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::ItemIsEnabled);
        item->setBackground(base::BgrColor(input ? kInputCell : kResultCell));
    }
}

void TfmLab1::dressCells()
{
    for (QTableWidget* grid : {MyTable3, MyTable2, MyTable1})
        for (int row = 0; row < grid->rowCount(); ++row) dressRow(grid, row);
}

void TfmLab1::setCell(QTableWidget* grid, int row, int column, const QString& text)
{
    if (row >= grid->rowCount() || column >= grid->columnCount()) return;
    if (!grid->item(row, column)) dressRow(grid, row);
    grid->item(row, column)->setText(text);
}

void TfmLab1::sayRefused(const QString& message)
{
    shellcalls::guide().ShowNote(message, kNoteSeconds);
}

void TfmLab1::MyTable3Edited(int row, const QString&, int)
{
    const QString dividend = MyTable3->item(row, kDividendColumn)->text();
    const QString divisor = MyTable3->item(row, kDivisorColumn)->text();
    const auto result = arithmetic::DivisionRowOf(dividend, divisor);
    setCell(MyTable3, row, kQuotientColumn, result ? result->quotient : QString());
    setCell(MyTable3, row, kRemainderColumn, result ? result->remainder : QString());
    setCell(MyTable3, row, kEquationColumn, result ? result->equation : QString());
}

void TfmLab1::MyTable2Edited(int column, const QString& text)
{
    const auto n = arithmetic::ParseNatural(text, arithmetic::kDivisionDigits);
    const QStringList pairs = n ? arithmetic::FactorPairs(*n) : QStringList();
    // The row count only grows; all columns share it.
    if (MyTable2->rowCount() < pairs.size() + 1) {
        const int old = MyTable2->rowCount();
        MyTable2->setRowCount(int(pairs.size()) + 1);
        for (int row = old; row < MyTable2->rowCount(); ++row) dressRow(MyTable2, row);
    }
    for (int row = 1; row < MyTable2->rowCount(); ++row)
        setCell(MyTable2, row, column, row - 1 < pairs.size() ? pairs[row - 1] : QString());
}

void TfmLab1::MyTable1Edited(int row, const QString& text)
{
    if (text.isEmpty()) {
        setCell(MyTable1, row, 1, QString());
        return;
    }
    const auto n = arithmetic::ParseNatural(text, arithmetic::kFactorisationDigits);
    setCell(MyTable1, row, 1, n ? arithmetic::PrimeFactors(*n) : QString());
}

// --- the row of squares --------------------------------------------------------

void TfmLab1::edMinChange()
{
    const QString text = edMin->text();
    if (!arithmetic::ParseNatural(text, arithmetic::kSegmentDigits)) return;
    if (const auto moved = m_segment.SetMinText(text)) edMax->setText(*moved);
    fitSquaresTable();
}

void TfmLab1::edMaxChange()
{
    const QString text = edMax->text();
    if (!arithmetic::ParseNatural(text, arithmetic::kSegmentDigits)) return;
    if (const auto moved = m_segment.SetMaxText(text)) edMin->setText(*moved);
    fitSquaresTable();
}

void TfmLab1::edDivCountChange()
{
    m_segment.SetTargetText(edDivCount->text());
    Table1->viewport()->update();
}

void TfmLab1::fitSquaresTable()
{
    if (Table1->rowCount() != m_segment.RowCount()) Table1->setRowCount(m_segment.RowCount());
    Table1->viewport()->update();
}

// --- modes and files -----------------------------------------------------------

void TfmLab1::ShowMode(int mode)
{
    if (mode < 0 || mode >= kModeCount) return;
    m_mode = mode;
    PageControl1->setCurrentIndex(mode);
    for (int i = 0; i < kModeCount; ++i) modeButtons[size_t(i)]->setChecked(i == mode);
}

void TfmLab1::ClearLab()
{
    TfmLab::ClearLab();
    // The segment keeps its ends (empty fields convert to nothing); the
    // target becomes 0.
    fitSquaresTable();
}

void TfmLab1::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    // Grids from the file may bring rows without items and the row count
    // of another segment; the fields' rules decide the divisor table.
    dressCells();
    fitSquaresTable();
    labframe::Relayout(this);
}

} // namespace divisibilitylab
