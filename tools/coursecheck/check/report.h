#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// What the course checker found: one problem per fault, each at a file (a
// program path such as ZADS\A01\T01.HTM) and a line of it (1-based; 0 when
// the file itself is missing or the fault belongs to no line).
namespace coursecheck {

struct Problem {
    QString file;
    int line = 0;
    QString message;
    bool operator==(const Problem&) const = default;
};

// How much of the course a run looked at.
struct Coverage {
    int pages = 0;
    int tasks = 0;
    int labFiles = 0;
};

class Report {
public:
    void Add(const QString& file, int line, const QString& message);
    const QList<Problem>& problems() const { return m_problems; }
    bool empty() const { return m_problems.isEmpty(); }
    // "<file>:<line>: <message>", in the order found.
    QStringList Lines() const;

    Coverage coverage;

private:
    QList<Problem> m_problems;
};

// The 1-based number of the first line whose trimmed text equals text, or
// that contains it when contains is set; 0 when none does.
int LineOf(const QStringList& lines, const QString& text, bool contains = false);

} // namespace coursecheck
