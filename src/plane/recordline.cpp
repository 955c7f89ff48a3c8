#include "plane/recordline.h"
#include "base/numfmt.h"
#include "base/textutil.h"
#include "plane/planerecords.h"
#include <cmath>

namespace plane {

RecordLine::RecordLine(QString text, int line) : m_text(std::move(text)), m_line(line) { SkipBlanks(); }

void RecordLine::Fail(const QString& reason) const { throw SceneFormatError(m_line, reason); }

QString RecordLine::Word()
{
    if (AtEnd()) Fail(QStringLiteral("не хватает значений"));
    qsizetype stop = m_pos;
    while (stop < m_end && m_text[stop] != u' ') ++stop;
    const QString word = base::Trim(m_text.mid(m_pos, stop - m_pos));
    m_pos = stop;
    SkipBlanks();
    return word;
}

double RecordLine::Real()
{
    const QString word = Word();
    const auto value = base::ParseReal(word, base::Decimal::Point);
    if (!value || !std::isfinite(double(*value))) Fail(QStringLiteral("«%1» не является числом").arg(word));
    return double(*value);
}

long long RecordLine::Integer()
{
    const QString word = Word();
    const auto value = base::ParseInt(word);
    if (!value) Fail(QStringLiteral("«%1» не является целым числом").arg(word));
    return *value;
}

bool RecordLine::Boolean() { return Word() == QLatin1String("TRUE"); }

base::Bgr RecordLine::Colour()
{
    const long long value = Integer();
    if (value < 0 || value > base::kBgrMask) Fail(QStringLiteral("цвет %1 вне диапазона").arg(value));
    return base::Bgr(value);
}

int RecordLine::Index(int count, const QString& what)
{
    const long long value = Integer();
    if (value < 0 || value >= count)
        Fail(QStringLiteral("нет %1 с номером %2 среди прочитанных выше (их %3)").arg(what).arg(value).arg(count));
    return int(value);
}

void RecordLine::SkipBlanks()
{
    while (m_end > m_pos && m_text[m_end - 1].unicode() <= 32) --m_end;
    while (m_pos < m_end && m_text[m_pos].unicode() <= 32) ++m_pos;
}

} // namespace plane
