#include "labs/dataanalysis/statwindow.h"
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace dataanalysislab {

namespace {
constexpr int kTitleColumn = 0;
constexpr int kWindowWidth = 470;
constexpr int kTitleWidth = 150;
constexpr int kNumberWidth = 75;
}

TffStat::TffStat(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("ffStat"));
    setWindowTitle(QStringLiteral("Ряды данных и их характеристики:"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Grid = new QTableWidget(0, dataanalysis::kStatisticsColumns, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setHorizontalHeaderLabels({QStringLiteral("Название"), QStringLiteral("Среднее"), QStringLiteral("Min"),
                                     QStringLiteral("Max"), QStringLiteral("Ст.откл.")});
    Grid->verticalHeader()->hide();
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setColumnWidth(kTitleColumn, kTitleWidth);
    for (int col = 1; col < dataanalysis::kStatisticsColumns; ++col) Grid->setColumnWidth(col, kNumberWidth);
    layout->addWidget(Grid);
    setFixedWidth(kWindowWidth);
    connect(Grid, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (m_filling || row < 0) return;
        if (col != kTitleColumn) Grid->setCurrentCell(row, kTitleColumn);
        emit seriesChosen(row);
    });
    connect(Grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_filling && item->column() == kTitleColumn) emit titleEdited(item->row(), item->text());
    });
}

void TffStat::ShowRows(const std::vector<dataanalysis::StatisticsRow>& rows)
{
    m_filling = true;
    Grid->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        for (int col = 0; col < dataanalysis::kStatisticsColumns; ++col) {
            auto* item = new QTableWidgetItem(rows[size_t(row)][size_t(col)]);
            if (col != kTitleColumn) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            Grid->setItem(row, col, item);
        }
    }
    Grid->setVisible(!rows.empty());
    const int rowHeight = Grid->verticalHeader()->defaultSectionSize() + 1;
    setFixedHeight(rowHeight * (int(rows.size()) + 1) + 2);
    m_filling = false;
}

void TffStat::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace dataanalysislab
