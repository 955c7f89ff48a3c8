#include "labs/dataanalysis/labwindow.h"
#include "base/apperror.h"
#include "base/paths.h"
#include "dataanalysis/datasection.h"
#include "dataanalysis/workbook.h"
#include "labframe/labpanel.h"
#include "labs/dataanalysis/diagram.h"
#include "labs/dataanalysis/sheetmodel.h"
#include "labs/dataanalysis/statwindow.h"
#include "shellcalls/shellcalls.h"
#include "ui/dialogs.h"
#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace dataanalysislab {

using dataanalysis::CellPos;
using dataanalysis::CellRange;
using dataanalysis::ChartKind;
using dataanalysis::SortOrder;

namespace {

constexpr int kNoteSeconds = 5;
constexpr int kColumnWidth = 64;
constexpr int kSheetPanelWidth = 330;
constexpr QPoint kStatOffset(10, 140);
constexpr QChar kClipboardColumn = u'\t';
constexpr QChar kClipboardRow = u'\n';
// The empty workbook the lab starts with, when the course has one.
const QString kClearWorkbook = QStringLiteral("LABS\\LAB17\\Clear.XLS");

struct ButtonSpec {
    QToolButton* TfmLab17::*member;
    const char* caption;
    const char* hint;
};

} // namespace

TfmLab17::TfmLab17(QWidget* parent) : TfmLab(kLabNumber, parent)
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(makeButtonRow());
    auto* panels = new QHBoxLayout;
    panels->addWidget(makeSheetPanel());
    panels->addWidget(makeChartPanel(), 1);
    column->addLayout(panels, 1);

    ffStat = new TffStat(this);
    connect(ffStat, &TffStat::seriesChosen, this, [this](int index) { m_lab.SetCurrent(index); });
    connect(ffStat, &TffStat::titleEdited, this, [this](int index, const QString& title) { m_lab.Rename(index, title); });
    connect(ffStat, &TffStat::closed, this, [this] { btStat->setChecked(false); });
    if (base::FileExists(kClearWorkbook)) dataanalysis::ReadWorkbook(kClearWorkbook, m_lab.sheet());
    RefreshAll();
}

TfmLab17::~TfmLab17() = default;

QWidget* TfmLab17::makeButtonRow()
{
    // Two rows, so that the lab opens at the course's 800 px width: the
    // series and the diagram above, the work on cells below.
    auto* rows = new QWidget(workArea());
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    QWidget* seriesRow = labframe::ToolRow(QStringLiteral("Ряды и диаграмма:"), rows);
    QWidget* cellsRow = labframe::ToolRow(QStringLiteral("Клетки:"), rows);
    column->addWidget(seriesRow);
    column->addWidget(cellsRow);
    const ButtonSpec specs[] = {
        {&TfmLab17::btY, "+ Ряд", "Добавить новый ряд на диаграмму"},
        {&TfmLab17::btX, "Подписи", "Добавить подписи к текущему ряду"},
        {&TfmLab17::btDel, "− Ряд", "Удалить текущий ряд"},
        {&TfmLab17::btLine, "Линии", "Линейная диаграмма"},
        {&TfmLab17::btBar, "Столбцы", "Столбчатая диаграмма"},
        {&TfmLab17::btPie, "Круги", "Круговая диаграмма"},
        {&TfmLab17::btSort1, "По возрастанию", "Упорядочить по возрастанию"},
        {&TfmLab17::btSort2, "По убыванию", "Упорядочить по убыванию"},
        {&TfmLab17::btSUM, "Σ Сумма", "Суммирование диапазона данных"},
        {&TfmLab17::btMovAvr, "Сгладить", "Сглаживание диапазона данных"},
        {&TfmLab17::btCopy, "Копировать", "Копировать в буфер"},
        {&TfmLab17::btPaste, "Вставить", "Вставить из буфера"},
        {&TfmLab17::btStat, "Характеристики", "Окно с рядами"},
    };
    static_assert(std::size(specs) == kButtonNames.size());
    for (size_t i = 0; i < kButtonNames.size(); ++i) {
        QToolButton* TfmLab17::*member = specs[i].member;
        const bool onCells = member == &TfmLab17::btSort1 || member == &TfmLab17::btSort2 || member == &TfmLab17::btSUM
                             || member == &TfmLab17::btMovAvr || member == &TfmLab17::btCopy || member == &TfmLab17::btPaste;
        this->*member = addButton(QString::fromLatin1(kButtonNames[i]), QString::fromUtf8(specs[i].caption),
                                  QString::fromUtf8(specs[i].hint), onCells ? cellsRow : seriesRow);
    }
    for (QWidget* row : {seriesRow, cellsRow}) qobject_cast<QHBoxLayout*>(row->layout())->addStretch(1);

    auto* kinds = new QButtonGroup(this);
    kinds->setExclusive(true);
    const std::pair<QToolButton*, ChartKind> kindButtons[] = {
        {btLine, ChartKind::Line}, {btBar, ChartKind::Bar}, {btPie, ChartKind::Pie}};
    for (const auto& [button, kind] : kindButtons) {
        button->setCheckable(true);
        labframe::SetTag(button, int(kind));
        kinds->addButton(button);
        connect(button, &QToolButton::clicked, this, [this, kind = kind] { btKindClick(kind); });
    }
    btLine->setChecked(true);
    btStat->setCheckable(true);
    connect(btY, &QToolButton::clicked, this, &TfmLab17::btYClick);
    connect(btX, &QToolButton::clicked, this, &TfmLab17::btXClick);
    connect(btDel, &QToolButton::clicked, this, &TfmLab17::btDelClick);
    connect(btSort1, &QToolButton::clicked, this, [this] { btSortClick(SortOrder::Ascending); });
    connect(btSort2, &QToolButton::clicked, this, [this] { btSortClick(SortOrder::Descending); });
    labframe::SetTag(btSort1, int(SortOrder::Ascending));
    labframe::SetTag(btSort2, int(SortOrder::Descending));
    connect(btSUM, &QToolButton::clicked, this, &TfmLab17::btSUMClick);
    connect(btMovAvr, &QToolButton::clicked, this, &TfmLab17::btMovAvrClick);
    connect(btCopy, &QToolButton::clicked, this, &TfmLab17::btCopyClick);
    connect(btPaste, &QToolButton::clicked, this, &TfmLab17::btPasteClick);
    connect(btStat, &QToolButton::clicked, this, &TfmLab17::btStatClick);
    return rows;
}

QWidget* TfmLab17::makeSheetPanel()
{
    auto* panel = new QWidget(workArea());
    panel->setFixedWidth(kSheetPanelWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(labframe::Caption(QStringLiteral("Электронная таблица"), panel));
    Grid = new QTableView(panel);
    Grid->setObjectName(QStringLiteral("Grid"));
    m_model = new SheetModel(m_lab, this);
    Grid->setModel(m_model);
    Grid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    Grid->setToolTip(QStringLiteral("Электронная таблица: числа, тексты и формулы (=SUM(A1:A10), =AVERAGE(B1:B5))"));
    Grid->installEventFilter(this);
    addHelpMenu(Grid);
    connect(m_model, &SheetModel::cellEdited, this, &TfmLab17::EditCell);
    layout->addWidget(Grid, 1);
    return panel;
}

QWidget* TfmLab17::makeChartPanel()
{
    auto* panel = new QWidget(workArea());
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(labframe::Caption(QStringLiteral("Диаграмма"), panel));
    m_chart = new QChart;
    PrepareChart(*m_chart);
    Chart = new QChartView(m_chart, panel);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setRenderHint(QPainter::Antialiasing);
    Chart->setToolTip(QStringLiteral("Диаграмма рядов данных"));
    addHelpMenu(Chart);
    layout->addWidget(Chart, 1);
    return panel;
}

// --- sheet -------------------------------------------------------------------

CellRange TfmLab17::Selection() const
{
    const QItemSelection selection = Grid->selectionModel()->selection();
    if (selection.isEmpty()) {
        const QModelIndex current = Grid->currentIndex();
        const CellPos cell = current.isValid() ? SheetModel::CellOf(current) : CellPos{1, 1};
        return {cell.col, cell.row, cell.col, cell.row};
    }
    CellRange range{dataanalysis::kMaxCol, dataanalysis::kMaxRow, 1, 1};
    for (const QItemSelectionRange& part : selection) {
        range.left = std::min(range.left, part.left() + 1);
        range.top = std::min(range.top, part.top() + 1);
        range.right = std::max(range.right, part.right() + 1);
        range.bottom = std::max(range.bottom, part.bottom() + 1);
    }
    return range;
}

void TfmLab17::Select(const CellRange& range)
{
    const QModelIndex first = m_model->index(range.top - 1, range.left - 1);
    const QModelIndex last = m_model->index(range.bottom - 1, range.right - 1);
    Grid->setCurrentIndex(first);
    Grid->selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

void TfmLab17::EditCell(CellPos cell, const QString& input)
{
    m_lab.sheet().edit(cell, input);
    RefreshAll();
}

void TfmLab17::ClearSelectedCells()
{
    const CellRange range = Selection();
    for (int i = 0; i < range.cellCount(); ++i) m_lab.sheet().setInput(range.cellAt(i), QString());
    m_lab.sheet().recalculate();
    RefreshAll();
}

bool TfmLab17::eventFilter(QObject* watched, QEvent* event)
{
    // Keys typed into a cell's editor go to the editor, not to the grid.
    if (watched == Grid && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        ClearSelectedCells();
        return true;
    }
    return TfmLab::eventFilter(watched, event);
}

// --- commands ----------------------------------------------------------------

bool TfmLab17::noted(const QString& note)
{
    if (note.isEmpty()) return false;
    shellcalls::guide().ShowNote(note, kNoteSeconds);
    return true;
}

void TfmLab17::btYClick()
{
    if (!noted(m_lab.AddSeries(Selection()))) RefreshAll();
}

void TfmLab17::btXClick()
{
    if (!noted(m_lab.SetLabels(Selection()))) RefreshAll();
}

void TfmLab17::btDelClick()
{
    m_lab.DeleteCurrent();
    RefreshAll();
}

void TfmLab17::btKindClick(ChartKind kind)
{
    if (m_lab.SetKind(kind)) RefreshAll();
}

void TfmLab17::btSortClick(SortOrder order)
{
    if (!noted(m_lab.Sort(Selection(), order))) RefreshAll();
}

void TfmLab17::btSUMClick()
{
    if (!noted(m_lab.Sum(Selection()))) RefreshAll();
}

void TfmLab17::btMovAvrClick()
{
    if (!noted(m_lab.Smooth(Selection()))) RefreshAll();
}

void TfmLab17::btCopyClick()
{
    const CellRange range = Selection();
    QString text;
    for (int row = range.top; row <= range.bottom; ++row) {
        for (int col = range.left; col <= range.right; ++col) {
            if (col > range.left) text += kClipboardColumn;
            text += m_lab.sheet().input({row, col});
        }
        text += kClipboardRow;
    }
    QApplication::clipboard()->setText(text);
}

void TfmLab17::btPasteClick()
{
    const CellRange range = Selection();
    const QStringList rows = QApplication::clipboard()->text().split(kClipboardRow);
    for (int r = 0; r < rows.size(); ++r) {
        if (r == rows.size() - 1 && rows[r].isEmpty()) break; // the final line end
        const QStringList cells = QString(rows[r]).remove(u'\r').split(kClipboardColumn);
        for (int c = 0; c < cells.size(); ++c) m_lab.sheet().setInput({range.top + r, range.left + c}, cells[c]);
    }
    m_lab.sheet().recalculate();
    RefreshAll();
}

void TfmLab17::btStatClick()
{
    if (btStat->isChecked()) {
        placeStatWindow();
        ffStat->show();
    } else {
        ffStat->hide();
    }
}

void TfmLab17::placeStatWindow()
{
    ffStat->move(mapToGlobal(QPoint(0, 0)) + kStatOffset);
}

// --- refreshing --------------------------------------------------------------

void TfmLab17::RefreshAll()
{
    m_model->refresh();
    ShowDiagram(*m_chart, m_lab);
    RefreshStatistics();
}

void TfmLab17::RefreshStatistics()
{
    ffStat->ShowRows(dataanalysis::StatisticsTable(m_lab));
}

// --- frame -------------------------------------------------------------------

void TfmLab17::ClearLab()
{
    // The frame's part only: the cells and series are the workbook's and
    // the lab file's, cleared by the clear button and by loading.
    TfmLab::ClearLab();
}

void TfmLab17::btClearClick()
{
    TfmLab::btClearClick();
    m_lab.ClearAll();
    RefreshAll();
    Select({1, 1, 1, 1});
}

void TfmLab17::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    m_lab.SetSeries(dataanalysis::ReadDataSection(data.engineLines, data.engineLine));
    const std::pair<QToolButton*, ChartKind> kindButtons[] = {
        {btLine, ChartKind::Line}, {btBar, ChartKind::Bar}, {btPie, ChartKind::Pie}};
    for (const auto& [button, kind] : kindButtons) button->setChecked(m_lab.kind() == kind);
    RefreshAll();
}

void TfmLab17::WriteLab(labframe::LabFileData& data)
{
    TfmLab::WriteLab(data);
    data.engineLines = dataanalysis::DataSectionLines(m_lab.series());
}

bool TfmLab17::LoadLabFile(const QString& file)
{
    const labframe::LabFileText content = labframe::ReadLabFileText(file);
    if (!content.text) {
        ui::ShowMessage(content.error);
        return false;
    }
    m_lab.ClearAll();
    if (const auto workbook = dataanalysis::PairedWorkbookName(file); workbook && base::FileExists(*workbook)) {
        const QString error = dataanalysis::ReadWorkbook(*workbook, m_lab.sheet());
        if (!error.isEmpty()) ui::ShowMessage(error);
    } else {
        ui::ShowMessage(QStringLiteral("Не найдена рабочая книга \"%1\"").arg(workbook.value_or(file)));
    }
    const bool read = LoadLabText(*content.text);
    if (!read) m_lab.SetSeries({});
    RefreshAll();
    return read;
}

bool TfmLab17::SaveLabFile(const QString& file)
{
    const auto workbook = dataanalysis::PairedWorkbookName(file);
    if (!workbook) {
        ui::ShowMessage(dataanalysis::UnpairedNameMessage(file));
        return false;
    }
    const QString error = dataanalysis::WriteWorkbook(m_lab.sheet(), *workbook);
    if (!error.isEmpty()) {
        ui::ShowMessage(error);
        return false;
    }
    return TfmLab::SaveLabFile(file);
}

void TfmLab17::showEvent(QShowEvent* event)
{
    TfmLab::showEvent(event);
    if (btStat->isChecked()) {
        placeStatWindow();
        ffStat->show();
    }
}

void TfmLab17::hideEvent(QHideEvent* event)
{
    ffStat->hide();
    TfmLab::hideEvent(event);
}

} // namespace dataanalysislab
