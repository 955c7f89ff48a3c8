#include "base/textutil.h"
#include "base/random.h"

namespace base {

QString Trim(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size() - 1;
    while (first <= last && text[first].unicode() <= 32) ++first;
    while (last >= first && text[last].unicode() <= 32) --last;
    return text.mid(first, last - first + 1);
}

QString SplitLeft(QString& text, QChar delimiter)
{
    text = Trim(text);
    const qsizetype pos = text.indexOf(delimiter);
    if (pos < 0) {
        QString piece = text;
        text.clear();
        return piece;
    }
    QString piece = text.left(pos);
    text = Trim(text.mid(pos + 1));
    return piece;
}

QString SplitRight(QString& text, QChar delimiter)
{
    text = Trim(text);
    const qsizetype pos = text.lastIndexOf(delimiter);
    if (pos < 0) {
        QString piece = text;
        text.clear();
        return piece;
    }
    QString piece = text.mid(pos + 1);
    text = Trim(text.left(pos));
    return piece;
}

int LastCharPos(QChar c, const QString& text)
{
    return int(text.lastIndexOf(c) + 1);
}

QString ExtractFolder(const QString& path)
{
    const qsizetype pos = path.lastIndexOf(QLatin1Char('\\'));
    return pos < 0 ? QString() : path.left(pos + 1);
}

QString RandomDigits(int count)
{
    QString digits;
    digits.reserve(count);
    for (int i = 0; i < count; ++i)
        digits += QChar(u'0' + RandomInt(10));
    return digits;
}

QString PadNumber(long long number, int width, QChar fill)
{
    QString text = QString::number(number);
    if (text.size() < width)
        text.prepend(QString(width - text.size(), fill));
    return text;
}

QString ExtractNameAttr(const QString& line)
{
    const QString upper = line.toUpper();
    const qsizetype pos = upper.indexOf(QLatin1String("NAME="));
    if (pos < 0) return {};
    qsizetype end = pos + 5;
    while (end < upper.size() && upper[end] != u' ' && upper[end] != u'>') ++end;
    return upper.mid(pos + 5, end - pos - 5);
}

} // namespace base
