#pragma once
#include <QString>
#include <QStringList>

// A list of "name=value" lines, looked up by name without regard to letter
// case: the results list of a user, and other keyed list files.
namespace base {

class NameValueList {
public:
    NameValueList() = default;
    explicit NameValueList(QStringList lines) : m_lines(std::move(lines)) {}

    const QStringList& lines() const { return m_lines; }
    void setLines(QStringList lines) { m_lines = std::move(lines); }
    void clear() { m_lines.clear(); }
    int count() const { return int(m_lines.size()); }

    // Index of the first line whose name equals name (case ignored); -1 if none.
    int indexOfName(const QString& name) const;
    QString name(int index) const;
    QString value(int index) const;
    // Value of the first line with that name; empty when there is none.
    QString value(const QString& name) const;
    void setValue(int index, const QString& value);
    void append(const QString& name, const QString& value);

private:
    QStringList m_lines;
};

} // namespace base
