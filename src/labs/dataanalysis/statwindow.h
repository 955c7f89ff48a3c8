#pragma once
#include "dataanalysis/datalab.h"
#include <QWidget>

class QTableWidget;

namespace dataanalysislab {

// The tool window "Ряды данных и их характеристики:": one row per series with
// its title, mean, min, max and standard deviation. Only the titles can be
// chosen and edited; choosing a row makes that series current.
class TffStat : public QWidget {
    Q_OBJECT
public:
    explicit TffStat(QWidget* parent = nullptr);

    void ShowRows(const std::vector<dataanalysis::StatisticsRow>& rows);

    QTableWidget* Grid;

signals:
    void seriesChosen(int index);
    void titleEdited(int index, const QString& title);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_filling = false;
};

} // namespace dataanalysislab
