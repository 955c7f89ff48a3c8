#include "labs/dataanalysis/diagram.h"
#include "base/colours.h"
#include "labs/dataanalysis/sheetmodel.h"
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QSet>
#include <QValueAxis>

namespace dataanalysislab {

using dataanalysis::ChartKind;
using dataanalysis::DataLab;

namespace {

constexpr QChar kInvisibleMark = QChar(0x200B); // zero width space
constexpr double kPieShare = 0.6;                // of the room each pie gets, leaving room for the names
constexpr int kMostPointNames = 6;               // names along a line diagram's axis

// The axis names every point: the labels of the current series, else of the
// first series with labels, else the point numbers. Repeated labels are made
// distinct invisibly, as the category axis keeps only one of equal names.
QStringList PointNames(const DataLab& lab, int pointCount)
{
    QStringList labels;
    const auto& series = lab.series();
    int source = lab.current() >= 0 && !series[size_t(lab.current())].labels.isEmpty() ? lab.current() : -1;
    for (int i = 0; source < 0 && i < int(series.size()); ++i)
        if (!series[size_t(i)].labels.isEmpty()) source = i;
    if (source >= 0) labels = lab.Labels(source);
    QStringList names;
    QSet<QString> seen;
    for (int i = 0; i < pointCount; ++i) {
        QString name = i < labels.size() && !labels[i].isEmpty() ? labels[i] : QString::number(i + 1);
        while (seen.contains(name)) name += kInvisibleMark;
        seen.insert(name);
        names << name;
    }
    return names;
}

int LongestSeries(const DataLab& lab)
{
    int longest = 0;
    for (const auto& one : lab.series()) longest = std::max(longest, one.data.cellCount());
    return longest;
}

bool AnyLabels(const DataLab& lab)
{
    for (const auto& one : lab.series())
        if (!one.labels.isEmpty()) return true;
    return false;
}

// Point numbers along the bottom, or the points' names when there are labels.
QAbstractAxis* PointAxis(const DataLab& lab)
{
    if (!AnyLabels(lab)) {
        auto* numbers = new QValueAxis;
        numbers->setLabelFormat(QStringLiteral("%d"));
        return numbers;
    }
    auto* names = new QCategoryAxis;
    names->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const QStringList pointNames = PointNames(lab, LongestSeries(lab));
    // Every step-th point is named, so that the names stay readable.
    const int step = (int(pointNames.size()) + kMostPointNames - 1) / kMostPointNames;
    for (int k = 0; k < pointNames.size(); k += step) names->append(pointNames[k], k + 1);
    return names;
}

void ShowLines(QChart& chart, const DataLab& lab)
{
    auto* axisY = new QValueAxis;
    chart.addAxis(axisY, Qt::AlignLeft);
    QAbstractAxis* axisX = PointAxis(lab);
    chart.addAxis(axisX, Qt::AlignBottom);
    double low = 0, high = 0;
    bool any = false;
    for (int i = 0; i < int(lab.series().size()); ++i) {
        auto* line = new QLineSeries;
        line->setColor(SeriesColour(i));
        QList<QPointF> points;
        const auto values = lab.Values(i);
        for (int k = 0; k < int(values.size()); ++k) {
            if (!values[size_t(k)]) continue;
            const double y = *values[size_t(k)];
            points.append(QPointF(k + 1, y));
            low = any ? std::min(low, y) : y;
            high = any ? std::max(high, y) : y;
            any = true;
        }
        line->replace(points);
        chart.addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(axisY);
    }
    axisX->setRange(1, std::max(2, LongestSeries(lab)));
    if (low == high) low -= 1, high += 1;
    axisY->setRange(low, high);
    axisY->applyNiceNumbers();
}

void ShowBars(QChart& chart, const DataLab& lab)
{
    auto* bars = new QBarSeries;
    for (int i = 0; i < int(lab.series().size()); ++i) {
        auto* set = new QBarSet(lab.series()[size_t(i)].title);
        set->setColor(SeriesColour(i));
        QList<qreal> values;
        for (const auto& value : lab.Values(i)) values.append(value.value_or(0));
        set->append(values);
        bars->append(set);
    }
    chart.addSeries(bars);
    auto* axisX = new QBarCategoryAxis;
    axisX->append(PointNames(lab, LongestSeries(lab)));
    chart.addAxis(axisX, Qt::AlignBottom);
    bars->attachAxis(axisX);
    auto* axisY = new QValueAxis;
    chart.addAxis(axisY, Qt::AlignLeft);
    bars->attachAxis(axisY);
}

void ShowPies(QChart& chart, const DataLab& lab)
{
    const int count = int(lab.series().size());
    for (int i = 0; i < count; ++i) {
        auto* pie = new QPieSeries;
        const auto values = lab.Values(i);
        const QStringList labels = lab.Labels(i);
        for (int k = 0; k < int(values.size()); ++k) {
            if (!values[size_t(k)] || *values[size_t(k)] <= 0) continue;
            const QString name = labels[k].isEmpty() ? QString::number(k + 1) : labels[k];
            QPieSlice* slice = pie->append(name + QStringLiteral(": ") + dataanalysis::FormatCellNumber(*values[size_t(k)]),
                                           *values[size_t(k)]);
            slice->setLabelVisible(true);
        }
        pie->setHorizontalPosition((i + 0.5) / count);
        pie->setPieSize(kPieShare / count);
        chart.addSeries(pie);
    }
}

} // namespace

void PrepareChart(QChart& chart)
{
    chart.setBackgroundBrush(base::BgrColor(base::colour::dataanalysis::kChartBackground));
    chart.legend()->hide();
    chart.setTitle(QString());
    chart.setAnimationOptions(QChart::NoAnimation);
}

void ShowDiagram(QChart& chart, const DataLab& lab)
{
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    if (lab.series().empty()) return;
    switch (lab.kind()) {
    case ChartKind::Line: ShowLines(chart, lab); break;
    case ChartKind::Bar: ShowBars(chart, lab); break;
    case ChartKind::Pie: ShowPies(chart, lab); break;
    }
}

} // namespace dataanalysislab
