#include "base/namevalue.h"

namespace base {

int NameValueList::indexOfName(const QString& name) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString& line = m_lines[i];
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) continue;
        if (QStringView(line).left(eq).compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QString NameValueList::name(int index) const
{
    const QString& line = m_lines.at(index);
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? line : line.left(eq);
}

QString NameValueList::value(int index) const
{
    const QString& line = m_lines.at(index);
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.mid(eq + 1);
}

QString NameValueList::value(const QString& name) const
{
    const int index = indexOfName(name);
    return index < 0 ? QString() : value(index);
}

void NameValueList::setValue(int index, const QString& value)
{
    m_lines[index] = name(index) + u'=' + value;
}

void NameValueList::append(const QString& name, const QString& value)
{
    m_lines.append(name + u'=' + value);
}

} // namespace base
