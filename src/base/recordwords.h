#pragma once
#include "base/numfmt.h"
#include <QString>
#include <cmath>
#include <optional>

// One record line of an engine's lab-file section, read word by word from
// the left. Every refusal throws Error(line, reason), the engine's own
// format error, so its reader reports the file line.
namespace base {

template <class Error>
class RecordWords {
public:
    RecordWords(const QString& text, int line) : m_text(text), m_line(line) {}

    [[noreturn]] void Fail(const QString& reason) const { throw Error(m_line, reason); }

    bool AtEnd()
    {
        SkipBlanks();
        return m_pos >= m_text.size();
    }
    QString Word()
    {
        SkipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != u' ') ++m_pos;
        return m_text.mid(start, m_pos - start);
    }
    QString NeedWord(const QString& what)
    {
        if (AtEnd()) Fail(QStringLiteral("нет значения: ") + what);
        return Word();
    }
    // A finite real with a decimal point.
    double Real(const QString& what)
    {
        const QString word = NeedWord(what);
        const std::optional<long double> value = ParseReal(word, Decimal::Point);
        if (!value || !std::isfinite(double(*value))) Fail(QStringLiteral("не число (%1): %2").arg(what, word));
        return double(*value);
    }
    bool Flag(const QString& what)
    {
        const QString word = NeedWord(what);
        if (word == QLatin1String("TRUE")) return true;
        if (word == QLatin1String("FALSE")) return false;
        Fail(QStringLiteral("ожидается TRUE или FALSE (%1): %2").arg(what, word));
    }
    long long Integer(const QString& what)
    {
        const QString word = NeedWord(what);
        const std::optional<long long> value = ParseInt(word);
        if (!value) Fail(QStringLiteral("не целое число (%1): %2").arg(what, word));
        return *value;
    }
    // Everything after the one blank that ends the previous word.
    QString Rest()
    {
        if (m_pos < m_text.size()) ++m_pos;
        const QString rest = m_text.mid(m_pos);
        m_pos = m_text.size();
        return rest;
    }
    void ExpectEnd()
    {
        if (!AtEnd()) Fail(QStringLiteral("лишнее в конце строки: ") + m_text.mid(m_pos));
    }

protected:
    void SkipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == u' ') ++m_pos;
    }

    const QString& m_text;
    int m_line;
    qsizetype m_pos = 0;
};

} // namespace base
