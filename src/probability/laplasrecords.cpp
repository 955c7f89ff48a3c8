// The engine's section of a lab file, after the window's "#" line:
//   kind n k view
//    c1 c2 ... cn          colour index of every element, each after a blank
//    r1 r2 ...             one line per event: its rows of the shown table, from 1
// The section holds integers only, so the decimal separator never matters.
#include "probability/laplas.h"
#include "base/apperror.h"
#include "base/numfmt.h"
#include <QRegularExpression>

namespace probability {
namespace {

struct ModelRecord {
    int kind = 0, n = 0, k = 0, view = 0;
    QList<int> colours;
    QList<QList<int>> events;
};

[[noreturn]] void Fail(const QString& what)
{
    throw base::AppError(QStringLiteral("Ошибка в записи вероятностной модели: ") + what);
}

QList<int> Integers(const QString& line)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s]+"));
    QList<int> numbers;
    for (const QString& token : line.split(blanks, Qt::SkipEmptyParts)) {
        const auto value = base::ParseInt(token);
        if (!value || *value < INT_MIN || *value > INT_MAX)
            Fail(QStringLiteral("\"%1\" не является целым числом").arg(token));
        numbers.append(int(*value));
    }
    return numbers;
}

void CheckRange(int value, int low, int high, const QString& name)
{
    if (value < low || value > high)
        Fail(QStringLiteral("%1 %2 вне диапазона %3 … %4").arg(name).arg(value).arg(low).arg(high));
}

// Everything that can be checked before the model is built.
ModelRecord ParseRecord(const QStringList& lines)
{
    if (lines.isEmpty()) Fail(QStringLiteral("нет строки с параметрами модели"));
    const QList<int> head = Integers(lines[0]);
    if (head.size() < 4) Fail(QStringLiteral("в первой строке меньше четырёх чисел"));
    ModelRecord record;
    record.kind = head[0];
    record.n = head[1];
    record.k = head[2];
    record.view = head[3];
    CheckRange(record.kind, kNoModel, kBallsWithoutReplacement, QStringLiteral("вид модели"));
    CheckRange(record.n, 1, kMaxElements, QStringLiteral("число элементов"));
    CheckRange(record.k, 1, kMaxElements, QStringLiteral("число извлекаемых элементов"));
    CheckRange(record.view, 0, kTableCount - 1, QStringLiteral("вид таблицы исходов"));
    if (lines.size() > 1) {
        record.colours = Integers(lines[1]);
        if (record.colours.size() > kMaxElements)
            Fail(QStringLiteral("цветов %1, а шаров не больше %2").arg(record.colours.size()).arg(kMaxElements));
        for (int colour : record.colours) CheckRange(colour, 0, kColorCount - 1, QStringLiteral("номер цвета"));
    }
    if (lines.size() - 2 > kMaxEvents) Fail(QStringLiteral("событий больше пяти"));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<int> rows = Integers(lines[i]);
        for (int row : rows) CheckRange(row, 1, kMaxRows, QStringLiteral("номер исхода"));
        record.events.append(rows);
    }
    return record;
}

} // namespace

QStringList TLaplas::SaveModel() const
{
    QStringList lines;
    lines << QStringLiteral("%1 %2 %3 %4").arg(m_model.kind).arg(m_model.n).arg(m_model.k).arg(m_view);
    // The colours the tables were built with, so that the saved events name
    // the same rows after loading.
    QString colours;
    for (int e = 1; e <= m_model.n; ++e) colours += u' ' + QString::number(m_model.colors[e]);
    lines << colours;
    for (const LaplasEvent& event : m_events) {
        QString rows;
        for (int r = 0; r < RowCount(); ++r)
            if (event.Member[r]) rows += u' ' + QString::number(r + 1);
        lines << rows;
    }
    return lines;
}

void TLaplas::LoadModel(const QStringList& lines)
{
    const ModelRecord record = ParseRecord(lines);
    for (int i = 0; i < record.colours.size(); ++i) SetBallColor(i + 1, record.colours[i]);
    SetModel(record.kind, record.n, record.view, record.k);
    for (const QList<int>& rows : record.events)
        for (int row : rows)
            if (row > RowCount())
                Fail(QStringLiteral("номер исхода %1 больше числа исходов в таблице (%2)").arg(row).arg(RowCount()));
    for (const QList<int>& rows : record.events) {
        AddEvent();
        for (int row : rows) m_events[m_selectedEvent].Member[row - 1] = true;
        EventProbability(m_selectedEvent);
    }
    emit Grid1Changed();
    emit Grid2Changed();
}

} // namespace probability
