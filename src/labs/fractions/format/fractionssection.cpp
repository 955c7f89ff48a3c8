#include "labs/fractions/format/fractionssection.h"
#include "arithmetic/paintedsquare.h"
#include "arithmetic/ratiodivision.h"
#include "base/apperror.h"
#include <limits>

namespace fractionslab {

using arithmetic::Fraction;
using arithmetic::SectorRecord;

namespace {

constexpr int kRecordFields = 5;
constexpr int kMaxSquareCells = arithmetic::kMaxSquareSize * arithmetic::kMaxSquareSize;

QStringList Numbers(const QString& line)
{
    return line.split(u' ', Qt::SkipEmptyParts);
}

long long Number(const QString& text, long long minimum, long long maximum, int line, const QString& what)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < minimum || value > maximum)
        throw base::LineError(line, QStringLiteral("%1: ожидается целое число от %2 до %3").arg(what).arg(minimum).arg(maximum));
    return value;
}

QList<int> NumberLine(const QString& text, int most, int minimum, int maximum, int line, const QString& what)
{
    const QStringList numbers = Numbers(text);
    if (numbers.size() > most)
        throw base::LineError(line, QStringLiteral("%1: больше %2 чисел").arg(what).arg(most));
    QList<int> values;
    values.reserve(numbers.size());
    for (const QString& number : numbers) values.append(int(Number(number, minimum, maximum, line, what)));
    return values;
}

Fraction ReadFraction(const QString& num, const QString& den, int line)
{
    const long long most = std::numeric_limits<int>::max();
    const long long n = Number(num, -most, most, line, QStringLiteral("Числитель"));
    const long long d = Number(den, -most, most, line, QStringLiteral("Знаменатель"));
    if (d == 0) throw base::LineError(line, QStringLiteral("Знаменатель дроби равен нулю"));
    return *arithmetic::ReduceFraction(n, d);
}

SectorRecord ReadRecord(const QString& text, int line)
{
    const QStringList fields = Numbers(text);
    if (fields.size() < kRecordFields)
        throw base::LineError(line, QStringLiteral("Сектор: ожидается пять чисел"));
    SectorRecord record;
    record.From = ReadFraction(fields[0], fields[1], line);
    record.To = ReadFraction(fields[2], fields[3], line);
    record.Color = int(Number(fields[4], 0, arithmetic::kPaletteSize - 1, line, QStringLiteral("Цвет сектора")));
    if (!arithmetic::ValidSectorList({record}))
        throw base::LineError(line, QStringLiteral("Сектор должен лежать в круге: 0 <= начало < конец <= 1"));
    return record;
}

} // namespace

FractionsSection ReadFractionsSection(const QStringList& lines, int firstLine)
{
    FractionsSection section;
    if (!lines.isEmpty())
        section.memberParts = NumberLine(lines[0], arithmetic::kMaxMembers, 1, arithmetic::kMaxParts, firstLine,
                                         QStringLiteral("Части членов отношения"));
    if (lines.size() > 1)
        section.squareCells = NumberLine(lines[1], kMaxSquareCells, 0, arithmetic::kPaletteSize - 1, firstLine + 1,
                                         QStringLiteral("Клетки квадрата"));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const int line = firstLine + int(i);
        if (lines[i].trimmed().isEmpty()) continue;
        if (section.sectors.size() == arithmetic::kMaxSectorRecords)
            throw base::LineError(line, QStringLiteral("В круге не может быть больше %1 секторов")
                                            .arg(arithmetic::kMaxSectorRecords));
        section.sectors.append(ReadRecord(lines[i], line));
        if (!arithmetic::ValidSectorList(section.sectors))
            throw base::LineError(line, QStringLiteral("Сектор накладывается на другой сектор"));
    }
    return section;
}

QStringList FractionsSectionLines(const FractionsSection& section)
{
    QString parts;
    for (const int part : section.memberParts) parts += u' ' + QString::number(part);
    QString cells;
    for (const int cell : section.squareCells) cells += u' ' + QString::number(cell);
    QStringList lines = {parts, cells};
    for (const SectorRecord& record : section.sectors)
        lines.append(QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(record.From.Num)
                         .arg(record.From.Den)
                         .arg(record.To.Num)
                         .arg(record.To.Den)
                         .arg(record.Color));
    return lines;
}

} // namespace fractionslab
